#include "data/maintenance.h"

#include "data/connection.h"
#include "data/schema.h"
#include "data/sql.h"

#include <QFileInfo>
#include <QProcess>
#include <QUrl>
#include <QUrlQuery>

namespace Data::Maintenance {

QStringList integrityProblems(const Connection &connection)
{
    QString err;
    auto q = Sql::run(connection.db(), connection.dialect().integrityCheckStatement(), {}, &err);
    if (!q)
        return {err};
    QStringList problems;
    bool any = false;
    while (q->next()) {
        any = true;
        const QString row = q->value(0).toString();
        if (row.compare(QLatin1String("ok"), Qt::CaseInsensitive) != 0)
            problems << row;
    }
    if (!any)
        problems << QStringLiteral("integrity check gave no answer");
    return problems;
}

QStringList tableNames(const Connection &connection, QString *error)
{
    QString err;
    const QStringList present = existingTables(connection.db(), connection.engine(), &err);
    if (!err.isEmpty()) {
        if (error)
            *error = err;
        return {};
    }
    QStringList names;
    for (const TableDef &t : tables())
        if (present.contains(QString::fromLatin1(t.name).toLower()))
            names << QString::fromLatin1(t.name);
    return names;
}

namespace {

bool knownTable(const QString &table, QString *error)
{
    // Names are pasted into the statement, so only the program's own pass.
    if (Data::table(table))
        return true;
    if (error)
        *error = QStringLiteral("unknown table %1").arg(table);
    return false;
}

} // namespace

bool compactTable(const Connection &connection, const QString &table, QString *error)
{
    return knownTable(table, error)
        && Sql::exec(connection.db(), connection.dialect().compactStatement(table), {}, error);
}

bool reindexTable(const Connection &connection, const QString &table, QString *error)
{
    return knownTable(table, error)
        && Sql::exec(connection.db(), connection.dialect().reindexStatement(table), {}, error);
}

bool backup(const Connection &connection, const QString &file, QString *error)
{
    if (QFileInfo::exists(file)) {
        if (error)
            *error = QStringLiteral("แฟ้ม %1 มีอยู่แล้ว ไม่เขียนทับ").arg(file);
        return false;
    }
    if (connection.engine() == Engine::Sqlite)
        return Sql::exec(connection.db(), QStringLiteral("VACUUM INTO :file"),
                         {{QStringLiteral("file"), QFileInfo(file).absoluteFilePath()}}, error);

    // The password goes through the environment, not the command line.
    QUrl url(connection.target().location);
    QString password = url.password(QUrl::FullyDecoded);
    QUrlQuery query(url);
    if (query.hasQueryItem(QStringLiteral("password"))) {
        password = query.queryItemValue(QStringLiteral("password"), QUrl::FullyDecoded);
        query.removeAllQueryItems(QStringLiteral("password"));
        url.setQuery(query);
    }
    url.setPassword(QString());
    QProcess dump;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!password.isEmpty())
        env.insert(QStringLiteral("PGPASSWORD"), password);
    dump.setProcessEnvironment(env);
    dump.start(QStringLiteral("pg_dump"), {QStringLiteral("--format=custom"), QStringLiteral("--file=") + file,
                                           QStringLiteral("--dbname=") + url.toString()});
    if (!dump.waitForStarted()) {
        if (error)
            *error = QStringLiteral("เรียกใช้ pg_dump ไม่ได้ : %1").arg(dump.errorString());
        return false;
    }
    dump.waitForFinished(-1);
    if (dump.exitStatus() != QProcess::NormalExit || dump.exitCode() != 0) {
        if (error)
            *error = QStringLiteral("pg_dump ล้มเหลว : %1").arg(QString::fromLocal8Bit(dump.readAllStandardError()).trimmed());
        return false;
    }
    return true;
}

} // namespace Data::Maintenance
