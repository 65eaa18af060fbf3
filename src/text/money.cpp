#include "text/money.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace Text {
namespace {

using Int128 = Decimal::Int128;
__extension__ typedef unsigned __int128 UInt128;

constexpr Int128 int128Max() { return Int128(~UInt128(0) >> 1); }

constexpr int MaxPow = 38;

constexpr std::array<Int128, MaxPow + 1> makePowers()
{
    std::array<Int128, MaxPow + 1> p{};
    p[0] = 1;
    for (int i = 1; i <= MaxPow; ++i)
        p[i] = p[i - 1] * 10;
    return p;
}
constexpr auto Pow10 = makePowers();

Int128 abs128(Int128 v) { return v < 0 ? -v : v; }

// Overflow checks done by hand: clang's 128-bit multiply-overflow builtin needs
// a runtime helper that the GNU runtime does not provide.
bool mulFits(Int128 a, Int128 b)
{
    if (a == 0 || b == 0)
        return true;
    return abs128(a) <= int128Max() / abs128(b);
}

bool addFits(Int128 a, Int128 b)
{
    if (b > 0)
        return a <= int128Max() - b;
    return a >= -int128Max() - b;
}

std::optional<Int128> scaleUp(Int128 v, int places)
{
    if (places == 0)
        return v;
    if (places < 0 || places > MaxPow || !mulFits(v, Pow10[places]))
        return std::nullopt;
    return v * Pow10[places];
}

// v / 10^places, rounded with mode. Values never reach the most negative
// Int128, so negation is safe.
Int128 divRound(Int128 v, int places, RoundingMode mode)
{
    if (places <= 0)
        return v;
    Int128 q = 0;
    Int128 r = v;
    bool half = false, aboveHalf = false;
    if (places <= MaxPow) {
        const Int128 d = Pow10[places];
        q = v / d;
        r = v % d;
        const Int128 twice = abs128(r) * 2; // |r| < 10^38, twice fits
        half = twice == d;
        aboveHalf = twice > d;
    } else {
        // |v| < 1.8 × 10^38, far below half of 10^39.
        q = 0;
        r = v;
    }
    if (r == 0)
        return q;
    const bool negative = v < 0;
    const Int128 away = negative ? q - 1 : q + 1;
    switch (mode) {
    case RoundingMode::TowardZero:
        return q;
    case RoundingMode::Floor:
        return negative ? q - 1 : q;
    case RoundingMode::Ceiling:
        return negative ? q : q + 1;
    case RoundingMode::HalfAwayFromZero:
        return (half || aboveHalf) ? away : q;
    case RoundingMode::HalfEven:
        if (aboveHalf)
            return away;
        if (half)
            return (q % 2 == 0) ? q : away;
        return q;
    }
    return q;
}

QString digitsOf(Int128 v)
{
    // v >= 0
    char buf[48];
    int n = 0;
    do {
        buf[n++] = char('0' + int(v % 10));
        v /= 10;
    } while (v != 0);
    QString s;
    s.reserve(n);
    while (n > 0)
        s.append(QLatin1Char(buf[--n]));
    return s;
}

} // namespace

Decimal::Decimal(Money money) : m_mantissa(money.units()), m_scale(4) {}

std::optional<Decimal> Decimal::fromParts(Int128 mantissa, int scale)
{
    if (mantissa == -int128Max() - 1)
        return std::nullopt;
    while (scale < 0) {
        if (!mulFits(mantissa, 10))
            return std::nullopt;
        mantissa *= 10;
        ++scale;
    }
    while (scale > MaxScale && mantissa % 10 == 0) {
        mantissa /= 10;
        --scale;
    }
    Decimal d;
    if (scale > MaxScale) {
        mantissa = divRound(mantissa, scale - MaxScale, RoundingMode::HalfEven);
        scale = MaxScale;
    }
    d.m_mantissa = mantissa;
    d.m_scale = scale;
    return d;
}

namespace detail {

// Builds a value from ASCII digit strings, rounding once from the full text.
std::optional<Decimal> decimalFromDigits(bool negative, QStringView intDigits, QStringView fracDigits,
                                         int maxScale, RoundingMode mode)
{
    while (!intDigits.isEmpty() && intDigits.front() == u'0')
        intDigits = intDigits.mid(1);
    if (intDigits.size() > 27)
        return std::nullopt;
    // Trailing zeros of the fraction change nothing.
    while (!fracDigits.isEmpty() && fracDigits.back() == u'0')
        fracDigits.chop(1);
    const int keep = int(std::min<qsizetype>(fracDigits.size(), maxScale));
    Int128 m = 0;
    for (QChar c : intDigits)
        m = m * 10 + (c.unicode() - u'0');
    for (int i = 0; i < keep; ++i) {
        if (!mulFits(m, 10) || !addFits(m * 10, 9))
            return std::nullopt;
        m = m * 10 + (fracDigits[i].unicode() - u'0');
    }
    if (fracDigits.size() > keep) {
        const int first = fracDigits[keep].unicode() - u'0';
        bool restNonZero = false;
        for (qsizetype i = keep + 1; i < fracDigits.size(); ++i)
            restNonZero = restNonZero || fracDigits[i] != u'0';
        bool up = false;
        switch (mode) {
        case RoundingMode::TowardZero: up = false; break;
        case RoundingMode::Floor: up = negative; break;
        case RoundingMode::Ceiling: up = !negative; break;
        case RoundingMode::HalfAwayFromZero: up = first >= 5; break;
        case RoundingMode::HalfEven:
            up = first > 5 || (first == 5 && (restNonZero || m % 2 == 1));
            break;
        }
        if (up) {
            if (!addFits(m, 1))
                return std::nullopt;
            m += 1;
        }
    }
    return Decimal::fromParts(negative ? -m : m, keep);
}

} // namespace detail

std::optional<Decimal> Decimal::parse(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    const qsizetype point = text.indexOf(u'.');
    const QStringView intDigits = point < 0 ? text : text.left(point);
    const QStringView fracDigits = point < 0 ? QStringView() : text.mid(point + 1);
    if (intDigits.isEmpty() && fracDigits.isEmpty())
        return std::nullopt;
    for (QStringView part : {intDigits, fracDigits})
        for (QChar c : part)
            if (c < u'0' || c > u'9')
                return std::nullopt;
    return detail::decimalFromDigits(negative, intDigits, fracDigits, MaxScale, RoundingMode::HalfEven);
}

std::optional<Decimal> Decimal::fromDouble(double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= 1e27)
        return std::nullopt;
    if (value == 0)
        return Decimal();
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    if (res.ec != std::errc())
        return std::nullopt;
    // "-d.ddde-XX"
    const char *p = buf;
    const char *end = res.ptr;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    QString digits;
    while (p < end && *p != 'e') {
        if (*p != '.')
            digits.append(QLatin1Char(*p));
        ++p;
    }
    int exponent = 0;
    if (p < end) {
        ++p;
        std::from_chars(*p == '+' ? p + 1 : p, end, exponent);
    }
    // value = d.ddd × 10^exponent; the integer part has exponent + 1 digits.
    const int intCount = exponent + 1;
    QString intDigits, fracDigits;
    if (intCount <= 0) {
        fracDigits = QString(-intCount, u'0') + digits;
    } else if (intCount >= digits.size()) {
        intDigits = digits + QString(intCount - digits.size(), u'0');
    } else {
        intDigits = digits.left(intCount);
        fracDigits = digits.mid(intCount);
    }
    return detail::decimalFromDigits(negative, intDigits, fracDigits, DoubleScale, RoundingMode::HalfEven);
}

std::optional<Decimal> Decimal::add(const Decimal &a, const Decimal &b)
{
    const int scale = std::max(a.m_scale, b.m_scale);
    const auto x = scaleUp(a.m_mantissa, scale - a.m_scale);
    const auto y = scaleUp(b.m_mantissa, scale - b.m_scale);
    if (!x || !y || !addFits(*x, *y))
        return std::nullopt;
    return fromParts(*x + *y, scale);
}

std::optional<Decimal> Decimal::subtract(const Decimal &a, const Decimal &b)
{
    Decimal negB = b;
    negB.m_mantissa = -b.m_mantissa;
    return add(a, negB);
}

std::optional<Decimal> Decimal::multiply(const Decimal &a, const Decimal &b)
{
    if (!mulFits(a.m_mantissa, b.m_mantissa))
        return std::nullopt;
    return fromParts(a.m_mantissa * b.m_mantissa, a.m_scale + b.m_scale);
}

std::optional<Decimal> Decimal::dividedByPowerOfTen(int places) const
{
    if (places < 0 || places > MaxPow)
        return std::nullopt;
    return fromParts(m_mantissa, m_scale + places);
}

Decimal Decimal::rounded(int decimals, RoundingMode mode) const
{
    decimals = std::clamp(decimals, 0, MaxScale);
    if (m_scale <= decimals)
        return *this;
    Decimal d;
    d.m_mantissa = divRound(m_mantissa, m_scale - decimals, mode);
    d.m_scale = decimals;
    return d;
}

Decimal Decimal::normalized() const
{
    Decimal d = *this;
    while (d.m_scale > 0 && d.m_mantissa % 10 == 0) {
        d.m_mantissa /= 10;
        --d.m_scale;
    }
    if (d.m_mantissa == 0)
        d.m_scale = 0;
    return d;
}

double Decimal::toDouble() const
{
    const QByteArray text = toPlainText().toLatin1();
    double v = 0;
    std::from_chars(text.constData(), text.constData() + text.size(), v);
    return v;
}

QString Decimal::toPlainText() const
{
    const Decimal d = normalized();
    QString digits = digitsOf(abs128(d.m_mantissa));
    if (d.m_scale > 0) {
        if (digits.size() <= d.m_scale)
            digits.prepend(QString(d.m_scale - digits.size() + 1, u'0'));
        digits.insert(digits.size() - d.m_scale, u'.');
    }
    if (d.m_mantissa < 0)
        digits.prepend(u'-');
    return digits;
}

int Decimal::compare(const Decimal &a, const Decimal &b)
{
    if (a.sign() != b.sign())
        return a.sign() < b.sign() ? -1 : 1;
    const Int128 ai = a.m_mantissa / Pow10[a.m_scale];
    const Int128 bi = b.m_mantissa / Pow10[b.m_scale];
    if (ai != bi)
        return ai < bi ? -1 : 1;
    const int scale = std::max(a.m_scale, b.m_scale);
    const Int128 af = (a.m_mantissa % Pow10[a.m_scale]) * Pow10[scale - a.m_scale];
    const Int128 bf = (b.m_mantissa % Pow10[b.m_scale]) * Pow10[scale - b.m_scale];
    return af < bf ? -1 : (af > bf ? 1 : 0);
}

std::optional<Money> Money::fromWhole(qint64 baht)
{
    if (baht > Max / UnitsPerBaht || baht < -(Max / UnitsPerBaht))
        return std::nullopt;
    return Money(baht * UnitsPerBaht);
}

std::optional<Money> Money::fromDecimal(const Decimal &value, RoundingMode mode)
{
    const Decimal r = value.rounded(4, mode);
    const auto units = scaleUp(r.mantissa(), 4 - r.scale());
    if (!units || *units > Max || *units < -Max)
        return std::nullopt;
    return Money(qint64(*units));
}

std::optional<Money> Money::fromDouble(double value)
{
    const auto d = Decimal::fromDouble(value);
    if (!d)
        return std::nullopt;
    return fromDecimal(*d, RoundingMode::HalfEven);
}

std::optional<Money> Money::parse(QStringView text)
{
    const auto d = Decimal::parse(text);
    if (!d)
        return std::nullopt;
    return fromDecimal(*d, RoundingMode::HalfEven);
}

std::optional<Money> Money::product(const Decimal &a, const Decimal &b, RoundingMode mode)
{
    const auto p = Decimal::multiply(a, b);
    if (!p)
        return std::nullopt;
    return fromDecimal(*p, mode);
}

std::optional<Money> Money::percent(const Decimal &rate, const Decimal &base, RoundingMode mode)
{
    const auto p = Decimal::multiply(rate, base);
    if (!p)
        return std::nullopt;
    const auto q = p->dividedByPowerOfTen(2);
    if (!q)
        return std::nullopt;
    return fromDecimal(*q, mode);
}

std::optional<Money> Money::percentOfProduct(const Decimal &rate, const Decimal &a, const Decimal &b,
                                             RoundingMode mode)
{
    const auto ab = Decimal::multiply(a, b);
    if (!ab)
        return std::nullopt;
    return percent(rate, *ab, mode);
}

Money Money::rounded(int decimals, RoundingMode mode) const
{
    decimals = std::clamp(decimals, 0, 4);
    const int places = 4 - decimals;
    return Money(qint64(divRound(m_units, places, mode) * Pow10[places]));
}

QString Money::toPlainText() const { return toDecimal().toPlainText(); }

QString Money::format(QStringView pattern, RoundingMode mode) const
{
    return FormatNumber(*this, pattern, mode);
}

std::optional<Money> Money::checkedAdd(Money a, Money b)
{
    const qint64 s = a.m_units + b.m_units; // both within ±Max: cannot overflow
    if (s > Max || s < -Max)
        return std::nullopt;
    return Money(s);
}

std::optional<Money> Money::checkedSubtract(Money a, Money b) { return checkedAdd(a, -b); }

QString FormatNumber(const Decimal &value, QStringView pattern, RoundingMode mode)
{
    if (pattern.isEmpty())
        return value.toPlainText();
    auto isPicture = [](QChar c) { return c == u'#' || c == u'0' || c == u',' || c == u'.'; };
    qsizetype first = 0;
    while (first < pattern.size() && !isPicture(pattern[first]))
        ++first;
    qsizetype last = pattern.size();
    while (last > first && !isPicture(pattern[last - 1]))
        --last;
    const QStringView prefix = pattern.left(first);
    const QStringView suffix = pattern.mid(last);
    const QStringView core = pattern.mid(first, last - first);

    const qsizetype point = core.indexOf(u'.');
    const QStringView intPic = point < 0 ? core : core.left(point);
    const QStringView fracPic = point < 0 ? QStringView() : core.mid(point + 1);

    bool grouping = false;
    int intPlaces = 0, minInt = -1;
    for (QChar c : intPic) {
        if (c == u',') {
            grouping = true;
        } else if (c == u'#' || c == u'0') {
            if (c == u'0' && minInt < 0)
                minInt = intPlaces;
            ++intPlaces;
        }
    }
    minInt = minInt < 0 ? 0 : intPlaces - minInt;
    int maxFrac = 0, minFrac = 0;
    for (QChar c : fracPic) {
        if (c == u'#' || c == u'0') {
            ++maxFrac;
            if (c == u'0')
                minFrac = maxFrac;
        }
    }

    const Decimal r = value.rounded(maxFrac, mode);
    const Int128 m = r.mantissa();
    QString digits = digitsOf(abs128(m));
    if (digits.size() <= r.scale())
        digits.prepend(QString(r.scale() - digits.size() + 1, u'0'));
    QString intDigits = digits.left(digits.size() - r.scale());
    QString fracDigits = digits.right(r.scale());
    fracDigits.append(QString(maxFrac - fracDigits.size(), u'0'));
    while (fracDigits.size() > minFrac && fracDigits.endsWith(u'0'))
        fracDigits.chop(1);
    while (intDigits.size() > 1 && intDigits.startsWith(u'0'))
        intDigits.remove(0, 1);
    if (intDigits == u"0" && minInt == 0)
        intDigits.clear();
    if (intDigits.size() < minInt)
        intDigits.prepend(QString(minInt - intDigits.size(), u'0'));
    if (grouping) {
        for (qsizetype i = intDigits.size() - 3; i > 0; i -= 3)
            intDigits.insert(i, u',');
    }
    QString out;
    if (m < 0)
        out += u'-';
    out += prefix;
    out += intDigits;
    if (!fracDigits.isEmpty()) {
        out += u'.';
        out += fracDigits;
    }
    out += suffix;
    return out;
}

QString FormatNumber(Money value, QStringView pattern, RoundingMode mode)
{
    return FormatNumber(value.toDecimal(), pattern, mode);
}

QString FormatDouble(double value, QStringView pattern, RoundingMode mode)
{
    const auto d = Decimal::fromDouble(value);
    if (!d)
        return std::isfinite(value) ? QString::number(value, 'g', 15) : QString();
    return FormatNumber(*d, pattern, mode);
}

QString PlainNumber(double value)
{
    const auto d = Decimal::fromDouble(value);
    if (!d)
        return std::isfinite(value) ? QString::number(value, 'g', 15) : QString();
    return d->toPlainText();
}

} // namespace Text
