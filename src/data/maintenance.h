#pragma once

#include <QString>
#include <QStringList>

namespace Data {

class Connection;

// Engine-level care of the whole database: integrity, compacting, index
// rebuilding and consistent copies while the program runs.
namespace Maintenance {

// The engine's own integrity check; empty when sound, else one line per
// problem (an engine failure is one line too).
QStringList integrityProblems(const Connection &connection);

// The program's tables that exist, in the order of the definitions.
QStringList tableNames(const Connection &connection, QString *error);

bool compactTable(const Connection &connection, const QString &table, QString *error);
bool reindexTable(const Connection &connection, const QString &table, QString *error);

// A consistent copy into file, which must not exist yet. SQLite: VACUUM INTO
// (a snapshot taken while others keep working); PostgreSQL: pg_dump in its
// custom format (restore with pg_restore).
bool backup(const Connection &connection, const QString &file, QString *error);

} // namespace Maintenance
} // namespace Data
