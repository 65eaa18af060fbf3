#pragma once

#include "data/businesssettings.h"
#include "data/settingsrules.h"

#include <QSqlDatabase>

#include <optional>

namespace Data {

// Reads and writes the one record of Orvansys, and keeps Que's QUE_INV_N for
// the series check.
class SettingsStore
{
public:
    explicit SettingsStore(QSqlDatabase db) : m_db(std::move(db)) {}

    // The first record; a database without one gives empty settings (the
    // first save then creates the record). nullopt with *error on failure.
    std::optional<BusinessSettings> load(QString *error) const;

    // Writes what the settings window edits; the fields it does not show keep
    // what they hold.
    bool save(const BusinessSettings &settings, QString *error) const;

    // Runs the series check for the PREFIX1 text as typed and stores its
    // QUE_INV_N. nullopt with *error on failure.
    std::optional<SettingsRules::SeriesCheck> checkSeries(const QString &prefix1Text, QString *error) const;

    // Que's QUE_INV_N; empty when Que has no record.
    std::optional<QString> queInvN(QString *error) const;

    // Width of a text field of Orvansys, for the box's limit.
    static int width(const char *field);

private:
    QSqlDatabase m_db;
};

} // namespace Data
