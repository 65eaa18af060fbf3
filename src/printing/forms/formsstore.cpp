#include "printing/forms/formsstore.h"

#include "data/schema.h"
#include "data/settingsstore.h"
#include "data/sql.h"

#include <QSqlRecord>

namespace Forms {

namespace {

using namespace Data;

QString text(const QSqlQuery &q, const char *field) { return q.value(QLatin1String(field)).toString(); }
double number(const QSqlQuery &q, const char *field) { return q.value(QLatin1String(field)).toDouble(); }

struct Names { const char *header; const char *lines; const char *party; };

Names namesOf(DocumentTables tables)
{
    switch (tables) {
    case DocumentTables::PurchaseOrder: return {Table::Tmpord, Table::Tmpord1, Table::Supply};
    case DocumentTables::Quotation: return {Table::Quotation, Table::Quotation1, Table::Customer};
    case DocumentTables::Sales: break;
    }
    return {Table::Invoice, Table::Invoice1, Table::Customer};
}

} // namespace

DocumentTables tablesForPrintMode(int printMode)
{
    if (printMode == 5)
        return DocumentTables::PurchaseOrder;
    if (printMode == 6)
        return DocumentTables::Quotation;
    return DocumentTables::Sales;
}

std::optional<DocumentData> FormsStore::load(const QString &invNo, DocumentTables tables,
                                             QString *error) const
{
    if (error)
        error->clear();
    const Names n = namesOf(tables);
    DocumentData d;

    auto header = Sql::run(m_db,
                           QStringLiteral("select * from %1 where INV_NO = :mInv_No").arg(QLatin1String(n.header)),
                           {{QStringLiteral("mInv_No"), invNo}}, error);
    if (!header)
        return std::nullopt;
    if (!header->next())
        return std::nullopt;
    HeaderData &h = d.header;
    h.invNo = text(*header, Field::INV_NO);
    h.invDate = text(*header, Field::INV_DATE);
    h.custNo = text(*header, Field::CUST_NO);
    h.custName = text(*header, Field::CUST_NAME);
    h.saleNo = text(*header, Field::SALE_NO);
    h.refOrder = text(*header, Field::REF_ORDER);
    h.custCre = text(*header, Field::CUST_CRE);
    h.dueDate = text(*header, Field::DUE_DATE);
    h.taxRate = number(*header, Field::TAX_RATE);
    h.custDisc = number(*header, Field::CUST_DISC);

    // The engine returns rows in no particular order; AUTO is the entry order.
    auto lines = Sql::run(m_db,
                          QStringLiteral("select * from %1 where INV_NO = :Inv_No order by AUTO")
                              .arg(QLatin1String(n.lines)),
                          {{QStringLiteral("Inv_No"), h.invNo}}, error);
    if (!lines)
        return std::nullopt;
    while (lines->next()) {
        LineData l;
        l.autoNo = lines->value(QLatin1String(Field::AUTO)).toLongLong();
        l.proNo = text(*lines, Field::PRO_NO);
        l.proName = text(*lines, Field::PRO_NAME);
        l.attrib = text(*lines, Field::ATTRIB);
        l.attrib2 = text(*lines, Field::ATTRIB2);
        l.proQty = number(*lines, Field::PRO_QTY);
        l.proUnit = text(*lines, Field::PRO_UNIT);
        l.unitPrice = number(*lines, Field::UNIT_PRICE);
        l.discount = number(*lines, Field::DISCOUNT);
        l.taxRate = number(*lines, Field::TAX_RATE);
        l.price = number(*lines, Field::PRICE);
        d.lines << l;
    }

    auto party = Sql::run(m_db,
                          QStringLiteral("select * from %1 where CUST_NO = :cust_no").arg(QLatin1String(n.party)),
                          {{QStringLiteral("cust_no"), h.custNo}}, error);
    if (!party)
        return std::nullopt;
    if (party->next()) {
        d.party.add1 = text(*party, Field::CUST_ADD1);
        d.party.add2 = text(*party, Field::CUST_ADD2);
        d.party.add4 = text(*party, Field::CUST_ADD4);
        d.party.zip = text(*party, Field::CUST_ZIP);
        d.party.tel = text(*party, Field::CUST_TEL);
        d.party.fax = text(*party, Field::CUST_FAX);
    }

    auto settings = SettingsStore(m_db).load(error);
    if (!settings)
        return std::nullopt;
    d.settings = *settings;
    return d;
}

} // namespace Forms
