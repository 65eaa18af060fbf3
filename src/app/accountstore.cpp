#include "app/accountstore.h"

#include "data/schema.h"
#include "data/sql.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace App {
namespace {

using namespace Data;

QString f(const char *name) { return QString::fromLatin1(name); }

using Sql::exec;
using Sql::prepare;

QString selectSql()
{
    return QStringLiteral("SELECT ") + f(Field::USRNAME) + QStringLiteral(", ") + f(Field::PASSWD) + QStringLiteral(", ")
        + f(Field::PWD_HASH) + QStringLiteral(", ") + f(Field::NAME) + QStringLiteral(", ") + f(Field::AC1)
        + QStringLiteral(" FROM ") + f(Table::market);
}

Account fromQuery(const QSqlQuery &q)
{
    Account a;
    a.userName = q.value(0).toString();
    a.plainPassword = q.value(1).toString();
    a.passwordHash = q.value(2).toString();
    a.positionName = q.value(3).toString();
    if (!q.value(4).isNull()) {
        bool ok = false;
        const int level = q.value(4).toInt(&ok);
        if (ok)
            a.level = level;
    }
    return a;
}

QVariant levelValue(const std::optional<int> &level)
{
    return level ? QVariant(*level) : QVariant(QMetaType(QMetaType::Int));
}

} // namespace

bool AccountStore::find(const QString &userName, std::optional<Account> *found, QString *error) const
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!prepare(q, selectSql() + QStringLiteral(" WHERE ") + f(Field::USRNAME) + QStringLiteral(" = :user"), error))
        return false;
    q.bindValue(QStringLiteral(":user"), userName);
    if (!exec(q, error))
        return false;
    *found = q.next() ? std::optional(fromQuery(q)) : std::nullopt;
    return true;
}

std::optional<QList<Account>> AccountStore::all(QString *error) const
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!prepare(q, selectSql() + QStringLiteral(" ORDER BY ") + f(Field::USRNAME), error) || !exec(q, error))
        return std::nullopt;
    QList<Account> out;
    while (q.next())
        out.append(fromQuery(q));
    return out;
}

bool AccountStore::insert(const Account &a, QString *error) const
{
    QSqlQuery q(m_db);
    if (!prepare(q, QStringLiteral("INSERT INTO ") + f(Table::market) + QStringLiteral(" (") + f(Field::USRNAME)
                        + QStringLiteral(", ") + f(Field::PASSWD) + QStringLiteral(", ") + f(Field::PWD_HASH)
                        + QStringLiteral(", ") + f(Field::NAME) + QStringLiteral(", ") + f(Field::AC1)
                        + QStringLiteral(") VALUES (:user, :plain, :hash, :name, :level)"), error))
        return false;
    q.bindValue(QStringLiteral(":user"), a.userName);
    q.bindValue(QStringLiteral(":plain"), QString(QLatin1String("")));
    q.bindValue(QStringLiteral(":hash"), a.passwordHash);
    q.bindValue(QStringLiteral(":name"), a.positionName);
    q.bindValue(QStringLiteral(":level"), levelValue(a.level));
    return exec(q, error);
}

bool AccountStore::update(const QString &originalUserName, const Account &a, QString *error) const
{
    QString sql = QStringLiteral("UPDATE ") + f(Table::market) + QStringLiteral(" SET ") + f(Field::USRNAME)
        + QStringLiteral(" = :user, ") + f(Field::NAME) + QStringLiteral(" = :name, ") + f(Field::AC1) + QStringLiteral(" = :level");
    if (!a.passwordHash.isEmpty())
        sql += QStringLiteral(", ") + f(Field::PWD_HASH) + QStringLiteral(" = :hash, ") + f(Field::PASSWD) + QStringLiteral(" = :plain");
    sql += QStringLiteral(" WHERE ") + f(Field::USRNAME) + QStringLiteral(" = :original");
    QSqlQuery q(m_db);
    if (!prepare(q, sql, error))
        return false;
    q.bindValue(QStringLiteral(":user"), a.userName);
    q.bindValue(QStringLiteral(":name"), a.positionName);
    q.bindValue(QStringLiteral(":level"), levelValue(a.level));
    if (!a.passwordHash.isEmpty()) {
        q.bindValue(QStringLiteral(":hash"), a.passwordHash);
        q.bindValue(QStringLiteral(":plain"), QString(QLatin1String("")));
    }
    q.bindValue(QStringLiteral(":original"), originalUserName);
    return exec(q, error);
}

bool AccountStore::setPasswordHash(const QString &userName, const QString &hash, QString *error) const
{
    QSqlQuery q(m_db);
    if (!prepare(q, QStringLiteral("UPDATE ") + f(Table::market) + QStringLiteral(" SET ") + f(Field::PWD_HASH)
                        + QStringLiteral(" = :hash, ") + f(Field::PASSWD) + QStringLiteral(" = :plain WHERE ")
                        + f(Field::USRNAME) + QStringLiteral(" = :user"), error))
        return false;
    q.bindValue(QStringLiteral(":hash"), hash);
    q.bindValue(QStringLiteral(":plain"), QString(QLatin1String("")));
    q.bindValue(QStringLiteral(":user"), userName);
    return exec(q, error);
}

} // namespace App
