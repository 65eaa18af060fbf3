#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

class QSqlDatabase;

namespace Data {

enum class Engine { Sqlite, Postgres };

// Table names as the program spells them. Unquoted in SQL, so PostgreSQL folds
// them to lower case; pass modelName() to QSqlTableModel::setTable.
namespace Table {
inline constexpr char Invoice[] = "Invoice";
inline constexpr char Invoice1[] = "Invoice1";
inline constexpr char Order0[] = "Order0";
inline constexpr char Order1[] = "Order1";
inline constexpr char Tmpord[] = "Tmpord";
inline constexpr char Tmpord1[] = "Tmpord1";
inline constexpr char Quotation[] = "Quotation";
inline constexpr char Quotation1[] = "Quotation1";
inline constexpr char Finance1[] = "Finance1";
inline constexpr char finance2[] = "finance2";
inline constexpr char Cancel[] = "Cancel";
inline constexpr char pbill[] = "pbill";
inline constexpr char Que[] = "Que";
inline constexpr char Customer[] = "Customer";
inline constexpr char Supply[] = "Supply";
inline constexpr char Sale[] = "Sale";
inline constexpr char Product[] = "Product";
inline constexpr char scale[] = "scale";
inline constexpr char market[] = "market";
inline constexpr char Orvansys[] = "Orvansys";
// Bookkeeping of the schema itself; not one of the program's tables.
inline constexpr char SchemaVersion[] = "velmora_schema";
} // namespace Table

// Field names of every table in one flat list (the same name means the same
// thing wherever it occurs).
namespace Field {
inline constexpr char AC1[] = "AC1";
inline constexpr char AC10[] = "AC10";
inline constexpr char AC11[] = "AC11";
inline constexpr char AC12[] = "AC12";
inline constexpr char AC13[] = "AC13";
inline constexpr char AC14[] = "AC14";
inline constexpr char AC15[] = "AC15";
inline constexpr char AC16[] = "AC16";
inline constexpr char AC17[] = "AC17";
inline constexpr char AC18[] = "AC18";
inline constexpr char AC19[] = "AC19";
inline constexpr char AC2[] = "AC2";
inline constexpr char AC20[] = "AC20";
inline constexpr char AC21[] = "AC21";
inline constexpr char AC22[] = "AC22";
inline constexpr char AC23[] = "AC23";
inline constexpr char AC24[] = "AC24";
inline constexpr char AC25[] = "AC25";
inline constexpr char AC26[] = "AC26";
inline constexpr char AC27[] = "AC27";
inline constexpr char AC28[] = "AC28";
inline constexpr char AC29[] = "AC29";
inline constexpr char AC3[] = "AC3";
inline constexpr char AC30[] = "AC30";
inline constexpr char AC4[] = "AC4";
inline constexpr char AC5[] = "AC5";
inline constexpr char AC6[] = "AC6";
inline constexpr char AC7[] = "AC7";
inline constexpr char AC8[] = "AC8";
inline constexpr char AC9[] = "AC9";
inline constexpr char APP_AC[] = "APP_AC";
inline constexpr char ATTRIB[] = "ATTRIB";
inline constexpr char ATTRIB2[] = "ATTRIB2";
inline constexpr char AUTO[] = "AUTO";
inline constexpr char BANK[] = "BANK";
inline constexpr char BLANK[] = "BLANK";
inline constexpr char BRANCH[] = "BRANCH";
inline constexpr char CANC_CODE[] = "CANC_CODE";
inline constexpr char CANC_DATE[] = "CANC_DATE";
inline constexpr char CANC_NAME[] = "CANC_NAME";
inline constexpr char CANC_NO[] = "CANC_NO";
inline constexpr char CHE_NO[] = "CHE_NO";
inline constexpr char CHE_OK[] = "CHE_OK";
inline constexpr char COM_PORT[] = "COM_PORT";
inline constexpr char CUST_ADD1[] = "CUST_ADD1";
inline constexpr char CUST_ADD2[] = "CUST_ADD2";
inline constexpr char CUST_ADD3[] = "CUST_ADD3";
inline constexpr char CUST_ADD4[] = "CUST_ADD4";
inline constexpr char CUST_ADD5[] = "CUST_ADD5";
inline constexpr char CUST_ATTN[] = "CUST_ATTN";
inline constexpr char CUST_BIRTH[] = "CUST_BIRTH";
inline constexpr char CUST_CARD[] = "CUST_CARD";
inline constexpr char CUST_CRE[] = "CUST_CRE";
inline constexpr char CUST_DISC[] = "CUST_DISC";
inline constexpr char CUST_FAX[] = "CUST_FAX";
inline constexpr char CUST_FLAG[] = "CUST_FLAG";
inline constexpr char CUST_GROUP[] = "CUST_GROUP";
inline constexpr char CUST_HEAD[] = "CUST_HEAD";
inline constexpr char CUST_NAME[] = "CUST_NAME";
inline constexpr char CUST_NO[] = "CUST_NO";
inline constexpr char CUST_TEL[] = "CUST_TEL";
inline constexpr char CUST_ZIP[] = "CUST_ZIP";
inline constexpr char CUT_STOCK[] = "CUT_STOCK";
inline constexpr char C_DATE[] = "C_DATE";
inline constexpr char C_PRICE[] = "C_PRICE";
inline constexpr char DAWN[] = "DAWN";
inline constexpr char DAWN_RATE[] = "DAWN_RATE";
inline constexpr char DISCOUNT[] = "DISCOUNT";
inline constexpr char DUE_DATE[] = "DUE_DATE";
inline constexpr char EARN[] = "EARN";
inline constexpr char FG_BILL[] = "FG_BILL";
inline constexpr char FG_BYE[] = "FG_BYE";
inline constexpr char FG_END[] = "FG_END";
inline constexpr char FG_MONEY[] = "FG_MONEY";
inline constexpr char FG_OK[] = "FG_OK";
inline constexpr char FIN_BEGIN[] = "FIN_BEGIN";
inline constexpr char FIN_COUNT[] = "FIN_COUNT";
inline constexpr char FIN_DATE[] = "FIN_DATE";
inline constexpr char FIN_DETAIL[] = "FIN_DETAIL";
inline constexpr char FIN_FG1[] = "FIN_FG1";
inline constexpr char FIN_FG2[] = "FIN_FG2";
inline constexpr char FIN_FINE[] = "FIN_FINE";
inline constexpr char FIN_NO[] = "FIN_NO";
inline constexpr char FIN_PNAME[] = "FIN_PNAME";
inline constexpr char FIN_PNO[] = "FIN_PNO";
inline constexpr char FIN_PQTY[] = "FIN_PQTY";
inline constexpr char FIN_PRICE[] = "FIN_PRICE";
inline constexpr char FIN_PRICEC[] = "FIN_PRICEC";
inline constexpr char FIN_REM[] = "FIN_REM";
inline constexpr char FIN_TOTAL[] = "FIN_TOTAL";
inline constexpr char FIN_UNIT[] = "FIN_UNIT";
inline constexpr char FOOT1[] = "FOOT1";
inline constexpr char FOOT2[] = "FOOT2";
inline constexpr char FOOT3[] = "FOOT3";
inline constexpr char FOOT4[] = "FOOT4";
inline constexpr char FP[] = "FP";
inline constexpr char F_CHEQUE[] = "F_CHEQUE";
inline constexpr char F_MONEY[] = "F_MONEY";
inline constexpr char F_VAT[] = "F_VAT";
inline constexpr char GET_BILL[] = "GET_BILL";
inline constexpr char GET_MONEY[] = "GET_MONEY";
inline constexpr char HEAD1[] = "HEAD1";
inline constexpr char HEAD2[] = "HEAD2";
inline constexpr char HEAD3[] = "HEAD3";
inline constexpr char HEAD4[] = "HEAD4";
inline constexpr char ID_CODE1[] = "ID_CODE1";
inline constexpr char ID_CODE2[] = "ID_CODE2";
inline constexpr char ID_CODE3[] = "ID_CODE3";
inline constexpr char ID_CODE4[] = "ID_CODE4";
inline constexpr char IN[] = "IN";
inline constexpr char INVEN_NO[] = "INVEN_NO";
inline constexpr char INV_DATE[] = "INV_DATE";
inline constexpr char INV_NO[] = "INV_NO";
inline constexpr char INV_TIME[] = "INV_TIME";
inline constexpr char INV_TYPE[] = "INV_TYPE";
inline constexpr char IN_RATE[] = "IN_RATE";
inline constexpr char LAST_BUY[] = "LAST_BUY";
inline constexpr char LAST_SALE[] = "LAST_SALE";
inline constexpr char LINE1[] = "LINE1";
inline constexpr char LINE2[] = "LINE2";
inline constexpr char LINE3[] = "LINE3";
inline constexpr char LINE4[] = "LINE4";
inline constexpr char LINE5[] = "LINE5";
inline constexpr char LOGO[] = "LOGO";
inline constexpr char MONEY_OK[] = "MONEY_OK";
inline constexpr char M_DATE[] = "M_DATE";
inline constexpr char M_PRICE[] = "M_PRICE";
inline constexpr char NAME[] = "NAME";
inline constexpr char OF_ADD1[] = "OF_ADD1";
inline constexpr char OF_ADD2[] = "OF_ADD2";
inline constexpr char OF_ADD3[] = "OF_ADD3";
inline constexpr char OF_ADD4[] = "OF_ADD4";
inline constexpr char OF_ADD5[] = "OF_ADD5";
inline constexpr char OF_EMAIL[] = "OF_EMAIL";
inline constexpr char OF_FAX[] = "OF_FAX";
inline constexpr char OF_LOGO[] = "OF_LOGO";
inline constexpr char OF_MENU[] = "OF_MENU";
inline constexpr char OF_NAME[] = "OF_NAME";
inline constexpr char OF_PHEAD[] = "OF_PHEAD";
inline constexpr char OF_STATE[] = "OF_STATE";
inline constexpr char OF_TAXID[] = "OF_TAXID";
inline constexpr char OF_TEL[] = "OF_TEL";
inline constexpr char OF_ZIP[] = "OF_ZIP";
inline constexpr char PAPER[] = "PAPER";
inline constexpr char PAPER1[] = "PAPER1";
inline constexpr char PASSWD[] = "PASSWD";
inline constexpr char PAY[] = "PAY";
inline constexpr char PAY_DATE[] = "PAY_DATE";
inline constexpr char PAY_PRICE[] = "PAY_PRICE";
inline constexpr char POSITION[] = "POSITION";
inline constexpr char PREFIX1[] = "PREFIX1";
inline constexpr char PREFIX2[] = "PREFIX2";
inline constexpr char PREFIX3[] = "PREFIX3";
inline constexpr char PREFIX4[] = "PREFIX4";
inline constexpr char PREFIX5[] = "PREFIX5";
inline constexpr char PREFIX6[] = "PREFIX6";
inline constexpr char PREFIX7[] = "PREFIX7";
inline constexpr char PREFIX8[] = "PREFIX8";
inline constexpr char PREFIX9[] = "PREFIX9";
inline constexpr char PRICE[] = "PRICE";
inline constexpr char PRINT_DAY[] = "PRINT_DAY";
inline constexpr char PRN_LEFT[] = "PRN_LEFT";
inline constexpr char PRN_TOP[] = "PRN_TOP";
inline constexpr char PRO_BPRICE[] = "PRO_BPRICE";
inline constexpr char PRO_GROUP[] = "PRO_GROUP";
inline constexpr char PRO_NAME[] = "PRO_NAME";
inline constexpr char PRO_NO[] = "PRO_NO";
inline constexpr char PRO_PACK[] = "PRO_PACK";
inline constexpr char PRO_QTY[] = "PRO_QTY";
inline constexpr char PRO_RORDER[] = "PRO_RORDER";
inline constexpr char PRO_SP2[] = "PRO_SP2";
inline constexpr char PRO_SP3[] = "PRO_SP3";
inline constexpr char PRO_SP4[] = "PRO_SP4";
inline constexpr char PRO_SP5[] = "PRO_SP5";
inline constexpr char PRO_SPRICE[] = "PRO_SPRICE";
inline constexpr char PRO_TOTAL[] = "PRO_TOTAL";
inline constexpr char PRO_UNIT[] = "PRO_UNIT";
inline constexpr char PWD_HASH[] = "PWD_HASH";
inline constexpr char P_BILL[] = "P_BILL";
inline constexpr char P_COUNT[] = "P_COUNT";
inline constexpr char P_DATE[] = "P_DATE";
inline constexpr char P_SUMTOTAL[] = "P_SUMTOTAL";
inline constexpr char QUE_INV_N[] = "QUE_INV_N";
inline constexpr char QUE_INV_V[] = "QUE_INV_V";
inline constexpr char QUE_ORD_N[] = "QUE_ORD_N";
inline constexpr char QUE_ORD_V[] = "QUE_ORD_V";
inline constexpr char QUE_QUO2_N[] = "QUE_QUO2_N";
inline constexpr char QUE_QUO2_V[] = "QUE_QUO2_V";
inline constexpr char QUE_QUO_N[] = "QUE_QUO_N";
inline constexpr char QUE_QUO_V[] = "QUE_QUO_V";
inline constexpr char REF_BILL[] = "REF_BILL";
inline constexpr char REF_ORDER[] = "REF_ORDER";
inline constexpr char REMARK1[] = "REMARK1";
inline constexpr char REMARK2[] = "REMARK2";
inline constexpr char REMARK3[] = "REMARK3";
inline constexpr char RET_DATE[] = "RET_DATE";
inline constexpr char RET_NO[] = "RET_NO";
inline constexpr char SALARY[] = "SALARY";
inline constexpr char SALE_ADD1[] = "SALE_ADD1";
inline constexpr char SALE_ADD2[] = "SALE_ADD2";
inline constexpr char SALE_ADD3[] = "SALE_ADD3";
inline constexpr char SALE_ADD4[] = "SALE_ADD4";
inline constexpr char SALE_COM[] = "SALE_COM";
inline constexpr char SALE_NAME[] = "SALE_NAME";
inline constexpr char SALE_NO[] = "SALE_NO";
inline constexpr char SALE_TEL[] = "SALE_TEL";
inline constexpr char SALE_ZIP[] = "SALE_ZIP";
inline constexpr char SCALE1[] = "SCALE1";
inline constexpr char SCALE2[] = "SCALE2";
inline constexpr char SCALE3[] = "SCALE3";
inline constexpr char SCALE4[] = "SCALE4";
inline constexpr char SCALE5[] = "SCALE5";
inline constexpr char SCALE6[] = "SCALE6";
inline constexpr char SCALE7[] = "SCALE7";
inline constexpr char SCALE8[] = "SCALE8";
inline constexpr char STK_POST[] = "STK_POST";
inline constexpr char SUM_TOTAL[] = "SUM_TOTAL";
inline constexpr char S_PRICE[] = "S_PRICE";
inline constexpr char TAX[] = "TAX";
inline constexpr char TAX_DATE[] = "TAX_DATE";
inline constexpr char TAX_NO[] = "TAX_NO";
inline constexpr char TAX_RATE[] = "TAX_RATE";
inline constexpr char TOTAL[] = "TOTAL";
inline constexpr char UNIT_PRICE[] = "UNIT_PRICE";
inline constexpr char USRNAME[] = "USRNAME";
inline constexpr char VIEW1[] = "VIEW1";
inline constexpr char VIEW2[] = "VIEW2";
inline constexpr char VIEW3[] = "VIEW3";
inline constexpr char VIEW4[] = "VIEW4";
inline constexpr char V_STATUS[] = "V_STATUS";
inline constexpr char WARN_DATE[] = "WARN_DATE";
inline constexpr char WARN_TERM[] = "WARN_TERM";
// `IN` is a reserved word: every statement names it in this quoted form,
// which on PostgreSQL also keeps it upper case.
inline constexpr char IN_SQL[] = "\"IN\"";
} // namespace Field

enum class FieldType { Text, Float, SmallInt, AutoInc, Time, Picture };

struct FieldDef
{
    const char *name;
    FieldType type;
    int width; // characters, for Text only
};

struct IndexDef
{
    QString name;        // unique in the whole database
    QStringList columns; // field names; ignored when dateKeyOf is set
    bool unique = false;
    QString dateKeyOf;   // when set: index on the yyyymmdd key of this date field
};

struct TableDef
{
    const char *name;
    std::span<const FieldDef> fields;
    std::vector<IndexDef> indexes;

    const FieldDef *field(const QString &name) const; // case-insensitive
    int indexOf(const QString &name) const;           // -1 when absent
};

// The schema version this program writes and reads.
inline constexpr int kSchemaVersion = 1;

// Every table, in a fixed order (documents, registers, settings).
const std::vector<TableDef> &tables();
// nullptr for an unknown name; case-insensitive.
const TableDef *table(const QString &name);

// The header and line tables of the document window, in the order of their pairs.
QStringList headerTables();
QStringList lineTables();

// Lower-case name for QSqlTableModel::setTable (the driver quotes it).
QString modelName(const QString &tableName);
// Name as it must appear in SQL text: `IN` quoted, everything else as given.
QString sqlName(const QString &fieldName);

// DDL of one table (CREATE TABLE followed by its CREATE INDEX statements).
QStringList createStatements(const TableDef &table, Engine engine);

// Creates every table, index and the version record in one transaction.
// Fails (and changes nothing) when any of the tables already exists.
bool createSchema(const QSqlDatabase &db, Engine engine, QString *error);

// The stored schema version: 0 when the database has no version record.
// std::nullopt with *error set when it cannot be read.
std::optional<int> schemaVersion(const QSqlDatabase &db, QString *error);

// Applies the numbered upgrade steps from the stored version up to
// kSchemaVersion; refuses a database written by a newer program.
bool upgradeSchema(const QSqlDatabase &db, Engine engine, QString *error);

// True when at least one of the program's tables exists.
bool hasAnyTable(const QSqlDatabase &db, Engine engine, QString *error);

// Names of the program's tables that exist in the database, lower case.
QStringList existingTables(const QSqlDatabase &db, Engine engine, QString *error);

// The records a new installation starts with. adminHash, when given, is used
// instead of hashing the default password again (tests reseed often).
bool seedInitialData(const QSqlDatabase &db, Engine engine, QString *error,
                     const QString &adminHash = QString());

// Differences between the database and the definitions: missing tables,
// missing, extra, misplaced or mistyped fields, wrong widths, missing indexes.
// Empty when they agree. An engine failure is one entry.
QStringList compareSchema(const QSqlDatabase &db, Engine engine);

} // namespace Data
