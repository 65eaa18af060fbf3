#include "printing/forms/formamounts.h"

namespace Forms {

using Text::Decimal;
using Text::Money;
using Text::RoundingMode;

TaxRule taxRuleFor(bool quotation, bool purchaseOrder, int printMode)
{
    if (quotation)
        return TaxRule::SevenPercent;
    if (purchaseOrder)
        return TaxRule::None;
    return (printMode == 2 || printMode == 4) ? TaxRule::PerLine : TaxRule::None;
}

std::optional<FormAmounts> computeAmounts(const QList<LineData> &lines, double custDisc,
                                          double headerTaxRate, TaxRule rule)
{
    FormAmounts a;
    for (const LineData &line : lines) {
        const auto price = Money::fromDouble(line.price);
        if (!price)
            return std::nullopt;
        const auto sum = Money::checkedAdd(a.sum, *price);
        if (!sum)
            return std::nullopt;
        a.sum = *sum;
        if (rule == TaxRule::PerLine) {
            const auto rate = Decimal::fromDouble(line.taxRate);
            if (!rate)
                return std::nullopt;
            const auto tax = Money::percent(*rate, price->toDecimal(), RoundingMode::HalfEven);
            if (!tax)
                return std::nullopt;
            const auto total = Money::checkedAdd(a.tax, *tax);
            if (!total)
                return std::nullopt;
            a.tax = *total;
        }
    }

    if (custDisc > 0 && rule != TaxRule::PerLine) {
        const auto rate = Decimal::fromDouble(custDisc);
        if (!rate)
            return std::nullopt;
        const auto discount = Money::percent(*rate, a.sum.toDecimal(), RoundingMode::HalfEven);
        if (!discount)
            return std::nullopt;
        a.discount = *discount;
    }
    a.afterDiscount = a.sum - a.discount;

    if (rule == TaxRule::SevenPercent && headerTaxRate > 0) {
        const auto tax = Money::percent(Decimal(7), a.afterDiscount.toDecimal(), RoundingMode::HalfEven);
        if (!tax)
            return std::nullopt;
        a.tax = *tax;
    }

    const auto grand = Money::checkedAdd(a.afterDiscount, a.tax);
    if (!grand)
        return std::nullopt;
    a.grand = *grand;
    return a;
}

} // namespace Forms
