#include "documents/totals.h"

#include <cfenv>
#include <cmath>

namespace Documents {

qint64 roundHalfEven(long double value)
{
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; make sure.
    if (std::fegetround() != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    return static_cast<qint64>(std::nearbyintl(value));
}

double toStored(qint64 tenThousandths)
{
    return static_cast<double>(tenThousandths) / 10000.0;
}

qint64 fromStored(double value)
{
    return roundHalfEven(static_cast<long double>(value) * 10000.0L);
}

Totals computeTotals(const QList<LineValues> &lines, Regime regime, double billDiscountPercent)
{
    Totals t;
    for (const LineValues &l : lines) {
        const long double gross = static_cast<long double>(l.proQty) * static_cast<long double>(l.unitPrice);
        const qint64 g = roundHalfEven(gross * 10000.0L);
        const qint64 dl = roundHalfEven(static_cast<long double>(l.discount) / 100.0L * gross * 10000.0L);
        const qint64 n = g - dl;
        if (regime == Regime::Vat) {
            const long double lineTax = static_cast<long double>(l.taxRate) * n / 100.0L / 10000.0L;
            t.tax = roundHalfEven(lineTax * 10000.0L + t.tax);
        }
        t.net += n;
    }
    t.discount = roundHalfEven(static_cast<long double>(billDiscountPercent) * t.net / 100.0L);
    t.sum = regime == Regime::Vat ? t.net + t.tax : t.net - t.discount;
    return t;
}

double roundTo4(double value)
{
    return toStored(roundHalfEven(static_cast<long double>(value) * 10000.0L));
}

double linePrice(double quantity, double unitPrice, double discountPercent)
{
    const long double q = quantity, p = unitPrice, d = discountPercent;
    return toStored(roundHalfEven((q * p - d / 100.0L * q * p) * 10000.0L));
}

QString billingKey(const QString &dueDate, const QString &invNo, const QString &custNo)
{
    return QStringLiteral("0") + dueDate.mid(8, 2) + dueDate.mid(3, 2) + invNo.mid(4, 1) + custNo;
}

} // namespace Documents
