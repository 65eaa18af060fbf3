#include "documents/demodata.h"

#include "documents/documentrepository.h"
#include "documents/modes.h"
#include "documents/totals.h"
#include "data/sql.h"
#include "data/transaction.h"
#include "registers/terms.h"
#include "text/thaitext.h"

#include <QDate>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>

#include <cmath>

namespace Documents {
namespace {

const QStringList kFirst{"สมชาย", "สมหญิง", "วิภา", "ประเสริฐ", "กมล", "อรุณ", "สุดา", "ธนา", "ชัยวัฒน์", "นภา",
                         "พรทิพย์", "สุรชัย", "อำนาจ", "มาลี", "บุญมี", "ศิริพร"};
const QStringList kLast{"ใจดี", "ศรีสุข", "ทองดี", "มั่นคง", "รุ่งเรือง", "สุขสวัสดิ์", "แก้วมณี", "วงศ์ใหญ่",
                        "บุญประเสริฐ", "เจริญผล"};
const QStringList kShops{"ร้าน", "บริษัท", "ห้างหุ้นส่วน", "ร้านค้า", "หจก."};
const QStringList kProvinces{"กรุงเทพมหานคร", "เชียงใหม่", "ขอนแก่น", "นครราชสีมา", "ชลบุรี", "สงขลา", "ภูเก็ต",
                             "อุดรธานี"};
const QStringList kGoods{"โทรศัพท์มือถือ", "สายชาร์จ", "หูฟัง", "พัดลม", "หม้อหุงข้าว", "ตู้เย็น", "โทรทัศน์",
                         "เครื่องซักผ้า", "กระทะไฟฟ้า", "เตารีด", "ลำโพง", "แบตเตอรี่", "เมาส์", "คีย์บอร์ด",
                         "จอคอมพิวเตอร์", "ปลั๊กพ่วง"};
const QStringList kBrands{"ช้างทอง", "ดาวเหนือ", "สยาม", "ไทยเจริญ", "รุ่งโรจน์", "มงคล"};
const QStringList kUnits{"เครื่อง", "ชิ้น", "อัน", "กล่อง", "ชุด"};

QString pick(QRandomGenerator &r, const QStringList &l) { return l.at(int(r.bounded(l.size()))); }
QString code(int n, int width = 5) { return QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0')); }

// What the documents quote of the registers, so a demo document names the
// party, salesperson and goods it points at.
struct DemoProduct
{
    QString name;
    QString unit;
    double buy = 0;
    double sell = 0;
};

struct DemoRegisters
{
    QStringList customers;
    QStringList suppliers;
    QStringList salespeople;
    QList<DemoProduct> products;
};

bool registers(const QSqlDatabase &db, Data::Engine engine, const DemoOptions &o, QRandomGenerator &r,
               DemoRegisters *out, QString *error)
{
    Data::Transaction tx(db, engine);
    if (!tx.begin(error))
        return false;
    QSqlQuery party(db);
    for (const char *table : {"Customer", "Supply"}) {
        const bool customers = QLatin1String(table) == QLatin1String("Customer");
        party.prepare(QStringLiteral("INSERT INTO %1 (CUST_NO, CUST_NAME, CUST_CARD, CUST_ADD1, CUST_ADD2, CUST_ADD4, "
                                     "CUST_ZIP, CUST_TEL, CUST_CRE, CUST_GROUP) VALUES (:no, :name, :card, :a1, :a2, :a4, "
                                     ":zip, :tel, :cre, :grp)").arg(QLatin1String(table)));
        const int n = customers ? o.customers : o.suppliers;
        for (int i = 1; i <= n; ++i) {
            QString name;
            if (customers && r.bounded(3) != 0)
                name = QStringLiteral("คุณ") + pick(r, kFirst) + QStringLiteral(" ") + pick(r, kLast);
            else
                name = pick(r, kShops) + QStringLiteral(" ") + pick(r, kLast) + (customers ? QString() : QStringLiteral(" การค้า"));
            party.bindValue(":no", code(i));
            party.bindValue(":name", name);
            (customers ? out->customers : out->suppliers).append(name);
            party.bindValue(":card", QStringLiteral("3%1").arg(r.bounded(100000000), 12, 10, QLatin1Char('0')));
            party.bindValue(":a1", QStringLiteral("%1/%2 ถนนพหลโยธิน").arg(r.bounded(1, 300)).arg(r.bounded(1, 30)));
            party.bindValue(":a2", QStringLiteral("ตำบลในเมือง อำเภอเมือง"));
            party.bindValue(":a4", pick(r, kProvinces));
            party.bindValue(":zip", QString::number(10000 + r.bounded(90000)));
            party.bindValue(":tel", QStringLiteral("0%1").arg(r.bounded(800000000, 999999999)));
            party.bindValue(":cre", Registers::creditTerms().at(int(r.bounded(6))));
            party.bindValue(":grp", QString::number(r.bounded(1, 4)));
            if (!party.exec()) {
                *error = party.lastError().text();
                return false;
            }
        }
    }
    QSqlQuery sale(db);
    sale.prepare(QStringLiteral("INSERT INTO Sale (SALE_NO, SALE_NAME, SALE_COM) VALUES (:no, :name, :com)"));
    for (int i = 1; i <= o.salespeople; ++i) {
        const QString name = pick(r, kFirst) + QStringLiteral(" ") + pick(r, kLast);
        sale.bindValue(":no", code(i, 3));
        sale.bindValue(":name", name);
        out->salespeople.append(name);
        sale.bindValue(":com", 3.0);
        if (!sale.exec()) {
            *error = sale.lastError().text();
            return false;
        }
    }
    QSqlQuery product(db);
    product.prepare(QStringLiteral("INSERT INTO Product (PRO_NO, PRO_NAME, ATTRIB, PRO_GROUP, PRO_BPRICE, PRO_SPRICE, "
                                   "PRO_SP2, PRO_SP3, PRO_SP4, PRO_SP5, WARN_TERM, PRO_TOTAL, PRO_UNIT, PRO_RORDER, "
                                   "TAX_RATE, CUT_STOCK) VALUES (:no, :name, '', :grp, :buy, :s1, :s2, :s3, :s4, :s5, "
                                   ":warn, :tot, :unit, 5, 7, :cut)"));
    out->products.reserve(o.products);
    for (int i = 1; i <= o.products; ++i) {
        DemoProduct dp;
        dp.buy = double(r.bounded(20, 20000));
        dp.sell = std::round(dp.buy * 1.3);
        dp.name = pick(r, kGoods) + QStringLiteral(" ") + pick(r, kBrands) + QStringLiteral(" รุ่น ") + QString::number(100 + i);
        product.bindValue(":no", QStringLiteral("P%1").arg(i, 6, 10, QLatin1Char('0')));
        product.bindValue(":name", dp.name);
        product.bindValue(":grp", QStringLiteral("G%1").arg(r.bounded(1, 10)));
        product.bindValue(":buy", dp.buy);
        product.bindValue(":s1", dp.sell);
        product.bindValue(":s2", std::round(dp.sell * 0.97));
        product.bindValue(":s3", std::round(dp.sell * 0.95));
        product.bindValue(":s4", std::round(dp.sell * 0.92));
        product.bindValue(":s5", std::round(dp.sell * 0.90));
        product.bindValue(":warn", Registers::warrantyTerms().at(int(r.bounded(Registers::warrantyTerms().size()))));
        product.bindValue(":tot", double(r.bounded(20, 500)));
        dp.unit = pick(r, kUnits);
        product.bindValue(":unit", dp.unit);
        out->products.append(dp);
        product.bindValue(":cut", i % 25 == 0 ? QStringLiteral("0") : QStringLiteral("1"));
        if (!product.exec()) {
            *error = product.lastError().text();
            return false;
        }
    }
    if (!Data::Sql::exec(db, QStringLiteral("UPDATE scale SET SCALE1 = 1, SCALE2 = 6, SCALE3 = 12, SCALE4 = 24, SCALE5 = 48"),
                         {}, error))
        return false;
    return tx.commit(error);
}

} // namespace

DemoResult fillDemo(const QSqlDatabase &db, Data::Engine engine, const DemoOptions &o,
                    const std::function<void(int)> &progress)
{
    DemoResult result;
    QString error;
    const auto used = Data::Sql::scalar(
        db, QStringLiteral("SELECT (SELECT count(*) FROM Invoice) + (SELECT count(*) FROM Order0) + (SELECT count(*) FROM Customer)"),
        {}, &error);
    if (!used) {
        result.error = error;
        return result;
    }
    if (used->toInt() > 0) {
        result.error = QStringLiteral("ฐานข้อมูลมีข้อมูลอยู่แล้ว ใส่ข้อมูลตัวอย่างได้เฉพาะฐานข้อมูลว่าง");
        return result;
    }
    QRandomGenerator r(o.seed);
    DemoRegisters reg;
    if (!registers(db, engine, o, r, &reg, &result.error))
        return result;

    DocumentRepository repo(db, engine);
    WindowSettings settings;
    if (!repo.readSettings(&settings)) {
        result.error = repo.lastError();
        return result;
    }
    QStringList prefixes;
    for (const QString &p : settings.prefixes)
        prefixes.append(p);

    // Dates run forward with the numbers over five years.
    const QDate start(o.firstYear - 543, 1, 2);
    const int days = int(start.daysTo(start.addYears(5)));
    double cumulative[4];
    double total = 0;
    for (int i = 0; i < 4; ++i)
        cumulative[i] = (total += o.modeShares.value(i, 0));
    for (int n = 0; n < o.documents; ++n) {
        const double x = r.generateDouble() * total;
        int mode = 1;
        while (mode < 4 && x >= cumulative[mode - 1])
            ++mode;
        const ModeInfo &m = *modeInfo(mode);
        const QString head = numberHead(m, prefixes);
        const QString date = Text::ThaiDate(start.addDays(qint64(n) * days / qMax(1, o.documents)));
        const int partyCount = m.party == PartyKind::Customer ? o.customers : o.suppliers;
        HeaderValues h;
        h.invType = QString(m.digit);
        h.invDate = date;
        const int party = int(r.bounded(1, partyCount + 1));
        h.custNo = code(party);
        h.custName = (m.party == PartyKind::Customer ? reg.customers : reg.suppliers).value(party - 1);
        h.custCre = Registers::creditTerms().at(int(r.bounded(6)));
        h.dueDate = Text::DueDate(date, h.custCre);
        const int salesperson = int(r.bounded(1, o.salespeople + 1));
        h.saleNo = code(salesperson, 3);
        h.saleName = reg.salespeople.value(salesperson - 1);
        h.taxRate = m.newTaxRate;
        h.fgOk = h.custCre == QStringLiteral("สด") ? 1 : 0;
        h.invNo = QStringLiteral("TEMP0");
        Document d = Document::fresh(h);
        const int lines = int(r.bounded(o.linesMin, o.linesMax + 1));
        for (int i = 0; i < lines; ++i) {
            LineValues l;
            const int p = int(r.bounded(1, o.products + 1));
            const DemoProduct &dp = reg.products.at(p - 1);
            l.proNo = QStringLiteral("P%1").arg(p, 6, 10, QLatin1Char('0'));
            l.proName = dp.name;
            l.proUnit = dp.unit;
            l.proQty = double(r.bounded(1, 10));
            l.unitPrice = m.isSale() ? dp.sell : dp.buy;
            l.discount = r.bounded(5) == 0 ? 5 : 0;
            l.price = linePrice(l.proQty, l.unitPrice, l.discount);
            l.taxRate = 7;
            l.cutStock = p % 25 == 0 ? QStringLiteral("0") : QStringLiteral("1");
            if (l.cutStock == QLatin1String("1"))
                l.stkPost = double(m.stockMark);
            l.warnDate = date;
            d.appendLine(l);
        }
        const Totals t = computeTotals(d.lines(), m.regime, 0);
        HeaderValues &dh = d.header();
        dh.total = toStored(t.net);
        dh.tax = toStored(t.tax);
        dh.discount = toStored(t.discount);
        dh.sumTotal = toStored(t.sum);
        dh.pBill = billingKey(dh.dueDate, head, dh.custNo);
        const SaveResult s = repo.save(m, head, d, head + QStringLiteral("000001"));
        if (s.status != SaveStatus::Saved) {
            result.error = s.error.isEmpty() ? QStringLiteral("numbering failed under %1").arg(head) : s.error;
            return result;
        }
        ++result.documents;
        result.lines += lines;
        if (progress && (n + 1) % 1000 == 0)
            progress(n + 1);
    }
    result.ok = true;
    return result;
}

} // namespace Documents
