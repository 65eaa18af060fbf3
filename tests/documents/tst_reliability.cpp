#include "common/testdb.h"
#include "fixtures.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <csignal>

using namespace Fixtures;

class TestReliability : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VELMORA_START_TESTDB(m_db); }
    void init() { QVERIFY2(m_db.reset(), qPrintable(m_db.error())); }
    void fourWorkstationsOneHead();
    void killedWhileSaving();

private:
    QString saver() const { return QCoreApplication::applicationDirPath() + "/docsaver"; }
    void checkConsistent()
    {
        const QSqlDatabase db = m_db.connection().db();
        QCOMPARE(count(db, "SELECT count(*) FROM Invoice1 l WHERE NOT EXISTS (SELECT 1 FROM Invoice h WHERE h.INV_NO = l.INV_NO)"), 0);
        QCOMPARE(count(db, "SELECT count(*) FROM Invoice h WHERE (SELECT count(*) FROM Invoice1 l WHERE l.INV_NO = h.INV_NO) <> 3"), 0);
        QCOMPARE(count(db, "SELECT count(*) FROM Invoice WHERE INV_NO LIKE 'TEMP%'"), 0);
        QCOMPARE(count(db, "SELECT count(*) FROM Invoice1 WHERE INV_NO LIKE 'TEMP%'"), 0);
        if (m_db.engine() == Data::Engine::Sqlite) {
            QString error;
            const auto v = Data::Sql::scalar(db, "PRAGMA integrity_check", {}, &error);
            QCOMPARE(v->toString(), QString("ok"));
        }
    }
    TestDb m_db;
};

void TestReliability::fourWorkstationsOneHead()
{
    QList<QProcess *> procs;
    for (int i = 0; i < 4; ++i) {
        auto *p = new QProcess(this);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(saver(), {"250"});
        procs.append(p);
    }
    for (QProcess *p : procs) {
        QVERIFY(p->waitForFinished(120000));
        QCOMPARE(p->exitCode(), 0);
    }
    const QSqlDatabase db = m_db.connection().db();
    QCOMPARE(count(db, "SELECT count(*) FROM Invoice"), 1000);
    QCOMPARE(count(db, "SELECT count(DISTINCT INV_NO) FROM Invoice"), 1000);
    QCOMPARE(count(db, "SELECT count(*) FROM Invoice1"), 3000);
    QString error;
    QCOMPARE(Data::Sql::scalar(db, "SELECT min(INV_NO) FROM Invoice", {}, &error)->toString(), QString("SALE1000001"));
    QCOMPARE(Data::Sql::scalar(db, "SELECT max(INV_NO) FROM Invoice", {}, &error)->toString(), QString("SALE1001000"));
    checkConsistent();
}

void TestReliability::killedWhileSaving()
{
    QRandomGenerator random(20);
    for (int round = 0; round < 20; ++round) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(saver(), {"0"});
        QVERIFY(p.waitForStarted());
        QTest::qWait(80 + int(random.bounded(200)));
        ::kill(pid_t(p.processId()), SIGKILL);
        QVERIFY(p.waitForFinished(10000));
    }
    QVERIFY(count(m_db.connection().db(), "SELECT count(*) FROM Invoice") > 0);
    checkConsistent();
}

QTEST_GUILESS_MAIN(TestReliability)
#include "tst_reliability.moc"
