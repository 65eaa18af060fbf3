#include "registers/scalestore.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace Registers {

std::optional<PriceThresholds> ScaleStore::read(QString *error) const
{
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("SELECT SCALE1, SCALE2, SCALE3, SCALE4, SCALE5 FROM scale LIMIT 1"))) {
        if (error)
            *error = q.lastError().text();
        return std::nullopt;
    }
    PriceThresholds t;
    if (q.next()) {
        for (int i = 0; i < 5; ++i) {
            if (!q.value(i).isNull())
                t.scale[i] = q.value(i).toDouble();
        }
    }
    return t;
}

bool ScaleStore::write(const std::array<double, 5> &thresholds, QString *error) const
{
    const QString names[] = {QStringLiteral(":s1"), QStringLiteral(":s2"), QStringLiteral(":s3"),
                             QStringLiteral(":s4"), QStringLiteral(":s5")};
    auto bindAll = [&](QSqlQuery &q) {
        for (int i = 0; i < 5; ++i)
            q.bindValue(names[i], thresholds[i]);
    };
    if (!m_db.transaction()) {
        if (error)
            *error = m_db.lastError().text();
        return false;
    }
    // Every reader takes the first record; writing all of them keeps that
    // true whichever one an engine returns first.
    QSqlQuery q(m_db);
    bool ok = q.prepare(QStringLiteral(
        "UPDATE scale SET SCALE1 = :s1, SCALE2 = :s2, SCALE3 = :s3, SCALE4 = :s4, SCALE5 = :s5"));
    if (ok) {
        bindAll(q);
        ok = q.exec();
    }
    if (ok && q.numRowsAffected() == 0) {
        ok = q.prepare(QStringLiteral(
            "INSERT INTO scale (SCALE1, SCALE2, SCALE3, SCALE4, SCALE5) VALUES (:s1, :s2, :s3, :s4, :s5)"));
        if (ok) {
            bindAll(q);
            ok = q.exec();
        }
    }
    if (!ok) {
        if (error)
            *error = q.lastError().text();
        m_db.rollback();
        return false;
    }
    if (!m_db.commit()) {
        if (error)
            *error = m_db.lastError().text();
        m_db.rollback();
        return false;
    }
    return true;
}

} // namespace Registers
