#include "common/testdb.h"

#include "data/connection.h"
#include "data/messages.h"
#include "data/schema.h"
#include "data/sql.h"
#include "tools/admin/adminmessages.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Data;

namespace {

struct Run
{
    int code = -1;
    QString out, err;
};

Run admin(const QString &alias, const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VELM30"), alias);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VELMORA_ADMIN), args);
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QStringList lines(const QString &text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestAdmin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { VELMORA_START_TESTDB(m_db); }

    void checkFindsDamage_data();
    void checkFindsDamage();
    void initRefusesExistingTables();
    void initCreatesEverything();
    void backupCopiesData();
    void unopenableAliasReported();
    void demoFillsAnEmptyDatabase();

private:
    // A new database of the test engine, made by velmora-admin init.
    std::optional<AliasTarget> initialised();
    TestDb m_db;
};

std::optional<AliasTarget> TestAdmin::initialised()
{
    QString err;
    auto t = m_db.createEmpty(&err);
    if (!t) {
        qWarning() << err;
        return std::nullopt;
    }
    const Run r = admin(t->location, {QStringLiteral("init")});
    if (r.code != 0) {
        qWarning() << r.out << r.err;
        return std::nullopt;
    }
    return t;
}

void TestAdmin::checkFindsDamage_data()
{
    QTest::addColumn<QStringList>("sqliteDamage");
    QTest::addColumn<QStringList>("pgDamage");
    QTest::addColumn<QString>("expectedStart"); // empty: the check passes

    QTest::newRow("fresh database") << QStringList() << QStringList() << QString();
    const QStringList dropColumn{"ALTER TABLE Invoice DROP COLUMN RET_NO"};
    QTest::newRow("dropped column") << dropColumn << dropColumn << "Invoice.RET_NO: field missing";

    QString queDdl = createStatements(*table(QString::fromLatin1(Table::Que)), Engine::Sqlite).first();
    queDdl.replace("QUE_INV_N VARCHAR(11) DEFAULT '' CHECK (length(QUE_INV_N) <= 11)",
                   "QUE_INV_N VARCHAR(12) DEFAULT '' CHECK (length(QUE_INV_N) <= 12)");
    QTest::newRow("wrong width") << QStringList{"DROP TABLE Que", queDdl}
                                 << QStringList{"ALTER TABLE Que ALTER COLUMN QUE_INV_N TYPE VARCHAR(12) COLLATE \"C\""}
                                 << "Que.QUE_INV_N: ";
    QTest::newRow("wrong type") << QStringList{"ALTER TABLE Sale DROP COLUMN SALARY", "ALTER TABLE Sale ADD COLUMN SALARY TEXT"}
                                << QStringList{"ALTER TABLE Sale ALTER COLUMN SALARY TYPE TEXT"} << "Sale.SALARY: type ";
    const QStringList dropTable{"DROP TABLE Cancel"};
    QTest::newRow("missing table") << dropTable << dropTable << "Cancel: table missing";
    const QStringList dropIndex{"DROP INDEX invoice_inv_no"};
    QTest::newRow("missing index") << dropIndex << dropIndex << "Invoice: index invoice_inv_no missing";
    const QStringList extra{"ALTER TABLE Product ADD COLUMN COLOUR VARCHAR(10)"};
    QTest::newRow("unexpected field") << extra << extra << "Product.COLOUR: unexpected field";
}

void TestAdmin::checkFindsDamage()
{
    QFETCH(QStringList, sqliteDamage);
    QFETCH(QStringList, pgDamage);
    QFETCH(QString, expectedStart);
    const auto t = initialised();
    QVERIFY(t);
    {
        QString err;
        auto c = Connection::open(*t, QStringLiteral("damage"), &err, {.requireSchema = false});
        QVERIFY2(c, qPrintable(err));
        for (const QString &sql : m_db.engine() == Engine::Sqlite ? sqliteDamage : pgDamage)
            QVERIFY2(Sql::exec(c->db(), sql, {}, &err), qPrintable(err));
    }
    const Run r = admin(t->location, {QStringLiteral("check")});
    if (expectedStart.isEmpty()) {
        QCOMPARE(r.code, 0);
        QCOMPARE(lines(r.out), QStringList{Admin::Messages::checkOk(t->display())});
        return;
    }
    QCOMPARE(r.code, 1);
    const QStringList out = lines(r.out);
    QCOMPARE(out.size(), 1);
    QVERIFY2(out.first().startsWith(expectedStart, Qt::CaseInsensitive), qPrintable(r.out));
    QVERIFY2(r.err.contains(Admin::Messages::checkFailed(1)), qPrintable(r.err));
}

void TestAdmin::initRefusesExistingTables()
{
    QString err;
    QVERIFY(Sql::exec(m_db.connection().db(), "INSERT INTO Customer (CUST_NO) VALUES ('C0001')", {}, &err));
    const Run r = admin(m_db.location(), {QStringLiteral("init")});
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(Admin::Messages::alreadyHasTables(m_db.target().display())), qPrintable(r.err));
    const auto n = Sql::scalar(m_db.connection().db(), "SELECT count(*) FROM Customer", {}, &err);
    QCOMPARE(n->toInt(), 1);
    const auto users = Sql::scalar(m_db.connection().db(), "SELECT count(*) FROM market", {}, &err);
    QCOMPARE(users->toInt(), 1);
}

void TestAdmin::initCreatesEverything()
{
    const auto t = initialised();
    QVERIFY(t);
    QString err;
    // The program's own open accepts it as it is.
    auto c = Connection::open(*t, QStringLiteral("after-init"), &err, {});
    QVERIFY2(c, qPrintable(err));
    QCOMPARE(compareSchema(c->db(), c->engine()), QStringList());
    for (const char *tbl : {Table::Orvansys, Table::scale, Table::Que, Table::market}) {
        const auto n = Sql::scalar(c->db(), QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(tbl)), {}, &err);
        QVERIFY2(n, qPrintable(err));
        QCOMPARE(n->toInt(), 1);
    }
}

void TestAdmin::backupCopiesData()
{
    QString err;
    QVERIFY(Sql::exec(m_db.connection().db(), "DELETE FROM Product", {}, &err));
    QVERIFY(Sql::exec(m_db.connection().db(), "INSERT INTO Product (PRO_NO, PRO_NAME) VALUES ('P1', 'ปากกา')", {}, &err));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("copy.backup"));
    const Run r = admin(m_db.location(), {QStringLiteral("backup"), file});
    QCOMPARE(r.code, 0);
    QCOMPARE(lines(r.out), QStringList{Admin::Messages::backupDone(file)});
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    if (m_db.engine() == Engine::Postgres) {
        QCOMPARE(f.read(5), QByteArray("PGDMP"));
    } else {
        auto copy = Connection::open(targetFor(file, AliasTarget::Source::Environment), QStringLiteral("copy"), &err, {});
        QVERIFY2(copy, qPrintable(err));
        const auto name = Sql::scalar(copy->db(), "SELECT PRO_NAME FROM Product WHERE PRO_NO = 'P1'", {}, &err);
        QVERIFY2(name, qPrintable(err));
        QCOMPARE(name->toString(), QStringLiteral("ปากกา"));
    }
    // An existing file is never overwritten.
    const Run again = admin(m_db.location(), {QStringLiteral("backup"), file});
    QCOMPARE(again.code, 1);
}

void TestAdmin::unopenableAliasReported()
{
    QTemporaryDir dir;
    const QString alias = dir.filePath(QStringLiteral("missing/velm30.db"));
    const Run r = admin(alias, {QStringLiteral("check")});
    QCOMPARE(r.code, 2);
    QCOMPARE(lines(r.err), QStringList{Messages::openFailed(alias, Messages::folderMissing(dir.filePath("missing")))});
}

void TestAdmin::demoFillsAnEmptyDatabase()
{
    const auto t = initialised();
    QVERIFY(t);
    const Run r = admin(t->location, {QStringLiteral("demo"), QStringLiteral("--documents"), QStringLiteral("40"),
                                      QStringLiteral("--products"), QStringLiteral("60")});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QString err;
    auto c = Connection::open(*t, QStringLiteral("demo-check"), &err, {});
    QVERIFY2(c, qPrintable(err));
    auto count = [&](const char *sql) {
        const auto n = Sql::scalar(c->db(), QString::fromLatin1(sql), {}, &err);
        return n ? n->toInt() : -1;
    };
    QCOMPARE(count("SELECT (SELECT count(*) FROM Invoice) + (SELECT count(*) FROM Order0)"), 40);
    QCOMPARE(count("SELECT count(*) FROM Product"), 60);
    // Documents quote the register records they point at.
    QCOMPARE(count("SELECT count(*) FROM Invoice h JOIN Customer p ON p.CUST_NO = h.CUST_NO WHERE p.CUST_NAME = h.CUST_NAME"),
             count("SELECT count(*) FROM Invoice"));
    QCOMPARE(count("SELECT count(*) FROM Order0 h JOIN Supply p ON p.CUST_NO = h.CUST_NO WHERE p.CUST_NAME = h.CUST_NAME"),
             count("SELECT count(*) FROM Order0"));
    QCOMPARE(count("SELECT count(*) FROM Invoice h JOIN Sale s ON s.SALE_NO = h.SALE_NO WHERE s.SALE_NAME <> h.SALE_NAME"), 0);
    QCOMPARE(count("SELECT count(*) FROM Invoice1 l LEFT JOIN Product p ON p.PRO_NO = l.PRO_NO"
                   " WHERE p.PRO_NAME IS NULL OR p.PRO_NAME <> l.PRO_NAME OR p.PRO_UNIT <> l.PRO_UNIT"), 0);
    QCOMPARE(count("SELECT count(*) FROM Invoice1 l JOIN Product p ON p.PRO_NO = l.PRO_NO WHERE l.UNIT_PRICE <> p.PRO_SPRICE"), 0);
    QCOMPARE(admin(t->location, {QStringLiteral("check")}).code, 0);
    // A second run would mix with what is there: refused, nothing added.
    const Run again = admin(t->location, {QStringLiteral("demo"), QStringLiteral("--documents"), QStringLiteral("5")});
    QCOMPARE(again.code, 1);
    QCOMPARE(count("SELECT (SELECT count(*) FROM Invoice) + (SELECT count(*) FROM Order0)"), 40);
}

QTEST_GUILESS_MAIN(TestAdmin)
#include "tst_admin.moc"
