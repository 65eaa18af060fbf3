#pragma once

#include <QString>

#include <array>
#include <optional>

namespace Registers {

// The five quantity thresholds of the price-level record. A missing record
// or a blank field reads as 0 for pricing but keeps its blank caption.
struct PriceThresholds
{
    std::array<std::optional<double>, 5> scale;

    double value(int level) const { return scale[level - 1].value_or(0.0); }
};

// One product's unit prices for levels 1 to 5 (PRO_SPRICE, PRO_SP2..PRO_SP5);
// a blank price stays blank.
using LevelPrices = std::array<std::optional<double>, 5>;

struct PriceLevels
{
    PriceThresholds thresholds;
    LevelPrices prices;
};

// 1..5: the highest-numbered level whose threshold the quantity reaches,
// tested from 5 down so thresholds out of order still pick that level;
// 0 when the quantity is below every threshold.
int levelForQuantity(const PriceThresholds &thresholds, double quantity);

// The unit price for the quantity, or nothing when no level is reached (or the
// level's price is blank).
std::optional<double> priceForQuantity(const PriceLevels &levels, double quantity);

// "x " and the threshold in its shortest plain form, "x " alone when blank.
QString thresholdCaption(const std::optional<double> &threshold);

// Shortest plain text of a number: 12, 2.5, 0.125; never an exponent.
QString plainNumber(double value);

} // namespace Registers
