// A 50-line tax invoice built from plain data and rendered to PDF, the whole
// path a print command takes once the document is loaded.
#include "printing/forms/formcontent.h"
#include "printing/forms/formlayout.h"
#include "printing/pdfsink.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Forms;

namespace {

DocumentData taxInvoice(int lines)
{
    DocumentData d;
    d.header.invNo = QStringLiteral("SALE2000045");
    d.header.invDate = QStringLiteral("15/03/2567");
    d.header.custNo = QStringLiteral("C0001");
    d.header.custName = QStringLiteral("ร้านสมใจการค้า");
    d.header.custCre = QStringLiteral("30 ว.");
    d.header.dueDate = QStringLiteral("14/04/2567");
    d.header.taxRate = 7;
    d.party.add1 = QStringLiteral("12/3 ถนนพหลโยธิน");
    d.party.add4 = QStringLiteral("กรุงเทพฯ");
    d.settings.name = QStringLiteral("บริษัท เวลโมรา ทดสอบ จำกัด");
    d.settings.address1 = QStringLiteral("99 ถนนสุขุมวิท");
    d.settings.taxId = QStringLiteral("0105551234567");
    d.settings.line1 = QStringLiteral("1");
    d.settings.line4 = QStringLiteral("0");
    d.settings.printDay = QStringLiteral("1");
    for (int i = 0; i < lines; ++i) {
        LineData l;
        l.autoNo = i + 1;
        l.proNo = QStringLiteral("P%1").arg(i, 4, 10, QLatin1Char('0'));
        l.proName = QStringLiteral("หม้อหุงข้าวไฟฟ้า รุ่น %1").arg(i);
        l.attrib = i % 3 == 0 ? QStringLiteral("SN %1").arg(1000 + i) : QString();
        l.proQty = 1 + i % 4;
        l.proUnit = QStringLiteral("เครื่อง");
        l.unitPrice = 1250.5;
        l.taxRate = 7;
        l.price = l.proQty * l.unitPrice;
        d.lines << l;
    }
    return d;
}

void BM_TaxInvoiceToPdf(benchmark::State &state)
{
    static int argc = 1;
    static char name[] = "bench_forms";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);

    const DocumentData data = taxInvoice(int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("invoice.pdf"));
    int pages = 0;
    for (auto _ : state) {
        const FormContent content = buildContent(FormId::DO8, data, 2, 1);
        Printing::PdfSink sink(path, content.title);
        layoutForm(content, sink);
        if (!sink.finish()) {
            state.SkipWithError("PDF not written");
            return;
        }
        pages = sink.pageCount();
    }
    state.counters["pages"] = pages;
}

} // namespace

BENCHMARK(BM_TaxInvoiceToPdf)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
