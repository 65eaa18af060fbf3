// Feeds arbitrary text to every text routine that reads what a user typed or
// what a table holds, and checks the invariants callers rely on.
#include "text/money.h"
#include "text/numberinput.h"
#include "text/prompt.h"
#include "text/thaitext.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

class SilentPrompt final : public Prompt::Handler
{
public:
    void message(const QString &, Prompt::Kind) override {}
    bool question(const QString &) override { return false; }
    std::optional<QString> input(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
};

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

bool isDateShaped(const QString &s) { return s.size() == 10 && s[2] == u'/' && s[5] == u'/'; }

void money(const QString &text)
{
    using namespace Text;
    const auto m = ReadMoney(text);
    const auto d = ReadDecimal(text);
    check(m.has_value() == d.has_value(), "ReadMoney and ReadDecimal agree");
    check(IsNumber(text) == d.has_value(), "IsNumber agrees with the reader");
    (void)ReadDouble(text);
    if (m) {
        check(m->units() <= Money::Max && m->units() >= -Money::Max, "read money in range");
        const auto back = Money::parse(m->toPlainText());
        check(back && *back == *m, "plain form reads back");
        const auto typed = ReadMoney(m->format(u"###,###,##0.0000"));
        check(typed && *typed == *m, "formatted form reads back");
        (void)m->format(u"##,###,#00.00");
        (void)m->rounded(2, RoundingMode::HalfEven);
        (void)Money::product(*d, *m, RoundingMode::HalfEven);
        (void)Money::percent(*d, *m, RoundingMode::HalfEven);
        (void)Money::percentOfProduct(*d, *d, *m, RoundingMode::HalfEven);
        (void)Money::checkedAdd(*m, *m);
        (void)Money::fromDouble(m->toDouble());
    }
    if (d) {
        (void)FormatNumber(*d, u"########0.00");
        (void)d->toDouble();
        (void)Decimal::multiply(*d, *d);
    }
    if (const auto p = Money::parse(text)) {
        (void)p->format(text);
        check(p->units() <= Money::Max && p->units() >= -Money::Max, "parsed money in range");
    }
    if (const auto p = Decimal::parse(text)) {
        (void)FormatNumber(*p, text);
        (void)p->toPlainText();
        (void)Decimal::compare(*p, Decimal(1));
        (void)Decimal::add(*p, *p);
    }
    const QString words = Text::BahtText(text);
    check(words.isEmpty() || words.contains(QStringLiteral("บาท")), "words name the baht");
}

void dates(const QString &date, const QString &term, int width)
{
    using namespace Text;
    (void)IsDayInMonth(date);
    const QDate value = ThaiDateValue(date);
    check(ThaiDate(value).size() == 10, "date text has ten characters");
    const bool valid = IsValidDateText(date);
    check(!valid || DateKey(date).size() == 8, "valid date has a key");
    check(!valid || ThaiDate(DateFromText(date)) == date.trimmed() || !DateFromText(date).isValid(),
          "valid date round-trips");
    const QString due = DueDate(date, term);
    check(due == date || due.isEmpty() || isDateShaped(due), "due date is the date or a date text");
    const QString end = WarrantyEnd(date, term);
    check(end == date || isDateShaped(end), "warranty end is the date or a date text");
    const QString padded = PadZeros(date, width);
    check(padded.size() >= date.trimmed().size(), "padding never cuts");
    (void)PadZeros(term, width);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static SilentPrompt prompt;
    Prompt::setHandler(&prompt);

    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype nl = text.indexOf(u'\n');
    const QString first = nl < 0 ? text : text.left(nl);
    const QString second = nl < 0 ? QString() : text.mid(nl + 1);
    const int width = size > 0 ? int(int8_t(data[0])) : 0;

    money(text);
    money(first);
    dates(first, second, width);
    dates(text, text, width);

    if (size >= sizeof(double)) {
        double v;
        std::memcpy(&v, data, sizeof v);
        (void)Text::Money::fromDouble(v);
        (void)Text::PlainNumber(v);
        (void)Text::FormatDouble(v, u"###,###,##0.00");
        if (const auto d = Text::Decimal::fromDouble(v))
            (void)d->toPlainText();
    }
    const int month = size > 1 ? int(int8_t(data[1])) : 0;
    const int year = size > 3 ? int(int16_t(data[2] | data[3] << 8)) : 0;
    (void)Text::MonthStart(month, year);
    (void)Text::MonthEnd(month, year);
    (void)Text::DaysInMonth(month, year);
    return 0;
}
