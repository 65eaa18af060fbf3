#include "registers/stockstore.h"

#include <QSqlError>
#include <QSqlQuery>

namespace Registers {
namespace {

QString errorOf(const QSqlQuery &q)
{
    return q.lastError().text().isEmpty() ? QStringLiteral("database error") : q.lastError().text();
}

} // namespace

std::optional<double> StockStore::onHand(const QString &code, QString *error) const
{
    // Each sum is a lookup on the line table's (code, mark) index.
    static const QString sql = QStringLiteral(
        "SELECT COALESCE((SELECT PRO_TOTAL FROM Product WHERE PRO_NO = :mPro_No), 0)"
        " + COALESCE((SELECT SUM(PRO_QTY) FROM Order1 WHERE PRO_NO = :mPro_No AND STK_POST = 2), 0)"
        " - COALESCE((SELECT SUM(PRO_QTY) FROM Invoice1 WHERE PRO_NO = :mPro_No AND STK_POST = 1), 0)"
        " - COALESCE((SELECT SUM(FIN_PQTY) FROM Finance1 WHERE FIN_PNO = :mPro_No AND STK_POST = 5), 0)");
    QSqlQuery q(m_db);
    if (!q.prepare(sql)) {
        if (error)
            *error = errorOf(q);
        return std::nullopt;
    }
    q.bindValue(QStringLiteral(":mPro_No"), code);
    if (!q.exec() || !q.next()) {
        if (error)
            *error = errorOf(q);
        return std::nullopt;
    }
    return q.value(0).toDouble();
}

QString StockStore::onHandListSql(const QString &productFilter)
{
    auto where = [&](const char *column) {
        return productFilter.isEmpty() ? QString() : QString(QStringLiteral(" AND ") + productFilter.arg(QLatin1String(column)));
    };
    // Each line table is summed once, grouped by code, before the join; a join
    // of the raw lines would multiply the sums.
    return QStringLiteral(
               "SELECT p.PRO_NO AS PRO_NO, p.PRO_NAME AS PRO_NAME, p.PRO_UNIT AS PRO_UNIT,"
               " COALESCE(p.PRO_TOTAL, 0) + COALESCE(o.qty, 0) - COALESCE(i.qty, 0) - COALESCE(f.qty, 0) AS ON_HAND"
               " FROM Product p"
               " LEFT JOIN (SELECT PRO_NO, SUM(PRO_QTY) AS qty FROM Order1 WHERE STK_POST = 2")
        + where("PRO_NO")
        + QStringLiteral(" GROUP BY PRO_NO) o ON o.PRO_NO = p.PRO_NO"
                         " LEFT JOIN (SELECT PRO_NO, SUM(PRO_QTY) AS qty FROM Invoice1 WHERE STK_POST = 1")
        + where("PRO_NO")
        + QStringLiteral(" GROUP BY PRO_NO) i ON i.PRO_NO = p.PRO_NO"
                         " LEFT JOIN (SELECT FIN_PNO, SUM(FIN_PQTY) AS qty FROM Finance1 WHERE STK_POST = 5")
        + where("FIN_PNO")
        + QStringLiteral(" GROUP BY FIN_PNO) f ON f.FIN_PNO = p.PRO_NO")
        + (productFilter.isEmpty() ? QString() : QStringLiteral(" WHERE ") + productFilter.arg(QStringLiteral("p.PRO_NO")))
        + QStringLiteral(" ORDER BY p.PRO_NO");
}

std::optional<QList<OnHandRow>> StockStore::onHandAll(QString *error) const
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(onHandListSql())) {
        if (error)
            *error = errorOf(q);
        return std::nullopt;
    }
    QList<OnHandRow> rows;
    while (q.next())
        rows.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toDouble()});
    return rows;
}

std::optional<QHash<QString, double>> StockStore::onHandFor(const QStringList &codes, QString *error) const
{
    QHash<QString, double> result;
    constexpr int chunk = 400;
    for (int start = 0; start < codes.size(); start += chunk) {
        const QStringList part = codes.mid(start, chunk);
        QStringList holders;
        for (int i = 0; i < part.size(); ++i)
            holders << QStringLiteral(":c%1").arg(i);
        // %1 is the code column of each table; the values stay bound.
        const QString filter = QStringLiteral("%1 IN (") + holders.join(QStringLiteral(", ")) + QLatin1Char(')');
        QSqlQuery q(m_db);
        q.setForwardOnly(true);
        if (!q.prepare(onHandListSql(filter))) {
            if (error)
                *error = errorOf(q);
            return std::nullopt;
        }
        for (int i = 0; i < part.size(); ++i)
            q.bindValue(holders[i], part[i]);
        if (!q.exec()) {
            if (error)
                *error = errorOf(q);
            return std::nullopt;
        }
        while (q.next())
            result.insert(q.value(0).toString(), q.value(3).toDouble());
    }
    return result;
}

} // namespace Registers
