#include "commands.h"

#include "adminmessages.h"

#include "data/connection.h"
#include "data/maintenance.h"
#include "data/schema.h"

#include <QTextStream>

namespace Admin {

void out(const QString &line)
{
    static QTextStream s(stdout);
    s << line << Qt::endl;
}

void err(const QString &line)
{
    static QTextStream s(stderr);
    s << line << Qt::endl;
}

namespace {

std::optional<Data::Connection> openAlias(bool createFile)
{
    QString error;
    auto c = Data::Connection::open(Data::resolveAlias(), QStringLiteral("velmora-admin"), &error,
                                    {.requireSchema = false, .createFile = createFile});
    if (!c)
        err(error);
    return c;
}

} // namespace

int runInit(const QStringList &)
{
    auto c = openAlias(true);
    if (!c)
        return 2;
    const QString where = c->target().display();
    QString error;
    const bool any = Data::hasAnyTable(c->db(), c->engine(), &error);
    if (!error.isEmpty()) {
        err(error);
        return 2;
    }
    if (any) {
        err(Messages::alreadyHasTables(where));
        return 1;
    }
    if (!Data::createSchema(c->db(), c->engine(), &error) || !Data::seedInitialData(c->db(), c->engine(), &error)) {
        err(error);
        return 2;
    }
    out(Messages::initDone(where));
    return 0;
}

int runCheck(const QStringList &)
{
    auto c = openAlias(false);
    if (!c)
        return 2;
    QStringList diffs = Data::Maintenance::integrityProblems(*c);
    diffs << Data::compareSchema(c->db(), c->engine());
    QString error;
    const auto version = Data::schemaVersion(c->db(), &error);
    if (!version)
        diffs << error;
    else if (*version != Data::kSchemaVersion)
        diffs << QStringLiteral("%1: version %2, expected %3")
                     .arg(QLatin1String(Data::Table::SchemaVersion))
                     .arg(*version)
                     .arg(Data::kSchemaVersion);
    for (const QString &d : std::as_const(diffs))
        out(d);
    if (!diffs.isEmpty()) {
        err(Messages::checkFailed(int(diffs.size())));
        return 1;
    }
    out(Messages::checkOk(c->target().display()));
    return 0;
}

int runBackup(const QStringList &args)
{
    if (args.size() != 1 || args.first().isEmpty()) {
        err(Messages::backupUsage());
        return 2;
    }
    auto c = openAlias(false);
    if (!c)
        return 2;
    QString error;
    if (!Data::Maintenance::backup(*c, args.first(), &error)) {
        err(Messages::backupFailed(error));
        return 1;
    }
    out(Messages::backupDone(args.first()));
    return 0;
}

} // namespace Admin
