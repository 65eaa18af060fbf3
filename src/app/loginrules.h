#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace App {

// A record of market as the login window uses it.
struct Account
{
    QString userName;      // USRNAME
    QString plainPassword; // PASSWD: only in data brought from elsewhere
    QString passwordHash;  // PWD_HASH
    QString positionName;  // NAME
    std::optional<int> level;  // AC1; empty when the field is null
};

enum class LoginOutcome { UnknownUser, WrongPassword, Accepted };

struct LoginDecision
{
    LoginOutcome outcome = LoginOutcome::UnknownUser;
    int level = 0;              // the level to set after the attempt
    QString greeting;           // empty unless accepted
    bool replacePlainPassword = false;  // store the typed password's hash
    bool showAccountPanel = false;
};

using PasswordVerifier = std::function<bool(const QString &hash, const QString &password)>;

// The level an AC1 value gives: 1..5, anything else nobody.
int levelOf(const std::optional<int> &ac1);

// Decides one press of "Login". An unknown name keeps the current level; a
// wrong password drops to nobody. The comparison is exact.
LoginDecision decideLogin(const std::optional<Account> &account, const QString &typedPassword,
                          int currentLevel, const PasswordVerifier &verify);

// What the account panel holds when "บันทึก" is pressed.
struct AccountEdit
{
    QString positionName;
    QString userName;
    QString password;
    QString passwordAgain;
    int level = 5;
};

enum class AccountField { None, PositionName, UserName, Password };

struct AccountProblem
{
    QString message;  // empty: refuse silently
    AccountField field = AccountField::None;
};

// Why an account edit may not be saved; nullopt when it may. When editing, an
// empty password keeps the stored one.
std::optional<AccountProblem> checkAccountEdit(const AccountEdit &edit, bool adding);

} // namespace App
