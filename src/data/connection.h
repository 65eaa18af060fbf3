#pragma once

// How to use the data layer: open a Connection per window (or per job) with
// Connection::open(owner, &error) and show error when it fails; run SQL through
// Sql::run/exec on conn.db() with named placeholders; build engine-specific bits
// (date keys, LIKE, locks) with conn.dialect(); write a document inside one
// Transaction guard and commit() it. Names of tables and fields come from
// schema.h (Table::Invoice, Field::INV_NO; Finance1's IN as Field::IN_SQL).

#include "data/dialect.h"
#include "data/schema.h"

#include <QMap>
#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace Data {

// Where the alias velm30 points.
struct AliasTarget
{
    enum class Source { Environment, AliasFile, Default };

    Engine engine = Engine::Sqlite;
    QString location; // SQLite file path or postgresql:// URI
    Source source = Source::Default;

    // The location for messages, without a password.
    QString display() const;
};

// Environment variable VELM30, else the first line of the alias file, else the
// default SQLite file.
AliasTarget resolveAlias();
// A target for one location text (path or URI); relative paths stay as given.
AliasTarget targetFor(const QString &location, AliasTarget::Source source);

QString aliasFilePath();       // ~/.config/velmora/velm30.alias
QString defaultDatabasePath(); // ~/.local/share/velmora/velm30.db

// Device lines of the alias file after the first ("COM1=/dev/ttyUSB0"), keys
// upper case.
QMap<QString, QString> deviceMappings();
// Device for a cash-drawer port number (1 or 2): the alias file's mapping, else
// the first or second serial port.
QString serialDevice(int comPort);

struct PgParams
{
    QString host, user, password, database;
    int port = 5432;
    QString options; // libpq options for QSqlDatabase::setConnectOptions
};
std::optional<PgParams> parsePgUri(const QString &uri);

// One uniquely named QSqlDatabase on the alias. Movable, not copyable; the
// destructor closes and removes its connection.
class Connection
{
public:
    struct Options
    {
        // Refuse a database without the tables; upgrade an older schema.
        bool requireSchema = true;
        // Create a missing SQLite file (velmora-admin init).
        bool createFile = false;
    };

    static std::optional<Connection> open(const QString &owner, QString *error);
    static std::optional<Connection> open(const AliasTarget &target, const QString &owner, QString *error,
                                          Options options);

    Connection(Connection &&other) noexcept;
    Connection &operator=(Connection &&other) noexcept;
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    ~Connection();

    QSqlDatabase db() const;
    Engine engine() const { return m_dialect.engine(); }
    const Dialect &dialect() const { return m_dialect; }
    QString name() const { return m_name; }
    const AliasTarget &target() const { return m_target; }

private:
    Connection(QString name, AliasTarget target);
    void release();

    QString m_name;
    AliasTarget m_target;
    Dialect m_dialect;
};

} // namespace Data
