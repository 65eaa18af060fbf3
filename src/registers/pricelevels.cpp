#include "registers/pricelevels.h"

#include <cmath>

namespace Registers {

int levelForQuantity(const PriceThresholds &thresholds, double quantity)
{
    for (int level = 5; level >= 1; --level) {
        if (quantity >= thresholds.value(level))
            return level;
    }
    return 0;
}

std::optional<double> priceForQuantity(const PriceLevels &levels, double quantity)
{
    const int level = levelForQuantity(levels.thresholds, quantity);
    if (level == 0)
        return std::nullopt;
    return levels.prices[level - 1];
}

QString thresholdCaption(const std::optional<double> &threshold)
{
    return QStringLiteral("x ") + (threshold ? plainNumber(*threshold) : QString());
}

QString plainNumber(double value)
{
    if (!std::isfinite(value))
        return QString();
    // Fifteen significant digits hides the binary noise of stored floats.
    QString text = QString::number(value, 'f', std::max(0, 14 - int(std::floor(std::log10(std::max(std::fabs(value), 1.0))))));
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

} // namespace Registers
