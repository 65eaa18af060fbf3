#include "registers/record.h"

namespace Registers {

const FieldDef *TableDef::field(const QString &name) const
{
    for (const FieldDef &f : fields) {
        if (f.name == name)
            return &f;
    }
    return nullptr;
}

// Widths are those of the stored layout.
const TableDef &customerTable()
{
    static const TableDef def{
        QStringLiteral("Customer"), QStringLiteral("CUST_NO"), QStringLiteral("CUST_NAME"),
        {
            {QStringLiteral("CUST_NO"), 5},     {QStringLiteral("CUST_NAME"), 100},
            {QStringLiteral("CUST_ADD1"), 80},  {QStringLiteral("CUST_ADD2"), 80},
            {QStringLiteral("CUST_ADD4"), 80},  {QStringLiteral("CUST_ZIP"), 5},
            {QStringLiteral("CUST_TEL"), 25},   {QStringLiteral("CUST_FAX"), 25},
            {QStringLiteral("CUST_CRE"), 6},    {QStringLiteral("CUST_GROUP"), 1},
            {QStringLiteral("CUST_BIRTH"), 10}, {QStringLiteral("CUST_CARD"), 13},
        },
        {}};
    return def;
}

const TableDef &supplierTable()
{
    static const TableDef def = [] {
        TableDef d = customerTable();
        d.table = QStringLiteral("Supply");
        return d;
    }();
    return def;
}

const TableDef &salespersonTable()
{
    static const TableDef def{
        QStringLiteral("Sale"), QStringLiteral("SALE_NO"), QStringLiteral("SALE_NAME"),
        {
            {QStringLiteral("SALE_NO"), 5},    {QStringLiteral("SALE_NAME"), 80},
            {QStringLiteral("SALE_ADD1"), 80}, {QStringLiteral("SALE_ADD2"), 80},
            {QStringLiteral("SALE_ADD4"), 80}, {QStringLiteral("SALE_ZIP"), 5},
            {QStringLiteral("SALE_TEL"), 25},  {QStringLiteral("SALE_COM"), 0},
            {QStringLiteral("SALARY"), 0},
        },
        {}};
    return def;
}

const TableDef &productTable()
{
    static const TableDef def{
        QStringLiteral("Product"), QStringLiteral("PRO_NO"), QStringLiteral("PRO_NAME"),
        {
            {QStringLiteral("PRO_NO"), 15},     {QStringLiteral("PRO_NAME"), 50},
            {QStringLiteral("ATTRIB"), 20},     {QStringLiteral("PRO_UNIT"), 10},
            {QStringLiteral("PRO_GROUP"), 5},   {QStringLiteral("TAX_RATE"), 0},
            {QStringLiteral("CUT_STOCK"), 1},   {QStringLiteral("PRO_BPRICE"), 0},
            {QStringLiteral("PRO_SPRICE"), 0},  {QStringLiteral("PRO_SP2"), 0},
            {QStringLiteral("PRO_SP3"), 0},     {QStringLiteral("PRO_SP4"), 0},
            {QStringLiteral("PRO_SP5"), 0},     {QStringLiteral("PRO_RORDER"), 0},
            {QStringLiteral("WARN_TERM"), 10},
        },
        {QStringLiteral("PRO_TOTAL")}};
    return def;
}

std::optional<double> Record::number(const QString &field) const
{
    const QVariant v = m_values.value(field);
    if (v.isNull() || !v.isValid())
        return std::nullopt;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

bool Record::isBlank(const QString &field) const
{
    const QVariant v = m_values.value(field);
    return !v.isValid() || v.isNull() || v.toString().trimmed().isEmpty();
}

void Record::setNumber(const QString &field, const std::optional<double> &value)
{
    if (value)
        m_values.insert(field, *value);
    else
        m_values.remove(field);
}

} // namespace Registers
