#include "app/appstate.h"
#include "app/loginmessages.h"
#include "app/tmain.h"
#include "app/tpasswd.h"
#include "app/windowcatalog.h"
#include "common/scriptedprompt.h"
#include "common/testdb.h"
#include "data/passwordhash.h"
#include "data/sql.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlRecord>
#include <QToolButton>
#include <QtTest>

using namespace App;

namespace {

// Business commands reachable at a level (the always-on ones are left out).
QStringList reachableAt(int level)
{
    switch (level) {
    case 1:
        return QString("N14 N18 pbill rbill gg1 N61 order mquotation mCash N57 N59 N48 N72 N53 N65 N44 N27 N28 N21 scale N31 N29 N32 N33 N34 N24 N67 N66 N25 N35 N39 N9 N10 N41 N56 N74 N75 N20 N23 N5").split(' ');
    case 2:
        return QString("N14 N18 pbill rbill gg1 N61 order mquotation N57 N59 N48 N72 N53 N65 N44 N27 N28 N21 scale N31 N29 N32 N33 N34 N24 N67 N66 N25 N35 N39 N9 N10 N41 N56 N74 N75 N20 N23 N5").split(' ');
    case 5:
        return QString("N14 N18 mCash N57 N59 N53 N65").split(' ');
    default:
        return {};
    }
}

const QStringList kBusinessCommands = QString(
    "gg1 N61 order mquotation mCash N14 N18 pbill rbill N57 N59 N48 N72 N53 N65 N44 N27 N28 N21 scale N31 "
    "N29 N32 N33 N34 N24 N67 N66 N25 N35 N39 N9 N10 N41 N56 N74 N75 N20 N23 N5").split(' ');

bool reachable(QAction *a)
{
    if (!a->isEnabled())
        return false;
    for (QObject *p = a->parent(); p; p = p->parent())
        if (auto *m = qobject_cast<QMenu *>(p); m && !m->menuAction()->isEnabled())
            return false;
    return true;
}

template <typename T>
T *child(QWidget *w, const char *name)
{
    return w->findChild<T *>(QString::fromLatin1(name));
}

void typeInto(QLineEdit *e, const QString &text)
{
    e->setFocus();
    e->clear();
    // Thai characters one by one: keyClicks cannot send them.
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

} // namespace

class TestTpasswd : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void loginCases_data();
    void loginCases();
    void windowOpensAsStated();
    void panelInTwoWindows();
    void enterOrder();
    void enterPressesFocusedButton();
    void panelPasswordsMasked();
    void addAccountFromPanel();
    void panelRefusals_data();
    void panelRefusals();
    void settingsWindowFromMenu();
    void screenshot();

private:
    Tpasswd *openLogin()
    {
        QAction *a = m_main->findChild<QAction *>(QStringLiteral("login"));
        a->trigger();
        QMdiSubWindow *sub = m_main->mdiArea()->subWindowList().last();
        auto *w = qobject_cast<Tpasswd *>(sub->widget());
        return w;
    }
    void login(Tpasswd *w, const QString &user, const QString &password)
    {
        typeInto(child<QLineEdit>(w, "Edit1"), user);
        typeInto(child<QLineEdit>(w, "Edit2"), password);
        child<QPushButton>(w, "LoginButton")->click();
    }
    void addAccount(const QString &user, const QString &password, const QVariant &level)
    {
        const auto hash = Data::PasswordHash::hash(password);
        QVERIFY(hash);
        QString error;
        QVERIFY2(Data::Sql::exec(m_db.connection().db(),
                                 QStringLiteral("INSERT INTO market (USRNAME, PASSWD, NAME, AC1, PWD_HASH) VALUES (:u, '', :n, :l, :h)"),
                                 {{"u", user}, {"n", QString(QStringLiteral("ตำแหน่ง ") + user)}, {"l", level}, {"h", *hash}}, &error),
                 qPrintable(error));
    }
    void checkMenus(int level)
    {
        const QStringList on = reachableAt(level);
        for (const QString &c : kBusinessCommands) {
            QAction *a = m_main->findChild<QAction *>(c);
            QVERIFY2(a, qPrintable(c));
            QVERIFY2(reachable(a) == on.contains(c), qPrintable(QString("%1 at level %2").arg(c).arg(level)));
        }
        QVERIFY(reachable(m_main->findChild<QAction *>(QStringLiteral("N63"))));
        QVERIFY(reachable(m_main->findChild<QAction *>(QStringLiteral("login"))));
    }

    TestDb m_db;
    std::unique_ptr<ScriptedPrompt> m_prompt;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<WindowCatalog> m_catalog;
    std::unique_ptr<TMAIN> m_main;
};

void TestTpasswd::initTestCase()
{
    VELMORA_START_TESTDB(m_db);
    QVERIFY2(m_db.reset(), qPrintable(m_db.error()));
    addAccount(QStringLiteral("boss"), QStringLiteral("Secret"), 2);
    addAccount(QStringLiteral("counter"), QStringLiteral("5555"), 5);
    addAccount(QStringLiteral("temp"), QStringLiteral("t1"), QVariant(QMetaType(QMetaType::Int)));
}

void TestTpasswd::init()
{
    m_prompt = std::make_unique<ScriptedPrompt>();
    m_state = std::make_unique<AppState>();
    m_catalog = std::make_unique<WindowCatalog>();
    m_main = std::make_unique<TMAIN>(*m_state, *m_catalog);
    m_main->resize(1100, 760);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void TestTpasswd::cleanup()
{
    m_main.reset();
    m_catalog.reset();
    m_state.reset();
    m_prompt.reset();
}

void TestTpasswd::loginCases_data()
{
    // Each step is "user/password" or "LOGOUT"; all run in one login window.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("panel");
    QTest::addColumn<QString>("greeting");
    QTest::addColumn<bool>("goShown");
    QTest::addColumn<bool>("windowOpen");

    QTest::newRow("right password of the default admin")
        << QStringList{"admin/9640"} << 1 << true << QStringLiteral("Hello ผู้ดูแลระบบ") << true << true;
    QTest::newRow("wrong password after an admin login")
        << QStringList{"admin/9640", "admin/1234"} << 0 << false << "" << false << true;
    QTest::newRow("password differing only in letter case")
        << QStringList{"boss/secret"} << 0 << false << "" << false << true;
    QTest::newRow("unknown user after a level-2 login keeps level 2")
        << QStringList{"boss/Secret", "nobody/Secret"} << 2 << false << QStringLiteral("Hello ตำแหน่ง boss") << true << true;
    QTest::newRow("unknown user after an admin login hides the panel")
        << QStringList{"admin/9640", "nobody/9640"} << 1 << false << QStringLiteral("Hello ผู้ดูแลระบบ") << true << true;
    QTest::newRow("account with empty AC1 gets the logged-out menus")
        << QStringList{"temp/t1"} << 0 << false << QStringLiteral("Hello ตำแหน่ง temp") << true << true;
    QTest::newRow("level 1 then level 5 in the same window")
        << QStringList{"admin/9640", "counter/5555"} << 5 << false << QStringLiteral("Hello ตำแหน่ง counter") << true << true;
    QTest::newRow("Logout with nobody logged in")
        << QStringList{"LOGOUT"} << 0 << false << "" << false << false;
    QTest::newRow("Logout after a level-2 login")
        << QStringList{"boss/Secret", "LOGOUT"} << 0 << false << "" << false << false;
}

void TestTpasswd::loginCases()
{
    QFETCH(QStringList, steps);
    QFETCH(int, level);
    QFETCH(bool, panel);
    QFETCH(QString, greeting);
    QFETCH(bool, goShown);
    QFETCH(bool, windowOpen);

    QPointer<Tpasswd> w = openLogin();
    QVERIFY(w);
    int changes = 0;
    connect(m_state.get(), &AppState::userLevelChanged, this, [&changes] { ++changes; });
    for (const QString &step : steps) {
        if (step == QLatin1String("LOGOUT")) {
            child<QPushButton>(w, "LogoutButton")->click();
        } else {
            const QStringList up = step.split('/');
            login(w, up[0], up[1]);
        }
    }
    QCOMPARE(changes, steps.size());  // every attempt and Logout tells the windows
    QCOMPARE(m_state->userLevel(), level);
    checkMenus(level);
    QVERIFY(m_prompt->messages.isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(!w.isNull(), windowOpen);
    QCOMPARE(m_main->mdiArea()->subWindowList().size(), windowOpen ? 1 : 0);
    if (!w)
        return;
    QCOMPARE(w->accountPanelShown(), panel);
    QCOMPARE(child<QLabel>(w, "Greeting")->text(), greeting);
    QCOMPARE(!child<QPushButton>(w, "GoButton")->isHidden(), goShown);
    QVERIFY(child<QLineEdit>(w, "Edit2")->text().isEmpty());
}

void TestTpasswd::windowOpensAsStated()
{
    Tpasswd *w = openLogin();
    QCoreApplication::processEvents();
    QCOMPARE(w->windowTitle(), QStringLiteral(" รหัสผ่าน  ( Username = admin     Password = 9640 )"));
    QCOMPARE(w->parentWidget()->pos(), QPoint(150, 100));
    QVERIFY(!w->accountPanelShown());
    QVERIFY(child<QPushButton>(w, "GoButton")->isHidden());
    QVERIFY(child<QPushButton>(w, "LoginButton")->isEnabled());
    QVERIFY(child<QLabel>(w, "Greeting")->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(w, "Edit1"));
    QCOMPARE(child<QLineEdit>(w, "Edit2")->echoMode(), QLineEdit::Password);

    // Going to work closes the window and keeps the login.
    login(w, "boss", "Secret");
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(w, "GoButton"));
    child<QPushButton>(w, "GoButton")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_main->mdiArea()->subWindowList().isEmpty());
    QCOMPARE(m_state->userLevel(), 2);

    // Opening the window again logs nobody out.
    Tpasswd *again = openLogin();
    QCOMPARE(m_state->userLevel(), 2);
    QVERIFY(!again->accountPanelShown());
}

void TestTpasswd::panelInTwoWindows()
{
    Tpasswd *a = openLogin();
    Tpasswd *b = openLogin();
    login(a, "admin", "9640");
    QVERIFY(a->accountPanelShown());
    QVERIFY(!b->accountPanelShown());

    // An administrator editing in a loses the panel when b logs in anybody.
    child<QPushButton>(a, "EditButton")->click();
    QVERIFY(a->editing());
    login(b, "admin", "9640");
    QVERIFY(!a->accountPanelShown());
    QVERIFY(!a->editing());
    QVERIFY(b->accountPanelShown());

    login(b, "admin", "wrong");
    QVERIFY(!a->accountPanelShown());
    QVERIFY(!b->accountPanelShown());

    login(a, "admin", "9640");
    QVERIFY(a->accountPanelShown());
    // A level change from elsewhere (Logout in another window) hides it too.
    Tpasswd *c = openLogin();
    child<QPushButton>(c, "LogoutButton")->click();
    QVERIFY(!a->accountPanelShown());
    QVERIFY(!b->accountPanelShown());
    QCOMPARE(m_state->userLevel(), 0);
}

void TestTpasswd::enterOrder()
{
    Tpasswd *w = openLogin();
    auto *edit1 = child<QLineEdit>(w, "Edit1");
    edit1->setFocus();
    QTest::keyClick(edit1, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(w, "Edit2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(w, "LoginButton"));
    QCOMPARE(m_state->userLevel(), 0);  // Enter only moves; it does not log in

    login(w, "admin", "9640");
    child<QPushButton>(w, "AddButton")->click();
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(w, "NAME"));
    for (const char *next : {"USRNAME", "PASSWD", "PASSWD2"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(qobject_cast<QRadioButton *>(QApplication::focusWidget()));
}

void TestTpasswd::enterPressesFocusedButton()
{
    Tpasswd *w = openLogin();
    typeInto(child<QLineEdit>(w, "Edit1"), "admin");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    typeInto(child<QLineEdit>(w, "Edit2"), "9640");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(m_state->userLevel(), 1);
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(w, "GoButton"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(m_main->mdiArea()->subWindowList().isEmpty());
}

void TestTpasswd::panelPasswordsMasked()
{
    Tpasswd *w = openLogin();
    login(w, "admin", "9640");
    for (const char *name : {"PASSWD", "PASSWD2"}) {
        auto *e = child<QLineEdit>(w, name);
        QCOMPARE(e->echoMode(), QLineEdit::Password);
        QVERIFY(e->text().isEmpty());
    }
    // Browse state.
    QVERIFY(child<QPushButton>(w, "AddButton")->isEnabled());
    QVERIFY(child<QPushButton>(w, "EditButton")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "SaveButton")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "CancelButton")->isEnabled());
    QCOMPARE(child<QLineEdit>(w, "USRNAME")->text(), QStringLiteral("admin"));
    QVERIFY(child<QRadioButton>(w, "AC1_1")->isChecked());

    // The navigator walks the accounts in user-name order, passwords stay empty.
    child<QToolButton>(w, "NavNext")->click();
    QCOMPARE(child<QLineEdit>(w, "USRNAME")->text(), QStringLiteral("boss"));
    QVERIFY(child<QRadioButton>(w, "AC1_2")->isChecked());
    QVERIFY(child<QLineEdit>(w, "PASSWD")->text().isEmpty());
    child<QToolButton>(w, "NavPrior")->click();
    QCOMPARE(child<QLineEdit>(w, "USRNAME")->text(), QStringLiteral("admin"));

    child<QPushButton>(w, "EditButton")->click();
    QVERIFY(child<QLineEdit>(w, "PASSWD")->text().isEmpty());
    QVERIFY(!child<QPushButton>(w, "AddButton")->isEnabled());
    QVERIFY(child<QPushButton>(w, "SaveButton")->isEnabled());
    QVERIFY(!child<QToolButton>(w, "NavNext")->isEnabled());
    // Saved with empty password boxes: the password stays.
    child<QPushButton>(w, "SaveButton")->click();
    QVERIFY(!w->editing());
    login(w, "admin", "9640");
    QCOMPARE(m_state->userLevel(), 1);
}

void TestTpasswd::addAccountFromPanel()
{
    Tpasswd *w = openLogin();
    login(w, "admin", "9640");
    child<QPushButton>(w, "AddButton")->click();
    typeInto(child<QLineEdit>(w, "NAME"), QStringLiteral("หัวหน้าแคชเชียร์"));
    typeInto(child<QLineEdit>(w, "USRNAME"), QStringLiteral("head"));
    typeInto(child<QLineEdit>(w, "PASSWD"), QStringLiteral("h3ad!"));
    typeInto(child<QLineEdit>(w, "PASSWD2"), QStringLiteral("h3ad!"));
    child<QRadioButton>(w, "AC1_3")->click();
    child<QPushButton>(w, "SaveButton")->click();
    QVERIFY2(m_prompt->messages.isEmpty(), qPrintable(m_prompt->messages.join('|')));
    QVERIFY(!w->editing());
    QCOMPARE(child<QLineEdit>(w, "USRNAME")->text(), QStringLiteral("head"));

    QString error;
    auto q = Data::Sql::run(m_db.connection().db(), QStringLiteral("SELECT * FROM market"), {}, &error);
    QVERIFY2(q, qPrintable(error));
    while (q->next())
        for (int i = 0; i < q->record().count(); ++i)
            QVERIFY(!q->value(i).toString().contains(QStringLiteral("h3ad!")));

    login(w, "head", "h3ad!");
    QCOMPARE(m_state->userLevel(), 3);
    QCOMPARE(child<QLabel>(w, "Greeting")->text(), QStringLiteral("Hello หัวหน้าแคชเชียร์"));
    QVERIFY(!w->accountPanelShown());
    QVERIFY2(Data::Sql::exec(m_db.connection().db(), QStringLiteral("DELETE FROM market WHERE USRNAME = 'head'"), {}, &error),
             qPrintable(error));
}

void TestTpasswd::panelRefusals_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("again");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("message");

    QTest::newRow("passwords differ: silent, focus on the first password")
        << "new1" << "1234" << "1235" << "PASSWD" << "";
    QTest::newRow("empty user name refused with the focus on it")
        << "" << "1234" << "1234" << "USRNAME" << LoginMessages::emptyUserName();
    QTest::newRow("existing user name refused")
        << "boss" << "1234" << "1234" << "USRNAME" << LoginMessages::duplicateUserName();
}

void TestTpasswd::panelRefusals()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, again);
    QFETCH(QString, focus);
    QFETCH(QString, message);

    Tpasswd *w = openLogin();
    login(w, "admin", "9640");
    child<QPushButton>(w, "AddButton")->click();
    typeInto(child<QLineEdit>(w, "NAME"), QStringLiteral("พนักงาน"));
    typeInto(child<QLineEdit>(w, "USRNAME"), user);
    typeInto(child<QLineEdit>(w, "PASSWD"), password);
    typeInto(child<QLineEdit>(w, "PASSWD2"), again);
    child<QPushButton>(w, "SaveButton")->click();
    QVERIFY(w->editing());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(m_prompt->messages, message.isEmpty() ? QStringList() : QStringList{message});
    QString error;
    QCOMPARE(Data::Sql::scalar(m_db.connection().db(), QStringLiteral("SELECT COUNT(*) FROM market"), {}, &error)->toInt(), 4);
}

void TestTpasswd::settingsWindowFromMenu()
{
    login(openLogin(), "admin", "9640");
    m_main->findChild<QAction *>(QStringLiteral("N31"))->trigger();
    QMdiSubWindow *sub = m_main->mdiArea()->subWindowList().last();
    QCOMPARE(sub->widget()->objectName(), QStringLiteral("TRef_Pos"));
    QVERIFY(sub->widget()->findChild<QPushButton *>(QStringLiteral("EditButton"))->isEnabled());
    sub->widget()->findChild<QPushButton *>(QStringLiteral("CloseButton"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_main->mdiArea()->subWindowList().size(), 1);
}

void TestTpasswd::screenshot()
{
    Tpasswd *w = openLogin();
    login(w, "admin", "9640");
    QCoreApplication::processEvents();
    const QString dir = qEnvironmentVariable("VELMORA_SHOTS");
    if (!dir.isEmpty()) {
        w->parentWidget()->grab().save(dir + QStringLiteral("/tpasswd.png"));
        m_main->grab().save(dir + QStringLiteral("/tpasswd-main.png"));
    }
    QVERIFY(w->accountPanelShown());
}

QTEST_MAIN(TestTpasswd)
#include "tst_tpasswd.moc"
