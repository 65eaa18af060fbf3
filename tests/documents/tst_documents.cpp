#include "documents/document.h"
#include "documents/messages.h"
#include "documents/modes.h"
#include "documents/numbering.h"
#include "documents/lineentry.h"
#include "documents/payment.h"
#include "documents/totals.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace Documents;

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

LineValues makeLine(double qty, double price, double discount, double taxRate = 7)
{
    LineValues l;
    l.proNo = QStringLiteral("P1");
    l.proQty = qty;
    l.unitPrice = price;
    l.discount = discount;
    l.taxRate = taxRate;
    return l;
}

} // namespace

class TestDocuments : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void modeTable_data();
    void modeTable();
    void unknownModes();
    void heads_data();
    void heads();
    void next_data();
    void next();
    void first_data();
    void first();
    void temporary();
    void totals_data();
    void totals();
    void price_data();
    void price();
    void billing_data();
    void billing();
    void lineMarks();
    void stockCheck_data();
    void stockCheck();
    void change_data();
    void change();
};

struct ModeRow
{
    QString caption, code, name, ref, staff;
    QStringList print;      // caption of each shown button, "" when not shown
    QList<bool> enabled;    // enabled in browse
    bool billDiscount;
    QString header, lines, party;
    Regime regime;
    int mark;
};
Q_DECLARE_METATYPE(ModeRow)

void TestDocuments::modeTable_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<ModeRow>("row");
    QTest::newRow("1 flat-rate sale") << 1 << ModeRow{
        "ขายสินค้าโดย ใบส่งของ ชั่วคราว  DELIVERY  ORDER", "รหัสลูกค้า", "ชื่อลูกค้า", "อ้างถึงใบสั่งซื้อ", "พนักงานขาย",
        {"ใบส่งของ", "ใบเสร็จ", "------"}, {true, true, false}, true, "Invoice", "Invoice1", "Customer", Regime::FlatRate, 1};
    QTest::newRow("2 vat sale, trailing space") << 2 << ModeRow{
        "ขายสินค้าโดย ใบกำกับภาษี  TAX INVOICE ", "รหัสลูกค้า", "ชื่อลูกค้า", "อ้างถึงใบสั่งซื้อ", "พนักงานขาย",
        {"ใบส่งสินค้า/กำกับ", "ใบเสร็จ/กำกับ", "เอกสารชุด"}, {true, true, true}, false, "Invoice", "Invoice1", "Customer",
        Regime::Vat, 1};
    QTest::newRow("3 flat-rate purchase, two trailing spaces") << 3 << ModeRow{
        "ซื้อสินค้า/วัตถุดิบ โดยภาษีเหมาจ่าย  ", "รหัสผู้ขาย", "ชื่อผู้ขาย", "อ้างถึง", "พนักงาน",
        {"", "", ""}, {false, false, false}, true, "Order0", "Order1", "Supply", Regime::FlatRate, 2};
    QTest::newRow("4 vat purchase") << 4 << ModeRow{
        "ซื้อสินค้า/วัตถุดิบ โดยภาษีมูลค่าเพิ่ม", "รหัสผู้ขาย", "ชื่อผู้ขาย", "อ้างถึง", "พนักงาน",
        {"", "", ""}, {false, false, false}, false, "Order0", "Order1", "Supply", Regime::Vat, 2};
    QTest::newRow("5 purchase order") << 5 << ModeRow{
        "ใบสั่งซื้อสินค้า", "รหัสผู้ขาย", "ชื่อผู้ขาย", "อ้างถึง", "พนักงาน",
        {"ใบสั่งซื้อ", "", ""}, {true, false, false}, true, "Tmpord", "Tmpord1", "Supply", Regime::FlatRate, 3};
    QTest::newRow("9 quotation") << 9 << ModeRow{
        "ใบเสนอราคา", "รหัสผู้ซื้อ", "ชื่อผู้ซื้อ", "อ้างถึง", "พนักงาน",
        {"ใบเสนอราคา", "", ""}, {true, false, false}, true, "Quotation", "Quotation1", "Customer", Regime::FlatRate, 4};
}

void TestDocuments::modeTable()
{
    QFETCH(int, mode);
    QFETCH(ModeRow, row);
    const ModeInfo *m = modeInfo(mode);
    QVERIFY(m);
    QCOMPARE(m->caption, row.caption);
    QCOMPARE(m->partyCodeLabel, row.code);
    QCOMPARE(m->partyNameLabel, row.name);
    QCOMPARE(m->referenceLabel, row.ref);
    QCOMPARE(m->staffLabel, row.staff);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(m->print[i].shown, !row.print[i].isEmpty());
        if (m->print[i].shown)
            QCOMPARE(m->print[i].caption, row.print[i]);
        QCOMPARE(m->print[i].enabledInBrowse, row.enabled[i]);
    }
    QCOMPARE(m->billDiscountShown, row.billDiscount);
    QCOMPARE(m->headerTable, row.header);
    QCOMPARE(m->lineTable, row.lines);
    QCOMPARE(m->partyTable, row.party);
    QCOMPARE(m->regime, row.regime);
    QCOMPARE(m->stockMark, row.mark);
    QCOMPARE(m->digit, QChar(u'0' + mode));
}

void TestDocuments::unknownModes()
{
    for (int mode : {0, 6, 7, 8, 10})
        QVERIFY(!modeInfo(mode));
}

void TestDocuments::heads_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("head");
    const QStringList p{"SALE", "INV-", "BUY-", "PUR-"};
    QTest::newRow("1 from PREFIX1") << 1 << "SALE1";
    QTest::newRow("2 from PREFIX2") << 2 << "INV-2";
    QTest::newRow("3 from PREFIX3") << 3 << "BUY-3";
    QTest::newRow("4 from PREFIX4") << 4 << "PUR-4";
    QTest::newRow("5 fixed TORD") << 5 << "TORD5";
    QTest::newRow("9 fixed TQUO") << 9 << "TQUO9";
}

void TestDocuments::heads()
{
    QFETCH(int, mode);
    QFETCH(QString, head);
    QCOMPARE(numberHead(*modeInfo(mode), {"SALE", "INV-", "BUY-", "PUR-"}), head);
}

void TestDocuments::next_data()
{
    QTest::addColumn<QString>("head");
    QTest::addColumn<std::optional<QString>>("last");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("number");
    const int ok = int(NextNumberStatus::Ok), ask = int(NextNumberStatus::AskFirst), fail = int(NextNumberStatus::Failed);
    QTest::newRow("SALE1000099 gives SALE1000100") << "SALE1" << std::optional<QString>("SALE1000099") << ok << "SALE1000100";
    QTest::newRow("TQUO9001007 gives TQUO9001008") << "TQUO9" << std::optional<QString>("TQUO9001007") << ok << "TQUO9001008";
    QTest::newRow("first under head asks") << "TQUO9" << std::optional<QString>() << ask << "";
    QTest::newRow("999998 gives 999999") << "SALE1" << std::optional<QString>("SALE1999998") << ok << "SALE1999999";
    QTest::newRow("999999 refused") << "SALE1" << std::optional<QString>("SALE1999999") << fail << "";
    QTest::newRow("head of four characters") << "SAL1" << std::optional<QString>("SAL1000001") << fail << "";
    QTest::newRow("head of four asks nothing") << "SAL1" << std::optional<QString>() << fail << "";
    QTest::newRow("head of six characters") << "SALES1" << std::optional<QString>("SALES100001") << fail << "";
    QTest::newRow("sequence of five digits") << "SALE1" << std::optional<QString>("SALE100099") << fail << "";
    QTest::newRow("sequence of seven digits") << "SALE1" << std::optional<QString>("SALE10000999") << fail << "";
    QTest::newRow("sequence with a letter") << "SALE1" << std::optional<QString>("SALE10A0099") << fail << "";
    QTest::newRow("sequence with a sign") << "SALE1" << std::optional<QString>("SALE1-00099") << fail << "";
    QTest::newRow("sequence with a space") << "SALE1" << std::optional<QString>("SALE1 00099") << fail << "";
    QTest::newRow("last of another head") << "SALE1" << std::optional<QString>("SALE2000099") << fail << "";
}

void TestDocuments::next()
{
    QFETCH(QString, head);
    QFETCH(std::optional<QString>, last);
    QFETCH(int, status);
    QFETCH(QString, number);
    const NextNumber n = nextNumber(head, last);
    QCOMPARE(int(n.status), status);
    QCOMPARE(n.number, number);
    if (n.status == NextNumberStatus::Ok)
        QCOMPARE(n.number.size(), 11);
}

void TestDocuments::first_data()
{
    QTest::addColumn<QString>("head");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QStringList>("messages");
    const QString digits = Messages::firstNotDigits(), six = Messages::firstNotSix();
    QTest::newRow("default 000001") << "TQUO9" << std::optional<QString>("000001") << "TQUO9000001" << QStringList();
    QTest::newRow("cancel gives the default") << "TQUO9" << std::optional<QString>() << "TQUO9000001" << QStringList();
    QTest::newRow("001007") << "TQUO9" << std::optional<QString>("001007") << "TQUO9001007" << QStringList();
    QTest::newRow("00107 five characters") << "TQUO9" << std::optional<QString>("00107") << "" << QStringList{six};
    QTest::newRow("0a0107 a letter") << "TQUO9" << std::optional<QString>("0a0107") << "" << QStringList{digits};
    QTest::newRow("0a017 both, in order") << "TQUO9" << std::optional<QString>("0a017") << "" << QStringList{digits, six};
    QTest::newRow("-00001 a sign") << "TQUO9" << std::optional<QString>("-00001") << "" << QStringList{digits};
    QTest::newRow("leading space") << "TQUO9" << std::optional<QString>(" 00001") << "" << QStringList{digits};
    QTest::newRow("Thai digits") << "TQUO9" << std::optional<QString>("๐๐๐๐๐๑") << "" << QStringList{digits};
    QTest::newRow("empty answer") << "TQUO9" << std::optional<QString>("") << "" << QStringList{digits, six};
    QTest::newRow("seven digits") << "TQUO9" << std::optional<QString>("0000001") << "" << QStringList{six};
    QTest::newRow("head of four") << "TQU9" << std::optional<QString>("000001") << ""
                                  << QStringList{Messages::numberingFailed()};
}

void TestDocuments::first()
{
    QFETCH(QString, head);
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, number);
    QFETCH(QStringList, messages);
    const FirstSequence f = firstSequence(head, answer);
    QCOMPARE(f.number.value_or(QString()), number);
    QCOMPARE(f.messages, messages);
}

void TestDocuments::temporary()
{
    QRandomGenerator rng(7);
    for (int i = 0; i < 1000; ++i) {
        const QString t = temporaryNumber(rng);
        QVERIFY(t.startsWith("TEMP"));
        QVERIFY(isTemporaryNumber(t));
        bool ok = false;
        const int n = t.mid(4).toInt(&ok);
        QVERIFY(ok && n >= 0 && n <= 999998);
        QVERIFY(t.mid(4) == QString::number(n));
    }
}

void TestDocuments::totals_data()
{
    QTest::addColumn<QList<LineValues>>("lines");
    QTest::addColumn<int>("regime");
    QTest::addColumn<double>("billDiscount");
    QTest::addColumn<QList<qint64>>("expected");  // net, tax, discount, sum
    const int flat = int(Regime::FlatRate), vat = int(Regime::Vat);
    QTest::newRow("flat-rate sale with 4% bill discount")
        << QList<LineValues>{makeLine(2, 150, 10), makeLine(1, 99.5, 0)} << flat << 4.0
        << QList<qint64>{3695000, 0, 147800, 3547200};
    QTest::newRow("vat sale at 7%") << QList<LineValues>{makeLine(3, 100, 0), makeLine(1, 45.5, 10)} << vat << 0.0
                                    << QList<qint64>{3409500, 238665, 0, 3648165};
    QTest::newRow("vat bill discount shown, not subtracted")
        << QList<LineValues>{makeLine(3, 100, 0), makeLine(1, 45.5, 10)} << vat << 5.0
        << QList<qint64>{3409500, 238665, 170475, 3648165};
    QTest::newRow("no lines") << QList<LineValues>{} << vat << 0.0 << QList<qint64>{0, 0, 0, 0};
    QTest::newRow("vat rate 0 adds no tax, rate 10 taxed at 10")
        << QList<LineValues>{makeLine(1, 100, 0, 0), makeLine(1, 100, 0, 10), makeLine(1, 100, 0, 7)} << vat << 0.0
        << QList<qint64>{3000000, 170000, 0, 3170000};
    QTest::newRow("flat-rate ignores line tax rates") << QList<LineValues>{makeLine(1, 100, 0, 7)} << flat << 0.0
                                                      << QList<qint64>{1000000, 0, 0, 1000000};
    QTest::newRow("purchase 10% of 1000 gives 900") << QList<LineValues>{makeLine(10, 100, 0)} << flat << 10.0
                                                    << QList<qint64>{10000000, 0, 1000000, 9000000};
    QTest::newRow("four decimals kept: 1 x 0.0833") << QList<LineValues>{makeLine(1, 0.0833, 0)} << flat << 0.0
                                                   << QList<qint64>{833, 0, 0, 833};
    QTest::newRow("bill discount half rounds up to even") << QList<LineValues>{makeLine(1, 0.0375, 0)} << flat << 2.0
                                                          << QList<qint64>{375, 0, 8, 367};
    QTest::newRow("bill discount half rounds down to even") << QList<LineValues>{makeLine(1, 0.0125, 0)} << flat << 2.0
                                                  << QList<qint64>{125, 0, 2, 123};
}

void TestDocuments::totals()
{
    QFETCH(QList<LineValues>, lines);
    QFETCH(int, regime);
    QFETCH(double, billDiscount);
    QFETCH(QList<qint64>, expected);
    const Totals t = computeTotals(lines, Regime(regime), billDiscount);
    QCOMPARE(t.net, expected[0]);
    QCOMPARE(t.tax, expected[1]);
    QCOMPARE(t.discount, expected[2]);
    QCOMPARE(t.sum, expected[3]);
}

void TestDocuments::price_data()
{
    QTest::addColumn<double>("q");
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("price");
    QTest::newRow("3 x 19.99 less 10% is 53.973") << 3.0 << 19.99 << 10.0 << 53.973;
    QTest::newRow("no discount") << 2.0 << 150.0 << 0.0 << 300.0;
    QTest::newRow("rounded once to four decimals") << 1.0 << 0.33333 << 0.0 << 0.3333;
}

void TestDocuments::price()
{
    QFETCH(double, q);
    QFETCH(double, p);
    QFETCH(double, d);
    QFETCH(double, price);
    QCOMPARE(linePrice(q, p, d), price);
}

void TestDocuments::billing_data()
{
    QTest::addColumn<QString>("due");
    QTest::addColumn<QString>("invNo");
    QTest::addColumn<QString>("cust");
    QTest::addColumn<QString>("key");
    QTest::newRow("15/03/2550 mode 1 party 00012") << "15/03/2550" << "SALE1000001" << "00012" << "05003100012";
    QTest::newRow("short party code gives a shorter key") << "31/12/2549" << "INV-2000007" << "A1" << "049122A1";
    QTest::newRow("purchase digit differs") << "15/03/2550" << "BUY-3000001" << "00012" << "05003300012";
}

void TestDocuments::billing()
{
    QFETCH(QString, due);
    QFETCH(QString, invNo);
    QFETCH(QString, cust);
    QFETCH(QString, key);
    QCOMPARE(billingKey(due, invNo, cust), key);
}

void TestDocuments::lineMarks()
{
    LineValues a = makeLine(1, 10, 0);
    a.autoId = 11;
    LineValues b = makeLine(2, 20, 0);
    b.autoId = 12;
    Document d = Document::fromStored(HeaderValues{}, {a, b});
    QCOMPARE(d.lineCount(), 2);
    QVERIFY(!d.hasChanges());

    LineValues c = makeLine(3, 30, 0);
    QCOMPARE(d.appendLine(c), 2);
    LineValues b2 = b;
    b2.proQty = 5;
    d.updateLine(1, b2);
    d.removeLine(0);
    QCOMPARE(d.lineCount(), 2);
    QCOMPARE(d.line(0).proQty, 5.0);
    QCOMPARE(d.line(0).autoId, qint64(12));
    QCOMPARE(d.line(1).proQty, 3.0);

    const QList<DocumentLine> &all = d.allLines();
    QCOMPARE(all.size(), 3);
    QCOMPARE(all[0].mark, LineMark::Deleted);
    QCOMPARE(all[1].mark, LineMark::Changed);
    QCOMPARE(all[1].original.proQty, 2.0);
    QCOMPARE(all[2].mark, LineMark::New);

    // A new line removed again leaves nothing to file; a change undone is no change.
    d.removeLine(1);
    d.updateLine(0, b);
    QCOMPARE(d.allLines().size(), 2);
    QCOMPARE(d.allLines()[1].mark, LineMark::Unchanged);
}

void TestDocuments::stockCheck_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("cut");
    QTest::addColumn<double>("onHand");
    QTest::addColumn<double>("previous");
    QTest::addColumn<double>("next");
    QTest::addColumn<bool>("passes");
    QTest::newRow("sale 3 with on-hand 2") << 1 << "1" << "1" << 2.0 << 0.0 << 3.0 << false;
    QTest::newRow("edited sale 5 to 5 with on-hand 0") << 2 << "1" << "1" << 0.0 << 5.0 << 5.0 << true;
    QTest::newRow("edited sale 5 to 6 with on-hand 0") << 2 << "1" << "1" << 0.0 << 5.0 << 6.0 << false;
    QTest::newRow("purchase edit 10 to 2 with on-hand 5") << 3 << "1" << "1" << 5.0 << 10.0 << 2.0 << false;
    QTest::newRow("purchase raising passes with negative stock") << 4 << "1" << "1" << -7.0 << 2.0 << 3.0 << true;
    QTest::newRow("not stock-tracked") << 1 << "1" << "0" << 0.0 << 0.0 << 50.0 << true;
    QTest::newRow("free-text line") << 1 << "0" << "1" << 0.0 << 0.0 << 50.0 << true;
    QTest::newRow("purchase order never fails") << 5 << "1" << "1" << 0.0 << 0.0 << 50.0 << true;
    QTest::newRow("quotation never fails") << 9 << "1" << "1" << -3.0 << 0.0 << 50.0 << true;
}

void TestDocuments::stockCheck()
{
    QFETCH(int, mode);
    QFETCH(QString, flag);
    QFETCH(QString, cut);
    QFETCH(double, onHand);
    QFETCH(double, previous);
    QFETCH(double, next);
    QFETCH(bool, passes);
    QCOMPARE(stockCheckPasses(mode, flag, cut, onHand, previous, next), passes);
}

void TestDocuments::change_data()
{
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("shown");
    QTest::newRow("400 for 354.72 gives 45.28") << "400" << "45.28";
    QTest::newRow("300 for 354.72 gives -54.72") << "300" << "-54.72";
    QTest::newRow("not a number shows nothing") << "4oo" << "";
}

void TestDocuments::change()
{
    QFETCH(QString, money);
    QFETCH(QString, shown);
    const std::optional<qint64> c = changeDue(money, 3547200);
    QCOMPARE(c ? formatPanelAmount(*c) : QString(), shown);
    QCOMPARE(drawerPort("2"), 2);
    QCOMPARE(drawerPort("3"), 1);
    QCOMPARE(drawerPort(""), 1);
}

QTEST_GUILESS_MAIN(TestDocuments)
#include "tst_documents.moc"
