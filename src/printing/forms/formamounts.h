#pragma once

#include "printing/forms/documentdata.h"
#include "text/money.h"

#include <optional>

namespace Forms {

// How a form works out its tax.
enum class TaxRule {
    None,         // purchase orders; flat-rate print modes
    PerLine,      // each line's rate on its amount (VAT print modes)
    SevenPercent, // quotations: 7 % of the amount after discount
};

struct FormAmounts
{
    Text::Money sum;
    Text::Money discount;
    Text::Money afterDiscount;
    Text::Money tax;
    Text::Money grand;
};

// Amounts from the printed lines, not from the header's stored totals.
// Each line's tax is rounded to ten-thousandths, as the document window
// rounds it, so the printed total is the one the document stored. Under VAT
// the bill discount is never subtracted (the document window does not
// subtract it either). No value when an amount is out of range.
std::optional<FormAmounts> computeAmounts(const QList<LineData> &lines, double custDisc,
                                          double headerTaxRate, TaxRule rule);

// The tax rule of a form in a print mode.
TaxRule taxRuleFor(bool quotation, bool purchaseOrder, int printMode);

} // namespace Forms
