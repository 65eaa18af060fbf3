#include "data/settingsmessages.h"
#include "data/settingsrules.h"

#include <QtTest>

using namespace Data;
using namespace Data::SettingsRules;

namespace {

SaveInput makeInput()
{
    SaveInput in;
    const char *prefixes[9] = {"SALE", "SVAT", "PURC", "PVAT", "", "HPFL", "HPVT", "RCFL", "RCVT"};
    for (int i = 0; i < 9; ++i)
        in.settings.prefix[i] = QString::fromLatin1(prefixes[i]);
    in.prnTopText = QStringLiteral("10.00");
    in.prnLeftText = QStringLiteral("5.50");
    return in;
}

} // namespace

class TestSettingsRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void saveCheck_data();
    void saveCheck();
    void offsetsParsed();
    void seriesCheck_data();
    void seriesCheck();
    void captions();
};

void TestSettingsRules::saveCheck_data()
{
    QTest::addColumn<int>("series");     // prefix to change, 0 none
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("field");  // empty: save allowed
    QTest::addColumn<QString>("message");

    const QString pm = SettingsMessages::prefixNotFour();
    QTest::newRow("all eight prefixes of four characters") << 0 << "" << "10.00" << "5.50" << "" << "";
    QTest::newRow("PREFIX5 is not checked") << 5 << "X" << "10.00" << "5.50" << "" << "";
    for (int s : {1, 2, 3, 4, 6, 7, 8, 9}) {
        QTest::addRow("PREFIX%d of three characters refused", s) << s << "ABC" << "0" << "0" << QString("PREFIX%1").arg(s) << pm;
        QTest::addRow("PREFIX%d of five characters refused", s) << s << "ABCDE" << "0" << "0" << QString("PREFIX%1").arg(s) << pm;
    }
    QTest::newRow("empty PREFIX8 refused") << 8 << "" << "0" << "0" << "PREFIX8" << pm;
    QTest::newRow("Thai prefix of four characters accepted") << 1 << "ขายส" << "0" << "0" << "" << "";
    QTest::newRow("prefix checked before the offsets") << 9 << "AB" << "99" << "99" << "PREFIX9" << pm;
    QTest::newRow("top at its limit 50.00") << 0 << "" << "50.00" << "30.00" << "" << "";
    QTest::newRow("offsets of zero") << 0 << "" << "0.00" << "0" << "" << "";
    QTest::newRow("empty offsets mean zero") << 0 << "" << "" << "" << "" << "";
    QTest::newRow("top above 50.00 refused") << 0 << "" << "50.01" << "5" << "PRN_TOP" << SettingsMessages::prnTopOutOfRange();
    QTest::newRow("negative top refused") << 0 << "" << "-1" << "5" << "PRN_TOP" << SettingsMessages::prnTopOutOfRange();
    QTest::newRow("top not a number refused") << 0 << "" << "1o" << "5" << "PRN_TOP" << SettingsMessages::prnTopOutOfRange();
    QTest::newRow("left above 30.00 refused") << 0 << "" << "5" << "30.5" << "PRN_LEFT" << SettingsMessages::prnLeftOutOfRange();
    QTest::newRow("negative left refused") << 0 << "" << "5" << "-0.01" << "PRN_LEFT" << SettingsMessages::prnLeftOutOfRange();
    QTest::newRow("top checked before left") << 0 << "" << "51" << "31" << "PRN_TOP" << SettingsMessages::prnTopOutOfRange();
}

void TestSettingsRules::saveCheck()
{
    QFETCH(int, series);
    QFETCH(QString, prefix);
    QFETCH(QString, top);
    QFETCH(QString, left);
    QFETCH(QString, field);
    QFETCH(QString, message);

    SaveInput in = makeInput();
    if (series)
        in.settings.prefixOf(series) = prefix;
    in.prnTopText = top;
    in.prnLeftText = left;
    const std::optional<SaveProblem> p = checkForSave(in);
    QCOMPARE(p.has_value(), !field.isEmpty());
    if (p) {
        QCOMPARE(p->field, field);
        QCOMPARE(p->message, message);
    }
}

void TestSettingsRules::offsetsParsed()
{
    SaveInput in = makeInput();
    in.prnTopText = QStringLiteral(" 12.25 ");
    in.prnLeftText = QString();
    BusinessSettings out;
    QVERIFY(!checkForSave(in, &out));
    QCOMPARE(out.prnTop, 12.25);
    QCOMPARE(out.prnLeft, 0.0);
    QCOMPARE(out.prefixOf(3), QStringLiteral("PURC"));
}

void TestSettingsRules::seriesCheck_data()
{
    QTest::addColumn<QString>("prefix1");
    QTest::addColumn<bool>("hasDocs");
    QTest::addColumn<QString>("highest");
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("que");

    QTest::newRow("no documents of the series: the head alone, head and 1000000 cut to 11")
        << "SALE" << false << "" << "SALE1" << "SALE1100000";
    QTest::newRow("no documents, short prefix still fits the field")
        << "AB" << false << "" << "AB1" << "AB11000000";
    QTest::newRow("documents of the series: the highest number of any series")
        << "SALE" << true << "SVAT2000017" << "SVAT2000017" << "SVAT2000017";
    QTest::newRow("a longer highest number is cut for QUE_INV_N only")
        << "SALE" << true << "SALE10000012" << "SALE10000012" << "SALE1000001";
}

void TestSettingsRules::seriesCheck()
{
    QFETCH(QString, prefix1);
    QFETCH(bool, hasDocs);
    QFETCH(QString, highest);
    QFETCH(QString, sample);
    QFETCH(QString, que);

    const SeriesCheck r = seriesCheckResult(seriesHead(prefix1), hasDocs, highest);
    QCOMPARE(r.sample, sample);
    QCOMPARE(r.queInvN, que);
    QVERIFY(r.queInvN.size() <= kQueInvNWidth);
}

void TestSettingsRules::captions()
{
    const QStringList c = layoutCaptions();
    QCOMPARE(c.size(), 7);
    QCOMPARE(c.first(), QStringLiteral("แบบที่  1  กระดาษสั้น (รหัส) 8.5 * 5.5 นิ้ว "));
    QCOMPARE(c.last(), QStringLiteral("แบบที่  7  ลูกค้าสั่งทำพิเศษ "));
    QCOMPARE(initialSample(8), QStringLiteral("-8-000001"));
}

QTEST_GUILESS_MAIN(TestSettingsRules)
#include "tst_settingsrules.moc"
