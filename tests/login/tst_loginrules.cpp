#include "app/loginmessages.h"
#include "app/loginrules.h"

#include <QtTest>

using namespace App;

namespace {

Account makeAccount(const QString &user, const QString &hashOf, std::optional<int> level,
                    const QString &plain = QString())
{
    Account a;
    a.userName = user;
    // The fake hash is the password behind a marker, so the verifier below can
    // compare exactly without running Argon2.
    a.passwordHash = hashOf.isNull() ? QString() : QStringLiteral("H:") + hashOf;
    a.plainPassword = plain;
    a.positionName = QStringLiteral("ผู้จัดการ");
    a.level = level;
    return a;
}

bool fakeVerify(const QString &hash, const QString &password)
{
    return hash == QStringLiteral("H:") + password;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<App::Account>)
Q_DECLARE_METATYPE(App::LoginOutcome)
Q_DECLARE_METATYPE(App::AccountEdit)

class TestLoginRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void decide_data();
    void decide();
    void accountEdit_data();
    void accountEdit();
};

void TestLoginRules::decide_data()
{
    QTest::addColumn<std::optional<Account>>("account");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("currentLevel");
    QTest::addColumn<LoginOutcome>("outcome");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("panel");
    QTest::addColumn<bool>("rehash");

    const std::optional<Account> none;
    QTest::newRow("right password of a level-1 account opens the panel")
        << std::optional(makeAccount("admin", "9640", 1)) << "9640" << 0 << LoginOutcome::Accepted << 1 << true << false;
    QTest::newRow("right password of a level-3 account")
        << std::optional(makeAccount("sup", "Abc", 3)) << "Abc" << 1 << LoginOutcome::Accepted << 3 << false << false;
    QTest::newRow("wrong password drops to nobody")
        << std::optional(makeAccount("admin", "9640", 1)) << "9641" << 2 << LoginOutcome::WrongPassword << 0 << false << false;
    QTest::newRow("password differing only in letter case is refused")
        << std::optional(makeAccount("sup", "Abc", 2)) << "abc" << 2 << LoginOutcome::WrongPassword << 0 << false << false;
    QTest::newRow("unknown user keeps a level-2 login")
        << none << "x" << 2 << LoginOutcome::UnknownUser << 2 << false << false;
    QTest::newRow("unknown user after a level-1 login never opens the panel")
        << none << "9640" << 1 << LoginOutcome::UnknownUser << 1 << false << false;
    QTest::newRow("empty AC1 gives the logged-out level")
        << std::optional(makeAccount("temp", "1", std::nullopt)) << "1" << 0 << LoginOutcome::Accepted << 0 << false << false;
    QTest::newRow("AC1 outside 1-5 gives the logged-out level")
        << std::optional(makeAccount("temp", "1", 7)) << "1" << 3 << LoginOutcome::Accepted << 0 << false << false;
    QTest::newRow("plain password brought from elsewhere is accepted and rehashed")
        << std::optional(makeAccount("old", QString(), 4, "pw16")) << "pw16" << 0 << LoginOutcome::Accepted << 4 << false << true;
    QTest::newRow("plain password compared exactly")
        << std::optional(makeAccount("old", QString(), 4, "Pw16")) << "pw16" << 4 << LoginOutcome::WrongPassword << 0 << false << false;
    QTest::newRow("hash and a stray plain password: the hash decides, the plain one goes")
        << std::optional(makeAccount("mix", "new", 5, "old")) << "new" << 0 << LoginOutcome::Accepted << 5 << false << true;
    QTest::newRow("hash and a stray plain password: the plain one does not let in")
        << std::optional(makeAccount("mix", "new", 5, "old")) << "old" << 5 << LoginOutcome::WrongPassword << 0 << false << false;
}

void TestLoginRules::decide()
{
    QFETCH(std::optional<Account>, account);
    QFETCH(QString, typed);
    QFETCH(int, currentLevel);
    QFETCH(LoginOutcome, outcome);
    QFETCH(int, level);
    QFETCH(bool, panel);
    QFETCH(bool, rehash);

    const LoginDecision d = decideLogin(account, typed, currentLevel, fakeVerify);
    QCOMPARE(d.outcome, outcome);
    QCOMPARE(d.level, level);
    QCOMPARE(d.showAccountPanel, panel);
    QCOMPARE(d.replacePlainPassword, rehash);
    QCOMPARE(d.greeting, outcome == LoginOutcome::Accepted ? LoginMessages::greeting(account->positionName) : QString());
}

void TestLoginRules::accountEdit_data()
{
    QTest::addColumn<AccountEdit>("edit");
    QTest::addColumn<bool>("adding");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("message");

    const auto e = [](QString user, QString pw, QString again) {
        return AccountEdit{QStringLiteral("พนักงาน"), user, pw, again, 5};
    };
    QTest::newRow("new account with matching passwords") << e("cashier", "1234", "1234") << true << int(AccountField::None) << QString();
    QTest::newRow("passwords differ: silent, back to the first password box")
        << e("cashier", "1234", "1243") << true << int(AccountField::Password) << QString();
    QTest::newRow("passwords differ is checked before the empty name")
        << e("", "1234", "") << false << int(AccountField::Password) << QString();
    QTest::newRow("empty user name refused")
        << e("", "1234", "1234") << true << int(AccountField::UserName) << LoginMessages::emptyUserName();
    QTest::newRow("blank user name refused")
        << e("   ", "", "") << false << int(AccountField::UserName) << LoginMessages::emptyUserName();
    QTest::newRow("new account needs a password")
        << e("cashier", "", "") << true << int(AccountField::Password) << LoginMessages::emptyPassword();
    QTest::newRow("edit with empty passwords keeps the stored one")
        << e("cashier", "", "") << false << int(AccountField::None) << QString();
}

void TestLoginRules::accountEdit()
{
    QFETCH(AccountEdit, edit);
    QFETCH(bool, adding);
    QFETCH(int, field);
    QFETCH(QString, message);

    const std::optional<AccountProblem> p = checkAccountEdit(edit, adding);
    QCOMPARE(p.has_value(), field != int(AccountField::None));
    if (p) {
        QCOMPARE(int(p->field), field);
        QCOMPARE(p->message, message);
    }
}


QTEST_GUILESS_MAIN(TestLoginRules)
#include "tst_loginrules.moc"
