#include "app/loginrules.h"

#include "app/loginmessages.h"

namespace App {

int levelOf(const std::optional<int> &ac1)
{
    return ac1 && *ac1 >= 1 && *ac1 <= 5 ? *ac1 : 0;
}

LoginDecision decideLogin(const std::optional<Account> &account, const QString &typedPassword,
                          int currentLevel, const PasswordVerifier &verify)
{
    LoginDecision d;
    if (!account) {
        d.outcome = LoginOutcome::UnknownUser;
        d.level = currentLevel;
        return d;
    }
    bool matches = false;
    if (!account->passwordHash.isEmpty()) {
        matches = verify(account->passwordHash, typedPassword);
        d.replacePlainPassword = matches && !account->plainPassword.isEmpty();
    } else {
        // An account brought over with a plain password is let in once with it;
        // the caller then keeps only its hash.
        matches = account->plainPassword == typedPassword;
        d.replacePlainPassword = matches;
    }
    if (!matches) {
        d.outcome = LoginOutcome::WrongPassword;
        d.level = 0;
        return d;
    }
    d.outcome = LoginOutcome::Accepted;
    d.level = levelOf(account->level);
    d.greeting = LoginMessages::greeting(account->positionName);
    d.showAccountPanel = d.level == 1;
    return d;
}

std::optional<AccountProblem> checkAccountEdit(const AccountEdit &edit, bool adding)
{
    if (edit.password != edit.passwordAgain)
        return AccountProblem{QString(), AccountField::Password};
    if (edit.userName.trimmed().isEmpty())
        return AccountProblem{LoginMessages::emptyUserName(), AccountField::UserName};
    if (adding && edit.password.isEmpty())
        return AccountProblem{LoginMessages::emptyPassword(), AccountField::Password};
    return std::nullopt;
}

} // namespace App
