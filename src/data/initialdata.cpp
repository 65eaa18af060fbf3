#include "data/passwordhash.h"
#include "data/schema.h"
#include "data/sql.h"
#include "data/transaction.h"

#include <QSqlDatabase>

namespace Data {

namespace {

// Eight distinct series heads; purchase orders and quotations use the fixed
// TORD and TQUO, and new documents TEMP, so none of those appear here.
constexpr const char *kPrefixes[][2] = {
    {Field::PREFIX1, "SALE"}, {Field::PREFIX2, "SVAT"}, {Field::PREFIX3, "BUYS"}, {Field::PREFIX4, "BVAT"},
    {Field::PREFIX6, "HPSL"}, {Field::PREFIX7, "HPVT"}, {Field::PREFIX8, "HPRC"}, {Field::PREFIX9, "HPRV"},
};

// Price levels are tried from 5 down to 1 and the first threshold reached
// wins: out-of-reach thresholds above level 1 keep every sale at level 1
// until the owner sets the levels up.
constexpr double kUnreachable = 999999999.0;

bool insert(const QSqlDatabase &db, const char *table, const QVariantMap &values, QString *error)
{
    QStringList cols, marks;
    Sql::Binds binds;
    int n = 0;
    for (auto it = values.cbegin(); it != values.cend(); ++it, ++n) {
        const QString mark = QStringLiteral("v%1").arg(n);
        cols << sqlName(it.key());
        marks << QLatin1Char(':') + mark;
        binds.insert(mark, it.value());
    }
    return Sql::exec(db,
                     QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                         .arg(QLatin1String(table), cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
                     binds, error);
}

QString s(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

} // namespace

bool seedInitialData(const QSqlDatabase &db, Engine engine, QString *error, const QString &adminHash)
{
    QString hash = adminHash;
    if (hash.isEmpty()) {
        const auto h = PasswordHash::hash(s(PasswordHash::kDefaultPassword));
        if (!h) {
            if (error)
                *error = QStringLiteral("password hashing failed");
            return false;
        }
        hash = *h;
    }

    QVariantMap settings;
    for (const auto &[field, prefix] : kPrefixes)
        settings.insert(s(field), s(prefix));
    for (const char *f : {Field::LINE1, Field::LINE2, Field::LINE3, Field::LINE4, Field::LINE5, Field::VIEW1,
                          Field::PRINT_DAY})
        settings.insert(s(f), QStringLiteral("0"));
    settings.insert(s(Field::COM_PORT), QStringLiteral("1"));
    settings.insert(s(Field::PRN_TOP), 0.0);
    settings.insert(s(Field::PRN_LEFT), 0.0);

    QVariantMap levels{{s(Field::SCALE1), 0.0}};
    for (const char *f : {Field::SCALE2, Field::SCALE3, Field::SCALE4, Field::SCALE5})
        levels.insert(s(f), kUnreachable);

    const QVariantMap admin{
        {s(Field::USRNAME), s(PasswordHash::kDefaultUser)},
        {s(Field::PASSWD), QString(QLatin1String(""))},
        {s(Field::NAME), QStringLiteral("ผู้ดูแลระบบ")},
        {s(Field::AC1), 1},
        {s(Field::PWD_HASH), hash},
    };

    Transaction tx(db, engine);
    return tx.begin(error) && insert(db, Table::Orvansys, settings, error)
        && insert(db, Table::scale, levels, error)
        && insert(db, Table::Que, {{s(Field::QUE_INV_N), QString(QLatin1String(""))}}, error)
        && insert(db, Table::market, admin, error) && tx.commit(error);
}

} // namespace Data
