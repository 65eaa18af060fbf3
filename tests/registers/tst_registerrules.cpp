#include "registers/envelope.h"
#include "registers/messages.h"
#include "registers/pricelevels.h"
#include "registers/rules.h"
#include "registers/terms.h"

#include <QtTest>

using namespace Registers;

namespace {

PriceThresholds thresholds(std::initializer_list<double> values)
{
    PriceThresholds t;
    int i = 0;
    for (double v : values)
        t.scale[i++] = v;
    return t;
}

const LevelPrices prices = {100.0, 95.0, 90.0, 85.0, 80.0};

Record customer(const QString &code, const QString &credit)
{
    Record r;
    r.set(QStringLiteral("CUST_NO"), code);
    r.set(QStringLiteral("CUST_CRE"), credit);
    return r;
}

} // namespace

class TestRegisterRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void priceForQuantity_data();
    void priceForQuantity();
    void thresholdCaptions_data();
    void thresholdCaptions();
    void creditTermCheck_data();
    void creditTermCheck();
    void emptyCodesRefused();
    void newProductSave_data();
    void newProductSave();
    void levelCopy();
    void numberText_data();
    void numberText();
    void envelope_data();
    void envelope();
    void termLists();
};

void TestRegisterRules::priceForQuantity_data()
{
    QTest::addColumn<PriceThresholds>("levels");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<int>("level");   // 0: no price

    const PriceThresholds usual = thresholds({1, 6, 12, 24, 48});
    QTest::newRow("5 below the second threshold takes level 1") << usual << 5.0 << 1;
    QTest::newRow("6 equal to the second threshold takes level 2") << usual << 6.0 << 2;
    QTest::newRow("47.5 just short of level 5 takes level 4") << usual << 47.5 << 4;
    QTest::newRow("100 above every threshold takes level 5") << usual << 100.0 << 5;
    QTest::newRow("0.5 below level 1 proposes nothing") << usual << 0.5 << 0;
    QTest::newRow("0 below level 1 proposes nothing") << usual << 0.0 << 0;
    QTest::newRow("48 exactly takes level 5") << usual << 48.0 << 5;

    const PriceThresholds unordered = thresholds({1, 10, 5, 20, 40});
    QTest::newRow("out of order: 7 takes level 3 tested before level 2") << unordered << 7.0 << 3;
    QTest::newRow("out of order: 12 still takes level 3") << unordered << 12.0 << 3;
    QTest::newRow("out of order: 3 takes level 1") << unordered << 3.0 << 1;

    const PriceThresholds falling = thresholds({48, 24, 12, 6, 1});
    QTest::newRow("falling thresholds: 2 takes level 5") << falling << 2.0 << 5;

    QTest::newRow("empty table: 0 takes level 5") << PriceThresholds{} << 0.0 << 5;
    QTest::newRow("empty table: 3 takes level 5") << PriceThresholds{} << 3.0 << 5;
    QTest::newRow("empty table: a negative quantity proposes nothing") << PriceThresholds{} << -1.0 << 0;
}

void TestRegisterRules::priceForQuantity()
{
    QFETCH(PriceThresholds, levels);
    QFETCH(double, quantity);
    QFETCH(int, level);

    QCOMPARE(levelForQuantity(levels, quantity), level);
    const std::optional<double> price = Registers::priceForQuantity(PriceLevels{levels, prices}, quantity);
    if (level == 0)
        QVERIFY(!price);
    else
        QCOMPARE(price, prices[level - 1]);
}

void TestRegisterRules::thresholdCaptions_data()
{
    QTest::addColumn<std::optional<double>>("threshold");
    QTest::addColumn<QString>("caption");
    QTest::newRow("whole number") << std::optional<double>(6) << QStringLiteral("x 6");
    QTest::newRow("fraction") << std::optional<double>(2.5) << QStringLiteral("x 2.5");
    QTest::newRow("zero") << std::optional<double>(0) << QStringLiteral("x 0");
    QTest::newRow("large") << std::optional<double>(1000000) << QStringLiteral("x 1000000");
    QTest::newRow("stored float noise") << std::optional<double>(0.1 + 0.2) << QStringLiteral("x 0.3");
    QTest::newRow("blank from an empty table") << std::optional<double>() << QStringLiteral("x ");
}

void TestRegisterRules::thresholdCaptions()
{
    QFETCH(std::optional<double>, threshold);
    QFETCH(QString, caption);
    QCOMPARE(thresholdCaption(threshold), caption);
}

void TestRegisterRules::creditTermCheck_data()
{
    QTest::addColumn<QString>("credit");
    QTest::addColumn<QString>("message");
    const QString refused = Messages::creditTermInvalid();
    QTest::newRow("cash accepted") << QStringLiteral("สด") << QString();
    QTest::newRow("30 days as listed accepted") << QStringLiteral("30 ว.") << QString();
    QTest::newRow("6 months accepted") << QStringLiteral("6 ด.") << QString();
    QTest::newRow("0 months accepted") << QStringLiteral("0 ด.") << QString();
    QTest::newRow("empty refused") << QString() << refused;
    QTest::newRow("full words refused") << QStringLiteral("30 วัน") << refused;
    QTest::newRow("missing space refused") << QStringLiteral("30ว.") << refused;
    QTest::newRow("trailing blank refused") << QStringLiteral("30 ว. ") << refused;
    QTest::newRow("unlisted number refused") << QStringLiteral("10 ว.") << refused;
    QTest::newRow("warranty years refused") << QStringLiteral("1 ป.") << refused;
}

void TestRegisterRules::creditTermCheck()
{
    QFETCH(QString, credit);
    QFETCH(QString, message);
    const std::optional<Refusal> r = checkCustomer(customer(QStringLiteral("A0001"), credit));
    if (message.isEmpty()) {
        QVERIFY(!r);
    } else {
        QVERIFY(r);
        QCOMPARE(r->message, message);
        QCOMPARE(r->field, QStringLiteral("CUST_CRE"));
    }
}

void TestRegisterRules::emptyCodesRefused()
{
    // The code is tested before the credit term.
    const std::optional<Refusal> c = checkCustomer(customer(QString(), QString()));
    QVERIFY(c);
    QCOMPARE(c->message, QStringLiteral("ไม่มีข้อมูลรหัสลูกค้า ... "));
    QCOMPARE(c->field, QStringLiteral("CUST_NO"));

    const std::optional<Refusal> s = checkSalesperson(Record{});
    QVERIFY(s);
    QCOMPARE(s->message, QStringLiteral("ไม่มีข้อมูลรหัสลูกค้า ... "));

    const std::optional<Refusal> p = checkProduct(newProduct());
    QVERIFY(p);
    QCOMPARE(p->message, QStringLiteral("ข้อมูลไม่ครบ ...."));
    QCOMPARE(p->field, QStringLiteral("PRO_NO"));
}

void TestRegisterRules::newProductSave_data()
{
    QTest::addColumn<bool>("isNew");
    QTest::addColumn<QVariantList>("before");  // SPRICE, SP2..SP5; null = blank
    QTest::addColumn<QVariantList>("after");
    const QVariant blank;
    QTest::newRow("new product: skipped levels take level 1")
        << true << QVariantList{120.0, blank, 110.0, blank, blank} << QVariantList{120.0, 120.0, 110.0, 120.0, 120.0};
    QTest::newRow("new product: every price cleared stores 0")
        << true << QVariantList{blank, blank, blank, blank, blank} << QVariantList{0.0, 0.0, 0.0, 0.0, 0.0};
    QTest::newRow("existing product: blank levels become 0")
        << false << QVariantList{120.0, blank, 110.0, blank, blank} << QVariantList{120.0, 0.0, 110.0, 0.0, 0.0};
}

void TestRegisterRules::newProductSave()
{
    QFETCH(bool, isNew);
    QFETCH(QVariantList, before);
    QFETCH(QVariantList, after);
    const QString fields[] = {"PRO_SPRICE", "PRO_SP2", "PRO_SP3", "PRO_SP4", "PRO_SP5"};
    Record r;
    r.set("PRO_NO", "A1");
    for (int i = 0; i < 5; ++i)
        r.setNumber(fields[i], before[i].isNull() ? std::nullopt : std::optional<double>(before[i].toDouble()));
    completeProductForSave(r, isNew);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(r.number(fields[i]), after[i].toDouble());
    QCOMPARE(r.number("PRO_RORDER"), 0.0);
    QCOMPARE(r.number("PRO_BPRICE"), 0.0);
    QCOMPARE(r.number("PRO_TOTAL"), 0.0);
}

void TestRegisterRules::levelCopy()
{
    Record r = newProduct();
    QCOMPARE(r.number("TAX_RATE"), 7.0);
    QCOMPARE(r.text("CUT_STOCK"), QStringLiteral("1"));
    QCOMPARE(r.number("PRO_SPRICE"), 0.0);
    QVERIFY(!r.number("PRO_SP2"));
    r.setNumber("PRO_SPRICE", 120.0);
    QVERIFY(copyLevelOnePrice(r));
    for (const char *f : {"PRO_SP2", "PRO_SP3", "PRO_SP4", "PRO_SP5"})
        QCOMPARE(r.number(f), 120.0);
    r.setNumber("PRO_SPRICE", std::nullopt);
    QVERIFY(!copyLevelOnePrice(r));
    QCOMPARE(r.number("PRO_SP2"), 120.0);
}

void TestRegisterRules::numberText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("plain") << "120" << true << QVariant(120.0);
    QTest::newRow("decimals and blanks") << " 2.5 " << true << QVariant(2.5);
    QTest::newRow("thousands separators") << "1,200.50" << true << QVariant(1200.5);
    QTest::newRow("blank is no value") << "" << true << QVariant();
    QTest::newRow("letters refused") << "12a" << false << QVariant();
    QTest::newRow("Thai digits refused") << "๑๒" << false << QVariant();
}

void TestRegisterRules::numberText()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QVariant, value);
    std::optional<double> v;
    QCOMPARE(parseNumberText(text, &v), ok);
    if (ok)
        QCOMPARE(v.has_value() ? QVariant(*v) : QVariant(), value);
}

void TestRegisterRules::envelope_data()
{
    QTest::addColumn<QString>("add2");
    QTest::addColumn<QString>("senderAddress");
    QTest::newRow("every part present")
        << QStringLiteral("ต.ในเมือง") << QStringLiteral("12 ถ.มิตรภาพ ต.ในเมือง นครราชสีมา 30000");
    QTest::newRow("blank second line left out with single blanks")
        << QStringLiteral("   ") << QStringLiteral("12 ถ.มิตรภาพ นครราชสีมา 30000");
}

void TestRegisterRules::envelope()
{
    QFETCH(QString, add2);
    QFETCH(QString, senderAddress);
    Data::BusinessSettings b;
    b.name = QStringLiteral("  ร้านเวลโมรา  ");
    b.address1 = QStringLiteral("12 ถ.มิตรภาพ");
    b.address2 = add2;
    b.province = QStringLiteral("นครราชสีมา");
    b.zip = QStringLiteral("30000");
    Record c;
    c.set("CUST_NAME", QStringLiteral("สมชาย ใจดี"));
    c.set("CUST_ADD1", QStringLiteral("99 หมู่ 4"));
    c.set("CUST_ADD2", QStringLiteral("ต.บ้านใหม่"));
    c.set("CUST_ADD4", QStringLiteral("ขอนแก่น"));
    c.set("CUST_ZIP", QStringLiteral("40000"));
    const EnvelopeContent e = envelopeContent(b, c);
    QCOMPARE(e.senderName, QStringLiteral("ร้านเวลโมรา"));
    QCOMPARE(e.senderAddress, senderAddress);
    QCOMPARE(e.pleaseSend, QStringLiteral("กรุณาส่ง"));
    QCOMPARE(e.recipient, (QStringList{QStringLiteral("สมชาย ใจดี"), QStringLiteral("99 หมู่ 4"),
                                       QStringLiteral("ต.บ้านใหม่"), QStringLiteral("ขอนแก่น 40000")}));
}

void TestRegisterRules::termLists()
{
    QCOMPARE(creditTerms().size(), 16);
    QCOMPARE(creditTerms().first(), QStringLiteral("สด"));
    QCOMPARE(creditTerms().last(), QStringLiteral("6 ด."));
    QCOMPARE(warrantyTerms().size(), 18);
    QVERIFY(warrantyTerms().first().isEmpty());
    QCOMPARE(warrantyTerms().last(), QStringLiteral("5 ป."));
}

QTEST_GUILESS_MAIN(TestRegisterRules)
#include "tst_registerrules.moc"
