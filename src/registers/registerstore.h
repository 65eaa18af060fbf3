#pragma once

#include "registers/record.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace Registers {

// A record looked up, or the engine's error. No record and no error means
// nothing matched.
struct Fetched
{
    std::optional<Record> record;
    QString error;
    bool failed() const { return !error.isEmpty(); }
};

struct Rows
{
    QList<Record> rows;
    QString error;
};

// What a write did. `duplicate` is set when the table's unique key refused the
// code.
struct Written
{
    bool ok = false;
    bool duplicate = false;
    QString error;
};

// Reads and writes one register table (customers, suppliers, salespeople,
// products) a record at a time, through its code and name indexes, so a
// window never loads the whole table.
class RegisterStore
{
public:
    enum class Order { Code, Name };

    RegisterStore(const QSqlDatabase &db, const TableDef &def);

    const TableDef &def() const { return m_def; }

    Fetched first(Order order = Order::Code) const;
    Fetched last(Order order = Order::Code) const;
    Fetched next(const Record &from, Order order = Order::Code) const;
    Fetched prior(const Record &from, Order order = Order::Code) const;

    Fetched byCode(const QString &code) const;
    // Whole code, letter case ignored.
    Fetched byCodeIgnoringCase(const QString &code) const;
    // First in code order whose field begins with the text, letter case counting.
    Fetched firstWithPrefix(const QString &field, const QString &text) const;
    // The nearest record at or after the text in the order; the last one when
    // the text sorts after every record.
    Fetched seek(Order order, const QString &text) const;
    // Up to `before` records before the anchor, the anchor and up to `after`
    // records after it, in the order.
    Rows around(Order order, const Record &anchor, int before, int after) const;

    // Asked of the table itself at the moment of the call.
    std::optional<bool> codeTaken(const QString &code, bool ignoreCase, QString *error) const;

    Written insert(const Record &record) const;
    Written update(const QString &oldCode, const Record &record) const;
    Written remove(const QString &code) const;

private:
    Fetched one(const QString &where, const QString &orderBy, const QVariantHash &binds) const;
    QString orderColumns(Order order, bool descending) const;

    QSqlDatabase m_db;
    TableDef m_def;
};

Record recordFrom(const class QSqlRecord &row);

} // namespace Registers
