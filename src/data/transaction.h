#pragma once

#include "data/dialect.h"

#include <QSqlDatabase>
#include <QString>

namespace Data {

class Connection;

// One write transaction: begin() it, commit() explicitly; if the guard goes out
// of scope uncommitted (an error, an early return) it rolls back.
class Transaction
{
public:
    Transaction(const QSqlDatabase &db, Engine engine);
    explicit Transaction(const Connection &connection);
    ~Transaction();

    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    // lockKey (a number head such as "SALE1") serialises savers of that head.
    bool begin(QString *error, const QString &lockKey = QString());
    bool commit(QString *error);
    void rollback();
    bool isActive() const { return m_active; }

private:
    QSqlDatabase m_db;
    Dialect m_dialect;
    bool m_active = false;
};

} // namespace Data
