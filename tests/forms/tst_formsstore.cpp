#include "common/testdb.h"
#include "common/scriptedprompt.h"

#include "app/appstate.h"
#include "data/schema.h"
#include "data/sql.h"
#include "printing/forms/formsstore.h"
#include "printing/forms/formtexts.h"
#include "printing/forms/printjob.h"
#include "printing/forms/printpipeline.h"

#include <QTest>

using namespace Forms;

Q_DECLARE_METATYPE(Forms::DocumentTables)
Q_DECLARE_METATYPE(Forms::PrintOutcome)

class TestFormsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { VELMORA_START_TESTDB(m_db); }
    void init();
    void loadsDocument_data();
    void loadsDocument();
    void unknownNumberIsNotFound();
    void prepare_data();
    void prepare();
    void pipeline_data();
    void pipeline();
    void hookReadsTheRequest();

private:
    bool exec(const QString &sql, const Data::Sql::Binds &binds = {});
    void setLayout(const QString &line5, const QString &view1);
    void addDocument(const char *header, const char *lines, const char *party, const QString &invNo,
                     const QString &custNo);

    TestDb m_db;
};

bool TestFormsStore::exec(const QString &sql, const Data::Sql::Binds &binds)
{
    QString error;
    const bool ok = Data::Sql::exec(m_db.connection().db(), sql, binds, &error);
    if (!ok)
        qWarning("%s", qPrintable(error));
    return ok;
}

void TestFormsStore::setLayout(const QString &line5, const QString &view1)
{
    QVERIFY(exec(QStringLiteral("update Orvansys set LINE5 = :l5, VIEW1 = :v1, OF_NAME = :name"),
                 {{"l5", line5}, {"v1", view1}, {"name", QStringLiteral("ร้านทดสอบ")}}));
}

// Lines go in with their entry numbers out of order, the way an engine may
// hand them back.
void TestFormsStore::addDocument(const char *header, const char *lines, const char *party,
                                 const QString &invNo, const QString &custNo)
{
    QVERIFY(exec(QStringLiteral("insert into %1 (INV_NO, INV_DATE, CUST_NO, CUST_NAME, CUST_DISC, TAX_RATE) "
                                "values (:no, :date, :cust, :name, 4, 0)").arg(QLatin1String(header)),
                 {{"no", invNo}, {"date", QStringLiteral("15/03/2567")}, {"cust", custNo},
                  {"name", QStringLiteral("ร้านสมใจ")}}));
    const QString line = QStringLiteral("insert into %1 (AUTO, INV_NO, PRO_NO, PRO_NAME, PRO_QTY, UNIT_PRICE, "
                                        "DISCOUNT, PRICE) values (:auto, :no, :code, :name, :qty, :unit, :disc, :price)")
                             .arg(QLatin1String(lines));
    QVERIFY(exec(line, {{"auto", 20}, {"no", invNo}, {"code", "P002"}, {"name", QStringLiteral("ปลั๊กพ่วง")},
                        {"qty", 1.0}, {"unit", 99.5}, {"disc", 0.0}, {"price", 99.5}}));
    QVERIFY(exec(line, {{"auto", 10}, {"no", invNo}, {"code", "P001"}, {"name", QStringLiteral("พัดลมตั้งพื้น")},
                        {"qty", 2.0}, {"unit", 150.0}, {"disc", 10.0}, {"price", 270.0}}));
    QVERIFY(exec(QStringLiteral("insert into %1 (CUST_NO, CUST_NAME, CUST_ADD1, CUST_TEL) values (:no, :name, :add, :tel)")
                     .arg(QLatin1String(party)),
                 {{"no", custNo}, {"name", QStringLiteral("ร้านสมใจ")}, {"add", QStringLiteral("12 ถนนพหลโยธิน")},
                  {"tel", "081-234-5678"}}));
}

void TestFormsStore::init()
{
    QVERIFY2(m_db.reset(), qPrintable(m_db.error()));
    addDocument(Data::Table::Invoice, Data::Table::Invoice1, Data::Table::Customer, QStringLiteral("SALE1000123"),
                QStringLiteral("C0001"));
    addDocument(Data::Table::Tmpord, Data::Table::Tmpord1, Data::Table::Supply, QStringLiteral("TORD5000007"),
                QStringLiteral("V0001"));
    addDocument(Data::Table::Quotation, Data::Table::Quotation1, Data::Table::Customer,
                QStringLiteral("TQUO9000002"), QStringLiteral("C0002"));
    setLayout(QStringLiteral("1"), QStringLiteral("0"));
}

void TestFormsStore::loadsDocument_data()
{
    QTest::addColumn<QString>("invNo");
    QTest::addColumn<DocumentTables>("tables");
    QTest::newRow("sale from Invoice") << "SALE1000123" << DocumentTables::Sales;
    QTest::newRow("purchase order from Tmpord and Supply") << "TORD5000007" << DocumentTables::PurchaseOrder;
    QTest::newRow("quotation from Quotation") << "TQUO9000002" << DocumentTables::Quotation;
}

void TestFormsStore::loadsDocument()
{
    QFETCH(QString, invNo);
    QFETCH(DocumentTables, tables);
    QString error;
    const auto d = FormsStore(m_db.connection().db()).load(invNo, tables, &error);
    QVERIFY2(d, qPrintable(error));
    QCOMPARE(d->header.invNo.trimmed(), invNo);
    QCOMPARE(d->header.custDisc, 4.0);
    QCOMPARE(d->lines.size(), 2);
    QCOMPARE(d->lines.at(0).proNo.trimmed(), QStringLiteral("P001"));
    QCOMPARE(d->lines.at(0).price, 270.0);
    QCOMPARE(d->lines.at(1).proNo.trimmed(), QStringLiteral("P002"));
    QCOMPARE(d->party.add1.trimmed(), QStringLiteral("12 ถนนพหลโยธิน"));
    QCOMPARE(d->settings.name, QStringLiteral("ร้านทดสอบ"));
}

void TestFormsStore::unknownNumberIsNotFound()
{
    QString error = QStringLiteral("x");
    QVERIFY(!FormsStore(m_db.connection().db()).load(QStringLiteral("SALE1999999"), DocumentTables::Sales, &error));
    QVERIFY(error.isEmpty());
}

void TestFormsStore::prepare_data()
{
    QTest::addColumn<QString>("docNo");
    QTest::addColumn<int>("printMode");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("line5");
    QTest::addColumn<QString>("view1");
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("preview");
    QTest::addColumn<QString>("message");

    QTest::newRow("no document shown does nothing") << "" << 1 << 1 << "1" << "0" << "" << false << "";
    QTest::newRow("delivery order previewed on layout 2") << "SALE1000123" << 1 << 1 << "1" << "0" << "TPrnDO8" << true << "";
    QTest::newRow("half page numbered printed straight") << "SALE1000123" << 1 << 2 << "2" << "1" << "TPrnDO4s" << false << "";
    QTest::newRow("unknown layout does nothing") << "SALE1000123" << 1 << 1 << "8" << "0" << "" << false << "";
    QTest::newRow("purchase order ignores view") << "TORD5000007" << 5 << 1 << "1" << "1" << "TPrnORD3" << true << "";
    QTest::newRow("quotation from its own table") << "TQUO9000002" << 6 << 1 << "1" << "1" << "TPrnQUO3" << true << "";
    QTest::newRow("deleted document is reported") << "SALE1999999" << 1 << 1 << "1" << "0" << ""
        << false << Forms::Tx::DocumentNotFound.arg(QStringLiteral("SALE1999999"));
}

void TestFormsStore::prepare()
{
    QFETCH(QString, docNo);
    QFETCH(int, printMode);
    QFETCH(int, kind);
    QFETCH(QString, line5);
    QFETCH(QString, view1);
    QFETCH(QString, form);
    QFETCH(bool, preview);
    QFETCH(QString, message);
    setLayout(line5, view1);
    const Preparation p = prepareForm(m_db.connection().db(), PrintRequest{docNo, printMode, kind});
    QCOMPARE(p.message, message);
    QCOMPARE(p.form.has_value(), !form.isEmpty());
    if (p.form) {
        QCOMPARE(formClassName(p.form->choice.form), form);
        QCOMPARE(p.form->choice.output == Output::Preview, preview);
        QCOMPARE(p.form->content.lines.first().code, QStringLiteral("P001"));
        QCOMPARE(p.form->content.total(TotalRole::Grand)->amount, QStringLiteral("354.72"));
    }
}

void TestFormsStore::pipeline_data()
{
    QTest::addColumn<QString>("docNo");
    QTest::addColumn<QString>("view1");
    QTest::addColumn<bool>("printerWorks");
    QTest::addColumn<PrintOutcome>("outcome");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("preview shows the pages") << "SALE1000123" << "0" << true << PrintOutcome::Previewed << QStringList();
    QTest::newRow("print goes to the printer") << "SALE1000123" << "1" << true << PrintOutcome::Printed << QStringList();
    QTest::newRow("printer failure is reported") << "SALE1000123" << "1" << false << PrintOutcome::Refused
        << QStringList{Forms::Tx::PrintFailed.arg(QStringLiteral("ไม่มีเครื่องพิมพ์"))};
    QTest::newRow("no document shown does nothing") << " " << "0" << true << PrintOutcome::Nothing << QStringList();
}

void TestFormsStore::pipeline()
{
    QFETCH(QString, docNo);
    QFETCH(QString, view1);
    QFETCH(bool, printerWorks);
    QFETCH(PrintOutcome, outcome);
    QFETCH(QStringList, messages);
    setLayout(QStringLiteral("1"), view1);
    ScriptedPrompt prompt;
    int pages = 0;
    QString shownTitle;
    PrintOutputs outputs;
    outputs.preview = [&](const Printing::PageSource &source, const QString &title, QWidget *) {
        Printing::PageCounter counter;
        source.producePages(counter);
        pages = counter.pages;
        shownTitle = title;
    };
    outputs.print = [&](const Printing::PageSource &source, const QString &, QString *error) {
        Printing::PageCounter counter;
        source.producePages(counter);
        pages = counter.pages;
        if (!printerWorks)
            *error = QStringLiteral("ไม่มีเครื่องพิมพ์");
        return printerWorks;
    };
    QCOMPARE(runPrintRequest(PrintRequest{docNo, 1, 1}, nullptr, outputs), outcome);
    QCOMPARE(prompt.messages, messages);
    QCOMPARE(pages, outcome == PrintOutcome::Nothing ? 0 : 1);
    if (outcome == PrintOutcome::Previewed)
        QCOMPARE(shownTitle, QStringLiteral("ใบส่งของ SALE-1-000123"));
}

void TestFormsStore::hookReadsTheRequest()
{
    // With no document in the window the hook prints nothing and says nothing.
    App::AppState state;
    state.currentDocNo.clear();
    state.docPrintMode = 1;
    state.docKind = 1;
    ScriptedPrompt prompt;
    printRequested(state, nullptr);
    QVERIFY(prompt.messages.isEmpty());
}

QTEST_MAIN(TestFormsStore)
#include "tst_formsstore.moc"
