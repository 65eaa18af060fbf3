#pragma once

#include <QString>

#include <array>
#include <optional>

namespace Documents {

// A customer or supplier as the document window uses it.
struct PartyRecord
{
    QString code;
    QString name;
    QString card;
    QString birth;
    QString group;
    QString credit;  // CUST_CRE
    QString address1;
    QString address2;
    QString province;  // CUST_ADD4
    QString zip;
    QString tel;
    QString fax;
};

struct SalespersonRecord
{
    QString code;
    QString name;
};

struct ProductRecord
{
    QString code;
    QString name;
    QString attrib;
    QString unit;
    QString warrantyTerm;
    QString cutStock;
    double buyPrice = 0;
    std::array<std::optional<double>, 5> sellPrices;  // PRO_SPRICE, PRO_SP2..PRO_SP5
    double taxRate = 0;
    double carried = 0;  // PRO_TOTAL
};

// What the window copies from the settings and price-level records once.
struct WindowSettings
{
    QString prefixes[4];
    QString line5;
    QString view1;
    QString comPort;
    std::array<std::optional<double>, 5> scale;
};

} // namespace Documents
