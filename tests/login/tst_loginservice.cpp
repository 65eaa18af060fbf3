#include "app/loginmessages.h"
#include "app/loginservice.h"
#include "common/testdb.h"
#include "data/passwordhash.h"
#include "data/sql.h"

#include <QSqlRecord>
#include <QtTest>

using namespace App;

Q_DECLARE_METATYPE(App::AccountEdit)

class TestLoginService : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VELMORA_START_TESTDB(m_db); }
    void init() { QVERIFY2(m_db.reset(), qPrintable(m_db.error())); }

    void login_data();
    void login();
    void plainPasswordReplacedOnce();
    void savedPasswordOnlyAsHash_data();
    void savedPasswordOnlyAsHash();
    void editWithEmptyPasswordKeepsIt();
    void refusedEditsSaveNothing_data();
    void refusedEditsSaveNothing();

private:
    QSqlDatabase db() { return m_db.connection().db(); }
    void exec(const QString &sql, const Data::Sql::Binds &binds = {})
    {
        QString error;
        QVERIFY2(Data::Sql::exec(db(), sql, binds, &error), qPrintable(error));
    }
    void addAccount(const QString &user, const QString &password, const QVariant &level)
    {
        const auto hash = Data::PasswordHash::hash(password);
        QVERIFY(hash);
        exec(QStringLiteral("INSERT INTO market (USRNAME, PASSWD, NAME, AC1, PWD_HASH) VALUES (:u, '', :n, :l, :h)"),
             {{"u", user}, {"n", QString(QStringLiteral("ตำแหน่ง ") + user)}, {"l", level}, {"h", *hash}});
    }
    int accountCount()
    {
        QString error;
        return Data::Sql::scalar(db(), QStringLiteral("SELECT COUNT(*) FROM market"), {}, &error).value_or(-1).toInt();
    }
    // Every text of every row of market, to look for a password in clear.
    QStringList marketTexts()
    {
        QString error;
        auto q = Data::Sql::run(db(), QStringLiteral("SELECT * FROM market"), {}, &error);
        if (!q)
            return {QStringLiteral("<%1>").arg(error)};
        QStringList out;
        while (q->next())
            for (int i = 0; i < q->record().count(); ++i)
                out.append(q->value(i).toString());
        return out;
    }
    TestDb m_db;
};

void TestLoginService::login_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("level");

    QTest::newRow("default admin with 9640") << "admin" << "9640" << 0 << int(LoginOutcome::Accepted) << 1;
    QTest::newRow("default admin with a wrong password") << "admin" << "9641" << 1 << int(LoginOutcome::WrongPassword) << 0;
    QTest::newRow("user name is matched exactly") << "Admin" << "9640" << 3 << int(LoginOutcome::UnknownUser) << 3;
    QTest::newRow("supervisor right password") << "boss" << "Secret" << 0 << int(LoginOutcome::Accepted) << 2;
    QTest::newRow("supervisor password in other letter case") << "boss" << "secret" << 2 << int(LoginOutcome::WrongPassword) << 0;
    QTest::newRow("unknown user after a level-2 login") << "nobody" << "Secret" << 2 << int(LoginOutcome::UnknownUser) << 2;
    QTest::newRow("empty AC1 logs in to nothing") << "temp" << "t1" << 0 << int(LoginOutcome::Accepted) << 0;
    QTest::newRow("Thai password") << "counter" << QStringLiteral("รหัสลับ") << 0 << int(LoginOutcome::Accepted) << 5;
}

void TestLoginService::login()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(int, current);
    QFETCH(int, outcome);
    QFETCH(int, level);

    addAccount(QStringLiteral("boss"), QStringLiteral("Secret"), 2);
    addAccount(QStringLiteral("temp"), QStringLiteral("t1"), QVariant(QMetaType(QMetaType::Int)));
    addAccount(QStringLiteral("counter"), QStringLiteral("รหัสลับ"), 5);
    LoginService service(db());
    QString error;
    const auto d = service.login(user, password, current, &error);
    QVERIFY2(d, qPrintable(error));
    QCOMPARE(int(d->outcome), outcome);
    QCOMPARE(d->level, level);
    QCOMPARE(d->showAccountPanel, level == 1 && outcome == int(LoginOutcome::Accepted));
}

void TestLoginService::plainPasswordReplacedOnce()
{
    exec(QStringLiteral("INSERT INTO market (USRNAME, PASSWD, NAME, AC1) VALUES ('old', 'pw16', :n, 3)"),
         {{"n", QStringLiteral("พนักงานเก่า")}});
    LoginService service(db());
    QString error;
    auto d = service.login(QStringLiteral("old"), QStringLiteral("PW16"), 0, &error);
    QVERIFY2(d, qPrintable(error));
    QCOMPARE(d->outcome, LoginOutcome::WrongPassword);
    QVERIFY(marketTexts().contains(QStringLiteral("pw16")));

    d = service.login(QStringLiteral("old"), QStringLiteral("pw16"), 0, &error);
    QVERIFY2(d, qPrintable(error));
    QCOMPARE(d->outcome, LoginOutcome::Accepted);
    QCOMPARE(d->level, 3);
    QVERIFY2(!marketTexts().contains(QStringLiteral("pw16")), "the plain password is still stored");

    const auto hash = Data::Sql::scalar(db(), QStringLiteral("SELECT PWD_HASH FROM market WHERE USRNAME = 'old'"), {}, &error);
    QVERIFY(hash && Data::PasswordHash::verify(hash->toString(), QStringLiteral("pw16")));
    d = service.login(QStringLiteral("old"), QStringLiteral("pw16"), 0, &error);
    QCOMPARE(d->outcome, LoginOutcome::Accepted);
}

void TestLoginService::savedPasswordOnlyAsHash_data()
{
    QTest::addColumn<QString>("password");
    QTest::newRow("digits") << "1234";
    QTest::newRow("Thai") << QStringLiteral("ลับมาก");
    QTest::newRow("longer than the old 16-character field") << "a-long-password-of-30-chars!!";
}

void TestLoginService::savedPasswordOnlyAsHash()
{
    QFETCH(QString, password);
    LoginService service(db());
    const auto r = service.saveAccount({QStringLiteral("แคชเชียร์"), QStringLiteral("cashier"), password, password, 5}, std::nullopt);
    QVERIFY2(r.saved, qPrintable(r.error));
    for (const QString &t : marketTexts())
        QVERIFY2(!t.contains(password), qPrintable(t));
    QString error;
    const auto d = service.login(QStringLiteral("cashier"), password, 0, &error);
    QVERIFY2(d, qPrintable(error));
    QCOMPARE(d->outcome, LoginOutcome::Accepted);
    QCOMPARE(d->level, 5);
    QCOMPARE(d->greeting, QStringLiteral("Hello แคชเชียร์"));
}

void TestLoginService::editWithEmptyPasswordKeepsIt()
{
    LoginService service(db());
    auto r = service.saveAccount({QStringLiteral("ผู้ดูแล"), QStringLiteral("admin2"), QString(), QString(), 2},
                                 QStringLiteral("admin"));
    QVERIFY2(r.saved, qPrintable(r.error));
    QString error;
    auto d = service.login(QStringLiteral("admin2"), QStringLiteral("9640"), 0, &error);
    QCOMPARE(d->outcome, LoginOutcome::Accepted);
    QCOMPARE(d->level, 2);
    QCOMPARE(service.login(QStringLiteral("admin"), QStringLiteral("9640"), 0, &error)->outcome, LoginOutcome::UnknownUser);

    r = service.saveAccount({QStringLiteral("ผู้ดูแล"), QStringLiteral("admin2"), "new", "new", 1}, QStringLiteral("admin2"));
    QVERIFY2(r.saved, qPrintable(r.error));
    QCOMPARE(service.login(QStringLiteral("admin2"), QStringLiteral("9640"), 0, &error)->outcome, LoginOutcome::WrongPassword);
    QCOMPARE(service.login(QStringLiteral("admin2"), QStringLiteral("new"), 0, &error)->level, 1);
}

void TestLoginService::refusedEditsSaveNothing_data()
{
    QTest::addColumn<AccountEdit>("edit");
    QTest::addColumn<bool>("adding");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("message");

    QTest::newRow("new account with an empty user name")
        << AccountEdit{QStringLiteral("พนักงาน"), "", "1", "1", 5} << true << int(AccountField::UserName) << LoginMessages::emptyUserName();
    QTest::newRow("editing admin to an empty user name")
        << AccountEdit{QStringLiteral("พนักงาน"), "", "", "", 1} << false << int(AccountField::UserName) << LoginMessages::emptyUserName();
    QTest::newRow("new account with an existing user name")
        << AccountEdit{QStringLiteral("พนักงาน"), "admin", "1", "1", 5} << true << int(AccountField::UserName) << LoginMessages::duplicateUserName();
    QTest::newRow("passwords that differ")
        << AccountEdit{QStringLiteral("พนักงาน"), "new", "1", "2", 5} << true << int(AccountField::Password) << QString();
}

void TestLoginService::refusedEditsSaveNothing()
{
    QFETCH(AccountEdit, edit);
    QFETCH(bool, adding);
    QFETCH(int, field);
    QFETCH(QString, message);

    const QStringList before = marketTexts();
    LoginService service(db());
    const auto r = service.saveAccount(edit, adding ? std::nullopt : std::optional<QString>(QStringLiteral("admin")));
    QVERIFY(!r.saved);
    QVERIFY(r.problem);
    QCOMPARE(int(r.problem->field), field);
    QCOMPARE(r.problem->message, message);
    QCOMPARE(marketTexts(), before);
    QCOMPARE(accountCount(), 1);
}

QTEST_GUILESS_MAIN(TestLoginService)
#include "tst_loginservice.moc"
