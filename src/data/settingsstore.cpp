#include "data/settingsstore.h"

#include "data/schema.h"
#include "data/sql.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace Data {
namespace {

using Sql::prepare;

QString f(const char *name) { return QString::fromLatin1(name); }

// The prefixes the window shows; PREFIX5 is left alone.
constexpr int kShownPrefixes[] = {1, 2, 3, 4, 6, 7, 8, 9};

// Field and value of every text the window writes.
QList<std::pair<QString, QString>> editedTexts(const BusinessSettings &s)
{
    QList<std::pair<QString, QString>> t = {
        {f(Field::OF_NAME), s.name},        {f(Field::OF_ADD1), s.address1},
        {f(Field::OF_ADD2), s.address2},    {f(Field::OF_ADD4), s.province},
        {f(Field::OF_ZIP), s.zip},          {f(Field::OF_TAXID), s.taxId},
        {f(Field::OF_TEL), s.tel},          {f(Field::OF_FAX), s.fax},
        {f(Field::OF_EMAIL), s.email},      {f(Field::APP_AC), s.bankAccount},
        {f(Field::LINE1), s.line1},         {f(Field::LINE4), s.line4},
        {f(Field::LINE5), s.line5},         {f(Field::VIEW1), s.view1},
        {f(Field::COM_PORT), s.comPort},    {f(Field::PRINT_DAY), s.printDay},
    };
    for (int series : kShownPrefixes)
        t.append({QStringLiteral("PREFIX%1").arg(series), s.prefixOf(series)});
    return t;
}

} // namespace

int SettingsStore::width(const char *field)
{
    const TableDef *t = table(f(Table::Orvansys));
    const FieldDef *d = t ? t->field(f(field)) : nullptr;
    return d ? d->width : 0;
}

std::optional<BusinessSettings> SettingsStore::load(QString *error) const
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!prepare(q, QStringLiteral("SELECT * FROM ") + f(Table::Orvansys), error) || !Sql::exec(q, error))
        return std::nullopt;
    BusinessSettings s;
    if (!q.next())
        return s;
    const QSqlRecord r = q.record();
    const auto text = [&](const char *name) { return r.value(f(name)).toString(); };
    s.name = text(Field::OF_NAME);
    s.address1 = text(Field::OF_ADD1);
    s.address2 = text(Field::OF_ADD2);
    s.address3 = text(Field::OF_ADD3);
    s.province = text(Field::OF_ADD4);
    s.zip = text(Field::OF_ZIP);
    s.taxId = text(Field::OF_TAXID);
    s.tel = text(Field::OF_TEL);
    s.fax = text(Field::OF_FAX);
    s.email = text(Field::OF_EMAIL);
    s.bankAccount = text(Field::APP_AC);
    for (int i = 1; i <= 9; ++i)
        s.prefixOf(i) = r.value(QStringLiteral("PREFIX%1").arg(i)).toString();
    s.line1 = text(Field::LINE1);
    s.line2 = text(Field::LINE2);
    s.line3 = text(Field::LINE3);
    s.line4 = text(Field::LINE4);
    s.line5 = text(Field::LINE5);
    s.view1 = text(Field::VIEW1);
    s.comPort = text(Field::COM_PORT);
    s.printDay = text(Field::PRINT_DAY);
    s.prnTop = r.value(f(Field::PRN_TOP)).toDouble();
    s.prnLeft = r.value(f(Field::PRN_LEFT)).toDouble();
    s.logo = r.value(f(Field::OF_LOGO)).toByteArray();
    return s;
}

bool SettingsStore::save(const BusinessSettings &s, QString *error) const
{
    const auto texts = editedTexts(s);
    QStringList names;
    for (const auto &t : texts)
        names.append(t.first);
    names << f(Field::PRN_TOP) << f(Field::PRN_LEFT) << f(Field::OF_LOGO);

    QSqlQuery count(m_db);
    if (!prepare(count, QStringLiteral("SELECT COUNT(*) FROM ") + f(Table::Orvansys), error) || !Sql::exec(count, error))
        return false;
    const bool exists = count.next() && count.value(0).toInt() > 0;

    QString sql;
    if (exists) {
        // The table holds one record, so the statement names no key.
        QStringList sets;
        for (const QString &n : names)
            sets.append(n + QStringLiteral(" = :") + n);
        sql = QStringLiteral("UPDATE ") + f(Table::Orvansys) + QStringLiteral(" SET ") + sets.join(QStringLiteral(", "));
    } else {
        QStringList marks;
        for (const QString &n : names)
            marks.append(QLatin1Char(':') + n);
        sql = QStringLiteral("INSERT INTO ") + f(Table::Orvansys) + QStringLiteral(" (") + names.join(QStringLiteral(", "))
            + QStringLiteral(") VALUES (") + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    QSqlQuery q(m_db);
    if (!prepare(q, sql, error))
        return false;
    for (const auto &t : texts)
        q.bindValue(QLatin1Char(':') + t.first, t.second);
    q.bindValue(QLatin1Char(':') + f(Field::PRN_TOP), s.prnTop);
    q.bindValue(QLatin1Char(':') + f(Field::PRN_LEFT), s.prnLeft);
    q.bindValue(QLatin1Char(':') + f(Field::OF_LOGO),
                s.logo.isEmpty() ? QVariant(QMetaType(QMetaType::QByteArray)) : QVariant(s.logo));
    return Sql::exec(q, error);
}

std::optional<SettingsRules::SeriesCheck> SettingsStore::checkSeries(const QString &prefix1Text, QString *error) const
{
    const QString head = SettingsRules::seriesHead(prefix1Text);
    const QString invoice = f(Table::Invoice);
    const QString invNo = f(Field::INV_NO);

    QSqlQuery any(m_db);
    any.setForwardOnly(true);
    if (!prepare(any, QStringLiteral("SELECT COUNT(*) FROM ") + invoice + QStringLiteral(" WHERE substr(") + invNo
                          + QStringLiteral(", 1, 5) = :qprefix"), error))
        return std::nullopt;
    any.bindValue(QStringLiteral(":qprefix"), head);
    if (!Sql::exec(any, error))
        return std::nullopt;
    const bool hasDocs = any.next() && any.value(0).toLongLong() > 0;

    QString highest;
    if (hasDocs) {
        QSqlQuery top(m_db);
        top.setForwardOnly(true);
        if (!prepare(top, QStringLiteral("SELECT ") + invNo + QStringLiteral(" FROM ") + invoice + QStringLiteral(" ORDER BY ")
                              + invNo + QStringLiteral(" DESC LIMIT 1"), error)
            || !Sql::exec(top, error))
            return std::nullopt;
        if (top.next())
            highest = top.value(0).toString();
    }
    const SettingsRules::SeriesCheck result = SettingsRules::seriesCheckResult(head, hasDocs, highest);

    const QString que = f(Table::Que);
    const QString queInv = f(Field::QUE_INV_N);
    QSqlQuery upd(m_db);
    if (!prepare(upd, QStringLiteral("UPDATE ") + que + QStringLiteral(" SET ") + queInv + QStringLiteral(" = :n"), error))
        return std::nullopt;
    upd.bindValue(QStringLiteral(":n"), result.queInvN);
    if (!Sql::exec(upd, error))
        return std::nullopt;
    if (upd.numRowsAffected() == 0) {
        QSqlQuery ins(m_db);
        if (!prepare(ins, QStringLiteral("INSERT INTO ") + que + QStringLiteral(" (") + queInv + QStringLiteral(") VALUES (:n)"), error))
            return std::nullopt;
        ins.bindValue(QStringLiteral(":n"), result.queInvN);
        if (!Sql::exec(ins, error))
            return std::nullopt;
    }
    return result;
}

std::optional<QString> SettingsStore::queInvN(QString *error) const
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!prepare(q, QStringLiteral("SELECT ") + f(Field::QUE_INV_N) + QStringLiteral(" FROM ") + f(Table::Que), error)
        || !Sql::exec(q, error))
        return std::nullopt;
    return q.next() ? q.value(0).toString() : QString();
}

} // namespace Data
