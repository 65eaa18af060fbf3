#include "app/loginservice.h"

#include "app/loginmessages.h"
#include "data/passwordhash.h"

namespace App {

LoginService::LoginService(QSqlDatabase db) : m_store(std::move(db)) {}

std::optional<LoginDecision> LoginService::login(const QString &userName, const QString &password, int currentLevel,
                                                 QString *error) const
{
    std::optional<Account> account;
    if (!m_store.find(userName, &account, error))
        return std::nullopt;
    const LoginDecision d = decideLogin(account, password, currentLevel, [](const QString &hash, const QString &pw) {
        return Data::PasswordHash::verify(hash, pw);
    });
    if (d.replacePlainPassword) {
        // A failed upgrade does not undo a correct login; it is tried again
        // at the next one.
        if (const std::optional<QString> hash = Data::PasswordHash::hash(password))
            m_store.setPasswordHash(account->userName, *hash, nullptr);
    }
    return d;
}

std::optional<QList<Account>> LoginService::accounts(QString *error) const
{
    return m_store.all(error);
}

LoginService::SaveResult LoginService::saveAccount(const AccountEdit &edit,
                                                   const std::optional<QString> &originalUserName) const
{
    SaveResult r;
    const bool adding = !originalUserName.has_value();
    r.problem = checkAccountEdit(edit, adding);
    if (r.problem)
        return r;

    if (adding || *originalUserName != edit.userName) {
        std::optional<Account> existing;
        if (!m_store.find(edit.userName, &existing, &r.error))
            return r;
        if (existing) {
            r.problem = AccountProblem{LoginMessages::duplicateUserName(), AccountField::UserName};
            return r;
        }
    }

    Account a;
    a.userName = edit.userName;
    a.positionName = edit.positionName;
    a.level = edit.level;
    if (!edit.password.isEmpty()) {
        const std::optional<QString> hash = Data::PasswordHash::hash(edit.password);
        if (!hash) {
            r.error = LoginMessages::saveFailed();
            return r;
        }
        a.passwordHash = *hash;
    }
    r.saved = adding ? m_store.insert(a, &r.error) : m_store.update(*originalUserName, a, &r.error);
    return r;
}

} // namespace App
