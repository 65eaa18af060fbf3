#pragma once

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

namespace Registers {

struct OnHandRow
{
    QString code;
    QString name;
    QString unit;
    double onHand = 0;
};

// The on-hand quantity: the stored PRO_TOTAL plus purchase lines marked 2,
// less sale lines marked 1 and hire-purchase items marked 5. Lines with any
// other mark are already folded in or never count. Every window that shows
// stock asks here.
class StockStore
{
public:
    explicit StockStore(const QSqlDatabase &db) : m_db(db) {}

    // One statement; a code no product has counts from a stored quantity of 0.
    std::optional<double> onHand(const QString &code, QString *error) const;

    // Every product in code order, in one grouped statement.
    std::optional<QList<OnHandRow>> onHandAll(QString *error) const;
    // The given products only, still grouped (a statement per few hundred
    // codes, never one per product). Codes no product has are left out.
    std::optional<QHash<QString, double>> onHandFor(const QStringList &codes, QString *error) const;

    // The grouped statement, for reports that add their own columns or filters
    // (they select from it as a derived table).
    static QString onHandListSql(const QString &productFilter = QString());

private:
    QSqlDatabase m_db;
};

} // namespace Registers
