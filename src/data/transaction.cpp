#include "data/transaction.h"

#include "data/connection.h"
#include "data/sql.h"

namespace Data {

Transaction::Transaction(const QSqlDatabase &db, Engine engine) : m_db(db), m_dialect(engine) {}

Transaction::Transaction(const Connection &connection)
    : m_db(connection.db()), m_dialect(connection.engine())
{
}

Transaction::~Transaction()
{
    rollback();
}

bool Transaction::begin(QString *error, const QString &lockKey)
{
    if (m_active) {
        if (error)
            *error = QStringLiteral("transaction already started");
        return false;
    }
    if (!Sql::exec(m_db, m_dialect.beginStatement(), {}, error))
        return false;
    m_active = true;
    const QString lock = m_dialect.lockStatement();
    if (!lockKey.isEmpty() && !lock.isEmpty()
        && !Sql::exec(m_db, lock, {{QStringLiteral("head"), lockKey}}, error)) {
        rollback();
        return false;
    }
    return true;
}

bool Transaction::commit(QString *error)
{
    if (!m_active) {
        if (error)
            *error = QStringLiteral("no transaction to commit");
        return false;
    }
    if (!Sql::exec(m_db, QStringLiteral("COMMIT"), {}, error)) {
        rollback();
        return false;
    }
    m_active = false;
    return true;
}

void Transaction::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    Sql::exec(m_db, QStringLiteral("ROLLBACK"), {}, nullptr);
}

} // namespace Data
