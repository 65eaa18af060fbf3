#include "common/testdb.h"
#include "data/schema.h"
#include "data/settingsstore.h"
#include "data/sql.h"

#include <QtTest>

using namespace Data;

namespace {

BusinessSettings makeSettings()
{
    BusinessSettings s;
    s.name = QStringLiteral("ร้านสมใจการค้า");
    s.address1 = QStringLiteral("12/3 ถนนสุขุมวิท");
    s.address2 = QStringLiteral("แขวงคลองเตย เขตคลองเตย");
    s.province = QStringLiteral("กรุงเทพมหานคร");
    s.zip = QStringLiteral("10110");
    s.taxId = QStringLiteral("0105551234567");
    s.tel = QStringLiteral("02-123-4567");
    s.fax = QStringLiteral("02-123-4568");
    s.email = QStringLiteral("shop@example.co.th");
    s.bankAccount = QStringLiteral("ธ.กรุงไทย 123-4-56789-0");
    const char *p[9] = {"SA01", "SV02", "PU03", "PV04", "", "HF06", "HV07", "RF08", "RV09"};
    for (int i = 0; i < 9; ++i)
        s.prefix[i] = QString::fromLatin1(p[i]);
    s.line1 = QStringLiteral("1");
    s.line4 = QStringLiteral("1");
    s.line5 = QStringLiteral("6");
    s.view1 = QStringLiteral("1");
    s.comPort = QStringLiteral("2");
    s.printDay = QStringLiteral("1");
    s.prnTop = 12.5;
    s.prnLeft = 30.0;
    s.logo = QByteArray("\x89PNG\r\n\x1a\n\0\x01\x02 fake", 16);
    return s;
}

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VELMORA_START_TESTDB(m_db); }
    void init() { QVERIFY2(m_db.reset(), qPrintable(m_db.error())); }

    void loadsInitialRecord();
    void saveRoundTrip();
    void saveKeepsHiddenFields();
    void saveCreatesMissingRecord();
    void seriesCheck_data();
    void seriesCheck();
    void seriesCheckWithoutQueRecord();

private:
    SettingsStore store() { return SettingsStore(m_db.connection().db()); }
    void exec(const QString &sql, const Sql::Binds &binds = {})
    {
        QString error;
        QVERIFY2(Sql::exec(m_db.connection().db(), sql, binds, &error), qPrintable(error));
    }
    TestDb m_db;
};

void TestSettingsStore::loadsInitialRecord()
{
    QString error;
    const std::optional<BusinessSettings> s = store().load(&error);
    QVERIFY2(s, qPrintable(error));
    for (int series : {1, 2, 3, 4, 6, 7, 8, 9})
        QCOMPARE(s->prefixOf(series).size(), 4);
    QCOMPARE(s->comPort, QStringLiteral("1"));
    QCOMPARE(s->line5, QStringLiteral("0"));
    QVERIFY(s->logo.isEmpty());
}

void TestSettingsStore::saveRoundTrip()
{
    QString error;
    const BusinessSettings in = makeSettings();
    QVERIFY2(store().save(in, &error), qPrintable(error));
    const std::optional<BusinessSettings> out = store().load(&error);
    QVERIFY2(out, qPrintable(error));
    QCOMPARE(out->name, in.name);
    QCOMPARE(out->address1, in.address1);
    QCOMPARE(out->address2, in.address2);
    QCOMPARE(out->province, in.province);
    QCOMPARE(out->zip, in.zip);
    QCOMPARE(out->taxId, in.taxId);
    QCOMPARE(out->tel, in.tel);
    QCOMPARE(out->fax, in.fax);
    QCOMPARE(out->email, in.email);
    QCOMPARE(out->bankAccount, in.bankAccount);
    for (int series : {1, 2, 3, 4, 6, 7, 8, 9})
        QCOMPARE(out->prefixOf(series), in.prefixOf(series));
    QCOMPARE(out->line1, in.line1);
    QCOMPARE(out->line4, in.line4);
    QCOMPARE(out->line5, in.line5);
    QCOMPARE(out->view1, in.view1);
    QCOMPARE(out->comPort, in.comPort);
    QCOMPARE(out->printDay, in.printDay);
    QCOMPARE(out->prnTop, 12.5);
    QCOMPARE(out->prnLeft, 30.0);
    QCOMPARE(out->logo, in.logo);

    QString countError;
    const auto n = Sql::scalar(m_db.connection().db(), QStringLiteral("SELECT COUNT(*) FROM Orvansys"), {}, &countError);
    QVERIFY2(n, qPrintable(countError));
    QCOMPARE(n->toInt(), 1);
}

void TestSettingsStore::saveKeepsHiddenFields()
{
    exec(QStringLiteral("UPDATE Orvansys SET PREFIX5 = :p5, LINE2 = :l2, LINE3 = :l3, HEAD1 = :h1, OF_ADD3 = :a3"),
         {{"p5", "ZZ"}, {"l2", "1"}, {"l3", "1"}, {"h1", QStringLiteral("หัวกระดาษ")}, {"a3", QStringLiteral("ซอย 5")}});
    QString error;
    QVERIFY2(store().save(makeSettings(), &error), qPrintable(error));
    const auto q = Sql::run(m_db.connection().db(),
                            QStringLiteral("SELECT PREFIX5, LINE2, LINE3, HEAD1, OF_ADD3 FROM Orvansys"), {}, &error);
    QVERIFY2(q, qPrintable(error));
    QSqlQuery r = *q;
    QVERIFY(r.next());
    QCOMPARE(r.value(0).toString(), QStringLiteral("ZZ"));
    QCOMPARE(r.value(1).toString(), QStringLiteral("1"));
    QCOMPARE(r.value(2).toString(), QStringLiteral("1"));
    QCOMPARE(r.value(3).toString(), QStringLiteral("หัวกระดาษ"));
    QCOMPARE(r.value(4).toString(), QStringLiteral("ซอย 5"));
}

void TestSettingsStore::saveCreatesMissingRecord()
{
    exec(QStringLiteral("DELETE FROM Orvansys"));
    QString error;
    std::optional<BusinessSettings> empty = store().load(&error);
    QVERIFY2(empty, qPrintable(error));
    QVERIFY(empty->name.isEmpty());
    QVERIFY2(store().save(makeSettings(), &error), qPrintable(error));
    const std::optional<BusinessSettings> out = store().load(&error);
    QVERIFY2(out, qPrintable(error));
    QCOMPARE(out->name, makeSettings().name);
}

void TestSettingsStore::seriesCheck_data()
{
    QTest::addColumn<QStringList>("invoices");
    QTest::addColumn<QString>("prefix1");
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("que");

    QTest::newRow("empty Invoice shows the head") << QStringList() << "SA01" << "SA011" << "SA011100000";
    QTest::newRow("no document of the series shows the head")
        << QStringList{"SV022000003", "PU033000010"} << "SA01" << "SA011" << "SA011100000";
    QTest::newRow("documents of the series give the highest number in Invoice")
        << QStringList{"SA011000001", "SA011000002", "SV022000009", "PU033000004"} << "SA01"
        << "SV022000009" << "SV022000009";
    QTest::newRow("a short prefix typed in the box")
        << QStringList{"SA011000001"} << "SA" << "SA1" << "SA11000000";
}

void TestSettingsStore::seriesCheck()
{
    QFETCH(QStringList, invoices);
    QFETCH(QString, prefix1);
    QFETCH(QString, sample);
    QFETCH(QString, que);

    for (const QString &no : invoices)
        exec(QStringLiteral("INSERT INTO Invoice (INV_NO, INV_TYPE) VALUES (:no, :type)"),
             {{"no", no}, {"type", no.mid(4, 1)}});
    QString error;
    const auto r = store().checkSeries(prefix1, &error);
    QVERIFY2(r, qPrintable(error));
    QCOMPARE(r->sample, sample);
    QCOMPARE(r->queInvN, que);
    const std::optional<QString> stored = store().queInvN(&error);
    QVERIFY2(stored, qPrintable(error));
    QCOMPARE(*stored, que);
    QVERIFY(stored->size() <= 11);
}

void TestSettingsStore::seriesCheckWithoutQueRecord()
{
    exec(QStringLiteral("DELETE FROM Que"));
    QString error;
    const auto r = store().checkSeries(QStringLiteral("SA01"), &error);
    QVERIFY2(r, qPrintable(error));
    QCOMPARE(store().queInvN(&error).value_or(QString()), QStringLiteral("SA011100000"));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
