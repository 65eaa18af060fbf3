#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariantMap>

#include <optional>

class QSqlDatabase;
class QSqlError;

// Small helpers around QSqlQuery that turn every failure into a returned error
// text, so that a failed statement never looks like an empty result.
namespace Data::Sql {

// Placeholder names may be given with or without the leading colon.
using Binds = QVariantMap;

// Prepares, binds and executes (a null QString binds as ''; an invalid
// QVariant as NULL). The query is forward-only; std::nullopt with
// *error set (the engine's text and the statement) on failure.
std::optional<QSqlQuery> run(const QSqlDatabase &db, const QString &sql, const Binds &binds,
                             QString *error);
bool exec(const QSqlDatabase &db, const QString &sql, const Binds &binds, QString *error);

// Runs a query expected to give one value (the first column of the first row);
// an empty result gives an invalid QVariant, a failure std::nullopt.
std::optional<QVariant> scalar(const QSqlDatabase &db, const QString &sql, const Binds &binds,
                               QString *error);

// For statements built and bound by hand: the same failure-to-text rule.
bool prepare(QSqlQuery &q, const QString &sql, QString *error);
bool exec(QSqlQuery &q, QString *error);

QString errorText(const QSqlError &error);

// The result column name under which the windows read an aggregate:
// aggregateName("SUM", "price") is "SUM OF price".
QString aggregateName(const QString &function, const QString &column);
// The select-list item: aggregate("SUM", "price") is SUM(price) AS "SUM OF price".
QString aggregate(const QString &function, const QString &column);

} // namespace Data::Sql
