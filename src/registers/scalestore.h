#pragma once

#include "registers/pricelevels.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace Registers {

// The price-level record: the first record of `scale`.
class ScaleStore
{
public:
    explicit ScaleStore(const QSqlDatabase &db) : m_db(db) {}

    // An empty table gives all thresholds blank (they count as 0).
    std::optional<PriceThresholds> read(QString *error) const;
    // Creates the record when the table has none.
    bool write(const std::array<double, 5> &thresholds, QString *error) const;

private:
    mutable QSqlDatabase m_db;
};

} // namespace Registers
