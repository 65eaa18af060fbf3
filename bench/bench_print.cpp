// A banded report of Letter pages laid out and rendered straight to PDF:
// pages per second and peak memory, for short and long reports.
#include "printing/bandedreport.h"
#include "printing/pdfsink.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace Printing;

namespace {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_print";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

Band text(double height, const QList<std::pair<QRectF, QString>> &cells, const Font &font = Font::body(9))
{
    Band b(height);
    for (const auto &[box, value] : cells)
        b.addText(box, value, font, Qt::AlignLeft | Qt::AlignVCenter);
    return b;
}

QString amount(double v) { return QString::number(v, 'f', 2); }

// About 40 detail rows a page, groups of ten with three sums each.
int buildReport(int pages, PageSink &sink)
{
    ReportLayout layout;
    layout.setup = PageSetup{Paper::letter(), Margins{10, 10, 10, 10}, PageOffsets{}};
    layout.pageHeader = [](const BandContext &c) {
        Band b = text(15, {{QRectF(0, 0, 120, 8), QStringLiteral("รายการขาย-จำหน่าย")}}, Font::heading(14));
        b.addText(QRectF(120, 0, c.contentWidth - 120, 8), c.printedAt.toString(QStringLiteral("dd/MM/yyyy HH:mm")),
                  Font::body(9), Qt::AlignRight | Qt::AlignVCenter);
        return b;
    };
    layout.columnHeader = [](const BandContext &c) {
        Band b = text(7, {{QRectF(0, 0, 28, 7), QStringLiteral("เลขใบสำคัญ")}, {QRectF(28, 0, 22, 7), QStringLiteral("วันที่")},
                          {QRectF(50, 0, 60, 7), QStringLiteral("รายการ")}, {QRectF(110, 0, 20, 7), QStringLiteral("เป็นเงิน")},
                          {QRectF(132, 0, 20, 7), QStringLiteral("ภาษี")}, {QRectF(154, 0, 30, 7), QStringLiteral("รวมสุทธิ")}},
                      Font::body(9, true));
        b.addFrame(QRectF(0, 0, c.contentWidth, 7));
        return b;
    };
    layout.pageFooter = [](const BandContext &c) {
        return text(10, {{QRectF(c.contentWidth - 30, 2, 30, 6), QStringLiteral("หน้า %1").arg(c.pageNumber)}});
    };
    BandedReport report(layout, sink);
    int group = 0;
    while (report.pagesDone() < pages - 1) {
        ++group;
        const QString doc = QStringLiteral("SALE2%1").arg(group, 6, 10, QLatin1Char('0'));
        double sumPrice = 0, sumTax = 0, sumNet = 0;
        report.beginGroup(doc);
        for (int i = 0; i < 10; ++i) {
            const double price = 100.0 + (group * 37 + i * 11) % 900;
            const double tax = price * 7 / 100;
            sumPrice += price;
            sumTax += tax;
            sumNet += price + tax;
            report.addDetail([&](const BandContext &c) {
                return std::optional<Band>(text(4.8, {{QRectF(0, 0, 28, 4.8), doc}, {QRectF(28, 0, 22, 4.8), QStringLiteral("09/03/2567")},
                                                      {QRectF(50, 0, 60, 4.8), QStringLiteral("น้ำดื่มผู้ใหญ่ที่นั่ง %1").arg(c.lineNumber)},
                                                      {QRectF(110, 0, 20, 4.8), amount(price)}, {QRectF(132, 0, 20, 4.8), amount(tax)},
                                                      {QRectF(154, 0, 30, 4.8), amount(price + tax)}}));
            });
        }
        report.endGroup([&](const BandContext &) {
            Band b = text(5, {{QRectF(50, 0, 60, 5), QStringLiteral("รวม ")}, {QRectF(110, 0, 20, 5), amount(sumPrice)},
                              {QRectF(132, 0, 20, 5), amount(sumTax)}, {QRectF(154, 0, 30, 5), amount(sumNet)}},
                          Font::body(9, true));
            b.addHorizontalLine(110, 184, 0, 0.2, LineStyle::Dotted);
            return b;
        });
    }
    report.finish();
    return report.lineNumber();
}

void BM_BandedReportToPdf(benchmark::State &state)
{
    ensureApplication();
    const int pages = int(state.range(0));
    QTemporaryDir dir;
    int rows = 0;
    int produced = 0;
    for (auto _ : state) {
        PdfSink sink(dir.filePath(QStringLiteral("report.pdf")), QStringLiteral("bench"));
        rows = buildReport(pages, sink);
        if (!sink.finish())
            state.SkipWithError("PDF not written");
        produced = sink.pageCount();
    }
    state.counters["pages"] = produced;
    state.counters["rows_per_page"] = double(rows) / produced;
    state.counters["pages_per_s"] = benchmark::Counter(double(produced) * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["peak_rss_mb"] = peakRssMb();
    state.counters["pdf_kb"] = QFileInfo(dir.filePath(QStringLiteral("report.pdf"))).size() / 1024.0;
}

// Short report first: the peak after the long one shows whether memory grew.
BENCHMARK(BM_BandedReportToPdf)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
