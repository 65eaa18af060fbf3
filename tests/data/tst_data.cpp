#include "common/testdb.h"

#include "data/connection.h"
#include "data/dialect.h"
#include "data/maintenance.h"
#include "data/messages.h"
#include "data/passwordhash.h"
#include "data/schema.h"
#include "data/sql.h"
#include "data/transaction.h"

#include <QDir>
#include <QFile>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

using namespace Data;

namespace {

QString s(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

bool insertRow(const QSqlDatabase &db, const QString &table, const QVariantMap &values, QString *error)
{
    QStringList cols, marks;
    Sql::Binds binds;
    int n = 0;
    for (auto it = values.cbegin(); it != values.cend(); ++it, ++n) {
        cols << sqlName(it.key());
        marks << QStringLiteral(":v%1").arg(n);
        binds.insert(QStringLiteral("v%1").arg(n), it.value());
    }
    return Sql::exec(db,
                     QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                         .arg(table, cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
                     binds, error);
}

QStringList column(const QSqlDatabase &db, const QString &sql, const Sql::Binds &binds = {})
{
    QString err;
    auto q = Sql::run(db, sql, binds, &err);
    if (!q) {
        qWarning() << err;
        return {QStringLiteral("<error>")};
    }
    QStringList out;
    while (q->next())
        out << q->value(0).toString();
    return out;
}

int count(const QSqlDatabase &db, const QString &table)
{
    QString err;
    const auto v = Sql::scalar(db, QStringLiteral("SELECT count(*) FROM %1").arg(table), {}, &err);
    return v ? v->toInt() : -1;
}

// Sets or clears an environment variable for one scope.
class EnvGuard
{
public:
    explicit EnvGuard(const char *name) : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {}
    ~EnvGuard()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    void set(const QString &value)
    {
        if (value.isNull())
            qunsetenv(m_name);
        else
            qputenv(m_name, value.toUtf8());
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

class TestData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { VELMORA_START_TESTDB(m_db); }
    void init() { QVERIFY2(m_db.reset(), qPrintable(m_db.error())); }

    void fieldsInOrder_data();
    void fieldsInOrder();
    void schemaMatchesDefinitions();
    void schemaVersionIsCurrent();
    void tooLongValueRefused_data();
    void tooLongValueRefused();
    void duplicateKeyRefused_data();
    void duplicateKeyRefused();
    void sameCodeInCustomerAndSupply();
    void blankTextsAreEmptyNotNull_data();
    void blankTextsAreEmptyNotNull();
    void dateRange_data();
    void dateRange();
    void dateSort_data();
    void dateSort();
    void aggregateColumnNames_data();
    void aggregateColumnNames();
    void failedLineLeavesNoHeader_data();
    void failedLineLeavesNoHeader();
    void committedDocumentIsKept();
    void likeEscaping_data();
    void likeEscaping();
    void highestUnderPrefix();
    void finance1InField();
    void twoConnectionsKeepTheirOwn();
    void movedConnectionStaysOpen();
    void initialRecords();
    void priceLevelsStartAtLevelOne_data();
    void priceLevelsStartAtLevelOne();
    void adminPasswordHashed();
    void aliasResolution_data();
    void aliasResolution();
    void deviceMappings();
    void defaultDatabaseCreatedOnFirstUse();
    void unopenableAlias_data();
    void unopenableAlias();
    void newerSchemaRefused();
    void maintenanceOnEveryTable();

private:
    QSqlDatabase db() { return m_db.connection().db(); }
    TestDb m_db;
};

void TestData::fieldsInOrder_data()
{
    QTest::addColumn<QString>("table");
    for (const TableDef &t : tables())
        QTest::newRow(t.name) << s(t.name);
}

void TestData::fieldsInOrder()
{
    QFETCH(QString, table);
    const TableDef *def = Data::table(table);
    QVERIFY(def);
    const QSqlRecord rec = db().record(modelName(table));
    QStringList actual, expected;
    for (int i = 0; i < rec.count(); ++i)
        actual << rec.fieldName(i).toUpper();
    for (const FieldDef &f : def->fields)
        expected << s(f.name);
    QCOMPARE(actual, expected);
}

void TestData::schemaMatchesDefinitions()
{
    QCOMPARE(compareSchema(db(), m_db.engine()), QStringList());
}

void TestData::schemaVersionIsCurrent()
{
    QString err;
    QCOMPARE(schemaVersion(db(), &err), std::optional<int>(kSchemaVersion));
}

void TestData::tooLongValueRefused_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("fits");
    QTest::addColumn<QString>("tooLong");
    QTest::newRow("document number of 12 characters") << s(Table::Invoice) << s(Field::INV_NO)
                                                       << QStringLiteral("SALE1000001") << QStringLiteral("SALE10000012");
    QTest::newRow("Thai customer code of 6 characters") << s(Table::Customer) << s(Field::CUST_NO)
                                                        << QStringLiteral("กขคงจ") << QStringLiteral("กขคงจฉ");
    QTest::newRow("product code of 16 characters") << s(Table::Order1) << s(Field::PRO_NO)
                                                   << QString(15, QLatin1Char('P')) << QString(16, QLatin1Char('P'));
    QTest::newRow("one-character mode of 2") << s(Table::Quotation) << s(Field::INV_TYPE) << QStringLiteral("9")
                                             << QStringLiteral("99");
    QTest::newRow("settings prefix of 5") << s(Table::Orvansys) << s(Field::PREFIX1) << QStringLiteral("ABCD")
                                          << QStringLiteral("ABCDE");
    QTest::newRow("password hash of 129") << s(Table::market) << s(Field::PWD_HASH) << QString(128, QLatin1Char('h'))
                                          << QString(129, QLatin1Char('h'));
}

void TestData::tooLongValueRefused()
{
    QFETCH(QString, table);
    QFETCH(QString, field);
    QFETCH(QString, fits);
    QFETCH(QString, tooLong);
    QString err;
    const int before = count(db(), table);
    QVERIFY2(insertRow(db(), table, {{field, fits}}, &err), qPrintable(err));
    err.clear();
    QVERIFY(!insertRow(db(), table, {{field, tooLong}}, &err));
    QVERIFY(!err.isEmpty());
    QCOMPARE(count(db(), table), before + 1);
    // Nothing is cut silently: the stored value is the full one that fitted.
    QCOMPARE(column(db(), QStringLiteral("SELECT %1 FROM %2 WHERE %1 = :v").arg(field, table), {{"v", fits}}),
             QStringList{fits});
}

void TestData::duplicateKeyRefused_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    for (const QString &t : headerTables())
        QTest::newRow(qPrintable(t + QStringLiteral(" number"))) << t << s(Field::INV_NO) << QStringLiteral("SALE1000001");
    QTest::newRow("Finance1 contract") << s(Table::Finance1) << s(Field::INV_NO) << QStringLiteral("HPSL6000001");
    QTest::newRow("customer code") << s(Table::Customer) << s(Field::CUST_NO) << QStringLiteral("C0001");
    QTest::newRow("supplier code") << s(Table::Supply) << s(Field::CUST_NO) << QStringLiteral("S0001");
    QTest::newRow("salesperson code") << s(Table::Sale) << s(Field::SALE_NO) << QStringLiteral("E01");
    QTest::newRow("product code") << s(Table::Product) << s(Field::PRO_NO) << QStringLiteral("8850000000001");
    QTest::newRow("user name") << s(Table::market) << s(Field::USRNAME) << QStringLiteral("admin");
}

void TestData::duplicateKeyRefused()
{
    QFETCH(QString, table);
    QFETCH(QString, field);
    QFETCH(QString, value);
    QString err;
    const bool seeded = count(db(), QStringLiteral("%1 WHERE %2 = 'admin'").arg(table, field)) > 0;
    if (!seeded)
        QVERIFY2(insertRow(db(), table, {{field, value}}, &err), qPrintable(err));
    QVERIFY(!insertRow(db(), table, {{field, value}}, &err));
    QCOMPARE(column(db(), QStringLiteral("SELECT %1 FROM %2 WHERE %1 = :v").arg(field, table), {{"v", value}}).size(), 1);
}

void TestData::sameCodeInCustomerAndSupply()
{
    QString err;
    QVERIFY2(insertRow(db(), s(Table::Customer), {{s(Field::CUST_NO), "A0001"}}, &err), qPrintable(err));
    QVERIFY2(insertRow(db(), s(Table::Supply), {{s(Field::CUST_NO), "A0001"}}, &err), qPrintable(err));
    // Lines of one document share its number.
    for (int i = 0; i < 2; ++i)
        QVERIFY2(insertRow(db(), s(Table::Invoice1), {{s(Field::INV_NO), "SALE1000001"}}, &err), qPrintable(err));
}

void TestData::blankTextsAreEmptyNotNull_data()
{
    QTest::addColumn<QVariantMap>("values");
    QTest::newRow("field left out") << QVariantMap{{s(Field::INV_NO), "SALE1000001"}};
    QTest::newRow("null text bound") << QVariantMap{{s(Field::INV_NO), "SALE1000001"}, {s(Field::P_BILL), QString()}};
}

void TestData::blankTextsAreEmptyNotNull()
{
    QFETCH(QVariantMap, values);
    QString err;
    QVERIFY2(insertRow(db(), s(Table::Invoice), values, &err), qPrintable(err));
    QCOMPARE(column(db(), QStringLiteral("SELECT INV_NO FROM Invoice WHERE P_BILL = :b AND TOTAL = 0 AND FG_OK = 0"),
                    {{"b", QStringLiteral("")}}),
             QStringList{"SALE1000001"});
}

void TestData::dateRange_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("begin");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QStringList>("expected");
    const QStringList january{"01/01/2549", "15/01/2549", "31/01/2549"};
    QTest::newRow("January 2549 of sales") << s(Table::Invoice) << "25490101" << "25490131" << january;
    QTest::newRow("January 2549 of purchases") << s(Table::Order0) << "25490101" << "25490131" << january;
    QTest::newRow("across the year end") << s(Table::Invoice) << "25481231" << "25490101"
                                         << QStringList{"31/12/2548", "01/01/2549"};
    QTest::newRow("one day") << s(Table::Invoice) << "25500115" << "25500115" << QStringList{"15/01/2550"};
}

void TestData::dateRange()
{
    QFETCH(QString, table);
    QFETCH(QString, begin);
    QFETCH(QString, end);
    QFETCH(QStringList, expected);
    const QStringList dates{"01/02/2548", "31/12/2548", "01/01/2549", "15/01/2549", "31/01/2549",
                            "01/02/2549", "15/01/2550", "  /  /    "};
    QString err;
    for (int i = 0; i < dates.size(); ++i)
        QVERIFY2(insertRow(db(), table,
                           {{s(Field::INV_NO), QStringLiteral("SALE1%1").arg(i, 6, 10, QLatin1Char('0'))},
                            {s(Field::INV_DATE), dates.at(i)}},
                           &err),
                 qPrintable(err));
    const QString key = Dialect::dateKey(s(Field::INV_DATE));
    const QStringList got = column(db(),
                                   QStringLiteral("SELECT INV_DATE, %1 AS FInv_Date FROM %2 WHERE %1 BETWEEN :mBegin AND "
                                                  ":mEnd ORDER BY FInv_Date")
                                       .arg(key, table),
                                   {{"mBegin", begin}, {"mEnd", end}});
    QCOMPARE(got, expected);
}

void TestData::dateSort_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("year end before new year") << QStringList{"01/01/2549", "31/12/2548"}
                                              << QStringList{"31/12/2548", "01/01/2549"};
    QTest::newRow("days and months that sort wrongly as text")
        << QStringList{"02/01/2549", "01/02/2548", "10/12/2548", "01/01/2550"}
        << QStringList{"01/02/2548", "10/12/2548", "02/01/2549", "01/01/2550"};
}

void TestData::dateSort()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, sorted);
    QString err;
    for (int i = 0; i < stored.size(); ++i)
        QVERIFY2(insertRow(db(), s(Table::finance2),
                           {{s(Field::FIN_NO), "HPSL6000001"}, {s(Field::FIN_COUNT), i}, {s(Field::FIN_DATE), stored.at(i)}},
                           &err),
                 qPrintable(err));
    QCOMPARE(column(db(), QStringLiteral("SELECT FIN_DATE, %1 AS FDue_Date FROM finance2 ORDER BY FDue_Date")
                              .arg(Dialect::dateKey(s(Field::FIN_DATE)))),
             sorted);
}

void TestData::aggregateColumnNames_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("value");
    QTest::newRow("sum of price") << "sum" << "price" << "SUM OF price" << 175.5;
    QTest::newRow("count of p_Bill") << "count" << "p_Bill" << "COUNT OF p_Bill" << 3.0;
}

void TestData::aggregateColumnNames()
{
    QFETCH(QString, function);
    QFETCH(QString, column);
    QFETCH(QString, name);
    QFETCH(double, value);
    QCOMPARE(Sql::aggregateName(function, column), name);
    QString err;
    for (double price : {100.0, 50.25, 25.25})
        QVERIFY2(insertRow(db(), s(Table::Invoice1),
                           {{s(Field::INV_NO), "SALE1000001"}, {s(Field::PRICE), price}, {s(Field::P_BILL), "0490110001"}},
                           &err),
                 qPrintable(err));
    auto q = Sql::run(db(), QStringLiteral("SELECT INV_NO, %1 FROM Invoice1 GROUP BY INV_NO").arg(Sql::aggregate(function, column)),
                      {}, &err);
    QVERIFY2(q, qPrintable(err));
    QVERIFY(q->next());
    const QSqlRecord rec = q->record();
    QCOMPARE(rec.fieldName(1), name);
    QCOMPARE(rec.value(name).toDouble(), value);
}

void TestData::failedLineLeavesNoHeader_data()
{
    QTest::addColumn<QVariantMap>("badLine");
    QTest::newRow("line product code too long")
        << QVariantMap{{s(Field::INV_NO), "SALE1000001"}, {s(Field::PRO_NO), QString(16, QLatin1Char('X'))}};
    QTest::newRow("line names a field that does not exist")
        << QVariantMap{{s(Field::INV_NO), "SALE1000001"}, {QStringLiteral("NO_SUCH"), 1}};
}

void TestData::failedLineLeavesNoHeader()
{
    QFETCH(QVariantMap, badLine);
    QString err;
    {
        Transaction tx(m_db.connection());
        QVERIFY2(tx.begin(&err, QStringLiteral("SALE1")), qPrintable(err));
        QVERIFY2(insertRow(db(), s(Table::Invoice), {{s(Field::INV_NO), "SALE1000001"}, {s(Field::TOTAL), 100.0}}, &err),
                 qPrintable(err));
        QVERIFY2(insertRow(db(), s(Table::Invoice1), {{s(Field::INV_NO), "SALE1000001"}, {s(Field::PRO_NO), "P1"}}, &err),
                 qPrintable(err));
        QVERIFY(!insertRow(db(), s(Table::Invoice1), badLine, &err));
        // The saving code returns here; the guard rolls back.
    }
    QCOMPARE(count(db(), s(Table::Invoice)), 0);
    QCOMPARE(count(db(), s(Table::Invoice1)), 0);
    // The connection is usable again afterwards.
    QVERIFY2(insertRow(db(), s(Table::Invoice), {{s(Field::INV_NO), "SALE1000001"}}, &err), qPrintable(err));
}

void TestData::committedDocumentIsKept()
{
    QString err;
    Transaction tx(m_db.connection());
    QVERIFY2(tx.begin(&err, QStringLiteral("SVAT2")), qPrintable(err));
    QVERIFY(insertRow(db(), s(Table::Invoice), {{s(Field::INV_NO), "SVAT2000001"}}, &err));
    QVERIFY(insertRow(db(), s(Table::Invoice1), {{s(Field::INV_NO), "SVAT2000001"}}, &err));
    QVERIFY2(tx.commit(&err), qPrintable(err));
    QVERIFY(!tx.isActive());
    QCOMPARE(count(db(), s(Table::Invoice)), 1);
    QCOMPARE(count(db(), s(Table::Invoice1)), 1);
}

void TestData::likeEscaping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("startsWith");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("percent sign is literal") << "%" << false << QStringList{"ลด 50% ทันที"};
    QTest::newRow("underscore is literal") << "a_b" << false << QStringList{"a_b"};
    QTest::newRow("backslash is literal") << "\\" << false << QStringList{"back\\slash"};
    QTest::newRow("Thai text contained") << "ทันที" << false << QStringList{"ลด 50 ทันที", "ลด 50% ทันที"};
    QTest::newRow("starts with") << "ลด 50" << true << QStringList{"ลด 50 ทันที", "ลด 50% ทันที"};
    QTest::newRow("letter case matters") << "A_B" << false << QStringList{};
}

void TestData::likeEscaping()
{
    QFETCH(QString, typed);
    QFETCH(bool, startsWith);
    QFETCH(QStringList, expected);
    QString err;
    const QStringList names{"ลด 50% ทันที", "ลด 50 ทันที", "a_b", "axb", "back\\slash", "backslash"};
    for (int i = 0; i < names.size(); ++i)
        QVERIFY2(insertRow(db(), s(Table::Product), {{s(Field::PRO_NO), QString::number(i)}, {s(Field::PRO_NAME), names.at(i)}},
                           &err),
                 qPrintable(err));
    const QString pattern = startsWith ? Dialect::likeStartsWith(typed) : Dialect::likeContains(typed);
    QCOMPARE(column(db(),
                    QStringLiteral("SELECT PRO_NAME FROM Product WHERE %1 ORDER BY PRO_NAME")
                        .arg(Dialect::like(s(Field::PRO_NAME), QStringLiteral(":p"))),
                    {{"p", pattern}}),
             expected);
}

void TestData::highestUnderPrefix()
{
    QString err;
    for (const char *no : {"SALE1000009", "SALE1000010", "SVAT2000077", "SALE_000099"})
        QVERIFY(insertRow(db(), s(Table::Invoice), {{s(Field::INV_NO), s(no)}}, &err));
    const QString sql = Dialect::highestUnderPrefix(s(Table::Invoice), s(Field::INV_NO));
    QCOMPARE(column(db(), sql, {{"prefix", Dialect::likeStartsWith("SALE1")}}), QStringList{"SALE1000010"});
    QCOMPARE(column(db(), sql, {{"prefix", Dialect::likeStartsWith("BUYS3")}}), QStringList{QString()});
}

void TestData::finance1InField()
{
    QString err;
    QVERIFY2(insertRow(db(), s(Table::Finance1),
                       {{s(Field::INV_NO), "HPSL6000001"}, {s(Field::IN), 1250.5}, {s(Field::STK_POST), 5}}, &err),
             qPrintable(err));
    QVERIFY2(Sql::exec(db(), QStringLiteral("UPDATE Finance1 SET %1 = %1 + :add WHERE INV_NO = :no").arg(s(Field::IN_SQL)),
                       {{"add", 100.0}, {"no", "HPSL6000001"}}, &err),
             qPrintable(err));
    auto q = Sql::run(db(), QStringLiteral("SELECT %1 FROM Finance1").arg(s(Field::IN_SQL)), {}, &err);
    QVERIFY2(q, qPrintable(err));
    QVERIFY(q->next());
    QCOMPARE(q->record().value(s(Field::IN)).toDouble(), 1350.5);
}

void TestData::twoConnectionsKeepTheirOwn()
{
    QString err;
    auto first = Connection::open(QStringLiteral("ref_cust"), &err);
    QVERIFY2(first, qPrintable(err));
    {
        auto second = Connection::open(QStringLiteral("ref_cust"), &err);
        QVERIFY2(second, qPrintable(err));
        QVERIFY(first->name() != second->name());
        QVERIFY(insertRow(second->db(), s(Table::Customer), {{s(Field::CUST_NO), "C0001"}}, &err));
    }
    QVERIFY(first->db().isOpen());
    QCOMPARE(column(first->db(), QStringLiteral("SELECT CUST_NO FROM Customer")), QStringList{"C0001"});
}

void TestData::movedConnectionStaysOpen()
{
    QString err;
    auto opened = Connection::open(QStringLiteral("Light"), &err);
    QVERIFY2(opened, qPrintable(err));
    const QString name = opened->name();
    Connection moved = std::move(*opened);
    opened.reset();
    QCOMPARE(moved.name(), name);
    QVERIFY(moved.db().isOpen());
    QCOMPARE(count(moved.db(), s(Table::market)), 1);
}

void TestData::initialRecords()
{
    QString err;
    auto q = Sql::run(db(), QStringLiteral("SELECT * FROM Orvansys"), {}, &err);
    QVERIFY2(q, qPrintable(err));
    QVERIFY(q->next());
    const QSqlRecord r = q->record();
    QSet<QString> prefixes;
    for (int i : {1, 2, 3, 4, 6, 7, 8, 9}) {
        const QString p = r.value(QStringLiteral("PREFIX%1").arg(i)).toString();
        QCOMPARE(p.size(), 4);
        QVERIFY2(p != QLatin1String("TORD") && p != QLatin1String("TQUO") && p != QLatin1String("TEMP"), qPrintable(p));
        prefixes.insert(p);
    }
    QCOMPARE(prefixes.size(), 8);
    for (const char *f : {Field::LINE1, Field::LINE2, Field::LINE3, Field::LINE4, Field::LINE5, Field::VIEW1, Field::PRINT_DAY})
        QCOMPARE(r.value(s(f)).toString(), QStringLiteral("0"));
    QCOMPARE(r.value(s(Field::COM_PORT)).toString(), QStringLiteral("1"));
    QCOMPARE(r.value(s(Field::PRN_TOP)).toDouble(), 0.0);
    QCOMPARE(r.value(s(Field::PRN_LEFT)).toDouble(), 0.0);
    QVERIFY(!q->next());
    QCOMPARE(count(db(), s(Table::Orvansys)), 1);
    QCOMPARE(count(db(), s(Table::scale)), 1);
    QCOMPARE(count(db(), s(Table::Que)), 1);
    QCOMPARE(count(db(), s(Table::market)), 1);
}

void TestData::priceLevelsStartAtLevelOne_data()
{
    QTest::addColumn<double>("quantity");
    QTest::newRow("one unit") << 1.0;
    QTest::newRow("a fraction") << 0.5;
    QTest::newRow("nothing yet") << 0.0;
    QTest::newRow("a large order") << 100000.0;
}

void TestData::priceLevelsStartAtLevelOne()
{
    QFETCH(double, quantity);
    QString err;
    auto q = Sql::run(db(), QStringLiteral("SELECT * FROM scale"), {}, &err);
    QVERIFY2(q && q->next(), qPrintable(err));
    int level = 0;
    for (int n = 5; n >= 1 && level == 0; --n)
        if (quantity >= q->record().value(QStringLiteral("SCALE%1").arg(n)).toDouble())
            level = n;
    QCOMPARE(level, 1);
}

void TestData::adminPasswordHashed()
{
    QString err;
    auto q = Sql::run(db(), QStringLiteral("SELECT * FROM market WHERE USRNAME = :u"), {{"u", "admin"}}, &err);
    QVERIFY2(q && q->next(), qPrintable(err));
    const QSqlRecord r = q->record();
    QCOMPARE(r.value(s(Field::PASSWD)).toString(), QString());
    QCOMPARE(r.value(s(Field::AC1)).toInt(), 1);
    QCOMPARE(r.value(s(Field::NAME)).toString(), QStringLiteral("ผู้ดูแลระบบ"));
    const QString hash = r.value(s(Field::PWD_HASH)).toString();
    QVERIFY(hash.startsWith(QLatin1String("$argon2id$")));
    QVERIFY(PasswordHash::verify(hash, QStringLiteral("9640")));
    QVERIFY(!PasswordHash::verify(hash, QStringLiteral("9641")));
    QVERIFY(!PasswordHash::verify(QString(), QStringLiteral("9640")));
}

void TestData::aliasResolution_data()
{
    QTest::addColumn<QString>("env");        // null: unset
    QTest::addColumn<QString>("aliasFile");  // null: no file
    QTest::addColumn<int>("engine");
    QTest::addColumn<QString>("location");   // "DEFAULT" for the default path
    QTest::addColumn<int>("source");
    using S = AliasTarget::Source;
    const int sqlite = int(Engine::Sqlite), pg = int(Engine::Postgres);
    QTest::newRow("environment SQLite path") << "/srv/shop/velm30.db" << QString() << sqlite << "/srv/shop/velm30.db"
                                             << int(S::Environment);
    QTest::newRow("environment PostgreSQL URI")
        << "postgresql://shop@10.0.0.5:5432/velm30" << QString() << pg << "postgresql://shop@10.0.0.5:5432/velm30"
        << int(S::Environment);
    QTest::newRow("environment wins over alias file") << "/a.db" << "/b.db\n" << sqlite << "/a.db" << int(S::Environment);
    QTest::newRow("alias file first line") << QString() << "postgresql://shop@server/velm30\nCOM1=/dev/ttyUSB0\n" << pg
                                           << "postgresql://shop@server/velm30" << int(S::AliasFile);
    QTest::newRow("alias file with home path") << QString() << "~/data/velm30.db" << sqlite
                                               << QDir::homePath() + "/data/velm30.db" << int(S::AliasFile);
    QTest::newRow("empty alias file gives the default") << QString() << "\n" << sqlite << "DEFAULT" << int(S::Default);
    QTest::newRow("nothing gives the default") << QString() << QString() << sqlite << "DEFAULT" << int(S::Default);
    QTest::newRow("empty environment is ignored") << "" << QString() << sqlite << "DEFAULT" << int(S::Default);
}

void TestData::aliasResolution()
{
    QFETCH(QString, env);
    QFETCH(QString, aliasFile);
    QFETCH(int, engine);
    QFETCH(QString, location);
    QFETCH(int, source);
    QTemporaryDir home;
    EnvGuard velm30("VELM30"), config("XDG_CONFIG_HOME"), data("XDG_DATA_HOME");
    config.set(home.filePath("config"));
    data.set(home.filePath("data"));
    velm30.set(env);
    if (!aliasFile.isNull()) {
        QVERIFY(QDir().mkpath(home.filePath("config/velmora")));
        QFile f(home.filePath("config/velmora/velm30.alias"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(aliasFile.toUtf8());
    }
    QCOMPARE(aliasFilePath(), home.filePath("config/velmora/velm30.alias"));
    const AliasTarget t = resolveAlias();
    QCOMPARE(int(t.engine), engine);
    QCOMPARE(t.location, location == QLatin1String("DEFAULT") ? home.filePath("data/velmora/velm30.db") : location);
    QCOMPARE(int(t.source), source);
}

void TestData::deviceMappings()
{
    QTemporaryDir home;
    EnvGuard config("XDG_CONFIG_HOME");
    config.set(home.path());
    QCOMPARE(serialDevice(1), QStringLiteral("/dev/ttyS0"));
    QCOMPARE(serialDevice(2), QStringLiteral("/dev/ttyS1"));
    QVERIFY(QDir().mkpath(home.filePath("velmora")));
    QFile f(home.filePath("velmora/velm30.alias"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("/srv/velm30.db\ncom1 = /dev/ttyUSB0\n# a note\nCOM2=/dev/ttyACM0\n");
    f.close();
    const QMap<QString, QString> expected{{"COM1", "/dev/ttyUSB0"}, {"COM2", "/dev/ttyACM0"}};
    QCOMPARE(Data::deviceMappings(), expected);
    QCOMPARE(serialDevice(1), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(serialDevice(2), QStringLiteral("/dev/ttyACM0"));
}

void TestData::defaultDatabaseCreatedOnFirstUse()
{
    QTemporaryDir home;
    EnvGuard velm30("VELM30"), config("XDG_CONFIG_HOME"), data("XDG_DATA_HOME");
    velm30.set(QString());
    config.set(home.filePath("config"));
    data.set(home.filePath("data"));
    QString err;
    {
        auto c = Connection::open(QStringLiteral("first"), &err);
        QVERIFY2(c, qPrintable(err));
        QCOMPARE(c->engine(), Engine::Sqlite);
        QCOMPARE(c->target().location, home.filePath("data/velmora/velm30.db"));
        QCOMPARE(compareSchema(c->db(), Engine::Sqlite), QStringList());
        QCOMPARE(column(c->db(), QStringLiteral("PRAGMA journal_mode")), QStringList{"wal"});
        QCOMPARE(count(c->db(), s(Table::market)), 1);
        QVERIFY(insertRow(c->db(), s(Table::Customer), {{s(Field::CUST_NO), "C0001"}}, &err));
    }
    // The second use opens the same file and keeps what was stored.
    auto again = Connection::open(QStringLiteral("second"), &err);
    QVERIFY2(again, qPrintable(err));
    QCOMPARE(count(again->db(), s(Table::Customer)), 1);
    QCOMPARE(count(again->db(), s(Table::market)), 1);
}

void TestData::unopenableAlias_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("prepare");  // "", "readonly", "garbage", "empty"
    QTest::addColumn<QString>("reasonStart");
    QTest::newRow("missing folder") << "$TMP/no/such/folder/velm30.db" << "" << Messages::folderMissing("$TMP/no/such/folder");
    QTest::newRow("missing file") << "$TMP/velm30.db" << "" << Messages::fileMissing("$TMP/velm30.db");
    QTest::newRow("read-only file") << "$TMP/velm30.db" << "readonly" << Messages::fileReadOnly("$TMP/velm30.db");
    QTest::newRow("not a database") << "$TMP/velm30.db" << "garbage" << Messages::notADatabase(QString());
    QTest::newRow("database without tables") << "$TMP/velm30.db" << "empty" << Messages::noTables();
    QTest::newRow("PostgreSQL down") << "postgresql://velmora@127.0.0.1:1/velm30" << ""
                                     << Messages::serverUnreachable(QString());
    QTest::newRow("malformed URI") << "postgresql://velmora@127.0.0.1:notaport/velm30" << "" << Messages::badAddress();
}

void TestData::unopenableAlias()
{
    QFETCH(QString, location);
    QFETCH(QString, prepare);
    QFETCH(QString, reasonStart);
    QTemporaryDir dir;
    location.replace("$TMP", dir.path());
    reasonStart.replace("$TMP", dir.path());
    const QString file = dir.filePath("velm30.db");
    if (prepare == QLatin1String("readonly") || prepare == QLatin1String("empty")) {
        QString err;
        auto c = Connection::open(targetFor(file, AliasTarget::Source::Environment), "prep", &err,
                                  {.requireSchema = false, .createFile = true});
        QVERIFY2(c, qPrintable(err));
        QVERIFY(Sql::exec(c->db(), "CREATE TABLE other (x INTEGER)", {}, &err));
    }
    if (prepare == QLatin1String("readonly"))
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    if (prepare == QLatin1String("garbage")) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    EnvGuard velm30("VELM30");
    velm30.set(location);
    QString err;
    QVERIFY(!Connection::open(QStringLiteral("TRef_Cust"), &err));
    const QString head = Messages::openFailed(resolveAlias().display(), QString());
    QVERIFY2(err.startsWith(head + reasonStart), qPrintable(err));
    QVERIFY(err.startsWith(QStringLiteral("ไม่สามารถเปิดฐานข้อมูล velm30 (")));
    QVERIFY(!QSqlDatabase::connectionNames().join(',').contains("TRef_Cust"));
}

void TestData::newerSchemaRefused()
{
    QString err;
    QVERIFY(Sql::exec(db(), QStringLiteral("UPDATE velmora_schema SET VERSION = :v"), {{"v", kSchemaVersion + 1}}, &err));
    QVERIFY(!Connection::open(QStringLiteral("newer"), &err));
    QVERIFY2(err.contains(QStringLiteral("รุ่นใหม่กว่า")), qPrintable(err));
    QVERIFY(Sql::exec(db(), QStringLiteral("UPDATE velmora_schema SET VERSION = :v"), {{"v", kSchemaVersion}}, &err));
}

void TestData::maintenanceOnEveryTable()
{
    QString err;
    QCOMPARE(Maintenance::integrityProblems(m_db.connection()), QStringList());
    const QStringList names = Maintenance::tableNames(m_db.connection(), &err);
    QCOMPARE(names.size(), int(tables().size()));
    QVERIFY(insertRow(db(), s(Table::Invoice), {{s(Field::INV_NO), "SALE1000001"}}, &err));
    for (const QString &t : names) {
        QVERIFY2(Maintenance::compactTable(m_db.connection(), t, &err), qPrintable(err));
        QVERIFY2(Maintenance::reindexTable(m_db.connection(), t, &err), qPrintable(err));
    }
    QCOMPARE(count(db(), s(Table::Invoice)), 1);
    QVERIFY(!Maintenance::reindexTable(m_db.connection(), QStringLiteral("Invoice; DROP TABLE Sale"), &err));
    QCOMPARE(compareSchema(db(), m_db.engine()), QStringList());
}

QTEST_GUILESS_MAIN(TestData)
#include "tst_data.moc"
