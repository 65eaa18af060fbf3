#include "registers/registerstore.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace Registers {
namespace {

QString placeholder(const QString &field)
{
    return QLatin1Char(':') + field.toLower();
}

QString errorText(const QSqlQuery &q)
{
    const QSqlError e = q.lastError();
    return e.text().isEmpty() ? QStringLiteral("database error") : e.text();
}

bool run(QSqlQuery &q, const QString &sql, const QVariantHash &binds, QString *error)
{
    if (!q.prepare(sql)) {
        *error = errorText(q);
        return false;
    }
    for (auto it = binds.cbegin(); it != binds.cend(); ++it)
        q.bindValue(it.key(), it.value());
    if (!q.exec()) {
        *error = errorText(q);
        return false;
    }
    return true;
}

QVariant nullDouble()
{
    return QVariant(QMetaType::fromType<double>());
}

} // namespace

Record recordFrom(const QSqlRecord &row)
{
    Record r;
    for (int i = 0; i < row.count(); ++i) {
        const QVariant v = row.value(i);
        if (!v.isNull())
            r.set(row.fieldName(i).toUpper(), v);
    }
    return r;
}

RegisterStore::RegisterStore(const QSqlDatabase &db, const TableDef &def) : m_db(db), m_def(def) {}

QString RegisterStore::orderColumns(Order order, bool descending) const
{
    const QString dir = descending ? QStringLiteral(" DESC") : QString();
    if (order == Order::Code)
        return m_def.keyField + dir;
    // Names repeat; the code breaks the tie so stepping never skips a record.
    return m_def.nameField + dir + QStringLiteral(", ") + m_def.keyField + dir;
}

Fetched RegisterStore::one(const QString &where, const QString &orderBy, const QVariantHash &binds) const
{
    Fetched f;
    QSqlQuery q(m_db);
    QString sql = QStringLiteral("SELECT * FROM ") + m_def.table;
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    if (!orderBy.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + orderBy;
    sql += QStringLiteral(" LIMIT 1");
    if (!run(q, sql, binds, &f.error))
        return f;
    if (q.next())
        f.record = recordFrom(q.record());
    return f;
}

Fetched RegisterStore::first(Order order) const
{
    return one(order == Order::Name ? m_def.nameField + QStringLiteral(" IS NOT NULL") : QString(),
               orderColumns(order, false), {});
}

Fetched RegisterStore::last(Order order) const
{
    return one(order == Order::Name ? m_def.nameField + QStringLiteral(" IS NOT NULL") : QString(),
               orderColumns(order, true), {});
}

Fetched RegisterStore::next(const Record &from, Order order) const
{
    const QString k = m_def.keyField, n = m_def.nameField;
    if (order == Order::Code)
        return one(k + QStringLiteral(" > :k"), orderColumns(order, false), {{QStringLiteral(":k"), from.text(k)}});
    return one(n + QStringLiteral(" > :n OR (") + n + QStringLiteral(" = :n AND ") + k + QStringLiteral(" > :k)"),
               orderColumns(order, false), {{QStringLiteral(":k"), from.text(k)}, {QStringLiteral(":n"), from.text(n)}});
}

Fetched RegisterStore::prior(const Record &from, Order order) const
{
    const QString k = m_def.keyField, n = m_def.nameField;
    if (order == Order::Code)
        return one(k + QStringLiteral(" < :k"), orderColumns(order, true), {{QStringLiteral(":k"), from.text(k)}});
    return one(n + QStringLiteral(" < :n OR (") + n + QStringLiteral(" = :n AND ") + k + QStringLiteral(" < :k)"),
               orderColumns(order, true), {{QStringLiteral(":k"), from.text(k)}, {QStringLiteral(":n"), from.text(n)}});
}

Fetched RegisterStore::byCode(const QString &code) const
{
    return one(m_def.keyField + QStringLiteral(" = :k"), QString(), {{QStringLiteral(":k"), code}});
}

Fetched RegisterStore::byCodeIgnoringCase(const QString &code) const
{
    // An exact hit goes through the index; only a miss needs the full comparison.
    Fetched exact = byCode(code);
    if (exact.failed() || exact.record)
        return exact;
    return one(QStringLiteral("UPPER(") + m_def.keyField + QStringLiteral(") = UPPER(:k)"), m_def.keyField,
               {{QStringLiteral(":k"), code}});
}

Fetched RegisterStore::firstWithPrefix(const QString &field, const QString &text) const
{
    if (!m_def.field(field))
        return Fetched{std::nullopt, QStringLiteral("unknown field ") + field};
    return one(QStringLiteral("substr(") + field + QStringLiteral(", 1, :len) = :t"), m_def.keyField,
               {{QStringLiteral(":len"), int(text.size())}, {QStringLiteral(":t"), text}});
}

Fetched RegisterStore::seek(Order order, const QString &text) const
{
    const QString column = order == Order::Code ? m_def.keyField : m_def.nameField;
    Fetched f = one(column + QStringLiteral(" >= :t"), orderColumns(order, false), {{QStringLiteral(":t"), text}});
    if (f.failed() || f.record)
        return f;
    return last(order);
}

Rows RegisterStore::around(Order order, const Record &anchor, int before, int after) const
{
    Rows result;
    const QString k = m_def.keyField, n = m_def.nameField;
    const QVariantHash binds{{QStringLiteral(":k"), anchor.text(k)}, {QStringLiteral(":n"), anchor.text(n)}};
    const QString lessOrEqual = order == Order::Code
        ? QString(k + QStringLiteral(" <= :k"))
        : QString(n + QStringLiteral(" < :n OR (") + n + QStringLiteral(" = :n AND ") + k + QStringLiteral(" <= :k)"));
    const QString greater = order == Order::Code
        ? QString(k + QStringLiteral(" > :k"))
        : QString(n + QStringLiteral(" > :n OR (") + n + QStringLiteral(" = :n AND ") + k + QStringLiteral(" > :k)"));

    QSqlQuery q(m_db);
    const QString head = QStringLiteral("SELECT * FROM ") + m_def.table + QStringLiteral(" WHERE ");
    if (!run(q, head + lessOrEqual + QStringLiteral(" ORDER BY ") + orderColumns(order, true)
                    + QStringLiteral(" LIMIT ") + QString::number(before + 1),
             binds, &result.error))
        return result;
    while (q.next())
        result.rows.prepend(recordFrom(q.record()));
    if (!run(q, head + greater + QStringLiteral(" ORDER BY ") + orderColumns(order, false)
                    + QStringLiteral(" LIMIT ") + QString::number(after),
             binds, &result.error))
        return result;
    while (q.next())
        result.rows.append(recordFrom(q.record()));
    return result;
}

std::optional<bool> RegisterStore::codeTaken(const QString &code, bool ignoreCase, QString *error) const
{
    const Fetched f = ignoreCase ? byCodeIgnoringCase(code) : byCode(code);
    if (f.failed()) {
        if (error)
            *error = f.error;
        return std::nullopt;
    }
    return f.record.has_value();
}

Written RegisterStore::insert(const Record &record) const
{
    QStringList columns, values;
    QVariantHash binds;
    for (const FieldDef &f : m_def.fields) {
        columns << f.name;
        values << placeholder(f.name);
        binds.insert(placeholder(f.name), f.isNumber() ? (record.number(f.name) ? QVariant(*record.number(f.name)) : nullDouble())
                                                       : QVariant(record.text(f.name)));
    }
    for (const QString &f : m_def.zeroWhenBlank) {
        columns << f;
        values << placeholder(f);
        binds.insert(placeholder(f), record.number(f).value_or(0.0));
    }
    QSqlQuery q(m_db);
    Written w;
    if (!run(q, QStringLiteral("INSERT INTO ") + m_def.table + QStringLiteral(" (") + columns.join(QStringLiteral(", "))
                    + QStringLiteral(") VALUES (") + values.join(QStringLiteral(", ")) + QLatin1Char(')'),
             binds, &w.error)) {
        // Tell a refused duplicate from other failures by asking the table.
        w.duplicate = codeTaken(record.text(m_def.keyField), false, nullptr).value_or(false);
        return w;
    }
    w.ok = true;
    return w;
}

Written RegisterStore::update(const QString &oldCode, const Record &record) const
{
    QStringList sets;
    QVariantHash binds;
    for (const FieldDef &f : m_def.fields) {
        sets << f.name + QStringLiteral(" = ") + placeholder(f.name);
        binds.insert(placeholder(f.name), f.isNumber() ? (record.number(f.name) ? QVariant(*record.number(f.name)) : nullDouble())
                                                       : QVariant(record.text(f.name)));
    }
    for (const QString &f : m_def.zeroWhenBlank)
        sets << f + QStringLiteral(" = COALESCE(") + f + QStringLiteral(", 0)");
    binds.insert(QStringLiteral(":old_key"), oldCode);
    QSqlQuery q(m_db);
    Written w;
    if (!run(q, QStringLiteral("UPDATE ") + m_def.table + QStringLiteral(" SET ") + sets.join(QStringLiteral(", "))
                    + QStringLiteral(" WHERE ") + m_def.keyField + QStringLiteral(" = :old_key"),
             binds, &w.error)) {
        const QString code = record.text(m_def.keyField);
        w.duplicate = code != oldCode && codeTaken(code, false, nullptr).value_or(false);
        return w;
    }
    if (q.numRowsAffected() == 0) {
        // Someone else deleted it meanwhile; writing it again keeps the user's work.
        return insert(record);
    }
    w.ok = true;
    return w;
}

Written RegisterStore::remove(const QString &code) const
{
    QSqlQuery q(m_db);
    Written w;
    if (!run(q, QStringLiteral("DELETE FROM ") + m_def.table + QStringLiteral(" WHERE ") + m_def.keyField
                    + QStringLiteral(" = :k"),
             {{QStringLiteral(":k"), code}}, &w.error))
        return w;
    w.ok = true;
    return w;
}

} // namespace Registers
