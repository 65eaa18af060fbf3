// Product register on a large data set: 50,000 products and 1,000,000
// document lines in a temporary SQLite file (made once, then reused).
#include "data/schema.h"
#include "registers/record.h"
#include "registers/registerstore.h"
#include "registers/stockstore.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>

namespace {

constexpr int kProducts = 50000;
constexpr int kLines = 1000000;

QString dbPath()
{
    const QString env = qEnvironmentVariable("VELMORA_BENCH_REGISTERS_DB");
    return env.isEmpty() ? QDir::temp().filePath(QStringLiteral("velmora-bench-registers.db")) : env;
}

QString code(int i)
{
    return QStringLiteral("P%1").arg(i, 6, 10, QLatin1Char('0'));
}

bool exec(QSqlQuery &q)
{
    if (!q.exec()) {
        std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
        return false;
    }
    return true;
}

bool hasData(QSqlDatabase &db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM Product), (SELECT COUNT(*) FROM Invoice1)"
                               " + (SELECT COUNT(*) FROM Order1) + (SELECT COUNT(*) FROM Finance1)"))
        || !q.next())
        return false;
    return q.value(0).toInt() == kProducts && q.value(1).toInt() == kLines;
}

bool build(QSqlDatabase &db)
{
    QString error;
    if (!Data::createSchema(db, Data::Engine::Sqlite, &error)) {
        std::fprintf(stderr, "schema: %s\n", qPrintable(error));
        return false;
    }
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA journal_mode = OFF"));
    pragma.exec(QStringLiteral("PRAGMA synchronous = OFF"));
    db.transaction();
    QRandomGenerator rng(6);
    QSqlQuery p(db);
    p.prepare(QStringLiteral("INSERT INTO Product (PRO_NO, PRO_NAME, PRO_UNIT, PRO_TOTAL, PRO_SPRICE, TAX_RATE, CUT_STOCK)"
                             " VALUES (:no, :name, :unit, :total, :price, 7, '1')"));
    for (int i = 0; i < kProducts; ++i) {
        p.bindValue(QStringLiteral(":no"), code(i));
        p.bindValue(QStringLiteral(":name"), QStringLiteral("สินค้าทดสอบ %1").arg(rng.bounded(kProducts), 5, 10, QLatin1Char('0')));
        p.bindValue(QStringLiteral(":unit"), QStringLiteral("ชิ้น"));
        p.bindValue(QStringLiteral(":total"), double(rng.bounded(1000)));
        p.bindValue(QStringLiteral(":price"), double(rng.bounded(10000)) / 4);
        if (!exec(p))
            return false;
    }
    QSqlQuery inv(db), ord(db), fin(db);
    inv.prepare(QStringLiteral("INSERT INTO Invoice1 (INV_NO, PRO_NO, PRO_QTY, STK_POST) VALUES (:d, :c, :q, :m)"));
    ord.prepare(QStringLiteral("INSERT INTO Order1 (INV_NO, PRO_NO, PRO_QTY, STK_POST) VALUES (:d, :c, :q, :m)"));
    fin.prepare(QStringLiteral("INSERT INTO Finance1 (INV_NO, FIN_PNO, FIN_PQTY, STK_POST) VALUES (:d, :c, :q, :m)"));
    for (int i = 0; i < kLines; ++i) {
        const int kind = i % 10;   // 6 sale lines, 3 purchase lines, 1 hire-purchase item in 10
        QSqlQuery &q = kind < 6 ? inv : kind < 9 ? ord : fin;
        const int mark = kind < 6 ? (rng.bounded(4) == 0 ? 0 : 1) : kind < 9 ? (rng.bounded(4) == 0 ? 0 : 2) : 5;
        q.bindValue(QStringLiteral(":d"), QStringLiteral("D%1").arg(i, 10, 10, QLatin1Char('0')));
        q.bindValue(QStringLiteral(":c"), code(rng.bounded(kProducts)));
        q.bindValue(QStringLiteral(":q"), double(1 + rng.bounded(5)));
        q.bindValue(QStringLiteral(":m"), double(mark));
        if (!exec(q))
            return false;
    }
    if (!db.commit())
        return false;
    pragma.exec(QStringLiteral("ANALYZE"));
    return true;
}

QSqlDatabase &database()
{
    static QSqlDatabase db = [] {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench_registers"));
        d.setDatabaseName(dbPath());
        const bool existed = QFile::exists(dbPath());
        if (!d.open())
            std::abort();
        if (!existed || !hasData(d)) {
            d.close();
            QFile::remove(dbPath());
            d.open();
            QElapsedTimer t;
            t.start();
            if (!build(d))
                std::abort();
            std::fprintf(stderr, "built %s in %.1f s\n", qPrintable(dbPath()), t.elapsed() / 1000.0);
        }
        return d;
    }();
    return db;
}

void BM_ProductRegisterOpenAndSearch(benchmark::State &state)
{
    Registers::RegisterStore store(database(), Registers::productTable());
    using O = Registers::RegisterStore::Order;
    for (auto _ : state) {
        // Opening shows the last product; the search panel then follows typing.
        const auto last = store.last();
        const auto byName = store.seek(O::Name, QStringLiteral("สินค้าทดสอบ 250"));
        const auto grid = store.around(O::Name, *byName.record, 5, 15);
        const auto byCode = store.seek(O::Code, QStringLiteral("P0312"));
        benchmark::DoNotOptimize(last.record);
        benchmark::DoNotOptimize(grid.rows.size());
        benchmark::DoNotOptimize(byCode.record);
    }
}
BENCHMARK(BM_ProductRegisterOpenAndSearch)->Unit(benchmark::kMicrosecond);

void BM_OnHandOneProduct(benchmark::State &state)
{
    Registers::StockStore stock(database());
    QRandomGenerator rng(1);
    QString error;
    for (auto _ : state)
        benchmark::DoNotOptimize(stock.onHand(code(rng.bounded(kProducts)), &error));
}
BENCHMARK(BM_OnHandOneProduct)->Unit(benchmark::kMicrosecond);

void BM_OnHandAllProducts(benchmark::State &state)
{
    Registers::StockStore stock(database());
    QString error;
    for (auto _ : state) {
        const auto rows = stock.onHandAll(&error);
        if (!rows || rows->size() != kProducts)
            state.SkipWithError("wrong row count");
    }
}
BENCHMARK(BM_OnHandAllProducts)->Unit(benchmark::kMillisecond);

// The same grouped statement typed into the sqlite3 shell, for comparison.
void reportShellTime()
{
    database();
    QProcess shell;
    shell.start(QStringLiteral("sqlite3"), {dbPath()});
    if (!shell.waitForStarted()) {
        std::fprintf(stderr, "sqlite3 shell not found; no comparison\n");
        return;
    }
    const QString sql = Registers::StockStore::onHandListSql();
    QByteArray script = ".output /dev/null\n.timer on\n";
    for (int i = 0; i < 5; ++i)
        script += sql.toUtf8() + ";\n";
    shell.write(script);
    shell.closeWriteChannel();
    shell.waitForFinished(600000);
    const QString out = QString::fromUtf8(shell.readAllStandardOutput() + shell.readAllStandardError());
    QRegularExpression re(QStringLiteral("Run Time: real ([0-9.]+)"));
    double best = 1e9;
    for (auto it = re.globalMatch(out); it.hasNext();)
        best = std::min(best, it.next().captured(1).toDouble());
    std::fprintf(stderr, "sqlite3 shell, same grouped statement: best of 5 = %.1f ms\n", best * 1000);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    reportShellTime();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
