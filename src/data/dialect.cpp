#include "data/dialect.h"

namespace Data {

QString Dialect::dateKey(const QString &column)
{
    // Same text as the expression indexes, so the planner can use them.
    return QStringLiteral("(substr(%1,7,4)||substr(%1,4,2)||substr(%1,1,2))").arg(column);
}

QString Dialect::likeEscape(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

QString Dialect::like(const QString &column, const QString &placeholder)
{
    return QStringLiteral("%1 LIKE %2 ESCAPE '\\'").arg(column, placeholder);
}

QString Dialect::beginStatement() const
{
    return m_engine == Engine::Sqlite ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN");
}

QString Dialect::lockStatement() const
{
    return m_engine == Engine::Sqlite ? QString()
                                      : QStringLiteral("SELECT pg_advisory_xact_lock(hashtext(:head))");
}

QString Dialect::highestUnderPrefix(const QString &table, const QString &column)
{
    return QStringLiteral("SELECT MAX(%1) AS HIGHEST FROM %2 WHERE %3")
        .arg(column, table, like(column, QStringLiteral(":prefix")));
}

QString Dialect::integrityCheckStatement() const
{
    return m_engine == Engine::Sqlite ? QStringLiteral("PRAGMA integrity_check")
                                      : QStringLiteral("SELECT 'ok' WHERE (SELECT count(*) FROM pg_catalog.pg_class) > 0");
}

QString Dialect::compactStatement(const QString &table) const
{
    // SQLite compacts the whole file at once; doing it per table is harmless.
    return m_engine == Engine::Sqlite ? QStringLiteral("VACUUM") : QStringLiteral("VACUUM FULL %1").arg(table);
}

QString Dialect::reindexStatement(const QString &table) const
{
    return (m_engine == Engine::Sqlite ? QStringLiteral("REINDEX %1") : QStringLiteral("REINDEX TABLE %1")).arg(table);
}

} // namespace Data
