#include "common/scriptedprompt.h"
#include "text/messages.h"
#include "text/money.h"
#include "text/numberinput.h"
#include "text/thaitext.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Text;

namespace {

Money units(qint64 u) { return Money::fromUnits(u); }

} // namespace

Q_DECLARE_METATYPE(Text::RoundingMode)

class TstText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bahtText_data();
    void bahtText();
    void thaiDate_data();
    void thaiDate();
    void thaiDateValue_data();
    void thaiDateValue();
    void isDayInMonth_data();
    void isDayInMonth();
    void isNumber_data();
    void isNumber();
    void padZeros_data();
    void padZeros();
    void dueDate_data();
    void dueDate();
    void warrantyEnd_data();
    void warrantyEnd();
    void monthBounds_data();
    void monthBounds();
    void dateTexts_data();
    void dateTexts();
    void todayText();

    void moneyRounding_data();
    void moneyRounding();
    void moneyProduct_data();
    void moneyProduct();
    void moneyPercent_data();
    void moneyPercent();
    void moneyFromDouble_data();
    void moneyFromDouble();
    void moneyParse_data();
    void moneyParse();
    void plainForm_data();
    void plainForm();
    void formatPattern_data();
    void formatPattern();
    void formatDouble_data();
    void formatDouble();

    void readMoney_data();
    void readMoney();
    void readDouble_data();
    void readDouble();
    void readNumber_data();
    void readNumber();
};

void TstText::bahtText_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("words");
    QTest::newRow("thousands, hundreds and satang") << "1250.50" << QString::fromUtf8(" หนึ่งพัน สองร้อยห้าสิบบาท ห้าสิบสตางค์ ");
    QTest::newRow("two million exactly") << "2000000" << QString::fromUtf8("สองล้าน บาทถ้วน");
    QTest::newRow("101 keeps หนึ่ง after ร้อย") << "101" << QString::fromUtf8(" หนึ่งร้อยหนึ่งบาทถ้วน");
    QTest::newRow("21.07") << "21.07" << QString::fromUtf8(" ยี่สิบเอ็ดบาท เจ็ดสตางค์ ");
    QTest::newRow("eleven million eleven and eleven satang") << "11000011.11"
                                                             << QString::fromUtf8("สิบเอ็ดล้าน สิบเอ็ดบาท สิบเอ็ดสตางค์ ");
    QTest::newRow("zero") << "0" << QString::fromUtf8("ศูนย์บาทถ้วน");
    QTest::newRow("satang only keeps บาท") << "0.50" << QString::fromUtf8(" บาท ห้าสิบสตางค์ ");
    QTest::newRow("one million") << "1000000" << QString::fromUtf8("หนึ่งล้าน บาทถ้วน");
    QTest::newRow("one hundred thousand") << "100000" << QString::fromUtf8(" หนึ่งแสน บาทถ้วน");
    QTest::newRow("0.29 loses no satang") << "0.29" << QString::fromUtf8(" บาท ยี่สิบเก้าสตางค์ ");
    QTest::newRow("111") << "111" << QString::fromUtf8(" หนึ่งร้อยสิบเอ็ดบาทถ้วน");
    QTest::newRow("121") << "121" << QString::fromUtf8(" หนึ่งร้อยยี่สิบเอ็ดบาทถ้วน");
    QTest::newRow("31.31 uses เอ็ด") << "31.31" << QString::fromUtf8(" สามสิบเอ็ดบาท สามสิบเอ็ดสตางค์ ");
    QTest::newRow("thousands group 021") << "21000" << QString::fromUtf8(" สองหมื่นหนึ่งพัน บาทถ้วน");
    QTest::newRow("thousands group 010") << "10000" << QString::fromUtf8(" หนึ่งหมื่น บาทถ้วน");
    QTest::newRow("one hundred million") << "100000000" << QString::fromUtf8("หนึ่งร้อยล้าน บาทถ้วน");
    QTest::newRow("one million and one") << "1000001" << QString::fromUtf8("หนึ่งล้าน หนึ่งบาทถ้วน");
    QTest::newRow("largest amount")
        << "999999999.99"
        << QString::fromUtf8("เก้าร้อยเก้าสิบเก้าล้าน เก้าแสนเก้าหมื่นเก้าพัน เก้าร้อยเก้าสิบเก้าบาท เก้าสิบเก้าสตางค์ ");
    QTest::newRow("one satang") << "0.01" << QString::fromUtf8(" บาท หนึ่งสตางค์ ");
    QTest::newRow("typed with separators") << "1,250.50" << QString::fromUtf8(" หนึ่งพัน สองร้อยห้าสิบบาท ห้าสิบสตางค์ ");
    QTest::newRow("third decimal half rounds up like display") << "0.005" << QString::fromUtf8(" บาท หนึ่งสตางค์ ");
    QTest::newRow("below half a satang is zero") << "0.004" << QString::fromUtf8("ศูนย์บาทถ้วน");
    QTest::newRow("rounded once, not via four decimals") << "0.00499" << QString::fromUtf8("ศูนย์บาทถ้วน");
    QTest::newRow("long fraction rounded once") << "1.00499999999999" << QString::fromUtf8(" หนึ่งบาทถ้วน");
    QTest::newRow("rounds up into whole baht") << "20.995" << QString::fromUtf8(" ยี่สิบเอ็ดบาทถ้วน");
    QTest::newRow("negative reads as zero") << "-5" << QString::fromUtf8("ศูนย์บาทถ้วน");
    QTest::newRow("one billion cannot be written") << "1000000000" << QString();
    QTest::newRow("rounding up to one billion cannot be written") << "999999999.995" << QString();
    QTest::newRow("not a number") << "abc" << QString();
    QTest::newRow("empty") << "" << QString();
    QTest::newRow("nan") << "nan" << QString();
    QTest::newRow("exponent") << "2.5e3" << QString();
}

void TstText::bahtText()
{
    QFETCH(QString, amount);
    QFETCH(QString, words);
    QCOMPARE(BahtText(amount), words);
}

void TstText::thaiDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("ordinary day") << QDate(2006, 1, 15) << "15/01/2549";
    QTest::newRow("year end") << QDate(2007, 12, 31) << "31/12/2550";
    QTest::newRow("leap day") << QDate(2008, 2, 29) << "29/02/2551";
    QTest::newRow("zero date") << QDate(1899, 12, 30) << "  /  /    ";
    QTest::newRow("invalid date") << QDate() << "  /  /    ";
    QTest::newRow("day after the zero date") << QDate(1899, 12, 31) << "31/12/2442";
    QTest::newRow("five-digit era year") << QDate(9600, 1, 1) << "  /  /    ";
}

void TstText::thaiDate()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(ThaiDate(date), text);
}

void TstText::thaiDateValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("messages");
    const QStringList none;
    const QStringList incomplete{Messages::DateIncomplete};
    const QStringList wrong{Messages::DateWrong};
    QTest::newRow("valid") << "15/01/2549" << QDate(2006, 1, 15) << none;
    QTest::newRow("trailing spaces") << "15/01/2549  " << QDate(2006, 1, 15) << none;
    QTest::newRow("leap day 2551") << "29/02/2551" << QDate(2008, 2, 29) << none;
    QTest::newRow("short text") << "1/01/2549" << ZeroDate << incomplete;
    QTest::newRow("empty text") << "" << ZeroDate << incomplete;
    QTest::newRow("empty date text") << "  /  /    " << ZeroDate << incomplete;
    QTest::newRow("31 April") << "31/04/2549" << ZeroDate << wrong;
    QTest::newRow("29 February not leap") << "29/02/2549" << ZeroDate << wrong;
    QTest::newRow("day zero") << "00/01/2549" << ZeroDate << wrong;
    QTest::newRow("letters in day") << "ab/01/2549" << ZeroDate << wrong;
    QTest::newRow("month 13") << "01/13/2549" << ZeroDate << wrong;
    QTest::newRow("era year too small") << "01/01/0500" << ZeroDate << wrong;
    QTest::newRow("three-digit era year") << "01/01/ 999" << ZeroDate << wrong;
}

void TstText::thaiDateValue()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QFETCH(QStringList, messages);
    ScriptedPrompt prompt;
    QCOMPARE(ThaiDateValue(text), date);
    QCOMPARE(prompt.messages, messages);
    if (date == ZeroDate)
        QCOMPARE(ThaiDate(ThaiDateValue(text)), EmptyDateText);
}

void TstText::isDayInMonth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("result");
    QTest::newRow("29 February 2551 is leap") << "29/02/2551" << true;
    QTest::newRow("29 February 2549 is not") << "29/02/2549" << false;
    QTest::newRow("no century exception") << "29/02/2443" << true;
    QTest::newRow("day 00 passes") << "00/01/2549" << true;
    QTest::newRow("30 April") << "30/04/2549" << true;
    QTest::newRow("31 April") << "31/04/2549" << false;
    QTest::newRow("31 December") << "31/12/2549" << true;
    QTest::newRow("month 13") << "01/13/2549" << false;
    QTest::newRow("month 00") << "01/00/2549" << false;
    QTest::newRow("short text") << "1/1/2549" << false;
    QTest::newRow("letters in day") << "ab/01/2549" << false;
    QTest::newRow("letters in year") << "01/01/25x9" << false;
    QTest::newRow("signed day") << "-1/01/2549" << false;
    QTest::newRow("empty date text") << "  /  /    " << false;
}

void TstText::isDayInMonth()
{
    QFETCH(QString, text);
    QFETCH(bool, result);
    QCOMPARE(IsDayInMonth(text), result);
}

void TstText::isNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("result");
    QTest::newRow("whole") << "12" << true;
    QTest::newRow("decimal with separators") << "1,250.50" << true;
    QTest::newRow("negative") << "-3.5" << true;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("nan") << "nan" << false;
    QTest::newRow("inf") << "inf" << false;
}

void TstText::isNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, result);
    ScriptedPrompt prompt;
    QCOMPARE(IsNumber(text), result);
    QCOMPARE(prompt.messages, result ? QStringList() : QStringList{QString::fromUtf8("ตัวเลข...ไม่ถูกต้อง ")});
}

void TstText::padZeros_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("result");
    QTest::newRow("padded") << "42" << 6 << "000042";
    QTest::newRow("longer is never cut") << "7050609" << 6 << "7050609";
    QTest::newRow("exact width") << "123456" << 6 << "123456";
    QTest::newRow("trimmed first") << "  42 " << 6 << "000042";
    QTest::newRow("blank stays empty") << "   " << 6 << "";
    QTest::newRow("empty stays empty") << "" << 6 << "";
    QTest::newRow("negative width") << "42" << -3 << "42";
}

void TstText::padZeros()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, result);
    QCOMPARE(PadZeros(text, width), result);
}

void TstText::dueDate_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("due");
    QTest::newRow("cash") << "15/01/2549" << QString::fromUtf8("สด") << "15/01/2549";
    QTest::newRow("3 days") << "15/01/2549" << QString::fromUtf8("3 ว.") << "18/01/2549";
    QTest::newRow("7 days across the year end") << "25/12/2549" << QString::fromUtf8("7 ว.") << "01/01/2550";
    QTest::newRow("30 days across a month end") << "15/01/2549" << QString::fromUtf8("30 ว.") << "14/02/2549";
    QTest::newRow("15 days over a leap February") << "20/02/2551" << QString::fromUtf8("15 ว.") << "06/03/2551";
    QTest::newRow("15 days over a common February") << "20/02/2549" << QString::fromUtf8("15 ว.") << "07/03/2549";
    QTest::newRow("120 days") << "01/01/2549" << QString::fromUtf8("120 ว.") << "01/05/2549";
    QTest::newRow("1 month ends February") << "15/01/2549" << QString::fromUtf8("1 ด.") << "28/02/2549";
    QTest::newRow("1 month ends leap February") << "10/01/2551" << QString::fromUtf8("1 ด.") << "29/02/2551";
    QTest::newRow("2 months across the year end") << "10/11/2549" << QString::fromUtf8("2 ด.") << "31/01/2550";
    QTest::newRow("0 months is this month's end") << "15/06/2549" << QString::fromUtf8("0 ด.") << "30/06/2549";
    QTest::newRow("6 months from December") << "31/12/2549" << QString::fromUtf8("6 ด.") << "30/06/2550";
    QTest::newRow("6 months from July") << "15/07/2549" << QString::fromUtf8("6 ด.") << "31/01/2550";
    QTest::newRow("term with spaces around") << "15/01/2549" << QString::fromUtf8(" 30 ว. ") << "14/02/2549";
    QTest::newRow("unknown day count") << "15/01/2549" << QString::fromUtf8("10 ว.") << "15/01/2549";
    QTest::newRow("month count beyond the list") << "15/01/2549" << QString::fromUtf8("7 ด.") << "15/01/2549";
    QTest::newRow("empty term") << "15/01/2549" << "" << "15/01/2549";
    QTest::newRow("empty date") << "" << QString::fromUtf8("30 ว.") << "";
    QTest::newRow("empty date text is kept") << "  /  /    " << QString::fromUtf8("30 ว.") << "  /  /    ";
    QTest::newRow("impossible date is kept") << "31/04/2549" << QString::fromUtf8("30 ว.") << "31/04/2549";
    QTest::newRow("garbage date is kept") << "garbage" << QString::fromUtf8("1 ด.") << "garbage";
    QTest::newRow("result beyond the era is kept") << "31/12/9999" << QString::fromUtf8("1 ด.") << "31/12/9999";
}

void TstText::dueDate()
{
    QFETCH(QString, date);
    QFETCH(QString, term);
    QFETCH(QString, due);
    ScriptedPrompt prompt;
    QCOMPARE(DueDate(date, term), due);
    QVERIFY(prompt.messages.isEmpty());
}

void TstText::warrantyEnd_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("end");
    QTest::newRow("no term") << "15/01/2549" << "" << "15/01/2549";
    QTest::newRow("3 days counts the day of sale") << "15/01/2549" << QString::fromUtf8("3 ว.") << "17/01/2549";
    QTest::newRow("15 days") << "15/01/2549" << QString::fromUtf8("15 ว.") << "29/01/2549";
    QTest::newRow("30 days across a month end") << "15/01/2549" << QString::fromUtf8("30 ว.") << "13/02/2549";
    QTest::newRow("7 days across the year end") << "28/12/2549" << QString::fromUtf8("7 ว.") << "03/01/2550";
    QTest::newRow("180 days") << "01/01/2549" << QString::fromUtf8("180 ว.") << "29/06/2549";
    QTest::newRow("day 1: end of the month before") << "01/03/2549" << QString::fromUtf8("1 ด.") << "31/03/2549";
    QTest::newRow("day 1 from December") << "01/12/2548" << QString::fromUtf8("1 ด.") << "31/12/2548";
    QTest::newRow("day 1 from January") << "01/01/2549" << QString::fromUtf8("1 ด.") << "31/01/2549";
    QTest::newRow("day 1 ends a leap February") << "01/02/2551" << QString::fromUtf8("1 ด.") << "29/02/2551";
    QTest::newRow("day 1 ends a common February") << "01/02/2549" << QString::fromUtf8("1 ด.") << "28/02/2549";
    QTest::newRow("day 1 six months into January") << "01/07/2549" << QString::fromUtf8("6 ด.") << "31/12/2549";
    QTest::newRow("day 1 six months into February") << "01/08/2549" << QString::fromUtf8("6 ด.") << "31/01/2550";
    QTest::newRow("mid month is the day before") << "15/01/2549" << QString::fromUtf8("1 ด.") << "14/02/2549";
    QTest::newRow("day 2 across the year end") << "02/11/2549" << QString::fromUtf8("3 ด.") << "01/02/2550";
    QTest::newRow("day 27 into leap February") << "27/12/2550" << QString::fromUtf8("2 ด.") << "26/02/2551";
    QTest::newRow("day 28 ends leap February") << "28/01/2551" << QString::fromUtf8("1 ด.") << "29/02/2551";
    QTest::newRow("day 28 ends common February") << "28/01/2549" << QString::fromUtf8("1 ด.") << "28/02/2549";
    QTest::newRow("day 28 ends April on the 30th") << "28/03/2549" << QString::fromUtf8("1 ด.") << "30/04/2549";
    QTest::newRow("day 31 cut to February") << "31/01/2549" << QString::fromUtf8("1 ด.") << "28/02/2549";
    QTest::newRow("day 30 cut to leap February") << "30/01/2551" << QString::fromUtf8("1 ด.") << "29/02/2551";
    QTest::newRow("day 31 kept in May") << "31/03/2549" << QString::fromUtf8("2 ด.") << "31/05/2549";
    QTest::newRow("day 31 cut to June") << "31/05/2549" << QString::fromUtf8("1 ด.") << "30/06/2549";
    QTest::newRow("day 29 across the year end") << "29/09/2549" << QString::fromUtf8("4 ด.") << "29/01/2550";
    QTest::newRow("1 January plus a year") << "01/01/2549" << QString::fromUtf8("1 ป.") << "31/12/2549";
    QTest::newRow("1 January plus three years") << "01/01/2549" << QString::fromUtf8("3 ป.") << "31/12/2551";
    QTest::newRow("two years") << "15/06/2549" << QString::fromUtf8("2 ป.") << "15/06/2551";
    QTest::newRow("31 December plus a year") << "31/12/2549" << QString::fromUtf8("1 ป.") << "31/12/2550";
    QTest::newRow("leap day plus a year") << "29/02/2551" << QString::fromUtf8("1 ป.") << "28/02/2552";
    QTest::newRow("leap day plus two years") << "29/02/2551" << QString::fromUtf8("2 ป.") << "28/02/2553";
    QTest::newRow("28 February plus a year") << "28/02/2549" << QString::fromUtf8("1 ป.") << "28/02/2550";
    QTest::newRow("five years as offered") << "15/06/2549" << QString::fromUtf8("5 ป.") << "15/06/2554";
    QTest::newRow("five years from 1 January") << "01/01/2549" << QString::fromUtf8("5 ป.") << "31/12/2553";
    QTest::newRow("five years from a leap day") << "29/02/2551" << QString::fromUtf8("5 ป.") << "28/02/2556";
    QTest::newRow("four years is not a term") << "15/06/2549" << QString::fromUtf8("4 ป.") << "15/06/2549";
    QTest::newRow("seven months is not a term") << "15/01/2549" << QString::fromUtf8("7 ด.") << "15/01/2549";
    QTest::newRow("impossible date is kept") << "31/02/2549" << QString::fromUtf8("1 ป.") << "31/02/2549";
    QTest::newRow("empty date is kept") << "" << QString::fromUtf8("1 ป.") << "";
}

void TstText::warrantyEnd()
{
    QFETCH(QString, date);
    QFETCH(QString, term);
    QFETCH(QString, end);
    ScriptedPrompt prompt;
    QCOMPARE(WarrantyEnd(date, term), end);
    QVERIFY(prompt.messages.isEmpty());
}

void TstText::monthBounds_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("days");
    QTest::newRow("leap February") << 2 << 2551 << "01/02/2551" << "29/02/2551" << 29;
    QTest::newRow("common February") << 2 << 2549 << "01/02/2549" << "28/02/2549" << 28;
    QTest::newRow("February 2443 leap by the era rule") << 2 << 2443 << "01/02/2443" << "29/02/2443" << 29;
    QTest::newRow("January") << 1 << 2549 << "01/01/2549" << "31/01/2549" << 31;
    QTest::newRow("April") << 4 << 2549 << "01/04/2549" << "30/04/2549" << 30;
    QTest::newRow("September") << 9 << 2549 << "01/09/2549" << "30/09/2549" << 30;
    QTest::newRow("December") << 12 << 2549 << "01/12/2549" << "31/12/2549" << 31;
    QTest::newRow("month 13") << 13 << 2549 << "" << "" << 0;
    QTest::newRow("month 0") << 0 << 2549 << "" << "" << 0;
}

void TstText::monthBounds()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(int, days);
    QCOMPARE(MonthStart(month, year), start);
    QCOMPARE(MonthEnd(month, year), end);
    QCOMPARE(DaysInMonth(month, year), days);
}

void TstText::dateTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QDate>("date");
    QTest::newRow("valid") << "15/01/2549" << true << "25490115" << QDate(2006, 1, 15);
    QTest::newRow("surrounding spaces") << " 31/12/2550 " << true << "25501231" << QDate(2007, 12, 31);
    QTest::newRow("impossible day") << "31/04/2549" << false << "" << QDate();
    QTest::newRow("day zero") << "00/01/2549" << false << "" << QDate();
    QTest::newRow("dashes") << "15-01-2549" << false << "" << QDate();
    QTest::newRow("empty date text") << "  /  /    " << false << "" << QDate();
    QTest::newRow("spaces inside") << "1 /01/2549" << false << "" << QDate();
}

void TstText::dateTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, key);
    QFETCH(QDate, date);
    QCOMPARE(IsValidDateText(text), valid);
    QCOMPARE(DateKey(text), key);
    QCOMPARE(DateFromText(text), date);
    if (valid)
        QCOMPARE(DateKey(date), key);
}

void TstText::todayText()
{
    const QString today = TodayText();
    QVERIFY(IsValidDateText(today));
    QCOMPARE(DateFromText(today), QDate::currentDate());
    QVERIFY(IsEmptyDateText(EmptyDateText));
    QVERIFY(IsEmptyDateText(QString()));
    QVERIFY(!IsEmptyDateText(today));
}

void TstText::moneyRounding_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<Text::RoundingMode>("mode");
    QTest::addColumn<qint64>("result");
    QTest::newRow("half to even stays down") << 10050LL << 2 << RoundingMode::HalfEven << 10000LL;
    QTest::newRow("half to even goes up") << 10150LL << 2 << RoundingMode::HalfEven << 10200LL;
    QTest::newRow("half to even 1.025") << 10250LL << 2 << RoundingMode::HalfEven << 10200LL;
    QTest::newRow("negative half to even") << -10050LL << 2 << RoundingMode::HalfEven << -10000LL;
    QTest::newRow("above half") << 10051LL << 2 << RoundingMode::HalfEven << 10100LL;
    QTest::newRow("half away from zero") << 10050LL << 2 << RoundingMode::HalfAwayFromZero << 10100LL;
    QTest::newRow("negative half away from zero") << -10050LL << 2 << RoundingMode::HalfAwayFromZero << -10100LL;
    QTest::newRow("toward zero") << 10099LL << 2 << RoundingMode::TowardZero << 10000LL;
    QTest::newRow("floor of a negative") << -10001LL << 2 << RoundingMode::Floor << -10100LL;
    QTest::newRow("ceiling") << 10001LL << 2 << RoundingMode::Ceiling << 10100LL;
    QTest::newRow("whole baht half to even") << 25000LL << 0 << RoundingMode::HalfEven << 20000LL;
    QTest::newRow("four decimals unchanged") << 12345LL << 4 << RoundingMode::HalfEven << 12345LL;
}

void TstText::moneyRounding()
{
    QFETCH(qint64, value);
    QFETCH(int, decimals);
    QFETCH(Text::RoundingMode, mode);
    QFETCH(qint64, result);
    QCOMPARE(units(value).rounded(decimals, mode).units(), result);
}

void TstText::moneyProduct_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<qint64>("result");
    QTest::newRow("3 x 53.973 exactly") << "3" << "53.973" << 1619190LL;
    QTest::newRow("2 x 150") << "2" << "150.00" << 3000000LL;
    QTest::newRow("half of a ten-thousandth to even, down") << "0.5" << "0.0001" << 0LL;
    QTest::newRow("half of a ten-thousandth to even, up") << "1.5" << "0.0001" << 2LL;
    QTest::newRow("2.5 x 0.0001 to even") << "2.5" << "0.0001" << 2LL;
    QTest::newRow("3 x 0.33335 half to even") << "3" << "0.33335" << 10000LL;
    QTest::newRow("1 x 53.97315 half to even up") << "1" << "53.97315" << 539732LL;
    QTest::newRow("negative quantity") << "-2" << "10.125" << -202500LL;
    QTest::newRow("quantity with decimals") << "2.5" << "99.99" << 2499750LL;
}

void TstText::moneyProduct()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(qint64, result);
    const auto p = Money::product(*Decimal::parse(a), *Decimal::parse(b), RoundingMode::HalfEven);
    QVERIFY(p);
    QCOMPARE(p->units(), result);
}

void TstText::moneyPercent_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("base");
    QTest::addColumn<qint64>("result");
    QTest::newRow("7% of 1.005 half to even up") << "7" << "1.005" << 704LL;
    QTest::newRow("7% of 0.015 half to even down") << "7" << "0.015" << 10LL;
    QTest::newRow("7% of 0.045 half to even up") << "7" << "0.045" << 32LL;
    QTest::newRow("7% of 40.95") << "7" << "40.95" << 28665LL;
    QTest::newRow("7% of 300") << "7" << "300" << 210000LL;
    QTest::newRow("5% of 340.95") << "5" << "340.95" << 170475LL;
    QTest::newRow("4% of 369.50") << "4" << "369.50" << 147800LL;
    QTest::newRow("10% of 1000") << "10" << "1000" << 1000000LL;
    QTest::newRow("zero rate") << "0" << "123.45" << 0LL;
}

void TstText::moneyPercent()
{
    QFETCH(QString, rate);
    QFETCH(QString, base);
    QFETCH(qint64, result);
    const auto p = Money::percent(*Decimal::parse(rate), *Decimal::parse(base), RoundingMode::HalfEven);
    QVERIFY(p);
    QCOMPARE(p->units(), result);
}

void TstText::moneyFromDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("result");
    QTest::newRow("53.973") << 53.973 << true << 539730LL;
    QTest::newRow("binary noise dropped") << 0.1 + 0.2 << true << 3000LL;
    QTest::newRow("half to even down") << 1.00005 << true << 10000LL;
    QTest::newRow("half to even up") << 1.00015 << true << 10002LL;
    QTest::newRow("negative") << -2.5 << true << -25000LL;
    QTest::newRow("stored line amount") << 364.8165 << true << 3648165LL;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << 0LL;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false << 0LL;
    QTest::newRow("too large") << 1e20 << false << 0LL;
}

void TstText::moneyFromDouble()
{
    QFETCH(double, value);
    QFETCH(bool, ok);
    QFETCH(qint64, result);
    const auto m = Money::fromDouble(value);
    QCOMPARE(m.has_value(), ok);
    if (ok) {
        QCOMPARE(m->units(), result);
        QCOMPARE(Money::fromDouble(m->toDouble())->units(), result);
    }
}

void TstText::moneyParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("result");
    QTest::newRow("two decimals") << "1250.50" << true << 12505000LL;
    QTest::newRow("four decimals negative") << "-0.0833" << true << -833LL;
    QTest::newRow("spaces around") << "  7 " << true << 70000LL;
    QTest::newRow("fifth decimal half to even down") << "0.00005" << true << 0LL;
    QTest::newRow("fifth decimal half to even up") << "0.00015" << true << 2LL;
    QTest::newRow("just above half") << "0.000050001" << true << 1LL;
    QTest::newRow("largest") << "99999999999999.9999" << true << Money::Max;
    QTest::newRow("beyond the range") << "100000000000000" << false << 0LL;
    QTest::newRow("separators are for typed text") << "1,250" << false << 0LL;
    QTest::newRow("exponent") << "1e5" << false << 0LL;
    QTest::newRow("point only") << "." << false << 0LL;
    QTest::newRow("empty") << "" << false << 0LL;
    QTest::newRow("letters") << "abc" << false << 0LL;
}

void TstText::moneyParse()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(qint64, result);
    const auto m = Money::parse(text);
    QCOMPARE(m.has_value(), ok);
    if (ok)
        QCOMPARE(m->units(), result);
}

void TstText::plainForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("plain");
    QTest::newRow("two and a half") << 2.5 << "2.5";
    QTest::newRow("whole") << 11.0 << "11";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("binary noise") << 0.1 + 0.2 << "0.3";
    QTest::newRow("negative four decimals") << -0.0833 << "-0.0833";
    QTest::newRow("large, no exponent") << 1e15 << "1000000000000000";
}

void TstText::plainForm()
{
    QFETCH(double, value);
    QFETCH(QString, plain);
    QCOMPARE(PlainNumber(value), plain);
    if (const auto m = Money::fromDouble(value))
        QCOMPARE(m->toPlainText(), plain);
}

void TstText::formatPattern_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero-padded integer") << "5" << "##,###,#00.00" << "05.00";
    QTest::newRow("padded pattern with thousands") << "1234.5" << "##,###,#00.00" << "1,234.50";
    QTest::newRow("zero") << "0" << "###,###,##0.00" << "0.00";
    QTest::newRow("millions") << "1234567.891" << "###,###,##0.00" << "1,234,567.89";
    QTest::newRow("integer part never cut") << "1234567890123.45" << "###,###,##0.00" << "1,234,567,890,123.45";
    QTest::newRow("negative") << "-1234.5" << "##,###,##0.00" << "-1,234.50";
    QTest::newRow("display rounds four decimals") << "0.0833" << "##,###,##0.00" << "0.08";
    QTest::newRow("display half away from zero") << "1.005" << "########0.00" << "1.01";
    QTest::newRow("no separators") << "1234567.5" << "#######0.00" << "1234567.50";
    QTest::newRow("no separators, never cut") << "12345678901" << "########0.00" << "12345678901.00";
    QTest::newRow("quantity pattern") << "340.95" << "##,###,###,##0.00" << "340.95";
    QTest::newRow("rounds to zero without sign") << "-0.004" << "##,###,##0.00" << "0.00";
    QTest::newRow("rounding carries into thousands") << "999.995" << "###,###,##0.00" << "1,000.00";
    QTest::newRow("VAT total") << "364.8165" << "##,###,##0.00" << "364.82";
    QTest::newRow("VAT tax") << "23.8665" << "##,###,##0.00" << "23.87";
    QTest::newRow("bill discount") << "17.0475" << "##,###,##0.00" << "17.05";
    QTest::newRow("optional decimals used") << "2.5" << "0.##" << "2.5";
    QTest::newRow("optional decimals dropped") << "2" << "0.##" << "2";
    QTest::newRow("no decimals") << "1234.5" << "#,##0" << "1,235";
}

void TstText::formatPattern()
{
    QFETCH(QString, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(FormatNumber(*Decimal::parse(value), pattern), text);
    if (const auto m = Money::parse(value); m && Decimal::parse(value)->scale() <= 4)
        QCOMPARE(m->format(pattern), text);
}

void TstText::formatDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<Text::RoundingMode>("mode");
    QTest::addColumn<QString>("text");
    QTest::newRow("stored 1.005 shows 1.01") << 1.005 << "########0.00" << DisplayRounding << "1.01";
    QTest::newRow("thousands") << 1234.5 << "##,###,##0.00" << DisplayRounding << "1,234.50";
    QTest::newRow("half to even on request") << 1.005 << "0.00" << RoundingMode::HalfEven << "1.00";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "0.00" << DisplayRounding << "";
}

void TstText::formatDouble()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(Text::RoundingMode, mode);
    QFETCH(QString, text);
    QCOMPARE(FormatDouble(value, pattern, mode), text);
}

void TstText::readMoney_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("result");
    QTest::newRow("plain") << "1250.50" << true << 12505000LL;
    QTest::newRow("separators in place") << "1,250.50" << true << 12505000LL;
    QTest::newRow("millions with separators") << "12,345,678" << true << 123456780000LL;
    QTest::newRow("spaces around") << "  12  " << true << 120000LL;
    QTest::newRow("minus sign") << "-5" << true << -50000LL;
    QTest::newRow("plus sign") << "+5" << true << 50000LL;
    QTest::newRow("leading point") << ".5" << true << 5000LL;
    QTest::newRow("trailing point") << "5." << true << 50000LL;
    QTest::newRow("Thai digits") << QString::fromUtf8("๑๒.๕") << true << 125000LL;
    QTest::newRow("leading zeros") << "000000000000001" << true << 10000LL;
    QTest::newRow("fifth decimal half to even") << "0.00005" << true << 0LL;
    QTest::newRow("fifth decimal half to even up") << "0.00015" << true << 2LL;
    QTest::newRow("largest accepted") << "999,999,999,999.9999" << true << 9999999999999999LL;
    QTest::newRow("empty") << "" << false << 0LL;
    QTest::newRow("blank") << "   " << false << 0LL;
    QTest::newRow("letters") << "abc" << false << 0LL;
    QTest::newRow("nan") << "nan" << false << 0LL;
    QTest::newRow("NaN") << "NaN" << false << 0LL;
    QTest::newRow("inf") << "inf" << false << 0LL;
    QTest::newRow("minus infinity") << "-inf" << false << 0LL;
    QTest::newRow("exponent") << "1e5" << false << 0LL;
    QTest::newRow("hexadecimal") << "0x10" << false << 0LL;
    QTest::newRow("decimal comma") << "1,5" << false << 0LL;
    QTest::newRow("group of four") << "1,2345" << false << 0LL;
    QTest::newRow("short group before the point") << "12,34.5" << false << 0LL;
    QTest::newRow("short last group") << "12,345,67" << false << 0LL;
    QTest::newRow("leading comma") << ",123" << false << 0LL;
    QTest::newRow("first group too long") << "1234,567" << false << 0LL;
    QTest::newRow("comma in the fraction") << "1,234.5,6" << false << 0LL;
    QTest::newRow("two points") << "1.2.3" << false << 0LL;
    QTest::newRow("space inside") << "1 000" << false << 0LL;
    QTest::newRow("two signs") << "--5" << false << 0LL;
    QTest::newRow("space after sign") << "- 5" << false << 0LL;
    QTest::newRow("point only") << "." << false << 0LL;
    QTest::newRow("sign only") << "-" << false << 0LL;
    QTest::newRow("thirteen integer digits") << "1000000000000" << false << 0LL;
    QTest::newRow("rounds up to thirteen digits") << "999999999999.99995" << false << 0LL;
    QTest::newRow("just above the largest") << "999999999999.99991" << false << 0LL;
    QTest::newRow("negative rounds up to thirteen digits") << "-999,999,999,999.99995" << false << 0LL;
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("١٢") << false << 0LL;
    QTest::newRow("percent sign") << "5%" << false << 0LL;
    QTest::newRow("currency word") << QString::fromUtf8("5 บาท") << false << 0LL;
}

void TstText::readMoney()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(qint64, result);
    const auto m = ReadMoney(text);
    QCOMPARE(m.has_value(), ok);
    QCOMPARE(ReadDecimal(text).has_value(), ok);
    if (ok)
        QCOMPARE(m->units(), result);
}

void TstText::readDouble_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("plain");
    QTest::newRow("quantity") << "2.5" << 2.5 << "2.5";
    QTest::newRow("tenth") << "0.1" << 0.1 << "0.1";
    QTest::newRow("many decimals kept to ten") << "0.333333333333" << 0.3333333333 << "0.3333333333";
    QTest::newRow("separators") << "1,000" << 1000.0 << "1000";
}

void TstText::readDouble()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, plain);
    const auto d = ReadDouble(text);
    QVERIFY(d);
    QCOMPARE(*d, value);
    QCOMPARE(ReadDecimal(text)->toPlainText(), plain);
}

void TstText::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<Text::RoundingMode>("mode");
    QTest::addColumn<QString>("plain");
    QTest::newRow("half to even") << "0.125" << 2 << RoundingMode::HalfEven << "0.12";
    QTest::newRow("half away from zero") << "0.125" << 2 << RoundingMode::HalfAwayFromZero << "0.13";
    QTest::newRow("negative half to even") << "-1.5" << 0 << RoundingMode::HalfEven << "-2";
    QTest::newRow("floor with separators") << "1,234.5678" << 0 << RoundingMode::Floor << "1234";
    QTest::newRow("ceiling of a negative") << "-1.01" << 0 << RoundingMode::Ceiling << "-1";
    QTest::newRow("refused text") << "1,5" << 2 << RoundingMode::HalfEven << "";
}

void TstText::readNumber()
{
    QFETCH(QString, text);
    QFETCH(int, decimals);
    QFETCH(Text::RoundingMode, mode);
    QFETCH(QString, plain);
    const auto d = ReadNumber(text, decimals, mode);
    QCOMPARE(d.has_value(), !plain.isEmpty());
    if (d)
        QCOMPARE(d->toPlainText(), plain);
}

QTEST_GUILESS_MAIN(TstText)
#include "tst_text.moc"
