#include "text/thaitext.h"

#include "text/messages.h"
#include "text/money.h"
#include "text/numberinput.h"
#include "text/prompt.h"

#include <array>

namespace Text {
namespace {

const std::array<QString, 10> Units = {
    QString(),
    QStringLiteral("หนึ่ง"), QStringLiteral("สอง"), QStringLiteral("สาม"),
    QStringLiteral("สี่"),   QStringLiteral("ห้า"),  QStringLiteral("หก"),
    QStringLiteral("เจ็ด"),  QStringLiteral("แปด"), QStringLiteral("เก้า"),
};

const QString Ten = QStringLiteral("สิบ");
const QString Twenty = QStringLiteral("ยี่สิบ");
const QString OneAfterTens = QStringLiteral("เอ็ด");
const QString Hundred = QStringLiteral("ร้อย");
const QString Thousand = QStringLiteral("พัน");
const QString TenThousand = QStringLiteral("หมื่น");
const QString HundredThousand = QStringLiteral("แสน");
const QString Million = QStringLiteral("ล้าน");
const QString Baht = QStringLiteral("บาท");
const QString Satang = QStringLiteral("สตางค์ ");
const QString Exactly = QStringLiteral("ถ้วน");
const QString ZeroBaht = QStringLiteral("ศูนย์บาทถ้วน");

const QString Cash = QStringLiteral("สด");
const QString DaysUnit = QStringLiteral("ว.");
const QString MonthsUnit = QStringLiteral("ด.");
const QString YearsUnit = QStringLiteral("ป.");

// 1..99 by the Thai rule; 0 gives nothing.
QString numberWord(int n)
{
    if (n <= 0 || n > 99)
        return QString();
    if (n < 10)
        return Units[n];
    const int tens = n / 10;
    const int unit = n % 10;
    QString out = tens == 1 ? Ten : (tens == 2 ? Twenty : Units[tens] + Ten);
    out += unit == 1 ? OneAfterTens : Units[unit];
    return out;
}

// The hundreds rule, which is also the millions rule: for a remainder below
// 10 the unit word alone, so 101 reads "หนึ่งร้อยหนึ่ง".
QString hundredsWords(int group)
{
    const int a = group / 100;
    const int bc = group % 100;
    QString out;
    if (a != 0)
        out += Units[a] + Hundred;
    out += bc < 10 ? Units[bc] : numberWord(bc);
    return out;
}

QString thousandsWords(int group)
{
    const int a = group / 100;
    const int b = group / 10 % 10;
    const int c = group % 10;
    QString out;
    if (a != 0)
        out += Units[a] + HundredThousand;
    if (b != 0)
        out += Units[b] + TenThousand;
    if (c != 0)
        out += Units[c] + Thousand;
    return out;
}

QString twoDigits(int n) { return QString::number(n).rightJustified(2, u'0'); }

QString dateText(int day, int month, int buddhistYear)
{
    return twoDigits(day) + u'/' + twoDigits(month) + u'/' + QString::number(buddhistYear);
}

// A part of a date text read as a whole number: ASCII digits only.
std::optional<int> wholeNumber(QStringView part)
{
    part = part.trimmed();
    if (part.isEmpty() || part.size() > 9)
        return std::nullopt;
    int n = 0;
    for (QChar c : part) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

struct DateParts
{
    int day = 0;
    int month = 0;
    int year = 0; // Buddhist
};

// Positions 1-2, 4-5 and 7-10 of the trimmed text, each a whole number.
// Leading spaces are trimmed first so that positions count from the first
// character of the date itself.
std::optional<DateParts> splitDate(const QString &text)
{
    const QString t = text.trimmed();
    if (t.size() != 10)
        return std::nullopt;
    const auto d = wholeNumber(QStringView(t).mid(0, 2));
    const auto m = wholeNumber(QStringView(t).mid(3, 2));
    const auto y = wholeNumber(QStringView(t).mid(6, 4));
    if (!d || !m || !y)
        return std::nullopt;
    return DateParts{*d, *m, *y};
}

// A real date in the four-digit Buddhist era with slashes in their places.
std::optional<DateParts> validDate(const QString &text)
{
    const QString t = text.trimmed();
    if (t.size() != 10 || t[2] != u'/' || t[5] != u'/')
        return std::nullopt;
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (t[i] < u'0' || t[i] > u'9')
            return std::nullopt;
    const auto p = splitDate(t);
    if (!p || p->year < 1000 || p->month < 1 || p->month > 12 || p->day < 1
        || p->day > DaysInMonth(p->month, p->year)
        || !QDate(p->year - 543, p->month, p->day).isValid())
        return std::nullopt;
    return p;
}

struct Term
{
    int count = 0;
    QString unit;
};

std::optional<Term> splitTerm(const QString &term)
{
    const QString t = term.trimmed();
    const qsizetype space = t.indexOf(u' ');
    if (space <= 0)
        return std::nullopt;
    const auto n = wholeNumber(QStringView(t).left(space));
    if (!n)
        return std::nullopt;
    return Term{*n, t.mid(space + 1).trimmed()};
}

struct MonthYear
{
    int month = 0;
    int year = 0;
};

MonthYear addMonths(int month, int year, int n)
{
    const int total = (month - 1) + n;
    return {total % 12 + 1, year + total / 12};
}

QString plusDays(const DateParts &p, int days)
{
    return ThaiDate(QDate(p.year - 543, p.month, p.day).addDays(days));
}

// A result that left the four-digit era gives the starting text back.
QString orUnchanged(const QString &result, const QString &original)
{
    return result.size() == 10 && result != EmptyDateText ? result : original;
}

} // namespace

QString BahtText(const QString &amount)
{
    // Rounded once from the typed digits, as two-decimal display rounds.
    const auto read = ReadNumber(amount, 2, DisplayRounding);
    if (!read)
        return QString();
    const auto rounded = Money::fromDecimal(*read, DisplayRounding);
    if (!rounded)
        return QString();
    const Money a = *rounded;
    if (a.units() <= 0)
        return ZeroBaht;
    const qint64 satangTotal = a.units() / 100;
    const qint64 whole = satangTotal / 100;
    if (whole >= 1'000'000'000)
        return QString();
    const int satang = int(satangTotal % 100);
    const int g1 = int(whole / 1'000'000);
    const int g2 = int(whole / 1000 % 1000);
    const int g3 = int(whole % 1000);

    QString millions;
    if (whole >= 1'000'000)
        millions = hundredsWords(g1) + Million;
    QString thousands;
    if (g2 > 0)
        thousands = thousandsWords(g2);
    QString units = g3 > 0 ? hundredsWords(g3) + Baht : Baht;
    if (satang != 0)
        units += u' ' + numberWord(satang) + Satang;
    else
        units += Exactly;

    QString out = millions;
    if (!thousands.isEmpty())
        out += u' ' + thousands;
    out += u' ' + units;
    return out;
}

QString ThaiDate(const QDate &date)
{
    if (!date.isValid() || date == ZeroDate)
        return EmptyDateText;
    const int year = date.year() + 543;
    if (year < 1000 || year > 9999)
        return EmptyDateText;
    return dateText(date.day(), date.month(), year);
}

QDate ThaiDateValue(const QString &text)
{
    if (text.trimmed().size() != 10) {
        Prompt::message(Messages::DateIncomplete, Prompt::Kind::Information);
        return ZeroDate;
    }
    const auto p = splitDate(text);
    QDate date;
    // A date text always has a four-digit Buddhist year.
    if (p && p->year >= 1000)
        date = QDate(p->year - 543, p->month, p->day);
    if (!date.isValid()) {
        Prompt::message(Messages::DateWrong, Prompt::Kind::Information);
        return ZeroDate;
    }
    return date;
}

bool IsDayInMonth(const QString &text)
{
    const auto p = splitDate(text);
    if (!p)
        return false;
    const int days = DaysInMonth(p->month, p->year);
    return days > 0 && p->day <= days;
}

bool IsNumber(const QString &text)
{
    if (ReadDecimal(text))
        return true;
    Prompt::message(Messages::NotANumber, Prompt::Kind::Information);
    return false;
}

QString PadZeros(const QString &text, int width)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() >= width)
        return t;
    return QString(width - t.size(), u'0') + t;
}

QString DueDate(const QString &date, const QString &term)
{
    if (date.trimmed().isEmpty())
        return QString();
    const auto p = validDate(date);
    if (!p)
        return date;
    const QString t = term.trimmed();
    if (t == Cash)
        return date;
    const auto tm = splitTerm(t);
    if (!tm)
        return date;
    static const QList<int> dayTerms = {3, 7, 15, 30, 45, 60, 90, 120};
    if (tm->unit == DaysUnit && dayTerms.contains(tm->count))
        return orUnchanged(plusDays(*p, tm->count), date);
    if (tm->unit == MonthsUnit && tm->count >= 0 && tm->count <= 6) {
        const MonthYear r = addMonths(p->month, p->year, tm->count);
        return orUnchanged(dateText(DaysInMonth(r.month, r.year), r.month, r.year), date);
    }
    return date;
}

QString WarrantyEnd(const QString &date, const QString &term)
{
    const QString t = term.trimmed();
    if (t.isEmpty())
        return date;
    const auto p = validDate(date);
    if (!p)
        return date;
    const auto tm = splitTerm(t);
    if (!tm)
        return date;
    static const QList<int> dayTerms = {3, 7, 15, 30, 45, 60, 90, 120, 180};
    if (tm->unit == DaysUnit && dayTerms.contains(tm->count))
        return orUnchanged(plusDays(*p, tm->count - 1), date);
    if (tm->unit == MonthsUnit && tm->count >= 1 && tm->count <= 6) {
        const MonthYear r = addMonths(p->month, p->year, tm->count);
        const int days = DaysInMonth(r.month, r.year);
        const int d = p->day;
        if (d == 1) {
            if (r.month == 1)
                return orUnchanged(dateText(31, 12, r.year - 1), date);
            return orUnchanged(dateText(DaysInMonth(r.month - 1, r.year), r.month - 1, r.year), date);
        }
        if (d <= 27)
            return orUnchanged(dateText(d - 1, r.month, r.year), date);
        if (d == 28)
            return orUnchanged(dateText(days, r.month, r.year), date);
        return orUnchanged(dateText(std::min(d, days), r.month, r.year), date);
    }
    // "5 ป." is offered by the product register, so it counts like the others.
    if (tm->unit == YearsUnit && ((tm->count >= 1 && tm->count <= 3) || tm->count == 5)) {
        const int n = tm->count;
        if (p->day == 1 && p->month == 1)
            return orUnchanged(dateText(31, 12, p->year + n - 1), date);
        const int year = p->year + n;
        int day = p->day;
        if (p->month == 2)
            day = std::min(day, DaysInMonth(2, year));
        return orUnchanged(dateText(day, p->month, year), date);
    }
    return date;
}

bool IsLeapBuddhistYear(int buddhistYear) { return (buddhistYear - 543) % 4 == 0; }

int DaysInMonth(int month, int buddhistYear)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && IsLeapBuddhistYear(buddhistYear))
        return 29;
    return days[month - 1];
}

QString MonthStart(int month, int buddhistYear)
{
    if (month < 1 || month > 12 || buddhistYear < 1 || buddhistYear > 9999)
        return QString();
    return u"01/" + twoDigits(month) + u'/' + QString::number(buddhistYear);
}

QString MonthEnd(int month, int buddhistYear)
{
    if (month < 1 || month > 12 || buddhistYear < 1 || buddhistYear > 9999)
        return QString();
    return dateText(DaysInMonth(month, buddhistYear), month, buddhistYear);
}

bool IsValidDateText(const QString &text) { return validDate(text).has_value(); }

bool IsEmptyDateText(const QString &text)
{
    return text.trimmed().isEmpty() || text == EmptyDateText;
}

QDate DateFromText(const QString &text)
{
    const auto p = validDate(text);
    if (!p)
        return QDate();
    return QDate(p->year - 543, p->month, p->day);
}

QString DateKey(const QString &dateText)
{
    const auto p = validDate(dateText);
    if (!p)
        return QString();
    return QString::number(p->year) + twoDigits(p->month) + twoDigits(p->day);
}

QString DateKey(const QDate &date)
{
    const QString t = ThaiDate(date);
    return DateKey(t);
}

QString TodayText() { return ThaiDate(QDate::currentDate()); }

} // namespace Text
