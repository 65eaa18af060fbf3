#include "common/scriptedprompt.h"
#include "common/testdb.h"
#include "app/appstate.h"
#include "data/sql.h"
#include "printing/pagesink.h"
#include "registers/messages.h"
#include "registers/registerstore.h"
#include "registers/tfscale.h"
#include "registers/tref_cust.h"
#include "registers/tref_part.h"
#include "registers/tref_supply.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace Registers;

namespace {

QLineEdit *box(QWidget *w, const char *field)
{
    return w->findChild<QLineEdit *>(QString::fromLatin1(field));
}

void enter(QWidget *w)
{
    QTest::keyClick(w, Qt::Key_Return);
}

struct Shown
{
    QString title;
    QList<Printing::Page> pages;
};

} // namespace

class TestRegisterWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        VELMORA_START_TESTDB(m_db);
        RegisterWindow::setPageShower([this](const Printing::PageSource &source, const QString &title, QWidget *) {
            Printing::PageCollector c;
            source.producePages(c);
            m_shown.append({title, c.pages});
        });
    }
    void init()
    {
        QVERIFY2(m_db.reset(), qPrintable(m_db.error()));
        m_shown.clear();
    }

    void customerCreditCheck_data();
    void customerCreditCheck();
    void duplicateSeenInSameWindow();
    void newProductBlankLevels();
    void levelCopyOnlyWhileAdding();
    void onHandShown();
    void labelsFromThisWindow();
    void ean13Refusals_data();
    void ean13Refusals();
    void customerSearch();
    void supplierSearchFollowsTyping();
    void envelopeOfCurrentCustomer();
    void priceLevelsIncomplete();

private:
    QSqlDatabase db() { return m_db.connection().db(); }
    App::AppState m_state;
    TestDb m_db;
    QList<Shown> m_shown;
};

void TestRegisterWindows::customerCreditCheck_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("credit");
    QTest::addColumn<QString>("message");
    QTest::newRow("cash accepted") << "A0001" << QStringLiteral("สด") << QString();
    QTest::newRow("listed term accepted") << "A0001" << QStringLiteral("30 ว.") << QString();
    QTest::newRow("empty credit refused") << "A0001" << QString() << Messages::creditTermInvalid();
    QTest::newRow("full words refused") << "A0001" << QStringLiteral("30 วัน") << Messages::creditTermInvalid();
    QTest::newRow("empty code refused first") << "" << QString() << Messages::noCustomerCode();
}

void TestRegisterWindows::customerCreditCheck()
{
    QFETCH(QString, code);
    QFETCH(QString, credit);
    QFETCH(QString, message);
    ScriptedPrompt prompt;
    TRef_Cust w(m_state);
    w.show();
    w.addRecord();
    QCOMPARE(w.mode(), RegisterWindow::Mode::Inserting);
    box(&w, "CUST_NO")->setText(code);
    box(&w, "CUST_NAME")->setText(QStringLiteral("สมชาย"));
    w.findChild<QComboBox *>("CUST_CRE")->setEditText(credit);
    w.saveRecord();
    if (message.isEmpty()) {
        QVERIFY2(prompt.messages.isEmpty(), qPrintable(prompt.messages.join('|')));
        QCOMPARE(w.mode(), RegisterWindow::Mode::Browse);
        QCOMPARE(w.currentRecord()->text("CUST_CRE"), credit);
    } else {
        QCOMPARE(prompt.messages, QStringList{message});
        QCOMPARE(w.mode(), RegisterWindow::Mode::Inserting);
        QVERIFY(!RegisterStore(db(), customerTable()).first().record);
    }
}

void TestRegisterWindows::duplicateSeenInSameWindow()
{
    ScriptedPrompt prompt;
    TRef_Cust w(m_state);
    w.show();
    w.addRecord();
    box(&w, "CUST_NO")->setText("A0001");
    w.findChild<QComboBox *>("CUST_CRE")->setEditText(QStringLiteral("สด"));
    w.saveRecord();
    QCOMPARE(w.mode(), RegisterWindow::Mode::Browse);

    w.addRecord();
    box(&w, "CUST_NO")->setText("A0001");
    enter(box(&w, "CUST_NO"));
    QCOMPARE(prompt.messages, QStringList{Messages::duplicateCode()});
    // Saving without Enter is refused the same way.
    w.findChild<QComboBox *>("CUST_CRE")->setEditText(QStringLiteral("สด"));
    w.saveRecord();
    QCOMPARE(prompt.messages.size(), 2);
    QCOMPARE(prompt.messages.last(), Messages::duplicateCode());
    QCOMPARE(w.mode(), RegisterWindow::Mode::Inserting);

    box(&w, "CUST_NO")->setText("A0002");
    enter(box(&w, "CUST_NO"));
    QCOMPARE(prompt.messages.size(), 2);
}

void TestRegisterWindows::newProductBlankLevels()
{
    ScriptedPrompt prompt;
    TRef_Part w(m_state);
    w.show();
    QCOMPARE(w.onHandText(), QStringLiteral("0"));
    w.addRecord();
    QCOMPARE(box(&w, "TAX_RATE")->text(), QStringLiteral("7"));
    QCOMPARE(box(&w, "CUT_STOCK")->text(), QStringLiteral("1"));
    QCOMPARE(box(&w, "PRO_NO")->maxLength(), 13);
    box(&w, "PRO_NO")->setText("P001");
    box(&w, "PRO_SPRICE")->setText("120");   // no Enter: levels 2-5 stay blank on screen
    box(&w, "PRO_SP3")->setText("110");
    w.saveRecord();
    QVERIFY2(prompt.messages.isEmpty(), qPrintable(prompt.messages.join('|')));
    const Record r = *RegisterStore(db(), productTable()).byCode("P001").record;
    QCOMPARE(r.number("PRO_SP2"), 120.0);
    QCOMPARE(r.number("PRO_SP3"), 110.0);
    QCOMPARE(r.number("PRO_SP5"), 120.0);
    QCOMPARE(r.number("PRO_TOTAL"), 0.0);
}

void TestRegisterWindows::levelCopyOnlyWhileAdding()
{
    ScriptedPrompt prompt;
    TRef_Part w(m_state);
    w.show();
    w.addRecord();
    box(&w, "PRO_NO")->setText("P001");
    box(&w, "PRO_SPRICE")->setText("120");
    enter(box(&w, "PRO_SPRICE"));
    QCOMPARE(box(&w, "PRO_SP4")->text(), QStringLiteral("120"));
    w.saveRecord();
    w.editRecord();
    box(&w, "PRO_SPRICE")->setText("150");
    enter(box(&w, "PRO_SPRICE"));
    QCOMPARE(box(&w, "PRO_SP2")->text(), QStringLiteral("120"));
    w.saveRecord();
    const Record r = *RegisterStore(db(), productTable()).byCode("P001").record;
    QCOMPARE(r.number("PRO_SPRICE"), 150.0);
    QCOMPARE(r.number("PRO_SP2"), 120.0);
}

void TestRegisterWindows::onHandShown()
{
    RegisterStore products(db(), productTable());
    Record p = newProduct();
    p.set("PRO_NO", "P1");
    p.setNumber("PRO_TOTAL", 10.0);
    p.set("PRO_UNIT", QStringLiteral("ชิ้น"));
    QVERIFY(products.insert(p).ok);
    QString error;
    QVERIFY(Data::Sql::exec(db(), "INSERT INTO Order1 (INV_NO, PRO_NO, PRO_QTY, STK_POST) VALUES ('X1', 'P1', 5, 2)", {}, &error));
    QVERIFY(Data::Sql::exec(db(), "INSERT INTO Invoice1 (INV_NO, PRO_NO, PRO_QTY, STK_POST) VALUES ('X2', 'P1', 3, 1)", {}, &error));
    QVERIFY(Data::Sql::exec(db(), "INSERT INTO Finance1 (INV_NO, FIN_PNO, FIN_PQTY, STK_POST) VALUES ('X3', 'P1', 1, 5)", {}, &error));
    QVERIFY(Data::Sql::exec(db(), "DELETE FROM scale", {}, &error));
    QVERIFY(Data::Sql::exec(db(), "INSERT INTO scale (SCALE1, SCALE2, SCALE3, SCALE4, SCALE5) VALUES (1, 6, 12, 24, 48)", {}, &error));
    TRef_Part w(m_state);
    w.show();
    QCOMPARE(w.onHandText(), QStringLiteral("11"));
    QCOMPARE(w.thresholdCaptionText(1), QStringLiteral("x 1"));
    QCOMPARE(w.thresholdCaptionText(5), QStringLiteral("x 48"));
}

void TestRegisterWindows::labelsFromThisWindow()
{
    ScriptedPrompt prompt;
    TRef_Part first(m_state);
    first.show();
    first.addRecord();
    box(&first, "PRO_NO")->setText("NEW-1");
    box(&first, "PRO_NAME")->setText(QStringLiteral("สินค้าใหม่"));
    TRef_Part second(m_state);   // opened later: must not lend its boxes
    second.show();
    first.findChild<QPushButton *>("code39Button")->click();
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown[0].title, QStringLiteral(" พิมพ์ Barcode"));
    const Printing::Page &page = m_shown[0].pages.at(0);
    QCOMPARE(page.count<Printing::BarcodeItem>(), 30);
    QCOMPARE(page.textsWith("NEW-1").size(), 30);
    QVERIFY(page.hasText(QStringLiteral("สินค้าใหม่")));
}

void TestRegisterWindows::ean13Refusals_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("printed");
    QTest::newRow("12 characters refused") << "885099932001" << false;
    QTest::newRow("13 with a wrong check digit refused") << "8850999320015" << false;
    QTest::newRow("13 digits with the right check digit printed") << "8850999320014" << true;
}

void TestRegisterWindows::ean13Refusals()
{
    QFETCH(QString, code);
    QFETCH(bool, printed);
    ScriptedPrompt prompt;
    TRef_Part w(m_state);
    w.show();
    w.addRecord();
    box(&w, "PRO_NO")->setText(code);
    w.findChild<QPushButton *>("ean13Button")->click();
    QCOMPARE(m_shown.size(), printed ? 1 : 0);
    if (printed) {
        QCOMPARE(m_shown[0].title, QStringLiteral(" พิมพ์ Barcode EAN 13"));
        QCOMPARE(m_shown[0].pages.at(0).count<Printing::BarcodeItem>(), 30);
    } else {
        QCOMPARE(prompt.messages.size(), 1);
        QVERIFY(prompt.messages[0].startsWith(Messages::ean13Only13()));
    }
}

void TestRegisterWindows::customerSearch()
{
    RegisterStore store(db(), customerTable());
    for (const auto &[code, name] : QList<QPair<QString, QString>>{{"A0001", QStringLiteral("สมชาย")},
                                                                   {"B0001", QStringLiteral("มานี")},
                                                                   {"C0001", QStringLiteral("ปิติ")}}) {
        Record r;
        r.set("CUST_NO", code);
        r.set("CUST_NAME", name);
        r.set("CUST_CRE", QStringLiteral("สด"));
        QVERIFY(store.insert(r).ok);
    }
    ScriptedPrompt prompt;
    TRef_Cust w(m_state);
    w.show();
    QCOMPARE(w.currentRecord()->text("CUST_NO"), QStringLiteral("C0001"));
    w.findChild<QPushButton *>("searchButton")->click();
    QLineEdit *search = w.findChild<QLineEdit *>("searchBox");
    search->setText(QStringLiteral("สม"));
    QCOMPARE(w.currentRecord()->text("CUST_NO"), QStringLiteral("C0001"));   // not while typing
    enter(search);
    QCOMPARE(w.currentRecord()->text("CUST_NO"), QStringLiteral("A0001"));
    search->setText(QStringLiteral("ไม่มี"));
    enter(search);
    QCOMPARE(w.currentRecord()->text("CUST_NO"), QStringLiteral("A0001"));
    // The focus is on "กลับ" now; the next Enter presses it.
    auto *back = qobject_cast<QPushButton *>(w.focusWidget());
    QVERIFY(back);
    QCOMPARE(back->text(), QStringLiteral("กลับ"));
    enter(back);
    QVERIFY(!search->isVisible());
    QCOMPARE(w.currentRecord()->text("CUST_NO"), QStringLiteral("A0001"));
}

void TestRegisterWindows::supplierSearchFollowsTyping()
{
    RegisterStore store(db(), supplierTable());
    for (const auto &[code, name] : QList<QPair<QString, QString>>{{"S1", QStringLiteral("ขนม")},
                                                                   {"S2", QStringLiteral("กาแฟ")},
                                                                   {"S3", QStringLiteral("ข้าว")}}) {
        Record r;
        r.set("CUST_NO", code);
        r.set("CUST_NAME", name);
        QVERIFY(store.insert(r).ok);
    }
    TRef_Supply w(m_state);
    w.show();
    w.findChild<QPushButton *>("searchButton")->click();
    QLineEdit *search = w.findChild<QLineEdit *>("searchBox");
    QTest::sendKeyEvent(QTest::Click, search, Qt::Key_unknown, QStringLiteral("ข"), Qt::NoModifier);
    QCOMPARE(w.currentRecord()->text("CUST_NO"), QStringLiteral("S1"));
    QTest::sendKeyEvent(QTest::Click, search, Qt::Key_unknown, QStringLiteral("ฮ"), Qt::NoModifier);
    QCOMPARE(w.currentRecord()->text("CUST_NO"), QStringLiteral("S3"));   // after every name: the last
    enter(search);
    QVERIFY(!search->isVisible());
    QCOMPARE(w.currentRecord()->text("CUST_NO"), QStringLiteral("S3"));
}

void TestRegisterWindows::envelopeOfCurrentCustomer()
{
    QString error;
    QVERIFY(Data::Sql::exec(db(), "UPDATE Orvansys SET OF_NAME = :n, OF_ADD1 = :a1, OF_ADD2 = '', OF_ADD4 = :a4, OF_ZIP = '30000'",
                            {{"n", QStringLiteral(" ร้านเวลโมรา ")}, {"a1", QStringLiteral("12 ถ.มิตรภาพ")},
                             {"a4", QStringLiteral("นครราชสีมา")}},
                            &error));
    Record r;
    r.set("CUST_NO", "A0001");
    r.set("CUST_NAME", QStringLiteral("สมชาย"));
    r.set("CUST_ADD4", QStringLiteral("ขอนแก่น"));
    r.set("CUST_ZIP", "40000");
    QVERIFY(RegisterStore(db(), customerTable()).insert(r).ok);
    ScriptedPrompt prompt;
    TRef_Cust w(m_state);
    w.show();
    w.findChild<QPushButton *>("envelopeButton")->click();
    QCOMPARE(m_shown.size(), 1);
    const Printing::Page &page = m_shown[0].pages.at(0);
    QVERIFY(page.hasText(QStringLiteral("ร้านเวลโมรา")));
    QVERIFY(page.hasText(QStringLiteral("12 ถ.มิตรภาพ นครราชสีมา 30000")));
    QVERIFY(page.hasText(QStringLiteral("ขอนแก่น 40000")));
}

void TestRegisterWindows::priceLevelsIncomplete()
{
    QString error;
    QVERIFY(Data::Sql::exec(db(), "DELETE FROM scale", {}, &error));
    ScriptedPrompt prompt;
    Tfscale w(m_state);
    w.show();
    w.editLevels();
    for (int level = 1; level <= 5; ++level)
        w.levelBox(level)->setText(level == 4 ? QString() : QString::number(level * 6));
    w.saveLevels();
    QCOMPARE(prompt.messages, QStringList{Messages::priceLevelsIncomplete()});
    QVERIFY(w.isEditing());
    w.levelBox(4)->setText("24");
    w.saveLevels();
    QVERIFY(!w.isEditing());
    QCOMPARE(Data::Sql::scalar(db(), "SELECT SCALE4 FROM scale", {}, &error)->toDouble(), 24.0);
    w.editLevels();
    w.levelBox(2)->setText("99");
    w.cancelEditing();
    QCOMPARE(w.levelBox(2)->text(), QStringLiteral("12"));
}

QTEST_MAIN(TestRegisterWindows)
#include "tst_registerwindows.moc"
