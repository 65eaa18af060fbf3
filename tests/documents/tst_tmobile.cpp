#include "app/appstate.h"
#include "common/scriptedprompt.h"
#include "common/testdb.h"
#include "documents/messages.h"
#include "documents/tmobile.h"
#include "documents/tpoke.h"
#include "fixtures.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QToolButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace Documents;
using namespace Fixtures;

class TestTmobile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VELMORA_START_TESTDB(m_db); }
    void init()
    {
        QVERIFY2(m_db.reset(), qPrintable(m_db.error()));
        QVERIFY(standardRegisters(m_db.connection().db()));
        m_prompt.clear();
    }
    void opensInMode_data();
    void opensInMode();
    void entersAndSavesASale();
    void enterWalksGridColumns();
    void panelEnterOrder();
    void billDiscountRefusedOnce();
    void printRequest();
    void cashDrawerWindowReportsMissingPort();

private:
    void shot(QWidget &w, const QString &name)
    {
        const QString dir = qEnvironmentVariable("VELMORA_SHOTS");
        if (!dir.isEmpty()) {
            QCoreApplication::processEvents();  // pending layout after shows and hides
            w.grab().save(dir + "/" + name + ".png");
        }
    }
    TestDb m_db;
    ScriptedPrompt m_prompt;
};

void TestTmobile::opensInMode_data()
{
    QTest::addColumn<int>("mode");
    for (int m : documentModes())
        QTest::newRow(qPrintable(QString("mode %1").arg(m))) << m;
}

void TestTmobile::opensInMode()
{
    QFETCH(int, mode);
    QVERIFY(addHeader(m_db.connection().db(), mode <= 2 ? "Invoice" : mode <= 4 ? "Order0" : mode == 5 ? "Tmpord" : "Quotation",
                      (mode == 1 ? "SALE1" : mode == 2 ? "SVAT2" : mode == 3 ? "BUYS3" : mode == 4 ? "BVAT4" : mode == 5 ? "TORD5" : "TQUO9")
                          + QString("000007")));
    App::AppState state;
    state.setUserLevel(1);
    state.docMode = mode;
    Tmobile w(state);
    w.resize(1000, 680);
    w.show();
    QVERIFY(state.docWindowOpen);
    QCOMPARE(w.windowTitle(), modeInfo(mode)->caption);
    QCOMPARE(w.findChild<QLineEdit *>("number")->text().size(), 11);
    QCOMPARE(state.currentDocNo, w.findChild<QLineEdit *>("number")->text());
    const ModeInfo &m = *modeInfo(mode);
    for (int i = 0; i < 3; ++i) {
        auto *b = w.findChild<QPushButton *>(QString("print%1").arg(i + 1));
        QCOMPARE(b->isVisible(), m.print[i].shown);
        if (m.print[i].shown)
            QCOMPARE(b->text(), m.print[i].caption);
    }
    QCOMPARE(w.findChild<QLineEdit *>("billDiscount")->isVisible(), m.billDiscountShown);
    QVERIFY(w.findChild<QLineEdit *>("partyCode")->isReadOnly());
    QVERIFY(!w.findChild<QPushButton *>("delete")->isVisible());
    shot(w, QString("tmobile-mode%1-browse").arg(mode));

    // The "รวม" button acts in sales and purchases only; the word in the bar always.
    auto *payment = w.findChild<QFrame *>("paymentPanel");
    w.findChild<QPushButton *>("payment")->click();
    QCOMPARE(payment->isVisible(), m.paymentButtonActs);
    if (m.paymentButtonActs)
        QCOMPARE(w.findChild<QLabel *>("moneyCaption")->text(), m.moneyCaption);
    w.findChild<QToolButton *>("sumWord")->click();
    QVERIFY(payment->isVisible());
    shot(w, QString("tmobile-mode%1-payment").arg(mode));
    payment->hide();

    w.findChild<QPushButton *>("add")->click();
    w.findChild<QPushButton *>("lineAdd")->click();
    auto *lineCode = w.findChild<QLineEdit *>("lineCode");
    lineCode->setText("P001");
    QTest::keyClick(lineCode, Qt::Key_Return);
    QCOMPARE(w.findChild<QLabel *>("quantityCaption")->text(), m.quantityCaption);
    QCOMPARE(w.findChild<QLabel *>("priceCaption")->text(), m.priceCaption);
    QCOMPARE(w.findChild<QLineEdit *>("price")->text(), QString(m.isSale() || mode == 9 ? "25" : "18"));
    shot(w, QString("tmobile-mode%1-line-panel").arg(mode));
    QVERIFY(m_prompt.messages.isEmpty());
}

void TestTmobile::entersAndSavesASale()
{
    App::AppState state;
    state.setUserLevel(1);
    state.docMode = 2;
    Tmobile w(state);
    w.resize(1000, 680);
    w.show();
    shot(w, "tmobile-mode2-empty");
    w.findChild<QPushButton *>("add")->click();
    auto *code = w.findChild<QLineEdit *>("partyCode");
    QVERIFY(!code->isReadOnly());
    QVERIFY(!w.findChild<QPushButton *>("print1")->isEnabled());
    code->setText("00012");
    QTest::keyClick(code, Qt::Key_Return);
    QCOMPARE(w.findChild<QLineEdit *>("due")->text().size(), 10);
    auto *sales = w.findChild<QComboBox *>("salesperson");
    sales->setCurrentIndex(1);
    Q_EMIT sales->activated(1);  // opens the line panel for a new document
    QVERIFY(w.controller()->panelOpen());
    auto *lineCode = w.findChild<QLineEdit *>("lineCode");
    lineCode->setText("P002");
    QTest::keyClick(lineCode, Qt::Key_Return);
    auto *qty = w.findChild<QLineEdit *>("quantity");
    qty->setText("1");
    QTest::keyClick(qty, Qt::Key_Return);
    w.findChild<QLineEdit *>("discount")->setText("10");
    shot(w, "tmobile-mode2-line-panel");
    w.findChild<QPushButton *>("accept")->click();
    QVERIFY2(m_prompt.messages.isEmpty(), qPrintable(m_prompt.messages.join('|')));
    QCOMPARE(w.findChild<QTableWidget *>("lines")->rowCount(), 1);
    QCOMPARE(w.findChild<QLabel *>("sum")->text(), QString("43.82"));  // 40.95 + 7 %
    shot(w, "tmobile-mode2-entering");
    w.findChild<QPushButton *>("save")->click();
    QCOMPARE(w.controller()->action(), Action::Normal);
    QCOMPARE(w.findChild<QLineEdit *>("number")->text(), QString("SVAT2000001"));
    QVERIFY(w.findChild<QPushButton *>("print1")->isEnabled());
    w.findChild<QPushButton *>("payment")->click();
    auto *money = w.findChild<QLineEdit *>("money");
    money->setText("100");
    QTest::keyClick(money, Qt::Key_Return);
    QCOMPARE(w.findChild<QLabel *>("change")->text(), QString("56.18"));
    shot(w, "tmobile-mode2-saved-payment");
}

void TestTmobile::enterWalksGridColumns()
{
    App::AppState state;
    state.setUserLevel(1);
    state.docMode = 1;
    Tmobile w(state);
    w.show();
    DocumentController &c = *w.controller();
    QVERIFY(c.add());
    QVERIFY(c.beginNewLine());
    c.lineEntry().codeText = "P002";
    QVERIFY(c.lookupProduct());
    c.lineEntry().quantityText = "1";
    QVERIFY(c.acceptLine());
    auto *grid = w.findChild<QTableWidget *>("lines");
    QCOMPARE(grid->rowCount(), 1);
    grid->setFocus();
    grid->setCurrentCell(0, 0);
    QList<int> walked;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(grid, Qt::Key_Return);
        walked << grid->currentColumn();
    }
    QCOMPARE(walked, (QList<int>{1, 2, 3, 4, 5, 0}));
    grid->setCurrentCell(0, 7);
    QTest::keyClick(grid, Qt::Key_Enter);
    QCOMPARE(grid->currentColumn(), 0);
    QCOMPARE(grid->currentRow(), 0);
}

void TestTmobile::panelEnterOrder()
{
    App::AppState state;
    state.setUserLevel(1);
    state.docMode = 1;
    Tmobile w(state);
    w.resize(1000, 680);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.findChild<QPushButton *>("add")->click();
    w.findChild<QPushButton *>("lineAdd")->click();
    auto focused = [] { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); };
    auto *lineCode = w.findChild<QLineEdit *>("lineCode");
    auto *quantity = w.findChild<QLineEdit *>("quantity");
    QCOMPARE(focused(), QString("lineCode"));
    QCOMPARE(quantity->text(), QString("1"));  // entering the code box
    QTest::keyClicks(lineCode, "P001");
    QStringList walked;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        walked << focused();
    }
    QCOMPARE(walked, (QStringList{"attrib", "attrib2", "quantity", "price", "discount"}));
    QCOMPARE(w.findChild<QLineEdit *>("price")->text(), QString("25"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(focused(), QString("accept"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!w.controller()->panelOpen());
    QCOMPARE(w.findChild<QLabel *>("sum")->text(), QString("25.00"));

    // A free-text line after a product looked up in the same panel.
    w.findChild<QPushButton *>("lineAdd")->click();
    QTest::keyClicks(lineCode, "P002");
    QTest::keyClick(lineCode, Qt::Key_Return);
    lineCode->setFocus();
    lineCode->clear();
    QTest::keyClick(lineCode, Qt::Key_Return);
    auto *freeName = w.findChild<QLineEdit *>("freeName");
    QCOMPARE(focused(), QString("freeName"));
    QVERIFY(freeName->text().isEmpty());
    QVERIFY(!w.findChild<QLineEdit *>("onHand")->isVisible());
    freeName->setText("ค่าส่ง");
    QTest::keyClick(freeName, Qt::Key_Return);
    QCOMPARE(quantity->text(), QString("1"));
    w.findChild<QPushButton *>("accept")->click();
    QVERIFY2(m_prompt.messages.isEmpty(), qPrintable(m_prompt.messages.join('|')));
    QCOMPARE(w.controller()->document().line(1).proName, QString("ค่าส่ง"));
    QCOMPARE(w.controller()->document().line(1).cutStock, QString("1"));  // the list stood on P002
}

void TestTmobile::billDiscountRefusedOnce()
{
    App::AppState state;
    state.setUserLevel(1);
    state.docMode = 1;
    Tmobile w(state);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.findChild<QPushButton *>("add")->click();
    auto *code = w.findChild<QLineEdit *>("partyCode");
    code->setText("00012");
    QTest::keyClick(code, Qt::Key_Return);
    w.controller()->setSalesperson("001");
    auto *discount = w.findChild<QLineEdit *>("billDiscount");
    discount->setFocus();
    discount->setText("4o");
    auto *save = w.findChild<QPushButton *>("save");
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(m_prompt.messages, QStringList{Messages::billDiscountUnreadable()});
    QCOMPARE(w.controller()->action(), Action::Add);
}

void TestTmobile::printRequest()
{
    QVERIFY(addHeader(m_db.connection().db(), "Quotation", "TQUO9000003"));
    App::AppState state;
    state.setUserLevel(4);
    state.docMode = 9;
    Tmobile w(state);
    int seenMode = 0, seenKind = -1;
    QString seenNo;
    w.setPrintHook([&](App::AppState &s, QWidget *) {
        seenMode = s.docPrintMode;
        seenKind = s.docKind;
        seenNo = s.currentDocNo;
    });
    w.show();
    QVERIFY(!w.findChild<QPushButton *>("edit")->isVisible());
    w.findChild<QPushButton *>("print1")->click();
    QCOMPARE(seenMode, 6);
    QCOMPARE(seenKind, 1);
    QCOMPARE(seenNo, QString("TQUO9000003"));
    QCOMPARE(state.docPrintMode, 9);
}

void TestTmobile::cashDrawerWindowReportsMissingPort()
{
    qputenv("HOME", QByteArray("/nonexistent-home"));
    App::AppState state;
    QVERIFY(Fixtures::exec(m_db.connection().db(), "UPDATE Orvansys SET COM_PORT = '2'"));
    TPoke poke(state);
    QCOMPARE(poke.windowTitle(), QString("Orvanta_CashDrawer"));
    QCOMPARE(poke.device(), QString("/dev/ttyS1"));
    poke.show();
    shot(poke, "tpoke");
    if (!poke.portOpen()) {
        QCOMPARE(m_prompt.messages.size(), 1);
        QVERIFY(m_prompt.messages.first().startsWith("เปิดพอร์ต COM2"));
        poke.openDrawer();
        QCOMPARE(poke.bytesSent(), 0);
    }
}

QTEST_MAIN(TestTmobile)
#include "tst_tmobile.moc"
