#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace Documents {

enum class Regime { FlatRate, Vat };
enum class PartyKind { Customer, Supplier };

struct PrintButton
{
    QString caption;
    bool shown = false;
    bool enabledInBrowse = false;  // "------" of mode 1 is shown but never enabled
};

// Everything the document mode decides for the life of the window.
struct ModeInfo
{
    int mode = 0;
    QChar digit;
    QString caption;
    PartyKind party = PartyKind::Customer;
    QString partyTable;
    QString headerTable;
    QString lineTable;
    QString fixedPrefix;   // "TORD", "TQUO"; empty: PREFIX1..4 from the settings
    Regime regime = Regime::FlatRate;
    QString partyCodeLabel;
    QString partyNameLabel;
    std::array<PrintButton, 3> print;
    QString referenceLabel;
    QString staffLabel;
    bool billDiscountShown = false;
    int stockMark = 0;            // STK_POST of a stock-tracked product line
    double newTaxRate = 0;        // header TAX_RATE of a new document
    QString picture;              // empty: none
    QString quantityCaption;
    QString priceCaption;
    bool detailBoxesOnOpen = true;
    QString quickAddTitle;
    QString quickAddCodeLabel;
    QString quickAddNameLabel;
    QString moneyCaption;         // payment panel; empty keeps the design caption
    bool paymentButtonActs = false;

    bool isSale() const { return mode == 1 || mode == 2; }
    bool isPurchase() const { return mode == 3 || mode == 4; }
    bool isVat() const { return regime == Regime::Vat; }
};

// nullptr for a mode the document window does not open in.
const ModeInfo *modeInfo(int mode);
const QList<int> &documentModes();

// prefixes holds PREFIX1..PREFIX4 in that order.
QString numberHead(const ModeInfo &mode, const QStringList &prefixes);

} // namespace Documents
