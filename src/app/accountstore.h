#pragma once

#include "app/loginrules.h"

#include <QList>
#include <QSqlDatabase>

#include <optional>

namespace App {

// The user accounts in market. Passwords reach this class only as hashes.
class AccountStore
{
public:
    explicit AccountStore(QSqlDatabase db) : m_db(std::move(db)) {}

    // *found is nullopt when no account has exactly this user name.
    bool find(const QString &userName, std::optional<Account> *found, QString *error) const;
    // Every account in user-name order.
    std::optional<QList<Account>> all(QString *error) const;
    bool insert(const Account &account, QString *error) const;
    // Replaces the account stored under originalUserName. An empty
    // passwordHash keeps the stored password.
    bool update(const QString &originalUserName, const Account &account, QString *error) const;
    // Keeps only the hash: the plain password field is emptied.
    bool setPasswordHash(const QString &userName, const QString &hash, QString *error) const;

private:
    QSqlDatabase m_db;
};

} // namespace App
