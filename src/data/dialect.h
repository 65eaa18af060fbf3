#pragma once

#include "data/schema.h"

#include <QString>
#include <QStringList>

namespace Data {

// The places where SQLite and PostgreSQL differ, and the SQL idioms every
// window shares (date keys, LIKE with the user's text, number-head locks).
class Dialect
{
public:
    explicit Dialect(Engine engine = Engine::Sqlite) : m_engine(engine) {}

    Engine engine() const { return m_engine; }

    // yyyymmdd key of a dd/mm/yyyy date column, for ranges ("BETWEEN :mBegin
    // AND :mEnd") and sorting. Texts are joined with ||: + adds numbers in SQLite.
    static QString dateKey(const QString &column);

    // The user's text with \, % and _ escaped, to bind into like().
    static QString likeEscape(const QString &text);
    static QString likeContains(const QString &text) { return QLatin1Char('%') + likeEscape(text) + QLatin1Char('%'); }
    static QString likeStartsWith(const QString &text) { return likeEscape(text) + QLatin1Char('%'); }
    // "column LIKE :placeholder ESCAPE '\'"; placeholder with its colon.
    static QString like(const QString &column, const QString &placeholder);

    // Opens a write transaction. SQLite takes the write lock at once, so that
    // two savers queue on the busy timeout instead of failing halfway.
    QString beginStatement() const;
    // Serialises saves of one number head (bind :head); empty on SQLite, where
    // the immediate transaction already serialises every writer.
    QString lockStatement() const;

    // The highest value of column that starts with a prefix: bind :prefix to
    // likeStartsWith(head); result column HIGHEST, NULL when there is none.
    static QString highestUnderPrefix(const QString &table, const QString &column);

    // Maintenance: engine integrity check (rows of text, "ok" when sound),
    // compacting and index rebuilding of one table.
    QString integrityCheckStatement() const;
    QString compactStatement(const QString &table) const;
    QString reindexStatement(const QString &table) const;

private:
    Engine m_engine;
};

} // namespace Data
