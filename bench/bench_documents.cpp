// Document window on a demo database of 200,000 documents under one head
// (1,000,000 lines), built once into a temporary SQLite file.
#include "data/connection.h"
#include "data/schema.h"
#include "data/transaction.h"
#include "documents/demodata.h"
#include "documents/documentcontroller.h"
#include "documents/documentrepository.h"
#include "documents/totals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>

#include <benchmark/benchmark.h>

using namespace Documents;

namespace {

const QString kPath = QDir::tempPath() + QStringLiteral("/velmora-bench-documents.db");

Data::Connection &connection()
{
    static std::optional<Data::Connection> conn = [] {
        QString error;
        const bool fresh = !QFile::exists(kPath);
        Data::Connection::Options options;
        options.requireSchema = !fresh;
        options.createFile = true;
        auto c = Data::Connection::open(Data::targetFor(kPath, Data::AliasTarget::Source::Environment), "bench", &error, options);
        if (!c)
            qFatal("open: %s", qPrintable(error));
        if (fresh) {
            if (!Data::createSchema(c->db(), c->engine(), &error) || !Data::seedInitialData(c->db(), c->engine(), &error))
                qFatal("schema: %s", qPrintable(error));
            QSqlQuery(c->db()).exec("PRAGMA synchronous = NORMAL");
            DemoOptions o;
            o.documents = 200000;
            o.linesMin = o.linesMax = 5;
            o.modeShares = {1.0, 0, 0, 0};
            o.products = 5000;
            const DemoResult r = fillDemo(c->db(), c->engine(), o);
            if (!r.ok)
                qFatal("demo: %s", qPrintable(r.error));
        }
        QSqlQuery(c->db()).exec("PRAGMA synchronous = NORMAL");
        return c;
    }();
    return *conn;
}

DocumentRepository &repository()
{
    static DocumentRepository repo(connection().db(), connection().engine());
    return repo;
}

void BM_OpenOnLast(benchmark::State &state)
{
    for (auto _ : state) {
        DocumentController c(1, 1, repository());
        benchmark::DoNotOptimize(c.activate());
    }
}
BENCHMARK(BM_OpenOnLast)->Unit(benchmark::kMillisecond);

void BM_FirstAndBack(benchmark::State &state)
{
    DocumentController c(1, 1, repository());
    c.activate();
    for (auto _ : state) {
        c.moveFirst();
        c.moveLast();
    }
}
BENCHMARK(BM_FirstAndBack)->Unit(benchmark::kMillisecond);

void BM_SearchNumber(benchmark::State &state)
{
    DocumentController c(1, 1, repository());
    c.activate();
    int i = 0;
    for (auto _ : state)
        c.findDocument(QStringLiteral("SALE1%1").arg(1000 + (i++ * 7919) % 198000, 6, 10, QLatin1Char('0')));
}
BENCHMARK(BM_SearchNumber)->Unit(benchmark::kMillisecond);

Document twentyLines()
{
    HeaderValues h;
    h.invNo = "TEMP1";
    h.invType = "1";
    h.invDate = "15/02/2568";
    h.dueDate = "17/03/2568";
    h.custNo = "00012";
    h.custName = "ร้านทดสอบ";
    h.custCre = "30 ว.";
    h.saleNo = "001";
    h.pBill = "06803100012";
    Document d = Document::fresh(h);
    for (int i = 0; i < 20; ++i) {
        LineValues l;
        l.proNo = QStringLiteral("P%1").arg(i + 1, 6, 10, QLatin1Char('0'));
        l.proName = "สินค้าทดสอบ";
        l.proQty = 2;
        l.unitPrice = 19.99;
        l.price = linePrice(2, 19.99, 0);
        l.stkPost = 1;
        l.cutStock = "1";
        d.appendLine(l);
    }
    return d;
}

void BM_SaveNew20Lines(benchmark::State &state)
{
    const Document d = twentyLines();
    const ModeInfo &m = *modeInfo(1);
    for (auto _ : state) {
        const SaveResult r = repository().save(m, "SALE1", d, std::nullopt);
        if (r.status != SaveStatus::Saved)
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveNew20Lines)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(5)->ReportAggregatesOnly(true);

// The same header and lines as plain SQL in one transaction, without numbering.
void BM_PlainInserts20Lines(benchmark::State &state)
{
    QSqlDatabase db = connection().db();
    int n = 0;
    for (auto _ : state) {
        Data::Transaction tx(db, connection().engine());
        QString error;
        tx.begin(&error);
        QSqlQuery h(db);
        h.prepare("INSERT INTO Invoice (INV_NO, INV_TYPE, INV_DATE, DUE_DATE, CUST_NO, CUST_NAME, CUST_CARD, CUST_BIRTH, "
                  "SALE_NO, SALE_NAME, REF_ORDER, CUST_CRE, P_BILL, TAX_RATE, CUST_DISC, TOTAL, TAX, DISCOUNT, SUM_TOTAL, "
                  "FG_OK, FG_BILL) VALUES (:no, '1', '15/02/2568', '17/03/2568', '00012', 'x', '', '', '001', '', '', "
                  "'30 ว.', '06803100012', 0, 0, 0, 0, 0, 0, 0, 0)");
        h.bindValue(":no", QStringLiteral("PLAN1%1").arg(++n, 6, 10, QLatin1Char('0')));
        h.exec();
        QSqlQuery l(db);
        l.prepare("INSERT INTO Invoice1 (INV_NO, PRO_NO, PRO_NAME, ATTRIB, ATTRIB2, PRO_UNIT, WARN_DATE, CUT_STOCK, PRO_QTY, "
                  "UNIT_PRICE, DISCOUNT, PRICE, TAX_RATE, EARN, STK_POST) VALUES (:no, :p, 'x', '', '', '', '', '1', 2, "
                  "19.99, 0, 39.98, 7, 1, 1)");
        for (int i = 0; i < 20; ++i) {
            l.bindValue(":no", QStringLiteral("PLAN1%1").arg(n, 6, 10, QLatin1Char('0')));
            l.bindValue(":p", QStringLiteral("P%1").arg(i + 1, 6, 10, QLatin1Char('0')));
            l.exec();
        }
        tx.commit(&error);
    }
}
BENCHMARK(BM_PlainInserts20Lines)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Totals500Lines(benchmark::State &state)
{
    QList<LineValues> lines;
    for (int i = 0; i < 500; ++i) {
        LineValues l;
        l.proQty = 1 + i % 7;
        l.unitPrice = 19.99 + i;
        l.discount = i % 3 ? 0 : 10;
        l.taxRate = 7;
        lines.append(l);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(computeTotals(lines, Regime::Vat, 5));
}
BENCHMARK(BM_Totals500Lines)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    connection();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
