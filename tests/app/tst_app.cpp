#include "app/appstate.h"
#include "app/menustate.h"
#include "app/taboutme.h"
#include "app/tmain.h"
#include "app/windowcatalog.h"
#include "common/scriptedprompt.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace App;

namespace {

// Stands in for a document window: keeps the open flag as the real one does.
class FakeDocWindow : public QWidget
{
public:
    FakeDocWindow(AppState &s, bool hp) : m_state(s), m_hp(hp), mode(s.docMode)
    {
        (m_hp ? m_state.hpWindowOpen : m_state.docWindowOpen) = true;
    }
    ~FakeDocWindow() override { (m_hp ? m_state.hpWindowOpen : m_state.docWindowOpen) = false; }
    AppState &m_state;
    bool m_hp;
    int mode;
};

struct Harness
{
    ScriptedPrompt prompt;
    AppState state;
    WindowCatalog catalog;
    std::unique_ptr<TMAIN> main;
    QStringList opened;

    Harness()
    {
        catalog.add("Tmobile", [](AppState &s) { return new FakeDocWindow(s, false); });
        catalog.add("Tfinance", [](AppState &s) { return new FakeDocWindow(s, true); });
        catalog.add("TRef_Cust", [](AppState &) { return new QWidget; });
        main = std::make_unique<TMAIN>(state, catalog);
        main->setShellOpener([this](const QString &p) { opened.append(p); });
        main->setPageFolder("/opt/velmora");
    }
    QAction *action(const QString &name) { return main->findChild<QAction *>(name); }
    void trigger(const QString &name)
    {
        QAction *a = action(name);
        QVERIFY2(a, qPrintable(name));
        a->trigger();
    }
    QList<QMdiSubWindow *> windows() const { return main->mdiArea()->subWindowList(); }
};

bool reachable(QAction *a)
{
    // An item works only if it and every menu above it are enabled.
    if (!a->isEnabled())
        return false;
    for (QObject *p = a->parent(); p; p = p->parent())
        if (auto *m = qobject_cast<QMenu *>(p); m && !m->menuAction()->isEnabled())
            return false;
    return true;
}

} // namespace

class TestApp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void menuTable_data();
    void menuTable();
    void unchangedItemsKeepState();
    void menuCaptions_data();
    void menuCaptions();
    void mainWindowLooks();
    void guardedRestoreKeepsMode();
    void guardedRefuse_data();
    void guardedRefuse();
    void registerTwiceGivesTwoWindows();
    void ownExitClosesFrame();
    void unbuiltWindowDoesNothing();
    void codesSetBeforeOpening();
    void shellPages_data();
    void shellPages();
    void reminderOnce_data();
    void reminderOnce();
    void aboutWithoutText();
};

void TestApp::menuTable_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("on");  // items reachable at that level
    QTest::newRow("logged out") << 0 << "login exit mabout N63 N19 LAN1 N1 N16 ORVANTA1";
    QTest::newRow("level 1") << 1 << "login exit mabout N63 maccount N14 N18 pbill rbill gg1 N61 order mquotation mCash N57 N59 N48 N72 N53 N65 N44 N27 N28 N21 scale N31 N29 N32 N33 N34 N24 N67 N66 N25 N35 N39 N9 N10 N41 N56 N74 N75 N20 N23 N5";
    QTest::newRow("level 2") << 2 << "login exit mabout N63 maccount N14 N18 pbill rbill gg1 N61 order mquotation N57 N59 N48 N72 N53 N65 N44 N27 N28 N21 scale N31 N29 N32 N33 N34 N24 N67 N66 N25 N35 N39 N9 N10 N41 N56 N74 N75 N20 N23 N5";
    QTest::newRow("level 3") << 3 << "login exit mabout N63 maccount N14 N18 pbill rbill gg1 N61 order mquotation N57 N59 N48 N72 N53 N65 N44 N27 N28 N21 scale N31";
    QTest::newRow("level 4") << 4 << "login exit mabout N63 maccount N14 N18 gg1 N61 order mquotation mCash N48 N72 N53 N65 N44 N27 N28 N21 scale N31";
    QTest::newRow("level 5") << 5 << "login exit mabout N63 maccount N14 N18 mCash N57 N59 N53 N65";
}

void TestApp::menuTable()
{
    QFETCH(int, level);
    QFETCH(QString, on);
    Harness h;
    // Walk through a full login first so "unchanged" items have a history.
    h.state.setUserLevel(1);
    h.state.setUserLevel(level);
    const QStringList expected = on.split(' ', Qt::SkipEmptyParts);
    const QStringList commands = {"login", "exit", "N63", "gg1", "N61", "order", "mquotation", "mCash",
                                  "N14", "N18", "pbill", "rbill", "N57", "N59", "N48", "N72", "N53", "N65",
                                  "N44", "N27", "N28", "N21", "scale", "N31", "N29", "N32", "N33", "N34",
                                  "N24", "N67", "N66", "N25", "N35", "N39", "N9", "N10", "N41", "N56",
                                  "N74", "N75", "N20", "N23", "N5", "N19", "LAN1", "N1", "N16", "ORVANTA1", "Serv"};
    const QStringList alwaysOn = {"Serv", "login", "exit", "N63", "N19", "LAN1", "N1", "N16", "ORVANTA1"};
    for (const QString &c : commands) {
        QAction *a = h.action(c);
        QVERIFY2(a, qPrintable(c));
        const bool want = expected.contains(c) || alwaysOn.contains(c);
        QVERIFY2(reachable(a) == want, qPrintable(QString("%1 should be %2").arg(c, want ? "on" : "off")));
    }
    QVERIFY(h.action("N60")->isEnabled());
}

void TestApp::unchangedItemsKeepState()
{
    Harness h;
    h.state.setUserLevel(4);  // hire-purchase sale off at level 4
    QVERIFY(!h.action("msale_finance")->isEnabled());
    h.state.setUserLevel(0);  // logged out: left as it was, under a disabled menu
    QVERIFY(!h.action("msale_finance")->isEnabled());
    QVERIFY(!h.action("mfinance")->isEnabled());
    h.state.setUserLevel(5);
    QVERIFY(h.action("msale_finance")->isEnabled());
    QVERIFY(!h.action("mpay")->isEnabled());
    h.state.setUserLevel(0);
    QVERIFY(h.action("msale_finance")->isEnabled());
    QVERIFY(!h.action("mpay")->isEnabled());
}

void TestApp::menuCaptions_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::newRow("main items") << "N60" << "รายการหลัก";
    QTest::newRow("purchases") << "instock" << "ซื้อ / รับสินค้าเข้า STOCK";
    QTest::newRow("exit") << "exit" << "เ&ลิกการทำงาน ( EXIT )";
    QTest::newRow("billing note, trailing space") << "pbill" << "ใบวางบิล ";
    QTest::newRow("supplier register, as written") << "N27" << "ทะบียนผู้ขาย";
    QTest::newRow("settings, two spaces") << "N31" << "ระบบ /  สถานประกอบการ";
    QTest::newRow("installment history") << "N53" << "ประวัติการผ่อนชำระ ( โดยชื่อลูกค้า )";
    QTest::newRow("cost analysis") << "N56" << "วิเคราะห์ราคาทุน - ราคาขาย ";
    QTest::newRow("stock analysis") << "Stock2" << "วิเคราะห์สินค้า ( สำหรับสินค้าที่ตัด Stock )";
    QTest::newRow("other products") << "N16" << "ผลิตภัณฑ์ อื่น ๆ";
    QTest::newRow("income") << "N5" << "รายรับ - รายจ่าย";
    QTest::newRow("help") << "mabout" << "Help";
}

void TestApp::menuCaptions()
{
    QFETCH(QString, item);
    QFETCH(QString, caption);
    Harness h;
    QAction *a = h.action(item);
    QVERIFY(a);
    QCOMPARE(a->text(), caption);
}

void TestApp::mainWindowLooks()
{
    Harness h;
    QVERIFY(h.main->windowTitle().startsWith(" Orvanta  Velmora 3.0   < โปรแกรมขาย เงินสด - เงินผ่อน >"));
    QVERIFY(!(h.main->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(h.main->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(h.main->mdiArea()->background().color(), QColor(Qt::black));
    const QList<QAction *> bar = h.main->menuBar()->actions();
    QCOMPARE(bar.first()->objectName(), QString("Serv"));
    QVERIFY(bar.first()->text().isEmpty());
    QCOMPARE(bar.at(1)->objectName(), QString("login"));
    QCOMPARE(bar.last()->objectName(), QString("mabout"));
}

void TestApp::guardedRestoreKeepsMode()
{
    Harness h;
    h.state.setUserLevel(1);
    h.trigger("gg1");  // purchase, mode 3
    QCOMPARE(h.windows().size(), 1);
    QCOMPARE(h.state.docMode, 3);
    QMdiSubWindow *sub = h.windows().first();
    sub->showMinimized();
    h.trigger("N18");  // sale under VAT while the purchase window is open
    QCOMPARE(h.windows().size(), 1);
    QCOMPARE(h.state.docMode, 3);
    QVERIFY(!sub->isMinimized());
    QCOMPARE(static_cast<FakeDocWindow *>(sub->widget())->mode, 3);
    QVERIFY(h.prompt.messages.isEmpty());

    h.trigger("N57");  // hire purchase has its own guard
    QCOMPARE(h.windows().size(), 2);
    QCOMPARE(h.state.docMode, 6);
    h.trigger("N59");
    QCOMPARE(h.windows().size(), 2);
}

void TestApp::guardedRefuse_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("mode");
    QTest::newRow("purchase order") << "order" << 5;
    QTest::newRow("quotation") << "mquotation" << 9;
}

void TestApp::guardedRefuse()
{
    QFETCH(QString, item);
    QFETCH(int, mode);
    Harness h;
    h.state.setUserLevel(1);
    h.trigger(item);
    QCOMPARE(h.state.docMode, mode);
    QCOMPARE(h.windows().size(), 1);
    h.trigger("N14");
    h.trigger(item);
    QCOMPARE(h.windows().size(), 1);
    QCOMPARE(h.prompt.messages, QStringList{"มีข้อมูลรายการขายเปิดอยู่ กรุณาปิดก่อนทำรายการอื่น"});
    QCOMPARE(h.state.docMode, mode);

    // Once the window is closed the command opens it again.
    h.windows().first()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!h.state.docWindowOpen);
    h.trigger("N14");
    QCOMPARE(h.windows().size(), 1);
    QCOMPARE(h.state.docMode, 1);
}

void TestApp::registerTwiceGivesTwoWindows()
{
    Harness h;
    h.state.setUserLevel(1);
    h.trigger("N44");
    h.trigger("N44");
    QCOMPARE(h.windows().size(), 2);
}

void TestApp::ownExitClosesFrame()
{
    Harness h;
    h.main->show();
    h.trigger("N1");
    QCOMPARE(h.windows().size(), 1);
    QPushButton *close = h.windows().first()->widget()->findChild<QPushButton *>();
    QVERIFY(close);
    close->click();
    QTRY_VERIFY(h.windows().isEmpty());
}

void TestApp::unbuiltWindowDoesNothing()
{
    Harness h;
    h.state.setUserLevel(1);
    h.trigger("N34");
    h.trigger("N20");
    QVERIFY(h.windows().isEmpty());
    QVERIFY(h.prompt.messages.isEmpty());
}

void TestApp::codesSetBeforeOpening()
{
    Harness h;
    h.state.setUserLevel(1);
    h.trigger("N48");
    QCOMPARE(h.state.payMode, QString("6"));
    h.trigger("N72");
    QCOMPARE(h.state.payMode, QString("7"));
    h.trigger("N29");
    QCOMPARE(h.state.bookSelector, QString("0"));
    h.trigger("N33");
    QCOMPARE(h.state.bookSelector, QString("1"));
}

void TestApp::shellPages_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("file");
    QTest::newRow("picture item") << "Serv" << "/opt/velmora/Product/product.html";
    QTest::newRow("how to use") << "N19" << "/opt/velmora/HB_velmora30.html";
    QTest::newRow("LAN") << "LAN1" << "/opt/velmora/HB_Lan.html";
    QTest::newRow("other products") << "N16" << "/opt/velmora/Product/product.html";
}

void TestApp::shellPages()
{
    QFETCH(QString, item);
    QFETCH(QString, file);
    Harness h;  // logged out: these work before login
    h.trigger(item);
    QCOMPARE(h.opened, QStringList{file});
}

void TestApp::reminderOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("close box") << "close";
    QTest::newRow("exit command") << "exit";
    QTest::newRow("exit then close again") << "exit+close";
}

void TestApp::reminderOnce()
{
    QFETCH(QString, how);
    Harness h;
    h.main->show();
    if (how.startsWith("exit"))
        h.trigger("exit");
    else
        QVERIFY(h.main->close());
    if (how.endsWith("+close"))
        h.main->close();
    QCOMPARE(h.prompt.messages, QStringList{"อย่าลืมสำรองข้อมูล ...\n\nอ่านวิธีสำรองข้อมูลได้ที่ Help"});
    QVERIFY(!h.main->isVisible());
}

void TestApp::aboutWithoutText()
{
    ScriptedPrompt prompt;
    QTemporaryDir dir;
    TAboutMe about(dir.filePath("missing.txt"));
    QCOMPARE(prompt.messages.size(), 1);
    QVERIFY(about.text().isEmpty());

    QFile f(dir.filePath("about.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("ลิขสิทธิ์");
    f.close();
    TAboutMe withText(f.fileName());
    QCOMPARE(withText.text(), QString("ลิขสิทธิ์"));
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
