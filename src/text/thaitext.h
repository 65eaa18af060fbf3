#pragma once

#include <QDate>
#include <QString>

// Amounts in Thai words, Buddhist-era date texts ("dd/mm/yyyy", year =
// Gregorian + 543), credit and warranty terms, number checks. Stateless; the
// only side effect is a message through the prompt seam where stated.
namespace Text {

// The calendar date that stands for "no date".
inline const QDate ZeroDate(1899, 12, 30);
// The date text of no date: two spaces, slash, two spaces, slash, four spaces.
inline const QString EmptyDateText = QStringLiteral("  /  /    ");

// The amount in Thai words, e.g. "1250.50" gives
// " หนึ่งพัน สองร้อยห้าสิบบาท ห้าสิบสตางค์ ". The amount is read as typed
// (ReadMoney rules) and rounded to satang as two-decimal display rounds.
// Zero or negative gives "ศูนย์บาทถ้วน". A text that is not a number, or an
// amount of 1,000,000,000 or more, gives an empty text: it cannot be
// written in words.
QString BahtText(const QString &amount);

// "dd/mm/yyyy" in the Buddhist era; EmptyDateText for the zero date, an
// invalid date or one whose Buddhist year has not four digits.
QString ThaiDate(const QDate &date);

// The date of a date text; ZeroDate after a message when the text is
// incomplete or not a date (including a Buddhist year below 1000).
QDate ThaiDateValue(const QString &text);

// True when the trimmed text has 10 characters, its month is 1..12 and its
// day does not exceed the days of that month (day "00" passes). False when a
// part is not a whole number.
bool IsDayInMonth(const QString &text);

// True when the text reads as a number (ReadDecimal rules); otherwise shows
// "ตัวเลข...ไม่ถูกต้อง " and returns false.
bool IsNumber(const QString &text);

// The trimmed text with zeros in front up to width; never cut; empty stays
// empty.
QString PadZeros(const QString &text, int width);

// The due date of a credit term ("สด", "30 ว.", "2 ด.", ...). An empty date
// gives an empty text; a text that is not a valid date, or an unknown term,
// gives the date text unchanged.
QString DueDate(const QString &date, const QString &term);

// The last day of a warranty term starting on the date ("30 ว.", "6 ด.",
// "1 ป.", "5 ป.", ...). An empty term, an unknown term or a date text that
// is not a valid date gives the date text unchanged.
QString WarrantyEnd(const QString &date, const QString &term);

// "01/mm/yyyy"; empty for a month outside 1..12 or a year outside 1..9999.
QString MonthStart(int month, int buddhistYear);
// The month's last day as a date text; empty as for MonthStart.
QString MonthEnd(int month, int buddhistYear);
// 31, 30, 29 or 28 (a Buddhist year Y is a leap year when Y - 543 is
// divisible by 4); 0 for a month outside 1..12.
int DaysInMonth(int month, int buddhistYear);
bool IsLeapBuddhistYear(int buddhistYear);

// True when the trimmed text is "dd/mm/yyyy" of a real date (Buddhist year).
bool IsValidDateText(const QString &text);
// True for an empty or blank text and for EmptyDateText.
bool IsEmptyDateText(const QString &text);
// The date of a valid date text, else an invalid QDate; no message.
QDate DateFromText(const QString &text);
// The sort and range key "yyyymmdd" of a valid date text (Buddhist year),
// else an empty text.
QString DateKey(const QString &dateText);
QString DateKey(const QDate &date);
// Today's date text.
QString TodayText();

} // namespace Text
