#include "text/numberinput.h"

#include <algorithm>

namespace Text {
namespace {

struct Digits
{
    bool negative = false;
    QString intDigits;
    QString fracDigits;
};

std::optional<Digits> scan(const QString &input)
{
    const QString text = input.trimmed();
    if (text.isEmpty() || text.size() > 64)
        return std::nullopt;
    Digits d;
    qsizetype i = 0;
    if (text[0] == u'-' || text[0] == u'+' || text[0] == QChar(0x2212)) {
        d.negative = text[0] != u'+';
        ++i;
    }
    bool seenPoint = false;
    int groupLength = 0;     // digits since the last comma
    bool seenComma = false;
    bool firstGroup = true;  // digits before the first comma
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        char digit = 0;
        if (c >= u'0' && c <= u'9')
            digit = char(c.unicode());
        else if (c.unicode() >= 0x0E50 && c.unicode() <= 0x0E59)
            digit = char('0' + (c.unicode() - 0x0E50));
        if (digit) {
            if (seenPoint) {
                d.fracDigits.append(QLatin1Char(digit));
            } else {
                d.intDigits.append(QLatin1Char(digit));
                ++groupLength;
                if (seenComma && groupLength > 3)
                    return std::nullopt;
            }
        } else if (c == u',') {
            if (seenPoint || groupLength == 0 || (firstGroup && groupLength > 3)
                || (!firstGroup && groupLength != 3))
                return std::nullopt;
            seenComma = true;
            firstGroup = false;
            groupLength = 0;
        } else if (c == u'.') {
            if (seenPoint || (seenComma && groupLength != 3))
                return std::nullopt;
            seenPoint = true;
        } else {
            return std::nullopt;
        }
    }
    if (seenComma && !seenPoint && groupLength != 3)
        return std::nullopt;
    if (d.intDigits.isEmpty() && d.fracDigits.isEmpty())
        return std::nullopt;
    qsizetype lead = 0;
    while (lead < d.intDigits.size() && d.intDigits[lead] == u'0')
        ++lead;
    if (d.intDigits.size() - lead > ReadIntegerDigits)
        return std::nullopt;
    return d;
}

} // namespace

std::optional<Decimal> ReadNumber(const QString &text, int decimals, RoundingMode mode)
{
    const auto d = scan(text);
    if (!d)
        return std::nullopt;
    // The limit applies to the exact typed value, so that every reading of
    // it (to any number of places) is accepted or refused alike, and what
    // was read reads again after formatting to four places.
    static const Decimal limit = *Decimal::parse(u"999999999999.9999");
    const auto exact = detail::decimalFromDigits(false, d->intDigits, d->fracDigits, Decimal::MaxScale,
                                                 RoundingMode::HalfEven);
    if (!exact || limit < *exact)
        return std::nullopt;
    return detail::decimalFromDigits(d->negative, d->intDigits, d->fracDigits,
                                     std::clamp(decimals, 0, Decimal::MaxScale), mode);
}

std::optional<Decimal> ReadDecimal(const QString &text)
{
    return ReadNumber(text, Decimal::DoubleScale, RoundingMode::HalfEven);
}

std::optional<Money> ReadMoney(const QString &text)
{
    const auto value = ReadNumber(text, 4, RoundingMode::HalfEven);
    if (!value)
        return std::nullopt;
    return Money::fromDecimal(*value, RoundingMode::HalfEven);
}

std::optional<double> ReadDouble(const QString &text)
{
    const auto d = ReadDecimal(text);
    if (!d)
        return std::nullopt;
    return d->toDouble();
}

} // namespace Text
