#pragma once

#include "text/money.h"

#include <QString>

#include <optional>

namespace Text {

// Reads a number as a user types it into a box, and refuses anything else:
// - white space around the number is ignored; none is allowed inside it;
// - an optional sign, '+' or '-', directly before the number;
// - digits 0-9, or Thai digits (U+0E50..U+0E59), at least one in all;
// - at most one decimal point '.', with digits on either side or both
//   (".5" and "5." are read);
// - ',' thousands separators are optional, but when present they must stand
//   in the right places ("1,250.50", "12,345,678"): a stray comma such as in
//   "1,5" is refused rather than guessed at, since it may be a decimal comma;
// - at most ReadIntegerDigits digits before the point (leading zeros aside)
//   and a magnitude of at most 999,999,999,999.9999, so that any product or
//   sum of read values stays within the fixed-point arithmetic; no exponent,
//   "nan" or "inf".
inline constexpr int ReadIntegerDigits = 12;

// The value rounded once, straight from the typed digits, to `decimals`
// places (0..Decimal::MaxScale).
std::optional<Decimal> ReadNumber(const QString &text, int decimals, RoundingMode mode);
// Exact value, rounded half to even to Decimal::DoubleScale decimals.
std::optional<Decimal> ReadDecimal(const QString &text);
// Rounded half to even to ten-thousandths.
std::optional<Money> ReadMoney(const QString &text);
// For quantities and rates kept in floating-point fields.
std::optional<double> ReadDouble(const QString &text);

} // namespace Text
