#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace Text {

// How a value that falls between two neighbours is settled. Every rounding in
// the program names one of these.
enum class RoundingMode {
    HalfEven,         // nearest; halves to the even neighbour (the currency rule)
    HalfAwayFromZero, // nearest; halves away from zero (how display formatting rounds)
    TowardZero,
    Floor,
    Ceiling,
};

// Display formatting rounds halves away from zero, as two-decimal formatting
// always has; arithmetic rounds halves to even.
inline constexpr RoundingMode DisplayRounding = RoundingMode::HalfAwayFromZero;

class Money;

// An exact decimal value: mantissa × 10^-scale. Factors of a product (a
// quantity, a unit price, a percentage) are held this way so that products
// are formed exactly and rounded once.
class Decimal
{
public:
    __extension__ typedef __int128 Int128;

    static constexpr int MaxScale = 30;
    // Digits kept when a double is read: beyond this a double's shortest digits
    // are binary noise (0.1 + 0.2), not what anybody typed.
    static constexpr int DoubleScale = 10;

    constexpr Decimal() = default;
    Decimal(int whole) : m_mantissa(whole) {}
    Decimal(qint64 whole) : m_mantissa(whole) {}
    Decimal(Money money);

    // Plain machine text: optional sign, digits, optional point and digits
    // ("-12.5", ".5", "3."). No separators, no exponent; surrounding white
    // space is allowed. More than 27 integer digits are refused; decimals
    // beyond MaxScale are rounded half to even.
    static std::optional<Decimal> parse(QStringView text);
    // The shortest decimal that reads back as the same double, rounded half
    // to even to DoubleScale decimals. nullopt for NaN, infinity or a
    // magnitude beyond 10^27.
    static std::optional<Decimal> fromDouble(double value);
    static std::optional<Decimal> fromParts(Int128 mantissa, int scale);

    Int128 mantissa() const { return m_mantissa; }
    int scale() const { return m_scale; }
    bool isZero() const { return m_mantissa == 0; }
    bool isNegative() const { return m_mantissa < 0; }
    int sign() const { return m_mantissa < 0 ? -1 : (m_mantissa > 0 ? 1 : 0); }

    // nullopt when the exact result does not fit.
    static std::optional<Decimal> add(const Decimal &a, const Decimal &b);
    static std::optional<Decimal> subtract(const Decimal &a, const Decimal &b);
    static std::optional<Decimal> multiply(const Decimal &a, const Decimal &b);
    // Exact division by 10^places (a percentage is dividedByPowerOfTen(2)).
    std::optional<Decimal> dividedByPowerOfTen(int places) const;

    // Rounded to at most `decimals` places (0..MaxScale).
    Decimal rounded(int decimals, RoundingMode mode) const;
    // Trailing fractional zeros removed.
    Decimal normalized() const;

    double toDouble() const;
    // Shortest plain form: "2.5", "11", "-0.0833", "0"; never an exponent.
    QString toPlainText() const;

    friend bool operator==(const Decimal &a, const Decimal &b) { return compare(a, b) == 0; }
    friend bool operator<(const Decimal &a, const Decimal &b) { return compare(a, b) < 0; }
    static int compare(const Decimal &a, const Decimal &b);

private:
    Int128 m_mantissa = 0;
    int m_scale = 0;
};

// An amount in whole ten-thousandths of a baht, in 64 bits. Every value made
// by the checked factories lies within ±Max, so a sum of a few million of
// them cannot overflow.
class Money
{
public:
    static constexpr qint64 UnitsPerBaht = 10000;
    static constexpr qint64 Max = 999'999'999'999'999'999LL; // just under 10^14 baht

    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 units) { return Money(units); }
    static std::optional<Money> fromWhole(qint64 baht);
    // Nearest ten-thousandth (halves to even) of the double's shortest
    // decimal digits; nullopt for NaN, infinity or beyond Max. For fields
    // read from the database.
    static std::optional<Money> fromDouble(double value);
    // Plain machine text (see Decimal::parse), rounded half to even to four
    // decimals. What a user types goes through ReadMoney instead.
    static std::optional<Money> parse(QStringView text);
    static std::optional<Money> fromDecimal(const Decimal &value, RoundingMode mode);

    // round(a × b) to ten-thousandths, the product formed exactly.
    static std::optional<Money> product(const Decimal &a, const Decimal &b, RoundingMode mode);
    // round(rate / 100 × base) to ten-thousandths.
    static std::optional<Money> percent(const Decimal &rate, const Decimal &base, RoundingMode mode);
    // round(rate / 100 × a × b) to ten-thousandths, e.g. a line discount on
    // quantity × unit price taken unrounded.
    static std::optional<Money> percentOfProduct(const Decimal &rate, const Decimal &a,
                                                 const Decimal &b, RoundingMode mode);

    constexpr qint64 units() const { return m_units; }
    double toDouble() const { return double(m_units) / double(UnitsPerBaht); }
    Decimal toDecimal() const { return Decimal(*this); }
    bool isZero() const { return m_units == 0; }

    // Rounded to 0..4 decimals, still in ten-thousandths.
    Money rounded(int decimals, RoundingMode mode) const;

    // Shortest plain form ("2.5", "11", "-0.0833").
    QString toPlainText() const;
    // See FormatNumber.
    QString format(QStringView pattern, RoundingMode mode = DisplayRounding) const;

    static std::optional<Money> checkedAdd(Money a, Money b);
    static std::optional<Money> checkedSubtract(Money a, Money b);

    friend constexpr Money operator+(Money a, Money b) { return Money(a.m_units + b.m_units); }
    friend constexpr Money operator-(Money a, Money b) { return Money(a.m_units - b.m_units); }
    friend constexpr Money operator-(Money a) { return Money(-a.m_units); }
    Money &operator+=(Money b) { m_units += b.m_units; return *this; }
    Money &operator-=(Money b) { m_units -= b.m_units; return *this; }
    friend constexpr bool operator==(Money a, Money b) { return a.m_units == b.m_units; }
    friend constexpr auto operator<=>(Money a, Money b) { return a.m_units <=> b.m_units; }

private:
    constexpr explicit Money(qint64 units) : m_units(units) {}
    qint64 m_units = 0;
};

// Formats a value with a picture such as "###,###,##0.00": '0' is a digit
// that is always written (zero-padded), '#' a digit written only when
// significant, a ',' anywhere in the integer part groups the integer digits
// by three with ',', '.' is the decimal point, and the fraction has as many
// digits as it has placeholders ('0' kept, trailing '#' dropped when zero).
// The integer part is never cut. Characters before the first and after the
// last placeholder are copied. The value is rounded to the fraction's places
// with `mode`; a value that rounds to zero carries no minus sign.
QString FormatNumber(const Decimal &value, QStringView pattern, RoundingMode mode = DisplayRounding);
QString FormatNumber(Money value, QStringView pattern, RoundingMode mode = DisplayRounding);
// For floating-point fields: the double's shortest digits are formatted, so a
// stored 1.005 shows "1.01". NaN and infinity give an empty text.
QString FormatDouble(double value, QStringView pattern, RoundingMode mode = DisplayRounding);

// Shortest plain form of a quantity ("2.5", "11"); no exponent.
QString PlainNumber(double value);

namespace detail {
// ASCII digit strings to a value rounded once to maxScale decimals.
std::optional<Decimal> decimalFromDigits(bool negative, QStringView intDigits, QStringView fracDigits,
                                         int maxScale, RoundingMode mode);
} // namespace detail

} // namespace Text
