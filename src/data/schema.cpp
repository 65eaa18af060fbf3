#include "data/schema.h"

#include "data/sql.h"
#include "data/transaction.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace Data {

namespace {

constexpr FieldDef kHeaderFields[] = {
    {Field::INV_NO, FieldType::Text, 11},
    {Field::RET_NO, FieldType::Text, 11},
    {Field::REF_BILL, FieldType::Text, 11},
    {Field::P_BILL, FieldType::Text, 11},
    {Field::INV_TYPE, FieldType::Text, 1},
    {Field::INV_DATE, FieldType::Text, 10},
    {Field::WARN_DATE, FieldType::Text, 10},
    {Field::RET_DATE, FieldType::Text, 10},
    {Field::CUST_NO, FieldType::Text, 5},
    {Field::CUST_NAME, FieldType::Text, 100},
    {Field::CUST_CARD, FieldType::Text, 13},
    {Field::CUST_BIRTH, FieldType::Text, 10},
    {Field::SALE_NO, FieldType::Text, 13},
    {Field::SALE_NAME, FieldType::Text, 50},
    {Field::REF_ORDER, FieldType::Text, 20},
    {Field::TAX_RATE, FieldType::Float, 0},
    {Field::TOTAL, FieldType::Float, 0},
    {Field::TAX, FieldType::Float, 0},
    {Field::SUM_TOTAL, FieldType::Float, 0},
    {Field::DUE_DATE, FieldType::Text, 10},
    {Field::GET_BILL, FieldType::Text, 10},
    {Field::FG_BILL, FieldType::SmallInt, 0},
    {Field::GET_MONEY, FieldType::Text, 10},
    {Field::FG_MONEY, FieldType::SmallInt, 0},
    {Field::MONEY_OK, FieldType::Text, 10},
    {Field::FG_OK, FieldType::SmallInt, 0},
    {Field::CUST_CRE, FieldType::Text, 6},
    {Field::CUST_DISC, FieldType::Float, 0},
    {Field::EARN, FieldType::Float, 0},
    {Field::DISCOUNT, FieldType::Float, 0},
    {Field::ID_CODE2, FieldType::Text, 20},
    {Field::ID_CODE3, FieldType::Text, 20},
    {Field::ID_CODE4, FieldType::Text, 20},
    {Field::ID_CODE1, FieldType::Text, 20},
    {Field::FP, FieldType::Text, 1},
    {Field::FG_END, FieldType::Text, 1},
    {Field::FG_BYE, FieldType::Text, 1},
    {Field::INV_TIME, FieldType::Time, 0},
};

constexpr FieldDef kLineFields[] = {
    {Field::AUTO, FieldType::AutoInc, 0},
    {Field::INV_NO, FieldType::Text, 11},
    {Field::PRO_NO, FieldType::Text, 15},
    {Field::PRO_NAME, FieldType::Text, 50},
    {Field::ATTRIB, FieldType::Text, 40},
    {Field::ATTRIB2, FieldType::Text, 40},
    {Field::PRO_QTY, FieldType::Float, 0},
    {Field::PRO_UNIT, FieldType::Text, 10},
    {Field::UNIT_PRICE, FieldType::Float, 0},
    {Field::EARN, FieldType::Float, 0},
    {Field::WARN_DATE, FieldType::Text, 10},
    {Field::DISCOUNT, FieldType::Float, 0},
    {Field::TAX_RATE, FieldType::Float, 0},
    {Field::V_STATUS, FieldType::Text, 1},
    {Field::PRICE, FieldType::Float, 0},
    {Field::S_PRICE, FieldType::Float, 0},
    {Field::FG_BILL, FieldType::SmallInt, 0},
    {Field::P_BILL, FieldType::Text, 11},
    {Field::CUT_STOCK, FieldType::Text, 1},
    {Field::STK_POST, FieldType::Float, 0},
};

constexpr FieldDef kFinance1Fields[] = {
    {Field::INV_NO, FieldType::Text, 11},
    {Field::FIN_PNO, FieldType::Text, 15},
    {Field::FIN_PNAME, FieldType::Text, 40},
    {Field::FIN_PRICE, FieldType::Float, 0},
    {Field::FIN_PQTY, FieldType::Float, 0},
    {Field::FIN_COUNT, FieldType::Float, 0},
    {Field::FIN_PRICEC, FieldType::Float, 0},
    {Field::DAWN_RATE, FieldType::Float, 0},
    {Field::DAWN, FieldType::Float, 0},
    {Field::IN_RATE, FieldType::Float, 0},
    {Field::IN, FieldType::Float, 0},
    {Field::FIN_BEGIN, FieldType::Text, 10},
    {Field::ATTRIB, FieldType::Text, 40},
    {Field::ATTRIB2, FieldType::Text, 40},
    {Field::FIN_REM, FieldType::Text, 100},
    {Field::WARN_TERM, FieldType::Text, 10},
    {Field::FIN_UNIT, FieldType::Text, 10},
    {Field::FIN_TOTAL, FieldType::Float, 0},
    {Field::STK_POST, FieldType::Float, 0},
    {Field::TAX_RATE, FieldType::Float, 0},
    {Field::CUT_STOCK, FieldType::Text, 1},
};

constexpr FieldDef kfinance2Fields[] = {
    {Field::FIN_NO, FieldType::Text, 11},
    {Field::TAX_NO, FieldType::Text, 11},
    {Field::TAX_DATE, FieldType::Text, 10},
    {Field::FIN_COUNT, FieldType::SmallInt, 0},
    {Field::FIN_PRICE, FieldType::Float, 0},
    {Field::PAY_PRICE, FieldType::Float, 0},
    {Field::FIN_FINE, FieldType::Float, 0},
    {Field::FIN_DATE, FieldType::Text, 10},
    {Field::PAY_DATE, FieldType::Text, 10},
    {Field::FIN_FG1, FieldType::Text, 1},
    {Field::FIN_FG2, FieldType::Text, 1},
    {Field::FIN_DETAIL, FieldType::Text, 80},
    {Field::PAY, FieldType::Text, 1},
};

constexpr FieldDef kpbillFields[] = {
    {Field::P_BILL, FieldType::Text, 11},
    {Field::P_DATE, FieldType::Text, 10},
    {Field::P_COUNT, FieldType::SmallInt, 0},
    {Field::P_SUMTOTAL, FieldType::Float, 0},
    {Field::CUST_NO, FieldType::Text, 5},
    {Field::CUST_NAME, FieldType::Text, 80},
    {Field::DUE_DATE, FieldType::Text, 10},
    {Field::F_MONEY, FieldType::SmallInt, 0},
    {Field::M_PRICE, FieldType::Float, 0},
    {Field::M_DATE, FieldType::Text, 10},
    {Field::F_CHEQUE, FieldType::SmallInt, 0},
    {Field::C_PRICE, FieldType::Float, 0},
    {Field::C_DATE, FieldType::Text, 10},
    {Field::BANK, FieldType::Text, 40},
    {Field::BRANCH, FieldType::Text, 40},
    {Field::CHE_NO, FieldType::Text, 7},
    {Field::CHE_OK, FieldType::SmallInt, 0},
};

constexpr FieldDef kCancelFields[] = {
    {Field::CANC_NO, FieldType::Text, 11},
    {Field::CANC_DATE, FieldType::Text, 10},
    {Field::INV_NO, FieldType::Text, 11},
    {Field::INV_DATE, FieldType::Text, 10},
    {Field::CANC_CODE, FieldType::Text, 10},
    {Field::CANC_NAME, FieldType::Text, 40},
};

constexpr FieldDef kQueFields[] = {
    {Field::QUE_INV_N, FieldType::Text, 11},
    {Field::QUE_INV_V, FieldType::Text, 11},
    {Field::QUE_ORD_N, FieldType::Text, 11},
    {Field::QUE_ORD_V, FieldType::Text, 11},
    {Field::QUE_QUO_N, FieldType::Text, 11},
    {Field::QUE_QUO_V, FieldType::Text, 11},
    {Field::QUE_QUO2_N, FieldType::Text, 11},
    {Field::QUE_QUO2_V, FieldType::Text, 11},
};

constexpr FieldDef kPartyFields[] = {
    {Field::CUST_NO, FieldType::Text, 5},
    {Field::CUST_FLAG, FieldType::Text, 1},
    {Field::CUST_HEAD, FieldType::Text, 6},
    {Field::CUST_NAME, FieldType::Text, 100},
    {Field::CUST_CARD, FieldType::Text, 13},
    {Field::CUST_BIRTH, FieldType::Text, 10},
    {Field::CUST_ATTN, FieldType::Text, 50},
    {Field::CUST_ADD1, FieldType::Text, 80},
    {Field::CUST_ADD2, FieldType::Text, 80},
    {Field::CUST_ADD3, FieldType::Text, 80},
    {Field::CUST_ADD4, FieldType::Text, 80},
    {Field::CUST_ADD5, FieldType::Text, 1},
    {Field::CUST_ZIP, FieldType::Text, 5},
    {Field::CUST_TEL, FieldType::Text, 25},
    {Field::CUST_FAX, FieldType::Text, 25},
    {Field::CUST_CRE, FieldType::Text, 6},
    {Field::CUST_DISC, FieldType::Float, 0},
    {Field::CUST_GROUP, FieldType::Text, 1},
};

constexpr FieldDef kSaleFields[] = {
    {Field::SALE_NO, FieldType::Text, 5},
    {Field::SALE_NAME, FieldType::Text, 80},
    {Field::SALE_COM, FieldType::Float, 0},
    {Field::SALE_ADD1, FieldType::Text, 80},
    {Field::SALE_ADD2, FieldType::Text, 80},
    {Field::SALE_ADD3, FieldType::Text, 80},
    {Field::SALE_ADD4, FieldType::Text, 80},
    {Field::SALE_ZIP, FieldType::Text, 5},
    {Field::SALE_TEL, FieldType::Text, 25},
    {Field::SALARY, FieldType::Float, 0},
};

constexpr FieldDef kProductFields[] = {
    {Field::PRO_NO, FieldType::Text, 15},
    {Field::PRO_NAME, FieldType::Text, 50},
    {Field::ATTRIB, FieldType::Text, 20},
    {Field::PRO_GROUP, FieldType::Text, 5},
    {Field::PRO_BPRICE, FieldType::Float, 0},
    {Field::PRO_SPRICE, FieldType::Float, 0},
    {Field::F_VAT, FieldType::Text, 1},
    {Field::WARN_TERM, FieldType::Text, 10},
    {Field::PRO_TOTAL, FieldType::Float, 0},
    {Field::PRO_UNIT, FieldType::Text, 10},
    {Field::PRO_PACK, FieldType::Text, 15},
    {Field::PRO_RORDER, FieldType::Float, 0},
    {Field::LAST_BUY, FieldType::Text, 10},
    {Field::LAST_SALE, FieldType::Text, 10},
    {Field::INVEN_NO, FieldType::Text, 2},
    {Field::INV_NO, FieldType::Text, 11},
    {Field::FP, FieldType::Text, 1},
    {Field::PRO_SP2, FieldType::Float, 0},
    {Field::PRO_SP3, FieldType::Float, 0},
    {Field::PRO_SP4, FieldType::Float, 0},
    {Field::PRO_SP5, FieldType::Float, 0},
    {Field::TAX_RATE, FieldType::Float, 0},
    {Field::CUT_STOCK, FieldType::Text, 1},
};

constexpr FieldDef kscaleFields[] = {
    {Field::SCALE1, FieldType::Float, 0},
    {Field::SCALE2, FieldType::Float, 0},
    {Field::SCALE3, FieldType::Float, 0},
    {Field::SCALE4, FieldType::Float, 0},
    {Field::SCALE5, FieldType::Float, 0},
    {Field::SCALE6, FieldType::Float, 0},
    {Field::SCALE7, FieldType::Float, 0},
    {Field::SCALE8, FieldType::Float, 0},
    {Field::ATTRIB, FieldType::Text, 20},
};

constexpr FieldDef kmarketFields[] = {
    {Field::USRNAME, FieldType::Text, 16},
    {Field::PASSWD, FieldType::Text, 16},
    {Field::NAME, FieldType::Text, 40},
    {Field::POSITION, FieldType::Text, 20},
    {Field::AC1, FieldType::SmallInt, 0},
    {Field::AC2, FieldType::SmallInt, 0},
    {Field::AC3, FieldType::SmallInt, 0},
    {Field::AC4, FieldType::SmallInt, 0},
    {Field::AC5, FieldType::SmallInt, 0},
    {Field::AC6, FieldType::SmallInt, 0},
    {Field::AC7, FieldType::SmallInt, 0},
    {Field::AC8, FieldType::SmallInt, 0},
    {Field::AC9, FieldType::SmallInt, 0},
    {Field::AC10, FieldType::SmallInt, 0},
    {Field::AC11, FieldType::SmallInt, 0},
    {Field::AC12, FieldType::SmallInt, 0},
    {Field::AC13, FieldType::SmallInt, 0},
    {Field::AC14, FieldType::SmallInt, 0},
    {Field::AC15, FieldType::SmallInt, 0},
    {Field::AC16, FieldType::SmallInt, 0},
    {Field::AC17, FieldType::SmallInt, 0},
    {Field::AC18, FieldType::SmallInt, 0},
    {Field::AC19, FieldType::SmallInt, 0},
    {Field::AC20, FieldType::SmallInt, 0},
    {Field::AC21, FieldType::SmallInt, 0},
    {Field::AC22, FieldType::SmallInt, 0},
    {Field::AC23, FieldType::SmallInt, 0},
    {Field::AC24, FieldType::SmallInt, 0},
    {Field::AC25, FieldType::SmallInt, 0},
    {Field::AC26, FieldType::SmallInt, 0},
    {Field::AC27, FieldType::SmallInt, 0},
    {Field::AC28, FieldType::SmallInt, 0},
    {Field::AC29, FieldType::SmallInt, 0},
    {Field::AC30, FieldType::SmallInt, 0},
    {Field::PWD_HASH, FieldType::Text, 128},
};

constexpr FieldDef kOrvansysFields[] = {
    {Field::OF_NAME, FieldType::Text, 80},
    {Field::OF_ADD1, FieldType::Text, 80},
    {Field::OF_ADD2, FieldType::Text, 80},
    {Field::OF_ADD3, FieldType::Text, 80},
    {Field::OF_ADD4, FieldType::Text, 80},
    {Field::OF_ZIP, FieldType::Text, 5},
    {Field::OF_ADD5, FieldType::Text, 1},
    {Field::OF_TAXID, FieldType::Text, 13},
    {Field::OF_TEL, FieldType::Text, 25},
    {Field::OF_FAX, FieldType::Text, 25},
    {Field::OF_EMAIL, FieldType::Text, 50},
    {Field::OF_MENU, FieldType::Picture, 0},
    {Field::OF_PHEAD, FieldType::Text, 1},
    {Field::OF_STATE, FieldType::Text, 1},
    {Field::PREFIX1, FieldType::Text, 4},
    {Field::PREFIX2, FieldType::Text, 4},
    {Field::PREFIX3, FieldType::Text, 4},
    {Field::PREFIX4, FieldType::Text, 4},
    {Field::PREFIX5, FieldType::Text, 4},
    {Field::PREFIX6, FieldType::Text, 4},
    {Field::PREFIX7, FieldType::Text, 4},
    {Field::PREFIX8, FieldType::Text, 4},
    {Field::PREFIX9, FieldType::Text, 4},
    {Field::LINE1, FieldType::Text, 1},
    {Field::LINE2, FieldType::Text, 1},
    {Field::LINE3, FieldType::Text, 1},
    {Field::LINE4, FieldType::Text, 1},
    {Field::LINE5, FieldType::Text, 1},
    {Field::VIEW1, FieldType::Text, 1},
    {Field::VIEW2, FieldType::Text, 1},
    {Field::VIEW3, FieldType::Text, 1},
    {Field::VIEW4, FieldType::Text, 1},
    {Field::HEAD1, FieldType::Text, 80},
    {Field::HEAD2, FieldType::Text, 80},
    {Field::HEAD3, FieldType::Text, 80},
    {Field::HEAD4, FieldType::Text, 80},
    {Field::FOOT1, FieldType::Text, 80},
    {Field::FOOT2, FieldType::Text, 80},
    {Field::FOOT3, FieldType::Text, 80},
    {Field::FOOT4, FieldType::Text, 80},
    {Field::OF_LOGO, FieldType::Picture, 0},
    {Field::PRN_TOP, FieldType::Float, 0},
    {Field::PRN_LEFT, FieldType::Float, 0},
    {Field::COM_PORT, FieldType::Text, 1},
    {Field::PRINT_DAY, FieldType::Text, 1},
    {Field::APP_AC, FieldType::Text, 120},
    {Field::BLANK, FieldType::Text, 1},
    {Field::LOGO, FieldType::Text, 1},
    {Field::REMARK1, FieldType::Text, 100},
    {Field::REMARK2, FieldType::Text, 100},
    {Field::REMARK3, FieldType::Text, 100},
    {Field::PAPER, FieldType::Text, 1},
    {Field::PAPER1, FieldType::Text, 1},
};

QString lower(const char *s)
{
    return QString::fromLatin1(s).toLower();
}

// Index names must be unique across the database on both engines.
IndexDef idx(const char *table, const char *field, bool unique = false)
{
    return IndexDef{lower(table) + QLatin1Char('_') + lower(field), {QString::fromLatin1(field)}, unique, {}};
}

IndexDef stockIdx(const char *table, const char *productField)
{
    return IndexDef{lower(table) + QStringLiteral("_stock"),
                    {QString::fromLatin1(productField), QString::fromLatin1(Field::STK_POST)},
                    false, {}};
}

IndexDef dateKeyIdx(const char *table)
{
    return IndexDef{lower(table) + QStringLiteral("_inv_date_key"), {}, false,
                    QString::fromLatin1(Field::INV_DATE)};
}

std::vector<TableDef> buildTables()
{
    std::vector<TableDef> t;
    auto header = [&](const char *name, bool dateKey) {
        TableDef d{name, kHeaderFields, {idx(name, Field::INV_NO, true)}};
        if (dateKey) {
            d.indexes.push_back(dateKeyIdx(name));
            d.indexes.push_back(idx(name, Field::P_BILL));
        }
        t.push_back(d);
    };
    auto lines = [&](const char *name) {
        t.push_back(TableDef{name, kLineFields,
                             {idx(name, Field::INV_NO), stockIdx(name, Field::PRO_NO)}});
    };
    header(Table::Invoice, true);
    lines(Table::Invoice1);
    header(Table::Order0, true);
    lines(Table::Order1);
    header(Table::Tmpord, false);
    lines(Table::Tmpord1);
    header(Table::Quotation, false);
    lines(Table::Quotation1);
    t.push_back(TableDef{Table::Finance1, kFinance1Fields,
                         {idx(Table::Finance1, Field::INV_NO, true),
                          stockIdx(Table::Finance1, Field::FIN_PNO)}});
    t.push_back(TableDef{Table::finance2, kfinance2Fields, {idx(Table::finance2, Field::FIN_NO)}});
    t.push_back(TableDef{Table::Cancel, kCancelFields,
                         {idx(Table::Cancel, Field::CANC_NO), idx(Table::Cancel, Field::INV_NO)}});
    t.push_back(TableDef{Table::pbill, kpbillFields, {idx(Table::pbill, Field::P_BILL)}});
    t.push_back(TableDef{Table::Que, kQueFields, {}});
    for (const char *party : {Table::Customer, Table::Supply})
        t.push_back(TableDef{party, kPartyFields,
                             {idx(party, Field::CUST_NO, true), idx(party, Field::CUST_NAME)}});
    t.push_back(TableDef{Table::Sale, kSaleFields,
                         {idx(Table::Sale, Field::SALE_NO, true), idx(Table::Sale, Field::SALE_NAME)}});
    t.push_back(TableDef{Table::Product, kProductFields,
                         {idx(Table::Product, Field::PRO_NO, true), idx(Table::Product, Field::PRO_NAME)}});
    t.push_back(TableDef{Table::scale, kscaleFields, {}});
    t.push_back(TableDef{Table::market, kmarketFields, {idx(Table::market, Field::USRNAME, true)}});
    t.push_back(TableDef{Table::Orvansys, kOrvansysFields, {}});
    return t;
}

QString columnDdl(const FieldDef &f, Engine engine)
{
    const QString name = sqlName(QString::fromLatin1(f.name));
    const bool pg = engine == Engine::Postgres;
    switch (f.type) {
    case FieldType::Text:
        if (pg)
            return QStringLiteral("%1 VARCHAR(%2) COLLATE \"C\" DEFAULT ''").arg(name).arg(f.width);
        // SQLite ignores the declared width; the check makes it binding.
        return QStringLiteral("%1 VARCHAR(%2) DEFAULT '' CHECK (length(%1) <= %2)").arg(name).arg(f.width);
    case FieldType::Float:
        return name + (pg ? QStringLiteral(" DOUBLE PRECISION DEFAULT 0") : QStringLiteral(" REAL DEFAULT 0"));
    case FieldType::SmallInt:
        return name + QStringLiteral(" SMALLINT DEFAULT 0");
    case FieldType::AutoInc:
        return name + (pg ? QStringLiteral(" INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY")
                          : QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT"));
    case FieldType::Time:
        return name + QStringLiteral(" TIME");
    case FieldType::Picture:
        return name + (pg ? QStringLiteral(" BYTEA") : QStringLiteral(" BLOB"));
    }
    return name;
}

bool execAll(const QSqlDatabase &db, const QStringList &statements, QString *error)
{
    for (const QString &s : statements)
        if (!Sql::exec(db, s, {}, error))
            return false;
    return true;
}

bool createVersion1(const QSqlDatabase &db, Engine engine, QString *error)
{
    QStringList ddl;
    for (const TableDef &t : tables())
        ddl << createStatements(t, engine);
    ddl << QStringLiteral("CREATE TABLE %1 (VERSION INTEGER NOT NULL)").arg(QLatin1String(Table::SchemaVersion));
    ddl << QStringLiteral("INSERT INTO %1 (VERSION) VALUES (0)").arg(QLatin1String(Table::SchemaVersion));
    return execAll(db, ddl, error);
}

struct UpgradeStep
{
    int version; // the version the database has after the step
    bool (*apply)(const QSqlDatabase &, Engine, QString *);
};

// Each later change of the tables is one more numbered step here.
constexpr UpgradeStep kUpgradeSteps[] = {
    {1, createVersion1},
};

QString expectedSqliteType(const FieldDef &f)
{
    switch (f.type) {
    case FieldType::Text: return QStringLiteral("VARCHAR(%1)").arg(f.width);
    case FieldType::Float: return QStringLiteral("REAL");
    case FieldType::SmallInt: return QStringLiteral("SMALLINT");
    case FieldType::AutoInc: return QStringLiteral("INTEGER");
    case FieldType::Time: return QStringLiteral("TIME");
    case FieldType::Picture: return QStringLiteral("BLOB");
    }
    return {};
}

QString expectedPgType(const FieldDef &f)
{
    switch (f.type) {
    case FieldType::Text: return QStringLiteral("character varying");
    case FieldType::Float: return QStringLiteral("double precision");
    case FieldType::SmallInt: return QStringLiteral("smallint");
    case FieldType::AutoInc: return QStringLiteral("integer");
    case FieldType::Time: return QStringLiteral("time without time zone");
    case FieldType::Picture: return QStringLiteral("bytea");
    }
    return {};
}

struct ActualColumn
{
    QString name;
    QString type;   // engine's type text
    int width = 0;  // PostgreSQL only
    QString collation;
};

std::optional<std::vector<ActualColumn>> actualColumns(const QSqlDatabase &db, Engine engine,
                                                      const QString &table, QString *error)
{
    std::vector<ActualColumn> cols;
    if (engine == Engine::Sqlite) {
        auto q = Sql::run(db, QStringLiteral("SELECT name, type FROM pragma_table_info(:t)"),
                          {{QStringLiteral("t"), table}}, error);
        if (!q)
            return std::nullopt;
        while (q->next())
            cols.push_back({q->value(0).toString(), q->value(1).toString().toUpper(), 0, {}});
    } else {
        auto q = Sql::run(db, QStringLiteral(
                              "SELECT column_name, data_type, character_maximum_length, collation_name "
                              "FROM information_schema.columns "
                              "WHERE table_schema = current_schema() AND table_name = :t "
                              "ORDER BY ordinal_position"),
                          {{QStringLiteral("t"), table.toLower()}}, error);
        if (!q)
            return std::nullopt;
        while (q->next())
            cols.push_back({q->value(0).toString(), q->value(1).toString(), q->value(2).toInt(),
                            q->value(3).toString()});
    }
    return cols;
}

std::optional<QStringList> actualIndexes(const QSqlDatabase &db, Engine engine, const QString &table,
                                         QString *error)
{
    const QString sql = engine == Engine::Sqlite
        ? QStringLiteral("SELECT lower(name) FROM sqlite_master WHERE type = 'index' AND lower(tbl_name) = :t")
        : QStringLiteral("SELECT lower(indexname) FROM pg_indexes "
                         "WHERE schemaname = current_schema() AND tablename = :t");
    auto q = Sql::run(db, sql, {{QStringLiteral("t"), table.toLower()}}, error);
    if (!q)
        return std::nullopt;
    QStringList names;
    while (q->next())
        names << q->value(0).toString();
    return names;
}

std::optional<QString> sqliteTableSql(const QSqlDatabase &db, const QString &table, QString *error)
{
    auto q = Sql::run(db, QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND lower(name) = :t"),
                      {{QStringLiteral("t"), table.toLower()}}, error);
    if (!q)
        return std::nullopt;
    return q->next() ? q->value(0).toString() : QString();
}

} // namespace

const FieldDef *TableDef::field(const QString &name) const
{
    const int i = indexOf(name);
    return i < 0 ? nullptr : &fields[size_t(i)];
}

int TableDef::indexOf(const QString &name) const
{
    for (size_t i = 0; i < fields.size(); ++i)
        if (name.compare(QLatin1String(fields[i].name), Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

const std::vector<TableDef> &tables()
{
    static const std::vector<TableDef> all = buildTables();
    return all;
}

const TableDef *table(const QString &name)
{
    for (const TableDef &t : tables())
        if (name.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QStringList headerTables()
{
    return {QString::fromLatin1(Table::Invoice), QString::fromLatin1(Table::Order0),
            QString::fromLatin1(Table::Tmpord), QString::fromLatin1(Table::Quotation)};
}

QStringList lineTables()
{
    return {QString::fromLatin1(Table::Invoice1), QString::fromLatin1(Table::Order1),
            QString::fromLatin1(Table::Tmpord1), QString::fromLatin1(Table::Quotation1)};
}

QString modelName(const QString &tableName)
{
    return tableName.toLower();
}

QString sqlName(const QString &fieldName)
{
    if (fieldName.compare(QLatin1String(Field::IN), Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(Field::IN_SQL);
    return fieldName;
}

QStringList createStatements(const TableDef &t, Engine engine)
{
    QStringList cols;
    for (const FieldDef &f : t.fields)
        cols << columnDdl(f, engine);
    QStringList out;
    out << QStringLiteral("CREATE TABLE %1 (%2)").arg(QLatin1String(t.name), cols.join(QStringLiteral(", ")));
    for (const IndexDef &i : t.indexes) {
        QString what;
        if (!i.dateKeyOf.isEmpty()) {
            const QString &c = i.dateKeyOf;
            // Must match Dialect::dateKey() text for the planner to use it.
            what = QStringLiteral("(substr(%1,7,4)||substr(%1,4,2)||substr(%1,1,2))").arg(c);
        } else {
            QStringList c;
            for (const QString &name : i.columns)
                c << sqlName(name);
            what = c.join(QStringLiteral(", "));
        }
        out << QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                   .arg(i.unique ? QStringLiteral("UNIQUE ") : QString(), i.name,
                        QLatin1String(t.name), what);
    }
    return out;
}

QStringList existingTables(const QSqlDatabase &db, Engine engine, QString *error)
{
    const QString sql = engine == Engine::Sqlite
        ? QStringLiteral("SELECT lower(name) FROM sqlite_master WHERE type = 'table'")
        : QStringLiteral("SELECT lower(table_name) FROM information_schema.tables "
                         "WHERE table_schema = current_schema()");
    QStringList names;
    auto q = Sql::run(db, sql, {}, error);
    if (!q)
        return names;
    QStringList present;
    while (q->next())
        present << q->value(0).toString();
    for (const TableDef &t : tables())
        if (present.contains(lower(t.name)))
            names << lower(t.name);
    return names;
}

bool hasAnyTable(const QSqlDatabase &db, Engine engine, QString *error)
{
    QString err;
    const QStringList names = existingTables(db, engine, &err);
    if (!err.isEmpty() && error)
        *error = err;
    return !names.isEmpty();
}

std::optional<int> schemaVersion(const QSqlDatabase &db, QString *error)
{
    const Engine engine = db.driverName() == QLatin1String("QPSQL") ? Engine::Postgres : Engine::Sqlite;
    const QString sql = engine == Engine::Sqlite
        ? QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = :t")
        : QStringLiteral("SELECT count(*) FROM information_schema.tables "
                         "WHERE table_schema = current_schema() AND table_name = :t");
    auto q = Sql::run(db, sql, {{QStringLiteral("t"), QString::fromLatin1(Table::SchemaVersion)}}, error);
    if (!q || !q->next())
        return std::nullopt;
    if (q->value(0).toInt() == 0)
        return 0;
    auto v = Sql::run(db, QStringLiteral("SELECT max(VERSION) FROM %1").arg(QLatin1String(Table::SchemaVersion)),
                      {}, error);
    if (!v || !v->next())
        return std::nullopt;
    return v->value(0).toInt();
}

bool upgradeSchema(const QSqlDatabase &db, Engine engine, QString *error)
{
    const auto current = schemaVersion(db, error);
    if (!current)
        return false;
    if (*current > kSchemaVersion) {
        if (error)
            *error = QStringLiteral("ฐานข้อมูลนี้สร้างโดยโปรแกรมรุ่นใหม่กว่า (รุ่นโครงสร้าง %1)").arg(*current);
        return false;
    }
    for (const UpgradeStep &step : kUpgradeSteps) {
        if (step.version <= *current)
            continue;
        Transaction tx(db, engine);
        if (!tx.begin(error) || !step.apply(db, engine, error)
            || !Sql::exec(db, QStringLiteral("UPDATE %1 SET VERSION = :v").arg(QLatin1String(Table::SchemaVersion)),
                          {{QStringLiteral("v"), step.version}}, error)
            || !tx.commit(error))
            return false;
    }
    return true;
}

bool createSchema(const QSqlDatabase &db, Engine engine, QString *error)
{
    QString err;
    const QStringList present = existingTables(db, engine, &err);
    if (!err.isEmpty()) {
        if (error)
            *error = err;
        return false;
    }
    if (!present.isEmpty()) {
        if (error)
            *error = QStringLiteral("ฐานข้อมูลมีตารางอยู่แล้ว (%1)").arg(present.join(QStringLiteral(", ")));
        return false;
    }
    return upgradeSchema(db, engine, error);
}

QStringList compareSchema(const QSqlDatabase &db, Engine engine)
{
    QStringList diffs;
    QString err;
    const QStringList present = existingTables(db, engine, &err);
    if (!err.isEmpty())
        return {err};
    for (const TableDef &t : tables()) {
        const QString tname = QString::fromLatin1(t.name);
        if (!present.contains(tname.toLower())) {
            diffs << QStringLiteral("%1: table missing").arg(tname);
            continue;
        }
        const auto cols = actualColumns(db, engine, tname, &err);
        if (!cols) {
            diffs << QStringLiteral("%1: %2").arg(tname, err);
            continue;
        }
        QString tableSql;
        if (engine == Engine::Sqlite) {
            const auto s = sqliteTableSql(db, tname, &err);
            tableSql = s ? s->simplified() : QString();
        }
        // Positions are compared among the fields both sides have, so that one
        // missing field is reported once, not as a shift of all that follow.
        QStringList expectedOrder, actualOrder;
        for (const FieldDef &f : t.fields)
            if (std::any_of(cols->begin(), cols->end(), [&](const ActualColumn &c) {
                    return c.name.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0;
                }))
                expectedOrder << QString::fromLatin1(f.name);
        for (const ActualColumn &c : *cols)
            if (t.indexOf(c.name) >= 0)
                actualOrder << QString::fromLatin1(t.fields[size_t(t.indexOf(c.name))].name);
        for (size_t i = 0; i < t.fields.size(); ++i) {
            const FieldDef &f = t.fields[i];
            const QString fname = QString::fromLatin1(f.name);
            auto it = std::find_if(cols->begin(), cols->end(), [&](const ActualColumn &c) {
                return c.name.compare(fname, Qt::CaseInsensitive) == 0;
            });
            if (it == cols->end()) {
                diffs << QStringLiteral("%1.%2: field missing").arg(tname, fname);
                continue;
            }
            if (actualOrder.indexOf(fname) != expectedOrder.indexOf(fname))
                diffs << QStringLiteral("%1.%2: field at position %3, expected %4")
                             .arg(tname, fname)
                             .arg(it - cols->begin() + 1)
                             .arg(i + 1);
            if (engine == Engine::Sqlite) {
                const QString want = expectedSqliteType(f);
                if (it->type != want)
                    diffs << QStringLiteral("%1.%2: type %3, expected %4").arg(tname, fname, it->type, want);
                else if (f.type == FieldType::Text
                         && !tableSql.contains(QStringLiteral("CHECK (length(%1) <= %2)").arg(sqlName(fname)).arg(f.width),
                                               Qt::CaseInsensitive))
                    diffs << QStringLiteral("%1.%2: width %3 not enforced").arg(tname, fname).arg(f.width);
            } else {
                const QString want = expectedPgType(f);
                if (it->type != want)
                    diffs << QStringLiteral("%1.%2: type %3, expected %4").arg(tname, fname, it->type, want);
                else if (f.type == FieldType::Text) {
                    if (it->width != f.width)
                        diffs << QStringLiteral("%1.%2: width %3, expected %4").arg(tname, fname).arg(it->width).arg(f.width);
                    if (it->collation != QLatin1String("C"))
                        diffs << QStringLiteral("%1.%2: collation %3, expected C")
                                     .arg(tname, fname, it->collation.isEmpty() ? QStringLiteral("default") : it->collation);
                }
            }
        }
        for (const ActualColumn &c : *cols)
            if (t.indexOf(c.name) < 0)
                diffs << QStringLiteral("%1.%2: unexpected field").arg(tname, c.name);
        const auto idxs = actualIndexes(db, engine, tname, &err);
        if (!idxs) {
            diffs << QStringLiteral("%1: %2").arg(tname, err);
            continue;
        }
        for (const IndexDef &i : t.indexes)
            if (!idxs->contains(i.name))
                diffs << QStringLiteral("%1: index %2 missing").arg(tname, i.name);
    }
    return diffs;
}

} // namespace Data
