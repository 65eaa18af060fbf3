#include "testdb.h"

#include "data/passwordhash.h"
#include "data/schema.h"
#include "data/sql.h"
#include "data/transaction.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QUrl>

namespace {

QString adminHash()
{
    // One hash per process: hashing with Argon2id on every reset would be slow.
    static const QString h = Data::PasswordHash::hash(QString::fromLatin1(Data::PasswordHash::kDefaultPassword))
                                 .value_or(QString());
    return h;
}

QString withDatabase(const QString &baseUri, const QString &name)
{
    QUrl url(baseUri);
    url.setPath(QLatin1Char('/') + name);
    return url.toString();
}

} // namespace

TestDb::~TestDb()
{
    m_conn.reset();
    if (m_pgDatabases.isEmpty())
        return;
    QString err;
    auto admin = Data::Connection::open(Data::targetFor(m_pgBase, Data::AliasTarget::Source::Environment),
                                        QStringLiteral("testdb-drop"), &err, {.requireSchema = false});
    if (!admin)
        return;
    for (const QString &name : std::as_const(m_pgDatabases))
        Data::Sql::exec(admin->db(), QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name), {}, nullptr);
}

std::optional<Data::AliasTarget> TestDb::newDatabase(const QString &name, QString *error)
{
    if (m_target.engine == Data::Engine::Sqlite || m_pgBase.isEmpty()) {
        const QString path = m_dir->filePath(name + QStringLiteral(".db"));
        return Data::targetFor(path, Data::AliasTarget::Source::Environment);
    }
    auto admin = Data::Connection::open(Data::targetFor(m_pgBase, Data::AliasTarget::Source::Environment),
                                        QStringLiteral("testdb-create"), error, {.requireSchema = false});
    if (!admin)
        return std::nullopt;
    // The name is generated here, never typed by a user.
    if (!Data::Sql::exec(admin->db(), QStringLiteral("CREATE DATABASE %1").arg(name), {}, error))
        return std::nullopt;
    m_pgDatabases << name;
    return Data::targetFor(withDatabase(m_pgBase, name), Data::AliasTarget::Source::Environment);
}

TestDb::Status TestDb::start()
{
    const QString engineName = qEnvironmentVariable("VELMORA_TEST_ENGINE", QStringLiteral("sqlite")).toLower();
    m_dir = std::make_unique<QTemporaryDir>();
    if (!m_dir->isValid()) {
        m_error = QStringLiteral("cannot create a temporary folder");
        return Status::Fail;
    }
    QString stem = QStringLiteral("velm30");
    if (engineName == QLatin1String("postgres")) {
        m_pgBase = qEnvironmentVariable("VELMORA_TEST_PG");
        if (m_pgBase.isEmpty()) {
            if (qEnvironmentVariable("VELMORA_PG_REQUIRED") == QLatin1String("1")) {
                m_error = QStringLiteral("VELMORA_PG_REQUIRED=1 but VELMORA_TEST_PG is not set: "
                                         "run the tests through scripts/with-postgres.sh");
                return Status::Fail;
            }
            m_error = QStringLiteral("no PostgreSQL server for tests (VELMORA_TEST_PG is not set)");
            return Status::Skip;
        }
        m_target.engine = Data::Engine::Postgres;
        stem = QStringLiteral("velmora_test_%1_%2")
                   .arg(QCoreApplication::applicationPid())
                   .arg(QRandomGenerator::global()->generate() % 1000000);
    } else if (engineName != QLatin1String("sqlite")) {
        m_error = QStringLiteral("unknown VELMORA_TEST_ENGINE %1").arg(engineName);
        return Status::Fail;
    }
    const auto target = newDatabase(stem, &m_error);
    if (!target)
        return Status::Fail;
    m_target = *target;

    m_conn = Data::Connection::open(m_target, QStringLiteral("testdb"), &m_error,
                                    {.requireSchema = false, .createFile = true});
    if (!m_conn)
        return Status::Fail;
    if (!Data::createSchema(m_conn->db(), engine(), &m_error)
        || !Data::seedInitialData(m_conn->db(), engine(), &m_error, adminHash()))
        return Status::Fail;
    qputenv("VELM30", m_target.location.toUtf8());
    return Status::Ready;
}

bool TestDb::reset()
{
    if (!m_conn) {
        m_error = QStringLiteral("test database not started");
        return false;
    }
    const QSqlDatabase db = m_conn->db();
    QStringList names;
    for (const Data::TableDef &t : Data::tables())
        names << QString::fromLatin1(t.name);
    Data::Transaction tx(db, engine());
    if (!tx.begin(&m_error))
        return false;
    if (engine() == Data::Engine::Postgres) {
        if (!Data::Sql::exec(db, QStringLiteral("TRUNCATE %1 RESTART IDENTITY").arg(names.join(QStringLiteral(", "))),
                             {}, &m_error))
            return false;
    } else {
        for (const QString &n : std::as_const(names))
            if (!Data::Sql::exec(db, QStringLiteral("DELETE FROM %1").arg(n), {}, &m_error))
                return false;
        if (!Data::Sql::exec(db, QStringLiteral("DELETE FROM sqlite_sequence"), {}, &m_error))
            return false;
    }
    if (!tx.commit(&m_error))
        return false;
    return Data::seedInitialData(db, engine(), &m_error, adminHash());
}

std::optional<Data::AliasTarget> TestDb::createEmpty(QString *error)
{
    QString name = m_target.engine == Data::Engine::Postgres
        ? QStringLiteral("%1_e%2").arg(m_pgDatabases.value(0)).arg(++m_emptyCount)
        : QStringLiteral("empty%1").arg(++m_emptyCount);
    return newDatabase(name, error);
}
