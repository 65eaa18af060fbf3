#include "documents/documentrepository.h"

#include "documents/numbering.h"

#include "data/transaction.h"
#include "registers/stockstore.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QVariant>

namespace Documents {
namespace {

const char kHeaderColumns[] =
    "INV_NO, INV_TYPE, INV_DATE, DUE_DATE, CUST_NO, CUST_NAME, CUST_CARD, CUST_BIRTH, SALE_NO, SALE_NAME, "
    "REF_ORDER, CUST_CRE, P_BILL, TAX_RATE, CUST_DISC, TOTAL, TAX, DISCOUNT, SUM_TOTAL, FG_OK, FG_BILL";
const char kLineColumns[] =
    "AUTO, INV_NO, PRO_NO, PRO_NAME, ATTRIB, ATTRIB2, PRO_UNIT, WARN_DATE, CUT_STOCK, PRO_QTY, UNIT_PRICE, "
    "DISCOUNT, PRICE, TAX_RATE, EARN, STK_POST";
const char kPartyColumns[] =
    "CUST_NO, CUST_NAME, CUST_CARD, CUST_BIRTH, CUST_GROUP, CUST_CRE, CUST_ADD1, CUST_ADD2, CUST_ADD4, "
    "CUST_ZIP, CUST_TEL, CUST_FAX";
const char kProductColumns[] =
    "PRO_NO, PRO_NAME, ATTRIB, PRO_UNIT, WARN_TERM, CUT_STOCK, PRO_BPRICE, PRO_SPRICE, PRO_SP2, PRO_SP3, "
    "PRO_SP4, PRO_SP5, TAX_RATE, PRO_TOTAL";

QString text(const QSqlQuery &q, int i) { return q.value(i).toString(); }
double number(const QSqlQuery &q, int i) { return q.value(i).toDouble(); }
std::optional<double> optionalNumber(const QSqlQuery &q, int i)
{
    const QVariant v = q.value(i);
    if (v.isNull())
        return std::nullopt;
    return v.toDouble();
}
QVariant nullable(const std::optional<double> &v) { return v ? QVariant(*v) : QVariant(QMetaType(QMetaType::Double)); }

HeaderValues readHeader(const QSqlQuery &q)
{
    HeaderValues h;
    h.invNo = text(q, 0);
    h.invType = text(q, 1);
    h.invDate = text(q, 2);
    h.dueDate = text(q, 3);
    h.custNo = text(q, 4);
    h.custName = text(q, 5);
    h.custCard = text(q, 6);
    h.custBirth = text(q, 7);
    h.saleNo = text(q, 8);
    h.saleName = text(q, 9);
    h.refOrder = text(q, 10);
    h.custCre = text(q, 11);
    h.pBill = text(q, 12);
    h.taxRate = number(q, 13);
    h.custDisc = number(q, 14);
    h.total = number(q, 15);
    h.tax = number(q, 16);
    h.discount = number(q, 17);
    h.sumTotal = number(q, 18);
    h.fgOk = q.value(19).toInt();
    h.fgBill = q.value(20).toInt();
    return h;
}

LineValues readLine(const QSqlQuery &q)
{
    LineValues l;
    l.autoId = q.value(0).toLongLong();
    l.invNo = text(q, 1);
    l.proNo = text(q, 2);
    l.proName = text(q, 3);
    l.attrib = text(q, 4);
    l.attrib2 = text(q, 5);
    l.proUnit = text(q, 6);
    l.warnDate = text(q, 7);
    l.cutStock = text(q, 8);
    l.proQty = number(q, 9);
    l.unitPrice = number(q, 10);
    l.discount = number(q, 11);
    l.price = number(q, 12);
    l.taxRate = number(q, 13);
    l.earn = number(q, 14);
    l.stkPost = optionalNumber(q, 15);
    return l;
}

PartyRecord readParty(const QSqlQuery &q)
{
    PartyRecord p;
    p.code = text(q, 0);
    p.name = text(q, 1);
    p.card = text(q, 2);
    p.birth = text(q, 3);
    p.group = text(q, 4);
    p.credit = text(q, 5);
    p.address1 = text(q, 6);
    p.address2 = text(q, 7);
    p.province = text(q, 8);
    p.zip = text(q, 9);
    p.tel = text(q, 10);
    p.fax = text(q, 11);
    return p;
}

ProductRecord readProduct(const QSqlQuery &q)
{
    ProductRecord p;
    p.code = text(q, 0);
    p.name = text(q, 1);
    p.attrib = text(q, 2);
    p.unit = text(q, 3);
    p.warrantyTerm = text(q, 4);
    p.cutStock = text(q, 5);
    p.buyPrice = number(q, 6);
    for (int i = 0; i < 5; ++i)
        p.sellPrices[i] = optionalNumber(q, 7 + i);
    p.taxRate = number(q, 12);
    p.carried = number(q, 13);
    return p;
}

// Widths of the texts the window copies from the registers or takes typed.
const QHash<QString, int> &widths()
{
    static const QHash<QString, int> w{
        {"INV_NO", 11}, {"INV_TYPE", 1}, {"INV_DATE", 10}, {"DUE_DATE", 10}, {"CUST_NO", 5},
        {"CUST_NAME", 100}, {"CUST_CARD", 13}, {"CUST_BIRTH", 10}, {"SALE_NO", 13}, {"SALE_NAME", 50},
        {"REF_ORDER", 20}, {"CUST_CRE", 6}, {"P_BILL", 11}, {"PRO_NO", 15}, {"PRO_NAME", 50},
        {"ATTRIB", 40}, {"ATTRIB2", 40}, {"PRO_UNIT", 10}, {"WARN_DATE", 10}, {"CUT_STOCK", 1},
        {"CUST_GROUP", 1}, {"CUST_ADD1", 80}, {"CUST_ADD2", 80}, {"CUST_ADD4", 80}, {"CUST_ZIP", 5},
        {"CUST_TEL", 25}, {"CUST_FAX", 25}};
    return w;
}

QString fit(const QString &field, const QString &value)
{
    const int w = widths().value(field, 0);
    return w > 0 && value.size() > w ? value.left(w) : value;
}

bool sameNumber(double a, double b) { return a == b; }

bool sameStored(const HeaderValues &a, const HeaderValues &b)
{
    return a.invNo == b.invNo && a.invType == b.invType && a.invDate == b.invDate && a.dueDate == b.dueDate
        && a.custNo == b.custNo && a.custName == b.custName && a.saleNo == b.saleNo && a.saleName == b.saleName
        && a.refOrder == b.refOrder && a.custCre == b.custCre && a.pBill == b.pBill && a.fgOk == b.fgOk
        && a.fgBill == b.fgBill && sameNumber(a.total, b.total) && sameNumber(a.sumTotal, b.sumTotal)
        && sameNumber(a.tax, b.tax) && sameNumber(a.discount, b.discount) && sameNumber(a.custDisc, b.custDisc)
        && sameNumber(a.taxRate, b.taxRate);
}

} // namespace

QString fitField(const QString &, const QString &field, const QString &value)
{
    return fit(field, value);
}

DocumentRepository::DocumentRepository(const QSqlDatabase &db, Data::Engine engine)
    : m_db(db), m_engine(engine), m_postgres(engine == Data::Engine::Postgres)
{
}

DocumentRepository::~DocumentRepository() = default;

bool DocumentRepository::exec(QSqlQuery &q)
{
    if (q.exec())
        return true;
    const QSqlError e = q.lastError();
    m_error = e.text();
    const QString code = e.nativeErrorCode();
    m_uniqueViolation = code == QLatin1String("23505") || code == QLatin1String("2067") || code == QLatin1String("1555")
        || (!m_postgres && code == QLatin1String("19") && m_error.contains(QLatin1String("UNIQUE"), Qt::CaseInsensitive));
    return false;
}

bool DocumentRepository::oneText(QSqlQuery &q, std::optional<QString> *out)
{
    if (!exec(q))
        return false;
    *out = std::nullopt;
    if (q.next() && !q.value(0).isNull())
        *out = q.value(0).toString();
    return true;
}

// Numbers under a head form one index range: [head, head + U+FFFF).
#define HEAD_RANGE " INV_NO >= :head AND INV_NO < :headEnd "

bool DocumentRepository::hasDocuments(const ModeInfo &mode, const QString &head, bool *out)
{
    std::optional<QString> n;
    if (!firstNumber(mode, head, &n))
        return false;
    *out = n.has_value();
    return true;
}

bool DocumentRepository::lastNumber(const ModeInfo &mode, const QString &head, std::optional<QString> *out)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT INV_NO FROM %1 WHERE" HEAD_RANGE "ORDER BY INV_NO DESC LIMIT 1").arg(mode.headerTable));
    q.bindValue(QStringLiteral(":head"), head);
    q.bindValue(QStringLiteral(":headEnd"), headUpperBound(head));
    return oneText(q, out);
}

bool DocumentRepository::firstNumber(const ModeInfo &mode, const QString &head, std::optional<QString> *out)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT INV_NO FROM %1 WHERE" HEAD_RANGE "ORDER BY INV_NO LIMIT 1").arg(mode.headerTable));
    q.bindValue(QStringLiteral(":head"), head);
    q.bindValue(QStringLiteral(":headEnd"), headUpperBound(head));
    return oneText(q, out);
}

bool DocumentRepository::nextAfter(const ModeInfo &mode, const QString &head, const QString &number,
                                   std::optional<QString> *out)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT INV_NO FROM %1 WHERE" HEAD_RANGE "AND INV_NO > :no ORDER BY INV_NO LIMIT 1")
                  .arg(mode.headerTable));
    q.bindValue(QStringLiteral(":head"), head);
    q.bindValue(QStringLiteral(":headEnd"), headUpperBound(head));
    q.bindValue(QStringLiteral(":no"), number);
    return oneText(q, out);
}

bool DocumentRepository::priorBefore(const ModeInfo &mode, const QString &head, const QString &number,
                                     std::optional<QString> *out)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT INV_NO FROM %1 WHERE" HEAD_RANGE "AND INV_NO < :no ORDER BY INV_NO DESC LIMIT 1")
                  .arg(mode.headerTable));
    q.bindValue(QStringLiteral(":head"), head);
    q.bindValue(QStringLiteral(":headEnd"), headUpperBound(head));
    q.bindValue(QStringLiteral(":no"), number);
    return oneText(q, out);
}

bool DocumentRepository::nearestAtOrAfter(const ModeInfo &mode, const QString &head, const QString &text,
                                          std::optional<QString> *out)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT INV_NO FROM %1 WHERE" HEAD_RANGE "AND INV_NO >= :no ORDER BY INV_NO LIMIT 1")
                  .arg(mode.headerTable));
    q.bindValue(QStringLiteral(":head"), head);
    q.bindValue(QStringLiteral(":headEnd"), headUpperBound(head));
    q.bindValue(QStringLiteral(":no"), text);
    return oneText(q, out);
}

bool DocumentRepository::readStored(const ModeInfo &mode, const QString &number, bool forUpdate,
                                    std::optional<Document> *out)
{
    *out = std::nullopt;
    QSqlQuery h(m_db);
    h.setForwardOnly(true);
    h.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE INV_NO = :no%3")
                  .arg(QLatin1String(kHeaderColumns), mode.headerTable,
                       forUpdate && m_postgres ? QStringLiteral(" FOR UPDATE") : QString()));
    h.bindValue(QStringLiteral(":no"), number);
    if (!exec(h))
        return false;
    if (!h.next())
        return true;
    const HeaderValues header = readHeader(h);
    QSqlQuery l(m_db);
    l.setForwardOnly(true);
    l.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE INV_NO = :no ORDER BY AUTO").arg(QLatin1String(kLineColumns), mode.lineTable));
    l.bindValue(QStringLiteral(":no"), number);
    if (!exec(l))
        return false;
    QList<LineValues> lines;
    while (l.next())
        lines.append(readLine(l));
    *out = Document::fromStored(header, lines);
    return true;
}

bool DocumentRepository::load(const ModeInfo &mode, const QString &number, std::optional<Document> *out)
{
    return readStored(mode, number, false, out);
}

bool DocumentRepository::fillSearchModel(QSqlQueryModel &model, const ModeInfo &mode, const QString &head,
                                         const QString &from)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT INV_NO, INV_DATE, CUST_NAME FROM %1 WHERE" HEAD_RANGE "AND INV_NO >= :from ORDER BY INV_NO")
                  .arg(mode.headerTable));
    q.bindValue(QStringLiteral(":head"), head);
    q.bindValue(QStringLiteral(":headEnd"), headUpperBound(head));
    q.bindValue(QStringLiteral(":from"), from);
    if (!exec(q))
        return false;
    model.setQuery(std::move(q));
    return true;
}

bool DocumentRepository::findParty(const ModeInfo &mode, const QString &code, std::optional<PartyRecord> *out)
{
    *out = std::nullopt;
    // A longer text names no party: never cut it into another code.
    if (code.isEmpty() || code.size() > 5)
        return true;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE CUST_NO = :code").arg(QLatin1String(kPartyColumns), mode.partyTable));
    q.bindValue(QStringLiteral(":code"), code);
    if (!exec(q))
        return false;
    if (q.next())
        *out = readParty(q);
    return true;
}

bool DocumentRepository::lastPartyCode(const ModeInfo &mode, QString *out)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT CUST_NO FROM %1 ORDER BY CUST_NO DESC LIMIT 1").arg(mode.partyTable));
    if (!exec(q))
        return false;
    *out = q.next() ? q.value(0).toString() : QString();
    return true;
}

bool DocumentRepository::insertParty(const ModeInfo &mode, const PartyRecord &p)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (:no, :name, :card, :birth, :grp, :cre, :a1, :a2, :a4, :zip, :tel, :fax)")
                  .arg(mode.partyTable, QLatin1String(kPartyColumns)));
    q.bindValue(QStringLiteral(":no"), fit("CUST_NO", p.code));
    q.bindValue(QStringLiteral(":name"), fit("CUST_NAME", p.name));
    q.bindValue(QStringLiteral(":card"), fit("CUST_CARD", p.card));
    q.bindValue(QStringLiteral(":birth"), fit("CUST_BIRTH", p.birth));
    q.bindValue(QStringLiteral(":grp"), fit("CUST_GROUP", p.group));
    q.bindValue(QStringLiteral(":cre"), fit("CUST_CRE", p.credit));
    q.bindValue(QStringLiteral(":a1"), fit("CUST_ADD1", p.address1));
    q.bindValue(QStringLiteral(":a2"), fit("CUST_ADD2", p.address2));
    q.bindValue(QStringLiteral(":a4"), fit("CUST_ADD4", p.province));
    q.bindValue(QStringLiteral(":zip"), fit("CUST_ZIP", p.zip));
    q.bindValue(QStringLiteral(":tel"), fit("CUST_TEL", p.tel));
    q.bindValue(QStringLiteral(":fax"), fit("CUST_FAX", p.fax));
    return exec(q);
}

bool DocumentRepository::fillPartyModel(QSqlQueryModel &model, const ModeInfo &mode, bool byName)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT CUST_NO, CUST_NAME, CUST_ADD1, CUST_CARD FROM %1 ORDER BY %2")
                  .arg(mode.partyTable, byName ? QStringLiteral("CUST_NAME, CUST_NO") : QStringLiteral("CUST_NO")));
    if (!exec(q))
        return false;
    model.setQuery(std::move(q));
    return true;
}

bool DocumentRepository::partyRowOf(const ModeInfo &mode, bool byName, const QString &text, int *row)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 < :t").arg(mode.partyTable, byName ? "CUST_NAME" : "CUST_NO"));
    q.bindValue(QStringLiteral(":t"), text);
    if (!exec(q) || !q.next())
        return false;
    *row = q.value(0).toInt();
    return true;
}

bool DocumentRepository::salespeople(QList<SalespersonRecord> *out)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT SALE_NO, SALE_NAME FROM Sale ORDER BY SALE_NO"));
    if (!exec(q))
        return false;
    out->clear();
    while (q.next())
        out->append({q.value(0).toString(), q.value(1).toString()});
    return true;
}

bool DocumentRepository::findProduct(const QString &key, bool byName, std::optional<ProductRecord> *out)
{
    *out = std::nullopt;
    if (key.isEmpty())
        return true;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT %1 FROM Product WHERE %2 = :k ORDER BY PRO_NO LIMIT 1")
                  .arg(QLatin1String(kProductColumns), byName ? "PRO_NAME" : "PRO_NO"));
    q.bindValue(QStringLiteral(":k"), key);
    if (!exec(q))
        return false;
    if (q.next())
        *out = readProduct(q);
    return true;
}

bool DocumentRepository::fillProductModel(QSqlQueryModel &model, bool byName)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT PRO_NO, PRO_NAME FROM Product ORDER BY %1")
                  .arg(byName ? QStringLiteral("PRO_NAME, PRO_NO") : QStringLiteral("PRO_NO")));
    if (!exec(q))
        return false;
    model.setQuery(std::move(q));
    return true;
}

bool DocumentRepository::productRowOf(bool byName, const QString &text, int *row)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT count(*) FROM Product WHERE %1 < :t").arg(byName ? "PRO_NAME" : "PRO_NO"));
    q.bindValue(QStringLiteral(":t"), text);
    if (!exec(q) || !q.next())
        return false;
    *row = q.value(0).toInt();
    return true;
}

bool DocumentRepository::onHand(const QString &code, double *out)
{
    // The registers own the on-hand rule; the window must agree with them.
    const std::optional<double> value = Registers::StockStore(m_db).onHand(code, &m_error);
    if (!value)
        return false;
    *out = *value;
    return true;
}

bool DocumentRepository::readSettings(WindowSettings *out)
{
    *out = WindowSettings{};
    QSqlQuery s(m_db);
    s.prepare(QStringLiteral("SELECT PREFIX1, PREFIX2, PREFIX3, PREFIX4, LINE5, VIEW1, COM_PORT FROM Orvansys LIMIT 1"));
    if (!exec(s))
        return false;
    if (s.next()) {
        for (int i = 0; i < 4; ++i)
            out->prefixes[i] = s.value(i).toString();
        out->line5 = s.value(4).toString();
        out->view1 = s.value(5).toString();
        out->comPort = s.value(6).toString();
    }
    QSqlQuery p(m_db);
    p.prepare(QStringLiteral("SELECT SCALE1, SCALE2, SCALE3, SCALE4, SCALE5 FROM scale LIMIT 1"));
    if (!exec(p))
        return false;
    if (p.next())
        for (int i = 0; i < 5; ++i)
            out->scale[i] = optionalNumber(p, i);
    return true;
}

bool DocumentRepository::insertHeader(const ModeInfo &mode, const HeaderValues &h)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (:no, :type, :date, :due, :cno, :cname, :card, :birth, :sno, "
                             ":sname, :ref, :cre, :pbill, :rate, :cdisc, :total, :tax, :disc, :sum, :ok, :bill)")
                  .arg(mode.headerTable, QLatin1String(kHeaderColumns)));
    q.bindValue(QStringLiteral(":no"), h.invNo);
    q.bindValue(QStringLiteral(":type"), h.invType);
    q.bindValue(QStringLiteral(":date"), h.invDate);
    q.bindValue(QStringLiteral(":due"), h.dueDate);
    q.bindValue(QStringLiteral(":cno"), fit("CUST_NO", h.custNo));
    q.bindValue(QStringLiteral(":cname"), fit("CUST_NAME", h.custName));
    q.bindValue(QStringLiteral(":card"), fit("CUST_CARD", h.custCard));
    q.bindValue(QStringLiteral(":birth"), fit("CUST_BIRTH", h.custBirth));
    q.bindValue(QStringLiteral(":sno"), fit("SALE_NO", h.saleNo));
    q.bindValue(QStringLiteral(":sname"), fit("SALE_NAME", h.saleName));
    q.bindValue(QStringLiteral(":ref"), fit("REF_ORDER", h.refOrder));
    q.bindValue(QStringLiteral(":cre"), fit("CUST_CRE", h.custCre));
    q.bindValue(QStringLiteral(":pbill"), fit("P_BILL", h.pBill));
    q.bindValue(QStringLiteral(":rate"), h.taxRate);
    q.bindValue(QStringLiteral(":cdisc"), h.custDisc);
    q.bindValue(QStringLiteral(":total"), h.total);
    q.bindValue(QStringLiteral(":tax"), h.tax);
    q.bindValue(QStringLiteral(":disc"), h.discount);
    q.bindValue(QStringLiteral(":sum"), h.sumTotal);
    q.bindValue(QStringLiteral(":ok"), h.fgOk);
    q.bindValue(QStringLiteral(":bill"), h.fgBill);
    return exec(q);
}

namespace {
void bindLine(QSqlQuery &q, const LineValues &l)
{
    q.bindValue(QStringLiteral(":no"), l.invNo);
    q.bindValue(QStringLiteral(":pno"), fit("PRO_NO", l.proNo));
    q.bindValue(QStringLiteral(":pname"), fit("PRO_NAME", l.proName));
    q.bindValue(QStringLiteral(":a1"), fit("ATTRIB", l.attrib));
    q.bindValue(QStringLiteral(":a2"), fit("ATTRIB2", l.attrib2));
    q.bindValue(QStringLiteral(":unit"), fit("PRO_UNIT", l.proUnit));
    q.bindValue(QStringLiteral(":warn"), fit("WARN_DATE", l.warnDate));
    q.bindValue(QStringLiteral(":cut"), fit("CUT_STOCK", l.cutStock));
    q.bindValue(QStringLiteral(":qty"), l.proQty);
    q.bindValue(QStringLiteral(":uprice"), l.unitPrice);
    q.bindValue(QStringLiteral(":disc"), l.discount);
    q.bindValue(QStringLiteral(":price"), l.price);
    q.bindValue(QStringLiteral(":rate"), l.taxRate);
    q.bindValue(QStringLiteral(":earn"), l.earn);
    q.bindValue(QStringLiteral(":stk"), nullable(l.stkPost));
}
} // namespace

bool DocumentRepository::insertLine(const ModeInfo &mode, const LineValues &l)
{
    // One prepared statement serves every line of a save.
    if (!m_lineInsert || m_lineInsertTable != mode.lineTable) {
        m_lineInsert = std::make_unique<QSqlQuery>(m_db);
        m_lineInsertTable = mode.lineTable;
        if (!m_lineInsert->prepare(QStringLiteral("INSERT INTO %1 (INV_NO, PRO_NO, PRO_NAME, ATTRIB, ATTRIB2, PRO_UNIT, WARN_DATE, "
                                                  "CUT_STOCK, PRO_QTY, UNIT_PRICE, DISCOUNT, PRICE, TAX_RATE, EARN, STK_POST) "
                                                  "VALUES (:no, :pno, :pname, :a1, :a2, :unit, :warn, :cut, :qty, :uprice, "
                                                  ":disc, :price, :rate, :earn, :stk)")
                                       .arg(mode.lineTable))) {
            m_error = m_lineInsert->lastError().text();
            m_lineInsert.reset();
            return false;
        }
    }
    bindLine(*m_lineInsert, l);
    return exec(*m_lineInsert);
}

bool DocumentRepository::updateLine(const ModeInfo &mode, const LineValues &l)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("UPDATE %1 SET INV_NO = :no, PRO_NO = :pno, PRO_NAME = :pname, ATTRIB = :a1, ATTRIB2 = :a2, "
                             "PRO_UNIT = :unit, WARN_DATE = :warn, CUT_STOCK = :cut, PRO_QTY = :qty, UNIT_PRICE = :uprice, "
                             "DISCOUNT = :disc, PRICE = :price, TAX_RATE = :rate, EARN = :earn, STK_POST = :stk "
                             "WHERE AUTO = :id")
                  .arg(mode.lineTable));
    bindLine(q, l);
    q.bindValue(QStringLiteral(":id"), l.autoId);
    return exec(q) && q.numRowsAffected() == 1;
}

SaveResult DocumentRepository::save(const ModeInfo &mode, const QString &head, const Document &document,
                                    const std::optional<QString> &firstNumber, int maxAttempts)
{
    return document.isNew() ? saveNew(mode, head, document, firstNumber, maxAttempts) : saveEdit(mode, head, document);
}

SaveResult DocumentRepository::saveNew(const ModeInfo &mode, const QString &head, const Document &document,
                                       const std::optional<QString> &firstNumber, int maxAttempts)
{
    SaveResult r;
    for (int attempt = 1; attempt <= maxAttempts; ++attempt) {
        r.attempts = attempt;
        m_uniqueViolation = false;
        Data::Transaction tx(m_db, m_engine);
        if (!tx.begin(&r.error, head)) {
            r.status = SaveStatus::Failed;
            // A busy database is worth another try within the same save.
            continue;
        }
        std::optional<QString> last;
        if (!lastNumber(mode, head, &last)) {
            r = {SaveStatus::Failed, {}, m_error, attempt};
            return r;
        }
        QString number;
        const NextNumber next = nextNumber(head, last);
        if (next.status == NextNumberStatus::Ok) {
            number = next.number;
        } else if (next.status == NextNumberStatus::AskFirst && firstNumber) {
            number = *firstNumber;
        } else {
            r.status = next.status == NextNumberStatus::AskFirst ? SaveStatus::NeedFirstNumber : SaveStatus::NumberingFailed;
            return r;
        }
        HeaderValues h = document.header();
        h.invNo = number;
        bool ok = insertHeader(mode, h);
        for (const DocumentLine &dl : document.allLines()) {
            if (!ok || dl.mark == LineMark::Deleted)
                continue;
            LineValues l = dl.values;
            l.invNo = number;
            ok = insertLine(mode, l);
        }
        if (!ok)
            r.error = m_error;
        else if (tx.commit(&r.error))
            return {SaveStatus::Saved, number, {}, attempt};
        tx.rollback();
        if (!m_uniqueViolation) {
            r.status = SaveStatus::Failed;
            return r;
        }
    }
    r.status = SaveStatus::Failed;
    return r;
}

SaveResult DocumentRepository::saveEdit(const ModeInfo &mode, const QString &head, const Document &document)
{
    SaveResult r;
    r.attempts = 1;
    const QString number = document.originalHeader().invNo;
    Data::Transaction tx(m_db, m_engine);
    if (!tx.begin(&r.error, head))
        return r;
    std::optional<Document> stored;
    if (!readStored(mode, number, true, &stored)) {
        r.error = m_error;
        return r;
    }
    // Another workstation changed or removed it since it was read.
    bool same = stored && sameStored(stored->header(), document.originalHeader());
    if (same) {
        const QList<LineValues> now = stored->lines();
        const QList<LineValues> then = document.originalLines();
        same = now.size() == then.size();
        for (int i = 0; same && i < now.size(); ++i)
            same = now[i] == then[i];
    }
    if (!same) {
        r.status = SaveStatus::Conflict;
        return r;
    }
    const HeaderValues &h = document.header();
    QSqlQuery u(m_db);
    u.prepare(QStringLiteral("UPDATE %1 SET INV_DATE = :date, DUE_DATE = :due, CUST_NO = :cno, CUST_NAME = :cname, "
                             "CUST_CARD = :card, CUST_BIRTH = :birth, SALE_NO = :sno, SALE_NAME = :sname, REF_ORDER = :ref, "
                             "CUST_CRE = :cre, P_BILL = :pbill, TAX_RATE = :rate, CUST_DISC = :cdisc, TOTAL = :total, "
                             "TAX = :tax, DISCOUNT = :disc, SUM_TOTAL = :sum, FG_OK = :ok, FG_BILL = :bill WHERE INV_NO = :no")
                  .arg(mode.headerTable));
    u.bindValue(QStringLiteral(":no"), number);
    u.bindValue(QStringLiteral(":date"), h.invDate);
    u.bindValue(QStringLiteral(":due"), h.dueDate);
    u.bindValue(QStringLiteral(":cno"), fit("CUST_NO", h.custNo));
    u.bindValue(QStringLiteral(":cname"), fit("CUST_NAME", h.custName));
    u.bindValue(QStringLiteral(":card"), fit("CUST_CARD", h.custCard));
    u.bindValue(QStringLiteral(":birth"), fit("CUST_BIRTH", h.custBirth));
    u.bindValue(QStringLiteral(":sno"), fit("SALE_NO", h.saleNo));
    u.bindValue(QStringLiteral(":sname"), fit("SALE_NAME", h.saleName));
    u.bindValue(QStringLiteral(":ref"), fit("REF_ORDER", h.refOrder));
    u.bindValue(QStringLiteral(":cre"), fit("CUST_CRE", h.custCre));
    u.bindValue(QStringLiteral(":pbill"), fit("P_BILL", h.pBill));
    u.bindValue(QStringLiteral(":rate"), h.taxRate);
    u.bindValue(QStringLiteral(":cdisc"), h.custDisc);
    u.bindValue(QStringLiteral(":total"), h.total);
    u.bindValue(QStringLiteral(":tax"), h.tax);
    u.bindValue(QStringLiteral(":disc"), h.discount);
    u.bindValue(QStringLiteral(":sum"), h.sumTotal);
    u.bindValue(QStringLiteral(":ok"), h.fgOk);
    u.bindValue(QStringLiteral(":bill"), h.fgBill);
    bool ok = exec(u) && u.numRowsAffected() == 1;
    for (const DocumentLine &dl : document.allLines()) {
        if (!ok)
            break;
        LineValues l = dl.values;
        l.invNo = number;
        switch (dl.mark) {
        case LineMark::Unchanged:
            break;
        case LineMark::New:
            ok = insertLine(mode, l);
            break;
        case LineMark::Changed:
            ok = updateLine(mode, l);
            break;
        case LineMark::Deleted: {
            QSqlQuery d(m_db);
            d.prepare(QStringLiteral("DELETE FROM %1 WHERE AUTO = :id").arg(mode.lineTable));
            d.bindValue(QStringLiteral(":id"), dl.original.autoId);
            ok = exec(d) && d.numRowsAffected() == 1;
            break;
        }
        }
    }
    if (!ok) {
        r.error = m_error;
        return r;
    }
    if (!tx.commit(&r.error))
        return r;
    r.status = SaveStatus::Saved;
    r.number = number;
    return r;
}

} // namespace Documents
