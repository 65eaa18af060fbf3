#include "data/sql.h"

#include <QSqlDatabase>
#include <QSqlError>

namespace Data::Sql {

QString errorText(const QSqlError &error)
{
    const QString db = error.databaseText().trimmed();
    const QString drv = error.driverText().trimmed();
    if (db.isEmpty())
        return drv;
    if (drv.isEmpty())
        return db;
    return db + QStringLiteral(" (") + drv + QLatin1Char(')');
}

bool prepare(QSqlQuery &q, const QString &sql, QString *error)
{
    if (q.prepare(sql))
        return true;
    if (error)
        *error = errorText(q.lastError());
    return false;
}

bool exec(QSqlQuery &q, QString *error)
{
    if (q.exec())
        return true;
    if (error)
        *error = errorText(q.lastError());
    return false;
}

std::optional<QSqlQuery> run(const QSqlDatabase &db, const QString &sql, const Binds &binds,
                             QString *error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    bool ok;
    if (binds.isEmpty()) {
        // PostgreSQL cannot prepare DDL or transaction control.
        ok = q.exec(sql);
    } else {
        ok = q.prepare(sql);
        if (ok) {
            for (auto it = binds.cbegin(); it != binds.cend(); ++it) {
                // A null QString would be stored as NULL; the tables keep blank
                // texts as '' so that comparisons with '' find them.
                const QVariant &v = it.value();
                const bool nullText = v.typeId() == QMetaType::QString && v.toString().isNull();
                q.bindValue(it.key().startsWith(QLatin1Char(':')) ? it.key() : QLatin1Char(':') + it.key(),
                            nullText ? QVariant(QString(QLatin1String(""))) : v);
            }
            ok = q.exec();
        }
    }
    if (!ok) {
        if (error)
            *error = errorText(q.lastError()) + QStringLiteral(" [") + sql.simplified().left(300) + QLatin1Char(']');
        return std::nullopt;
    }
    return q;
}

bool exec(const QSqlDatabase &db, const QString &sql, const Binds &binds, QString *error)
{
    return run(db, sql, binds, error).has_value();
}

std::optional<QVariant> scalar(const QSqlDatabase &db, const QString &sql, const Binds &binds,
                               QString *error)
{
    auto q = run(db, sql, binds, error);
    if (!q)
        return std::nullopt;
    return q->next() ? q->value(0) : QVariant();
}

QString aggregateName(const QString &function, const QString &column)
{
    return function.toUpper() + QStringLiteral(" OF ") + column;
}

QString aggregate(const QString &function, const QString &column)
{
    return QStringLiteral("%1(%2) AS \"%3\"").arg(function.toUpper(), column, aggregateName(function, column));
}

} // namespace Data::Sql
