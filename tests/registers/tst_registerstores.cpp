#include "common/testdb.h"
#include "data/sql.h"
#include "registers/registerstore.h"
#include "registers/rules.h"
#include "registers/scalestore.h"
#include "registers/stockstore.h"

#include <QtTest>

using namespace Registers;

namespace {

struct Line
{
    const char *table;   // Order1, Invoice1 or Finance1
    const char *code;
    double qty;
    double mark;
};

Record makeProduct(const QString &code, const QString &name, std::optional<double> total = 0.0)
{
    Record r = newProduct();
    r.set("PRO_NO", code);
    r.set("PRO_NAME", name);
    r.setNumber("PRO_TOTAL", total);
    return r;
}

Record makeParty(const QString &code, const QString &name)
{
    Record r;
    r.set("CUST_NO", code);
    r.set("CUST_NAME", name);
    r.set("CUST_CRE", QStringLiteral("สด"));
    return r;
}

} // namespace

class TestRegisterStores : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VELMORA_START_TESTDB(m_db); }
    void init() { QVERIFY2(m_db.reset(), qPrintable(m_db.error())); }

    void onHand_data();
    void onHand();
    void onHandList();
    void duplicateRefused_data();
    void duplicateRefused();
    void duplicateCheckSeesNewRows();
    void productCodeIgnoringCase();
    void navigationAndSeek();
    void prefixSearch();
    void newProductStoresLevelPrices();
    void updateKeepsUnshownFields();
    void priceLevelRecord();

private:
    QSqlDatabase db() { return m_db.connection().db(); }
    void addLine(const Line &l, int n);
    TestDb m_db;
};

void TestRegisterStores::addLine(const Line &l, int n)
{
    QString error;
    const QString table = QString::fromLatin1(l.table);
    const bool fin = table == QLatin1String("Finance1");
    const QString sql = fin
        ? QStringLiteral("INSERT INTO Finance1 (INV_NO, FIN_PNO, FIN_PQTY, STK_POST) VALUES (:no, :code, :qty, :mark)")
        : QStringLiteral("INSERT INTO %1 (INV_NO, PRO_NO, PRO_QTY, STK_POST) VALUES (:no, :code, :qty, :mark)").arg(table);
    QVERIFY2(Data::Sql::exec(db(), sql,
                             {{"no", QStringLiteral("DOC%1").arg(n, 8, 10, QLatin1Char('0'))},
                              {"code", QString::fromLatin1(l.code)}, {"qty", l.qty}, {"mark", l.mark}},
                             &error),
             qPrintable(error));
}

void TestRegisterStores::onHand_data()
{
    QTest::addColumn<QVariant>("stored");   // PRO_TOTAL; invalid = no product row
    QTest::addColumn<QList<Line>>("lines");
    QTest::addColumn<double>("expected");

    QTest::newRow("no pending lines shows the stored quantity") << QVariant(10.0) << QList<Line>{} << 10.0;
    QTest::newRow("purchase 5, sale 3, hire purchase 1 on 10 gives 11")
        << QVariant(10.0)
        << QList<Line>{{"Order1", "P1", 5, 2}, {"Invoice1", "P1", 3, 1}, {"Finance1", "P1", 1, 5}} << 11.0;
    QTest::newRow("marks 0, 3 and 4 are ignored")
        << QVariant(10.0)
        << QList<Line>{{"Order1", "P1", 7, 0}, {"Invoice1", "P1", 7, 3}, {"Invoice1", "P1", 7, 4},
                       {"Order1", "P1", 7, 1}, {"Invoice1", "P1", 7, 2}, {"Finance1", "P1", 7, 1}}
        << 10.0;
    QTest::newRow("several lines of each kind add up")
        << QVariant(0.0)
        << QList<Line>{{"Order1", "P1", 2.5, 2}, {"Order1", "P1", 4, 2}, {"Invoice1", "P1", 1, 1},
                       {"Invoice1", "P1", 0.5, 1}}
        << 5.0;
    QTest::newRow("other products' lines do not count")
        << QVariant(3.0) << QList<Line>{{"Order1", "P2", 9, 2}, {"Invoice1", "P10", 9, 1}} << 3.0;
    QTest::newRow("blank stored quantity counts 0")
        << QVariant() << QList<Line>{{"Invoice1", "P1", 2, 1}} << -2.0;
}

void TestRegisterStores::onHand()
{
    QFETCH(QVariant, stored);
    QFETCH(QList<Line>, lines);
    QFETCH(double, expected);

    RegisterStore products(db(), productTable());
    QVERIFY(products.insert(makeProduct("P1", QStringLiteral("สินค้าหนึ่ง"),
                                        stored.isValid() ? std::optional<double>(stored.toDouble()) : 0.0)).ok);
    if (!stored.isValid()) {
        QString error;
        QVERIFY(Data::Sql::exec(db(), "UPDATE Product SET PRO_TOTAL = NULL", {}, &error));
    }
    QVERIFY(products.insert(makeProduct("P2", QStringLiteral("สินค้าสอง"), 0.0)).ok);
    int n = 0;
    for (const Line &l : lines)
        addLine(l, ++n);

    StockStore stock(db());
    QString error;
    const std::optional<double> one = stock.onHand("P1", &error);
    QVERIFY2(one, qPrintable(error));
    QCOMPARE(*one, expected);

    const auto list = stock.onHandFor({"P1", "P2", "NOSUCH"}, &error);
    QVERIFY2(list, qPrintable(error));
    QCOMPARE(list->value("P1"), expected);
    QVERIFY(!list->contains("NOSUCH"));

    const auto all = stock.onHandAll(&error);
    QVERIFY2(all, qPrintable(error));
    QCOMPARE(all->size(), 2);
    QCOMPARE(all->at(0).code, QStringLiteral("P1"));
    QCOMPARE(all->at(0).onHand, expected);
}

void TestRegisterStores::onHandList()
{
    RegisterStore products(db(), productTable());
    for (int i = 0; i < 450; ++i)   // more than one batch of codes
        QVERIFY(products.insert(makeProduct(QStringLiteral("C%1").arg(i, 4, 10, QLatin1Char('0')), "x", i)).ok);
    addLine({"Invoice1", "C0449", 49, 1}, 1);
    addLine({"Order1", "C0000", 1, 2}, 2);
    StockStore stock(db());
    QString error;
    QStringList codes;
    for (int i = 0; i < 450; ++i)
        codes << QStringLiteral("C%1").arg(i, 4, 10, QLatin1Char('0'));
    const auto some = stock.onHandFor(codes, &error);
    QVERIFY2(some, qPrintable(error));
    QCOMPARE(some->size(), 450);
    QCOMPARE(some->value("C0449"), 400.0);
    QCOMPARE(some->value("C0000"), 1.0);
    QCOMPARE(some->value("C0100"), 100.0);
    QCOMPARE(stock.onHand("NOSUCH", &error), 0.0);
}

void TestRegisterStores::duplicateRefused_data()
{
    QTest::addColumn<QString>("table");
    QTest::newRow("customer") << "Customer";
    QTest::newRow("supplier") << "Supply";
    QTest::newRow("salesperson") << "Sale";
    QTest::newRow("product") << "Product";
}

void TestRegisterStores::duplicateRefused()
{
    QFETCH(QString, table);
    const TableDef &def = table == "Customer" ? customerTable()
        : table == "Supply"                   ? supplierTable()
        : table == "Sale"                     ? salespersonTable()
                                              : productTable();
    RegisterStore store(db(), def);
    Record r;
    r.set(def.keyField, "A0001");
    r.set(def.nameField, QStringLiteral("สมชาย"));
    QVERIFY(store.insert(r).ok);
    r.set(def.nameField, QStringLiteral("สมหญิง"));
    const Written second = store.insert(r);
    QVERIFY(!second.ok);
    QVERIFY(second.duplicate);

    // Renaming another record onto a taken code is refused by the key too.
    Record other = r;
    other.set(def.keyField, "B0002");
    QVERIFY(store.insert(other).ok);
    const Written renamed = store.update("B0002", r);
    QVERIFY(!renamed.ok);
    QVERIFY(renamed.duplicate);
    QCOMPARE(store.byCode("B0002").record->text(def.nameField), QStringLiteral("สมหญิง"));
    QCOMPARE(store.byCode("A0001").record->text(def.nameField), QStringLiteral("สมชาย"));
}

void TestRegisterStores::duplicateCheckSeesNewRows()
{
    RegisterStore store(db(), customerTable());
    QString error;
    QCOMPARE(store.codeTaken("A0001", false, &error), false);
    // Another window (or this one) adds the code; the next check sees it.
    RegisterStore other(db(), customerTable());
    QVERIFY(other.insert(makeParty("A0001", QStringLiteral("สมชาย"))).ok);
    QCOMPARE(store.codeTaken("A0001", false, &error), true);
    QCOMPARE(store.codeTaken("a0001", false, &error), false);  // customers: exact
}

void TestRegisterStores::productCodeIgnoringCase()
{
    RegisterStore store(db(), productTable());
    QVERIFY(store.insert(makeProduct("ABC", "x")).ok);
    QString error;
    QCOMPARE(store.codeTaken("abc", true, &error), true);
    QCOMPARE(store.codeTaken("ab", true, &error), false);
    QCOMPARE(store.codeTaken("abcd", true, &error), false);
    QCOMPARE(store.byCodeIgnoringCase("aBc").record->text("PRO_NO"), QStringLiteral("ABC"));
}

void TestRegisterStores::navigationAndSeek()
{
    RegisterStore store(db(), supplierTable());
    QVERIFY(store.first().record == std::nullopt);
    QVERIFY(!store.first().failed());
    const QList<QPair<QString, QString>> rows = {{"S03", QStringLiteral("ข้าวหอม")}, {"S01", QStringLiteral("กาแฟ")},
                                                 {"S02", QStringLiteral("ขนม")}, {"S04", QStringLiteral("กาแฟ")}};
    for (const auto &[code, name] : rows)
        QVERIFY(store.insert(makeParty(code, name)).ok);

    using O = RegisterStore::Order;
    QCOMPARE(store.last().record->text("CUST_NO"), QStringLiteral("S04"));
    QCOMPARE(store.first().record->text("CUST_NO"), QStringLiteral("S01"));
    QCOMPARE(store.next(*store.first().record).record->text("CUST_NO"), QStringLiteral("S02"));
    QVERIFY(!store.next(*store.last().record).record);
    QVERIFY(!store.prior(*store.first().record).record);

    // Name order, equal names broken by code.
    QStringList byName;
    for (auto r = store.first(O::Name).record; r; r = store.next(*r, O::Name).record)
        byName << r->text("CUST_NO");
    QCOMPARE(byName, (QStringList{"S01", "S04", "S02", "S03"}));
    QCOMPARE(store.prior(*store.byCode("S02").record, O::Name).record->text("CUST_NO"), QStringLiteral("S04"));

    QCOMPARE(store.seek(O::Name, QStringLiteral("ข")).record->text("CUST_NO"), QStringLiteral("S02"));
    QCOMPARE(store.seek(O::Name, QStringLiteral("กา")).record->text("CUST_NO"), QStringLiteral("S01"));
    // After every name: the last supplier.
    QCOMPARE(store.seek(O::Name, QStringLiteral("ฮฮฮ")).record->text("CUST_NO"), QStringLiteral("S03"));
    QCOMPARE(store.seek(O::Code, "S025").record->text("CUST_NO"), QStringLiteral("S03"));

    const Rows grid = store.around(O::Name, *store.byCode("S04").record, 1, 5);
    QVERIFY(grid.error.isEmpty());
    QStringList gridCodes;
    for (const Record &r : grid.rows)
        gridCodes << r.text("CUST_NO");
    QCOMPARE(gridCodes, (QStringList{"S01", "S04", "S02", "S03"}));
}

void TestRegisterStores::prefixSearch()
{
    RegisterStore store(db(), customerTable());
    QVERIFY(store.insert(makeParty("A0001", QStringLiteral("สมชาย ใจดี"))).ok);
    QVERIFY(store.insert(makeParty("B0001", "Somsak")).ok);
    QCOMPARE(store.firstWithPrefix("CUST_NAME", QStringLiteral("สม")).record->text("CUST_NO"), QStringLiteral("A0001"));
    QCOMPARE(store.firstWithPrefix("CUST_NAME", "Som").record->text("CUST_NO"), QStringLiteral("B0001"));
    QVERIFY(!store.firstWithPrefix("CUST_NAME", "som").record);   // letter case counts
    QVERIFY(!store.firstWithPrefix("CUST_NAME", QStringLiteral("มา")).record);
    QCOMPARE(store.byCodeIgnoringCase("a0001").record->text("CUST_NO"), QStringLiteral("A0001"));
}

void TestRegisterStores::newProductStoresLevelPrices()
{
    RegisterStore store(db(), productTable());
    Record r = makeProduct("N1", "x", std::nullopt);
    r.setNumber("PRO_SPRICE", 120.0);
    r.setNumber("PRO_RORDER", std::nullopt);
    completeProductForSave(r, true);
    QVERIFY(store.insert(r).ok);
    const Record back = *store.byCode("N1").record;
    for (const char *f : {"PRO_SP2", "PRO_SP3", "PRO_SP4", "PRO_SP5"})
        QCOMPARE(back.number(f), 120.0);
    QCOMPARE(back.number("PRO_TOTAL"), 0.0);
    QCOMPARE(back.number("PRO_RORDER"), 0.0);
    QCOMPARE(back.number("TAX_RATE"), 7.0);
    QCOMPARE(back.text("CUT_STOCK"), QStringLiteral("1"));
}

void TestRegisterStores::updateKeepsUnshownFields()
{
    RegisterStore store(db(), productTable());
    QVERIFY(store.insert(makeProduct("U1", "x", 42.0)).ok);
    QString error;
    QVERIFY(Data::Sql::exec(db(), "UPDATE Product SET PRO_PACK = 'box' WHERE PRO_NO = 'U1'", {}, &error));
    Record r = *store.byCode("U1").record;
    r.set("PRO_NAME", QStringLiteral("ชื่อใหม่"));
    r.setNumber("PRO_TOTAL", 0.0);   // the window never edits it
    QVERIFY(store.update("U1", r).ok);
    const Record back = *store.byCode("U1").record;
    QCOMPARE(back.text("PRO_NAME"), QStringLiteral("ชื่อใหม่"));
    QCOMPARE(back.number("PRO_TOTAL"), 42.0);
    QCOMPARE(back.text("PRO_PACK"), QStringLiteral("box"));
    QVERIFY(store.remove("U1").ok);
    QVERIFY(!store.byCode("U1").record);
}

void TestRegisterStores::priceLevelRecord()
{
    QString error;
    QVERIFY(Data::Sql::exec(db(), "DELETE FROM scale", {}, &error));
    ScaleStore scale(db());
    auto empty = scale.read(&error);
    QVERIFY2(empty, qPrintable(error));
    for (const auto &s : empty->scale)
        QVERIFY(!s);
    QVERIFY2(scale.write({1, 6, 12, 24, 48}, &error), qPrintable(error));
    QVERIFY2(scale.write({1, 10, 5, 20, 40}, &error), qPrintable(error));
    QCOMPARE(Data::Sql::scalar(db(), "SELECT COUNT(*) FROM scale", {}, &error)->toInt(), 1);
    const auto t = scale.read(&error);
    QCOMPARE(t->value(2), 10.0);
    QCOMPARE(t->value(3), 5.0);
    QCOMPARE(t->value(5), 40.0);
}

QTEST_GUILESS_MAIN(TestRegisterStores)
#include "tst_registerstores.moc"
