#include "data/connection.h"

#include "data/messages.h"
#include "data/sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QStandardPaths>
#include <QTextStream>
#include <QUrl>
#include <QUrlQuery>

#include <atomic>

namespace Data {

namespace {

std::atomic<int> s_counter{0};

QString expandHome(const QString &path)
{
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        return QDir::homePath() + path.mid(1);
    return path;
}

QStringList aliasFileLines()
{
    QFile f(aliasFilePath());
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines;
    QTextStream in(&f);
    while (!in.atEnd())
        lines << in.readLine();
    return lines;
}

// Root can write anything, so permission bits alone say whether the owner
// meant the file to be written.
bool writable(const QFileInfo &fi)
{
    const auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return fi.isWritable() && (fi.permissions() & anyWrite);
}

bool isPgLocation(const QString &location)
{
    return location.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
        || location.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

} // namespace

QString AliasTarget::display() const
{
    if (engine == Engine::Sqlite)
        return location;
    QUrl url(location);
    if (!url.isValid())
        return location;
    url.setPassword(QString());
    QUrlQuery q(url);
    if (q.hasQueryItem(QStringLiteral("password"))) {
        q.removeAllQueryItems(QStringLiteral("password"));
        url.setQuery(q);
    }
    return url.toString();
}

QString aliasFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/velmora/velm30.alias");
}

QString defaultDatabasePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/velmora/velm30.db");
}

AliasTarget targetFor(const QString &location, AliasTarget::Source source)
{
    AliasTarget t;
    t.source = source;
    const QString loc = location.trimmed();
    if (isPgLocation(loc)) {
        t.engine = Engine::Postgres;
        t.location = loc;
    } else {
        t.engine = Engine::Sqlite;
        t.location = expandHome(loc);
    }
    return t;
}

AliasTarget resolveAlias()
{
    const QString env = qEnvironmentVariable("VELM30").trimmed();
    if (!env.isEmpty())
        return targetFor(env, AliasTarget::Source::Environment);
    const QStringList lines = aliasFileLines();
    if (!lines.isEmpty() && !lines.first().trimmed().isEmpty())
        return targetFor(lines.first(), AliasTarget::Source::AliasFile);
    return targetFor(defaultDatabasePath(), AliasTarget::Source::Default);
}

QMap<QString, QString> deviceMappings()
{
    QMap<QString, QString> map;
    const QStringList lines = aliasFileLines();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || eq <= 0)
            continue;
        map.insert(line.left(eq).trimmed().toUpper(), line.mid(eq + 1).trimmed());
    }
    return map;
}

QString serialDevice(int comPort)
{
    const int n = comPort == 2 ? 2 : 1;
    const QString mapped = deviceMappings().value(QStringLiteral("COM%1").arg(n));
    return mapped.isEmpty() ? QStringLiteral("/dev/ttyS%1").arg(n - 1) : mapped;
}

std::optional<PgParams> parsePgUri(const QString &uri)
{
    if (!isPgLocation(uri))
        return std::nullopt;
    QUrl url(uri, QUrl::TolerantMode);
    if (!url.isValid())
        return std::nullopt;
    PgParams p;
    p.host = url.host(QUrl::FullyDecoded);
    p.port = url.port(5432);
    p.user = url.userName(QUrl::FullyDecoded);
    p.password = url.password(QUrl::FullyDecoded);
    p.database = url.path(QUrl::FullyDecoded);
    if (p.database.startsWith(QLatin1Char('/')))
        p.database.remove(0, 1);
    QStringList options;
    bool timeout = false;
    const QUrlQuery q(url);
    for (const auto &[key, rawValue] : q.queryItems(QUrl::FullyDecoded)) {
        const QString value = rawValue;
        if (key == QLatin1String("host"))
            p.host = value;
        else if (key == QLatin1String("port"))
            p.port = value.toInt();
        else if (key == QLatin1String("user"))
            p.user = value;
        else if (key == QLatin1String("password"))
            p.password = value;
        else if (key == QLatin1String("dbname"))
            p.database = value;
        else {
            options << key + QLatin1Char('=') + value;
            timeout = timeout || key == QLatin1String("connect_timeout");
        }
    }
    // A server that is down should be reported within seconds.
    if (!timeout)
        options << QStringLiteral("connect_timeout=5");
    p.options = options.join(QLatin1Char(';'));
    if (p.port <= 0)
        return std::nullopt;
    return p;
}

Connection::Connection(QString name, AliasTarget target)
    : m_name(std::move(name)), m_target(std::move(target)), m_dialect(m_target.engine)
{
}

Connection::Connection(Connection &&other) noexcept
    : m_name(std::exchange(other.m_name, QString())), m_target(other.m_target), m_dialect(other.m_dialect)
{
}

Connection &Connection::operator=(Connection &&other) noexcept
{
    if (this != &other) {
        release();
        m_name = std::exchange(other.m_name, QString());
        m_target = other.m_target;
        m_dialect = other.m_dialect;
    }
    return *this;
}

Connection::~Connection()
{
    release();
}

void Connection::release()
{
    if (m_name.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    m_name.clear();
}

QSqlDatabase Connection::db() const
{
    return QSqlDatabase::database(m_name, false);
}

namespace {

// Returns the reason (without the alias part) when opening fails.
std::optional<QString> openSqlite(const QString &name, const AliasTarget &t, const Connection::Options &options,
                                  bool *created)
{
    const QFileInfo fi(t.location);
    const QString dir = fi.absolutePath();
    const bool isDefault = t.source == AliasTarget::Source::Default;
    if (!QFileInfo::exists(dir)) {
        if (!isDefault)
            return Messages::folderMissing(dir);
        if (!QDir().mkpath(dir))
            return Messages::cannotCreateFolder(dir);
    }
    if (fi.exists()) {
        if (!writable(fi))
            return Messages::fileReadOnly(fi.absoluteFilePath());
    } else if (!isDefault && !options.createFile) {
        return Messages::fileMissing(fi.absoluteFilePath());
    } else {
        *created = true;
    }
    // WAL keeps its -wal and -shm files beside the database.
    if (!writable(QFileInfo(dir)))
        return Messages::folderReadOnly(dir);

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(fi.absoluteFilePath());
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!db.open())
        return Sql::errorText(db.lastError());
    QString err;
    const auto mode = Sql::scalar(db, QStringLiteral("PRAGMA journal_mode=WAL"), {}, &err);
    if (!mode)
        return Messages::notADatabase(err);
    if (mode->toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        return QStringLiteral("journal_mode %1").arg(mode->toString());
    if (!Sql::exec(db, QStringLiteral("PRAGMA case_sensitive_like = ON"), {}, &err))
        return err;
    return std::nullopt;
}

std::optional<QString> openPostgres(const QString &name, const AliasTarget &t)
{
    const auto p = parsePgUri(t.location);
    if (!p)
        return Messages::badAddress();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        return Messages::noDriver(QStringLiteral("QPSQL"));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.setHostName(p->host);
    db.setPort(p->port);
    db.setUserName(p->user);
    db.setPassword(p->password);
    db.setDatabaseName(p->database);
    db.setConnectOptions(p->options);
    if (!db.open()) {
        const QString text = Sql::errorText(db.lastError());
        if (text.contains(QLatin1String("password"), Qt::CaseInsensitive)
            || text.contains(QLatin1String("role"), Qt::CaseInsensitive))
            return Messages::loginRefused(text);
        return Messages::serverUnreachable(text);
    }
    QString err;
    if (!Sql::exec(db, QStringLiteral("SET client_min_messages = warning"), {}, &err))
        return err;
    return std::nullopt;
}

std::optional<QString> checkSchema(const QSqlDatabase &db, Engine engine, bool mayCreate)
{
    QString err;
    const auto version = schemaVersion(db, &err);
    if (!version)
        return err;
    if (*version == kSchemaVersion)
        return std::nullopt;
    if (*version == 0) {
        const bool any = hasAnyTable(db, engine, &err);
        if (!err.isEmpty())
            return err;
        if (!any && !mayCreate)
            return Messages::noTables();
        if (!any) {
            if (!createSchema(db, engine, &err) || !seedInitialData(db, engine, &err))
                return err;
            return std::nullopt;
        }
    }
    if (!upgradeSchema(db, engine, &err))
        return err;
    return std::nullopt;
}

} // namespace

std::optional<Connection> Connection::open(const QString &owner, QString *error)
{
    return open(resolveAlias(), owner, error, Options{});
}

std::optional<Connection> Connection::open(const AliasTarget &target, const QString &owner, QString *error,
                                           Options options)
{
    Connection c(owner + QLatin1Char('#') + QString::number(++s_counter), target);
    bool created = false;
    std::optional<QString> reason = target.engine == Engine::Sqlite
        ? openSqlite(c.m_name, target, options, &created)
        : openPostgres(c.m_name, target);
    // The default file is the one database the program sets up by itself.
    if (!reason && options.requireSchema)
        reason = checkSchema(c.db(), target.engine, target.source == AliasTarget::Source::Default);
    if (reason) {
        if (error)
            *error = Messages::openFailed(target.display(), *reason);
        c.release();
        if (created)
            for (const char *suffix : {"", "-wal", "-shm"})
                QFile::remove(target.location + QLatin1String(suffix));
        return std::nullopt;
    }
    return c;
}

} // namespace Data
