#pragma once

#include "data/businesssettings.h"

#include <QList>
#include <QString>

namespace Forms {

// One line of a saved document, as its line table holds it.
struct LineData
{
    qint64 autoNo = 0;   // AUTO: entry order
    QString proNo;       // PRO_NO
    QString proName;     // PRO_NAME
    QString attrib;      // ATTRIB
    QString attrib2;     // ATTRIB2
    double proQty = 0;   // PRO_QTY
    QString proUnit;     // PRO_UNIT
    double unitPrice = 0; // UNIT_PRICE
    double discount = 0; // DISCOUNT, percent
    double taxRate = 0;  // TAX_RATE, percent
    double price = 0;    // PRICE, the line amount
};

// The header fields a form prints.
struct HeaderData
{
    QString invNo;       // INV_NO
    QString invDate;     // INV_DATE
    QString custNo;      // CUST_NO
    QString custName;    // CUST_NAME
    QString saleNo;      // SALE_NO
    QString refOrder;    // REF_ORDER
    QString custCre;     // CUST_CRE
    QString dueDate;     // DUE_DATE
    double taxRate = 0;  // TAX_RATE
    double custDisc = 0; // CUST_DISC, percent
};

// The party's address and contacts (customer or supplier record).
struct PartyData
{
    QString add1;  // CUST_ADD1
    QString add2;  // CUST_ADD2
    QString add4;  // CUST_ADD4, province
    QString zip;   // CUST_ZIP
    QString tel;   // CUST_TEL
    QString fax;   // CUST_FAX
};

// Everything a document form needs, loaded once before the form is built.
struct DocumentData
{
    HeaderData header;
    QList<LineData> lines;
    PartyData party;
    Data::BusinessSettings settings;
};

} // namespace Forms
