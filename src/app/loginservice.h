#pragma once

#include "app/accountstore.h"
#include "app/loginrules.h"

#include <QSqlDatabase>

#include <optional>

namespace App {

// Checks logins against market and keeps the accounts, storing passwords only
// as Argon2id hashes.
class LoginService
{
public:
    explicit LoginService(QSqlDatabase db);

    // One press of "Login". nullopt with *error when market cannot be read;
    // the caller then leaves the level as it is.
    std::optional<LoginDecision> login(const QString &userName, const QString &password, int currentLevel,
                                       QString *error) const;

    std::optional<QList<Account>> accounts(QString *error) const;

    struct SaveResult
    {
        bool saved = false;
        std::optional<AccountProblem> problem;  // refused before writing
        QString error;                          // the engine's message
    };
    // originalUserName is nullopt for a new account.
    SaveResult saveAccount(const AccountEdit &edit, const std::optional<QString> &originalUserName) const;

private:
    AccountStore m_store;
};

} // namespace App
