#include "printing/bandedreport.h"
#include "printing/barcode.h"
#include "printing/fonts.h"
#include "printing/messages.h"
#include "printing/page.h"
#include "printing/pdfsink.h"
#include "printing/renderer.h"
#include "printing/textlayout.h"

#include <QFontInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBoundaryFinder>
#include <QtTest>

using namespace Printing;

namespace {

constexpr double eps = 1e-6;

Band textBand(double height, const QString &text, double width = 100)
{
    Band b(height);
    b.addText(QRectF(0, 0, width, height), text);
    return b;
}

ReportLayout plainLayout(double headerHeight = 20, double footerHeight = 10)
{
    ReportLayout layout;
    layout.setup.paper = Paper::letter();
    layout.setup.margins = Margins{10, 10, 10, 10};
    layout.pageHeader = [headerHeight](const BandContext &) { return textBand(headerHeight, QStringLiteral("หัวรายงาน")); };
    layout.pageFooter = [footerHeight](const BandContext &c) {
        return textBand(footerHeight, QStringLiteral("หน้า %1").arg(c.pageNumber));
    };
    return layout;
}

// Detail rows of a given height, each printing "row N".
QList<Page> runRows(const ReportLayout &layout, const QList<double> &heights)
{
    PageCollector sink;
    BandedReport report(layout, sink);
    for (int i = 0; i < heights.size(); ++i)
        report.addDetail(textBand(heights.at(i), QStringLiteral("row %1").arg(i + 1)));
    report.finish();
    return sink.pages;
}

// Which page holds a text, 0 when none.
int pageOf(const QList<Page> &pages, const QString &text)
{
    for (const Page &p : pages) {
        if (p.hasText(text))
            return p.number;
    }
    return 0;
}

QString findTool(const char *name)
{
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (path.isEmpty())
        qFatal("%s is missing: install poppler-utils and zbar-tools (scripts/install-deps.sh)", name);
    return path;
}

QString runTool(const char *name, const QStringList &args)
{
    QProcess p;
    p.start(findTool(name), args);
    if (!p.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// pdftotext gives TLWG's lowered tone marks as private-use characters, sara am
// split in two, and white space anywhere (even inside a syllable).
QString normaliseThai(QString s)
{
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    for (QChar &c : s) {
        if (c.unicode() >= 0xF70A && c.unicode() <= 0xF70E)
            c = QChar(char16_t(0x0E48 + (c.unicode() - 0xF70A)));
    }
    // A tone mark may come out between the two halves of sara am.
    s.replace(QRegularExpression(QStringLiteral("\u0E4D([\u0E48-\u0E4B]?)\u0E32")), QStringLiteral("\\1\u0E33"));
    s.replace(QRegularExpression(QStringLiteral("([\u0E48-\u0E4B])\u0E4D\u0E32")), QStringLiteral("\\1\u0E33"));
    s = s.normalized(QString::NormalizationForm_C);
    return s;
}

QList<qsizetype> wordEnds(const QStringList &words)
{
    QList<qsizetype> ends;
    qsizetype at = 0;
    for (const QString &w : words) {
        at += w.size();
        ends.append(at);
    }
    return ends;
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paperSizes_data();
    void paperSizes();
    void offsetsAreClamped_data();
    void offsetsAreClamped();
    void marginsNeverNegative_data();
    void marginsNeverNegative();
    void offsetsMoveEverything_data();
    void offsetsMoveEverything();
    void bandsRepeatOnEveryPage_data();
    void bandsRepeatOnEveryPage();
    void groupFooterFollowsItsGroup();
    void repeatedGroupHeader();
    void groupHeaderKeepsWithFirstRow_data();
    void groupHeaderKeepsWithFirstRow();
    void rowTallerThanSpaceLeftMovesOn_data();
    void rowTallerThanSpaceLeftMovesOn();
    void lineNumbersRunOn();
    void labelColumns_data();
    void labelColumns();
    void summaryAndOutsideTotals();
    void emptyReportHasOnePage();
    void fontsAreTlwg_data();
    void fontsAreTlwg();
    void thaiWrapsAtWordBoundaries_data();
    void thaiWrapsAtWordBoundaries();
    void longWordBreaksBetweenClusters();
    void barcodeProblems_data();
    void barcodeProblems();
    void barcodeEncodes_data();
    void barcodeEncodes();
    void refusedBarcodeIsNotPlaced();
    void barcodeDecodesBack_data();
    void barcodeDecodesBack();
    void pdfPerPaper_data();
    void pdfPerPaper();
    void pdfUnwritable();
};

void TestPrinting::paperSizes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSizeF>("mm");
    QTest::addColumn<QSizeF>("points");

    QTest::newRow("letter") << int(Paper::Kind::Letter) << QSizeF(215.9, 279.4) << QSizeF(612, 792);
    QTest::newRow("a4") << int(Paper::Kind::A4) << QSizeF(210, 297) << QSizeF(595, 842);
    QTest::newRow("short form stays 8.5 x 5.5 portrait") << int(Paper::Kind::ShortForm)
                                                         << QSizeF(215.9, 139.7) << QSizeF(612, 396);
}

void TestPrinting::paperSizes()
{
    QFETCH(int, kind);
    QFETCH(QSizeF, mm);
    QFETCH(QSizeF, points);
    const Paper paper = kind == int(Paper::Kind::Letter) ? Paper::letter()
                      : kind == int(Paper::Kind::A4)     ? Paper::a4()
                                                         : Paper::shortForm();
    QCOMPARE(paper.sizeMm(), mm);
    const QSizeF fromPageSize = paper.pageSize().size(QPageSize::Millimeter);
    QVERIFY(qAbs(fromPageSize.width() - mm.width()) < 0.2);
    QVERIFY(qAbs(fromPageSize.height() - mm.height()) < 0.2);
    QCOMPARE(QSizeF(paper.pageSize().sizePoints()), points);
    QVERIFY(paper.pageSize().id() != QPageSize::Statement);
}

void TestPrinting::offsetsAreClamped_data()
{
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("expectedTop");
    QTest::addColumn<double>("expectedLeft");

    QTest::newRow("inside the ranges") << 5.0 << 3.0 << 5.0 << 3.0;
    QTest::newRow("negative becomes zero") << -4.0 << -1.0 << 0.0 << 0.0;
    QTest::newRow("top above 50 mm") << 80.0 << 10.0 << 50.0 << 10.0;
    QTest::newRow("left above 30 mm") << 10.0 << 31.5 << 10.0 << 30.0;
    QTest::newRow("the limits themselves") << 50.0 << 30.0 << 50.0 << 30.0;
}

void TestPrinting::offsetsAreClamped()
{
    QFETCH(double, top);
    QFETCH(double, left);
    QFETCH(double, expectedTop);
    QFETCH(double, expectedLeft);
    const PageOffsets o = PageOffsets::clamped(top, left);
    QCOMPARE(o.top, expectedTop);
    QCOMPARE(o.left, expectedLeft);

    // A setup given raw values clamps them too.
    PageSetup setup;
    setup.offsets = PageOffsets{top, left};
    QCOMPARE(setup.contentRect().topLeft(), QPointF(expectedLeft, expectedTop));
}

void TestPrinting::marginsNeverNegative_data()
{
    QTest::addColumn<double>("prnTop");
    QTest::addColumn<double>("designBottom");
    QTest::addColumn<double>("expectedTop");
    QTest::addColumn<double>("expectedBottom");

    QTest::newRow("offset 5 leaves 7.5 at the bottom") << 5.0 << 12.5 << 5.0 << 7.5;
    QTest::newRow("offset 0 keeps the design bottom") << 0.0 << 12.5 << 0.0 << 12.5;
    QTest::newRow("offset beyond the bottom margin gives zero") << 20.0 << 12.5 << 20.0 << 0.0;
    QTest::newRow("negative design margin gives zero") << 0.0 << -3.0 << 0.0 << 0.0;
}

void TestPrinting::marginsNeverNegative()
{
    QFETCH(double, prnTop);
    QFETCH(double, designBottom);
    QFETCH(double, expectedTop);
    QFETCH(double, expectedBottom);
    PageSetup setup;
    setup.paper = Paper::letter();
    setup.margins = Margins{-2, 0, 0, designBottom};
    setup.offsets = PageOffsets{prnTop, 0};
    const Margins m = setup.effectiveMargins();
    QCOMPARE(m.top, expectedTop);
    QCOMPARE(m.bottom, expectedBottom);
    QCOMPARE(m.left, 0.0);
    QVERIFY(m.right >= 0);
    QVERIFY(qAbs(setup.contentRect().bottom() - (279.4 - expectedBottom)) < eps);
}

void TestPrinting::offsetsMoveEverything_data()
{
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("left");
    QTest::addColumn<QPointF>("shift");

    QTest::newRow("5 down 3 right") << 5.0 << 3.0 << QPointF(3, 5);
    QTest::newRow("clamped to 50 down 30 right") << 70.0 << 45.0 << QPointF(30, 50);
}

void TestPrinting::offsetsMoveEverything()
{
    QFETCH(double, top);
    QFETCH(double, left);
    QFETCH(QPointF, shift);

    ReportLayout layout = plainLayout();
    layout.setup.margins = Margins{5, 5, 40, 60};
    layout.columnHeader = [](const BandContext &) {
        Band b(8);
        b.addFrame(QRectF(0, 0, 150, 8));
        b.addHorizontalLine(0, 150, 8, 0.3, LineStyle::Dotted);
        return b;
    };
    const QList<double> heights(10, 6.0);
    const QList<Page> plain = runRows(layout, heights);
    layout.setup.offsets = PageOffsets{top, left};
    const QList<Page> moved = runRows(layout, heights);

    QCOMPARE(moved.size(), plain.size());
    const Page &a = plain.first();
    const Page &b = moved.first();
    QCOMPARE(b.items.size(), a.items.size());
    for (int i = 0; i < a.items.size(); ++i) {
        const QRectF ra = boundsOf(a.items.at(i));
        const QRectF rb = boundsOf(b.items.at(i));
        QCOMPARE(rb.topLeft(), ra.topLeft() + shift);
    }
}

void TestPrinting::bandsRepeatOnEveryPage_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("rowHeight");

    QTest::newRow("one page") << 5 << 10.0;
    QTest::newRow("many pages") << 120 << 10.0;
    QTest::newRow("rows of uneven pages") << 77 << 7.5;
}

void TestPrinting::bandsRepeatOnEveryPage()
{
    QFETCH(int, rows);
    QFETCH(double, rowHeight);
    ReportLayout layout = plainLayout(20, 10);
    layout.columnHeader = [](const BandContext &) { return textBand(8, QStringLiteral("รายการ")); };
    const QList<Page> pages = runRows(layout, QList<double>(rows, rowHeight));

    // Content is 259.4 mm: header 20, column header 8, footer 10 leave 221.4.
    const int perPage = int(221.4 / rowHeight);
    QCOMPARE(pages.size(), (rows + perPage - 1) / perPage);
    for (const Page &p : pages) {
        QCOMPARE(p.textsWith(QStringLiteral("หัวรายงาน")).size(), 1);
        QCOMPARE(p.textsWith(QStringLiteral("รายการ")).size(), 1);
        const TextItem *footer = p.findText(QStringLiteral("หน้า %1").arg(p.number));
        QVERIFY(footer);
        QVERIFY(qAbs(footer->box.bottom() - p.content().bottom()) < eps);
        QCOMPARE(p.findText(QStringLiteral("หัวรายงาน"))->box.top(), p.content().top());
        // No detail reaches into the footer.
        for (const TextItem *t : p.texts()) {
            if (t->text.startsWith(QLatin1String("row ")))
                QVERIFY(t->box.bottom() <= footer->box.top() + eps);
        }
    }
    int seen = 0;
    for (const Page &p : pages) {
        for (const TextItem *t : p.texts())
            seen += t->text.startsWith(QLatin1String("row ")) ? 1 : 0;
    }
    QCOMPARE(seen, rows);
}

void TestPrinting::groupFooterFollowsItsGroup()
{
    struct Row
    {
        QString doc;
        double amount;
    };
    const QList<Row> rows{{"A", 1}, {"A", 2}, {"A", 3}, {"B", 10}, {"B", 20}};
    double sum = 0;
    RowBands<Row> bands;
    bands.groupKey = [](const Row &r) { return r.doc; };
    bands.groupHeader = [](const BandContext &c, const Row &) { return textBand(6, QStringLiteral("เอกสาร ") + c.groupKey); };
    bands.detail = [&sum](const BandContext &c, const Row &r) -> std::optional<Band> {
        sum += r.amount;
        return textBand(5, QStringLiteral("%1-%2").arg(c.groupKey).arg(c.lineInGroup));
    };
    bands.groupFooter = [&sum](const BandContext &c, const Row &last) {
        Band b = textBand(7, QStringLiteral("รวม %1 %2").arg(last.doc).arg(sum));
        sum = 0;
        return b;
    };
    PageCollector sink;
    BandedReport report(plainLayout(), sink);
    layoutRows(report, rows, bands);
    report.finish();

    QCOMPARE(sink.pages.size(), 1);
    const Page &p = sink.pages.first();
    const QStringList order{QStringLiteral("เอกสาร A"), "A-1", "A-2", "A-3", QStringLiteral("รวม A 6"),
                            QStringLiteral("เอกสาร B"), "B-1", "B-2", QStringLiteral("รวม B 30")};
    double y = -1;
    for (const QString &text : order) {
        const TextItem *t = p.findText(text);
        QVERIFY2(t, qPrintable(text));
        QVERIFY2(t->box.top() > y, qPrintable(text));
        y = t->box.top();
    }
    QCOMPARE(p.findText(QStringLiteral("รวม A 6"))->box.top(), p.findText("A-3")->box.bottom());
    QCOMPARE(p.findText(QStringLiteral("เอกสาร B"))->box.top(), p.findText(QStringLiteral("รวม A 6"))->box.bottom());
}

void TestPrinting::repeatedGroupHeader()
{
    ReportLayout layout = plainLayout();
    layout.repeatGroupHeader = true;
    PageCollector sink;
    BandedReport report(layout, sink);
    report.beginGroup(QStringLiteral("A"), [](const BandContext &) { return textBand(6, QStringLiteral("กลุ่ม A")); });
    for (int i = 0; i < 60; ++i)
        report.addDetail(textBand(10, QStringLiteral("row %1").arg(i + 1)));
    report.endGroup();
    for (int i = 0; i < 60; ++i)
        report.addDetail(textBand(10, QStringLiteral("after %1").arg(i + 1)));
    report.finish();

    QVERIFY(sink.pages.size() >= 5);
    for (const Page &p : sink.pages) {
        const bool groupRows = p.findTextContaining(QStringLiteral("row ")) != nullptr;
        QCOMPARE(p.textsWith(QStringLiteral("กลุ่ม A")).size(), groupRows ? 1 : 0);
    }
}

void TestPrinting::groupHeaderKeepsWithFirstRow_data()
{
    QTest::addColumn<QList<double>>("before");  // rows ahead of the group
    QTest::addColumn<double>("header");
    QTest::addColumn<double>("first");
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<int>("headerPage");
    QTest::addColumn<int>("firstPage");
    QTest::addColumn<int>("headers");          // times the header is printed
    QTest::addColumn<int>("pages");

    // 229.4 mm of flow a page.
    QTest::newRow("header fits with its row") << QList<double>{200} << 10.0 << 19.4 << false << 1 << 1 << 1 << 2;
    QTest::newRow("header at page bottom moves") << QList<double>{200} << 10.0 << 19.5 << false << 2 << 2 << 1 << 2;
    QTest::newRow("moved header is not repeated") << QList<double>{200} << 10.0 << 19.5 << true << 2 << 2 << 1 << 2;
    QTest::newRow("oversize group stays put") << QList<double>{100} << 30.0 << 210.0 << false << 1 << 2 << 1 << 2;
    QTest::newRow("oversize group at page top") << QList<double>{} << 30.0 << 210.0 << false << 1 << 2 << 1 << 2;
}

void TestPrinting::groupHeaderKeepsWithFirstRow()
{
    QFETCH(QList<double>, before);
    QFETCH(double, header);
    QFETCH(double, first);
    QFETCH(bool, repeat);
    QFETCH(int, headerPage);
    QFETCH(int, firstPage);
    QFETCH(int, headers);
    QFETCH(int, pages);
    ReportLayout layout = plainLayout(20, 10);
    layout.repeatGroupHeader = repeat;
    PageCollector sink;
    BandedReport report(layout, sink);
    for (int i = 0; i < before.size(); ++i)
        report.addDetail(textBand(before.at(i), QStringLiteral("row %1").arg(i + 1)));
    report.beginGroup(QStringLiteral("G"), [header](const BandContext &) { return textBand(header, QStringLiteral("กลุ่ม G")); });
    report.addDetail(textBand(first, QStringLiteral("first")));
    report.addDetail(textBand(5, QStringLiteral("second")));
    report.endGroup();
    report.finish();

    QCOMPARE(sink.pages.size(), pages);
    QCOMPARE(pageOf(sink.pages, QStringLiteral("กลุ่ม G")), headerPage);
    QCOMPARE(pageOf(sink.pages, QStringLiteral("first")), firstPage);
    int printed = 0;
    for (const Page &p : sink.pages)
        printed += int(p.textsWith(QStringLiteral("กลุ่ม G")).size());
    QCOMPARE(printed, headers);
    const Page &hp = sink.pages.at(headerPage - 1);
    const TextItem *h = hp.findText(QStringLiteral("กลุ่ม G"));
    if (headerPage == firstPage)
        QCOMPARE(hp.findText(QStringLiteral("first"))->box.top(), h->box.bottom());
    // A header that moved starts its page's flow.
    if (headerPage > 1)
        QCOMPARE(h->box.top(), hp.content().top() + 20);
}

void TestPrinting::rowTallerThanSpaceLeftMovesOn_data()
{
    QTest::addColumn<QList<double>>("heights");
    QTest::addColumn<QList<int>>("pages");

    // 259.4 content - 20 header - 10 footer = 229.4 mm for the flow.
    QTest::newRow("last row just fits") << QList<double>{100, 100, 29.4} << QList<int>{1, 1, 1};
    QTest::newRow("row a little too tall moves") << QList<double>{100, 100, 29.5} << QList<int>{1, 1, 2};
    QTest::newRow("small rows after a moved row follow it") << QList<double>{200, 40, 5} << QList<int>{1, 2, 2};
    QTest::newRow("row taller than a whole page is still printed") << QList<double>{10, 300, 10} << QList<int>{1, 2, 3};
}

void TestPrinting::rowTallerThanSpaceLeftMovesOn()
{
    QFETCH(QList<double>, heights);
    QFETCH(QList<int>, pages);
    const ReportLayout layout = plainLayout(20, 10);
    const QList<Page> out = runRows(layout, heights);
    for (int i = 0; i < heights.size(); ++i) {
        const QString text = QStringLiteral("row %1").arg(i + 1);
        QCOMPARE(pageOf(out, text), pages.at(i));
        const bool firstOnPage = i == 0 || pages.at(i - 1) != pages.at(i);
        if (firstOnPage) {
            const Page &p = out.at(pages.at(i) - 1);
            QCOMPARE(p.findText(text)->box.top(), p.content().top() + 20);
        }
    }
}

void TestPrinting::lineNumbersRunOn()
{
    PageCollector sink;
    BandedReport report(plainLayout(), sink);
    int leftOut = 0;
    for (int i = 1; i <= 100; ++i) {
        const bool printed = report.addDetail([i](const BandContext &c) -> std::optional<Band> {
            if (i % 7 == 0)
                return std::nullopt;
            return textBand(9, QStringLiteral("%1. item %2 p%3").arg(c.lineNumber).arg(i).arg(c.pageNumber));
        });
        leftOut += printed ? 0 : 1;
    }
    report.finish();
    QCOMPARE(leftOut, 14);
    QCOMPARE(report.lineNumber(), 86);
    QVERIFY(sink.pages.size() >= 3);

    int expected = 1;
    for (const Page &p : sink.pages) {
        QList<const TextItem *> rows;
        for (const TextItem *t : p.texts()) {
            if (t->text.contains(QLatin1String(". item ")))
                rows.append(t);
        }
        for (const TextItem *t : rows) {
            QVERIFY2(t->text.startsWith(QStringLiteral("%1. ").arg(expected)), qPrintable(t->text));
            QVERIFY(!t->text.contains(QRegularExpression(QStringLiteral("item (7|14|21|28|35|42|49|56|63|70|77|84|91|98) "))));
            ++expected;
        }
    }
    QCOMPARE(expected, 87);
}

void TestPrinting::labelColumns_data()
{
    QTest::addColumn<int>("fill");
    QTest::addColumn<QList<QPoint>>("cells"); // (column, row) of labels 1..5

    QTest::newRow("two across fill left then right")
        << int(ColumnFill::AcrossFirst) << QList<QPoint>{{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}};
    QTest::newRow("two columns fill downwards")
        << int(ColumnFill::DownFirst) << QList<QPoint>{{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}};
}

void TestPrinting::labelColumns()
{
    QFETCH(int, fill);
    QFETCH(QList<QPoint>, cells);
    ReportLayout layout;
    layout.setup.paper = Paper::a4();
    layout.setup.margins = Margins{10, 10, 10, 10};
    layout.columns = 2;
    layout.columnGap = 10;
    layout.fill = ColumnFill(fill);
    // Three labels of 80 mm fit down a column of 277 mm.
    PageCollector sink;
    BandedReport report(layout, sink);
    QCOMPARE(report.columnWidth(), 90.0);
    for (int i = 1; i <= 5; ++i)
        report.addDetail(textBand(80, QStringLiteral("label %1").arg(i), 90));
    report.addBand(textBand(10, QStringLiteral("ท้าย")));
    report.finish();

    QCOMPARE(sink.pages.size(), 1);
    const Page &p = sink.pages.first();
    for (int i = 1; i <= 5; ++i) {
        const TextItem *t = p.findText(QStringLiteral("label %1").arg(i));
        QVERIFY(t);
        const QPoint cell = cells.at(i - 1);
        QCOMPARE(t->box.topLeft(), QPointF(10 + cell.x() * 100, 10 + cell.y() * 80));
    }
    // A full-width band comes under the tallest column.
    QCOMPARE(p.findText(QStringLiteral("ท้าย"))->box.topLeft(), QPointF(10, 250));
}

void TestPrinting::summaryAndOutsideTotals()
{
    ReportLayout layout = plainLayout();
    layout.pageFooter = [](const BandContext &c) {
        return textBand(10, QStringLiteral("รวมเงินทั้งสิ้น %1").arg(c.value(QStringLiteral("total")).toString()));
    };
    layout.pageHeader = [](const BandContext &c) {
        return textBand(10, c.printedAt.toString(QStringLiteral("dd/MM/yyyy HH:mm")));
    };
    const QDateTime printedAt(QDate(2024, 3, 9), QTime(14, 5));
    PageCollector sink;
    BandedReport report(layout, sink, printedAt);
    report.setValue(QStringLiteral("total"), QStringLiteral("1,250.50"));
    for (int i = 0; i < 50; ++i)
        report.addDetail(textBand(10, QStringLiteral("row %1").arg(i + 1)));
    report.addSummary([](const BandContext &c) { return textBand(10, QStringLiteral("สรุป %1 รายการ").arg(c.lineNumber)); });
    report.finish();

    QCOMPARE(sink.pages.size(), 3);
    for (const Page &p : sink.pages) {
        QVERIFY(p.hasText(QStringLiteral("รวมเงินทั้งสิ้น 1,250.50")));
        QVERIFY(p.hasText(QStringLiteral("09/03/2024 14:05")));
    }
    QCOMPARE(pageOf(sink.pages, QStringLiteral("สรุป 50 รายการ")), 3);
    QCOMPARE(report.pagesDone(), 3);
}

void TestPrinting::emptyReportHasOnePage()
{
    PageCollector sink;
    BandedReport report(plainLayout(), sink);
    report.finish();
    report.finish();
    QCOMPARE(sink.pages.size(), 1);
    QVERIFY(sink.pages.first().hasText(QStringLiteral("หน้า 1")));
}

void TestPrinting::fontsAreTlwg_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("family");

    QTest::newRow("body") << int(FontRole::Body) << bodyFamily();
    QTest::newRow("heading") << int(FontRole::Heading) << headingFamily();
}

void TestPrinting::fontsAreTlwg()
{
    QFETCH(int, role);
    QFETCH(QString, family);
    Font f;
    f.role = FontRole(role);
    QCOMPARE(QFontInfo(toQFont(f)).family(), family);
    f.family = QStringLiteral("Norasi");
    QCOMPARE(QFontInfo(toQFont(f)).family(), QStringLiteral("Norasi"));
}

void TestPrinting::thaiWrapsAtWordBoundaries_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<double>("width");

    const QStringList sentence{QStringLiteral("ผู้ใหญ่"), QStringLiteral("ที่"), QStringLiteral("บ้าน"),
                               QStringLiteral("นั้น"), QStringLiteral("ชำระ"), QStringLiteral("หนี้"),
                               QStringLiteral("ค่า"), QStringLiteral("น้ำ"), QStringLiteral("ประปา"),
                               QStringLiteral("เรียบร้อย"), QStringLiteral("แล้ว")};
    QTest::newRow("narrow column") << sentence << 20.0;
    QTest::newRow("wider column") << sentence << 45.0;
    QTest::newRow("thai with latin and spaces")
        << QStringList{QStringLiteral("สินค้า"), QStringLiteral(" "), QStringLiteral("Model"), QStringLiteral(" "),
                       QStringLiteral("X-200"), QStringLiteral(" "), QStringLiteral("รับ"), QStringLiteral("ประกัน"), QStringLiteral("หนึ่ง"),
                       QStringLiteral("ปี")}
        << 25.0;
}

void TestPrinting::thaiWrapsAtWordBoundaries()
{
    QFETCH(QStringList, words);
    QFETCH(double, width);
    const QString text = words.join(QString());
    const Font font = Font::body(12);
    const QStringList lines = wrapText(text, font, width);
    QVERIFY(lines.size() > 1);

    const QList<qsizetype> ends = wordEnds(words);
    qsizetype at = 0;
    QString joined;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        QVERIFY2(textWidthMm(line, font) <= width + eps, qPrintable(line));
        // Only trailing spaces are dropped at a break.
        at = text.indexOf(line, at);
        QVERIFY(at >= 0);
        at += line.size();
        if (i + 1 < lines.size())
            QVERIFY2(ends.contains(at), qPrintable(QStringLiteral("break inside a word after: ") + line));
        joined += line;
    }
    QString compact = text;
    compact.remove(QLatin1Char(' '));
    joined.remove(QLatin1Char(' '));
    QCOMPARE(joined, compact);
    QCOMPARE(wrappedHeightMm(text, font, width), lines.size() * lineHeightMm(font));
}

void TestPrinting::longWordBreaksBetweenClusters()
{
    const QString word = QStringLiteral("ที่นั้นหนี้น้ำผู้ใหญ่").repeated(4);
    const Font font = Font::body(12);
    const QStringList lines = wrapText(word, font, 15);
    QVERIFY(lines.size() > 2);
    QCOMPARE(lines.join(QString()), word);
    for (const QString &line : lines) {
        QVERIFY(textWidthMm(line, font) <= 15 + eps);
        // A line never starts with a combining mark torn from its consonant.
        QVERIFY(line.at(0).category() != QChar::Mark_NonSpacing);
    }
    QCOMPARE(wrapText(QStringLiteral("บรรทัดแรก\nบรรทัดสอง"), font, 200),
             (QStringList{QStringLiteral("บรรทัดแรก"), QStringLiteral("บรรทัดสอง")}));
}

void TestPrinting::barcodeProblems_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("problem");

    const int c39 = int(Symbology::Code39);
    const int ean = int(Symbology::Ean13);
    QTest::newRow("code 39 letters and digits") << c39 << "ABC-123" << QString();
    QTest::newRow("code 39 lower case is upper-cased") << c39 << "ab12" << QString();
    QTest::newRow("code 39 all its symbols") << c39 << "A B.$/+%-9" << QString();
    QTest::newRow("code 39 refuses thai") << c39 << QStringLiteral("สินค้า01") << Messages::code39BadCharacters();
    QTest::newRow("code 39 refuses a star") << c39 << "A*B" << Messages::code39BadCharacters();
    QTest::newRow("code 39 refuses nothing") << c39 << "  " << Messages::barcodeEmpty();
    QTest::newRow("code 39 too long") << c39 << QString(81, QLatin1Char('A')) << Messages::code39TooLong();
    QTest::newRow("ean 13 right check digit") << ean << "4006381333931" << QString();
    QTest::newRow("ean 13 wrong check digit") << ean << "4006381333932" << Messages::ean13WrongCheckDigit(1);
    QTest::newRow("ean 13 twelve digits") << ean << "400638133393" << Messages::ean13NotThirteenDigits();
    QTest::newRow("ean 13 with a letter") << ean << "400638133393A" << Messages::ean13NotThirteenDigits();
    QTest::newRow("ean 13 empty") << ean << "" << Messages::barcodeEmpty();
}

void TestPrinting::barcodeProblems()
{
    QFETCH(int, symbology);
    QFETCH(QString, data);
    QFETCH(QString, problem);
    const auto found = barcodeProblem(Symbology(symbology), data);
    QCOMPARE(found.value_or(QString()), problem);
    const BarcodeResult r = encodeBarcode(Symbology(symbology), data, true);
    QCOMPARE(r.ok(), problem.isEmpty());
    QCOMPARE(r.error, problem);
}

void TestPrinting::barcodeEncodes_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("data");
    QTest::addColumn<bool>("withText");
    QTest::addColumn<QString>("humanText");

    // Mod 43: A10 B11 C12 -36 1 2 3 sum 75, 75 mod 43 = 32 = W.
    QTest::newRow("code 39 adds start, stop and check") << int(Symbology::Code39) << "abc-123" << true << "*ABC-123W*";
    QTest::newRow("code 39 without text") << int(Symbology::Code39) << "ABC-123" << false << "*ABC-123W*";
    QTest::newRow("ean 13 with digits") << int(Symbology::Ean13) << "4006381333931" << true << "4006381333931";
}

void TestPrinting::barcodeEncodes()
{
    QFETCH(int, symbology);
    QFETCH(QString, data);
    QFETCH(bool, withText);
    QFETCH(QString, humanText);
    const BarcodeResult r = encodeBarcode(Symbology(symbology), data, withText);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(r.symbol->humanText, humanText);
    QCOMPARE(r.symbol->data, data.toUpper());
    QVERIFY(r.symbol->bars.size() > 20);
    QCOMPARE(r.symbol->labels.isEmpty(), !withText);
    QVERIFY(r.symbol->size.width() > 0 && r.symbol->size.height() > 0);
}

void TestPrinting::refusedBarcodeIsNotPlaced()
{
    Page page;
    const auto error = page.addBarcode(QRectF(10, 10, 50, 15), Symbology::Code39, QStringLiteral("รหัส"), false);
    QCOMPARE(error.value_or(QString()), Messages::code39BadCharacters());
    QCOMPARE(page.count<BarcodeItem>(), 0);
    QVERIFY(!page.addBarcode(QRectF(10, 10, 50, 15), Symbology::Code39, QStringLiteral("P001"), false));
    QCOMPARE(page.count<BarcodeItem>(), 1);
    QCOMPARE(page.all<BarcodeItem>().first()->data(), QStringLiteral("P001"));
}

void TestPrinting::barcodeDecodesBack_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<bool>("withText");
    QTest::addColumn<QString>("decoded");

    // Label sizes of the barcode sheets; the reader gives Code 39's check character back.
    QTest::newRow("code 39 label") << int(Symbology::Code39) << "P0012-A" << QSizeF(58.7, 13.8) << false
                                   << "CODE-39:P0012-AV";
    QTest::newRow("code 39 with text") << int(Symbology::Code39) << "8850999" << QSizeF(58.7, 13.8) << true
                                       << "CODE-39:88509995";
    QTest::newRow("ean 13 label") << int(Symbology::Ean13) << "8851234567898" << QSizeF(29.9, 15.1) << true
                                  << "EAN-13:8851234567898";
    QTest::newRow("ean 13 without digits") << int(Symbology::Ean13) << "4006381333931" << QSizeF(29.9, 15.1) << false
                                           << "EAN-13:4006381333931";
}

void TestPrinting::barcodeDecodesBack()
{
    QFETCH(int, symbology);
    QFETCH(QString, data);
    QFETCH(QSizeF, size);
    QFETCH(bool, withText);
    QFETCH(QString, decoded);

    Page page(PageSetup{Paper::shortForm(), {}, {}});
    QVERIFY(!page.addBarcode(QRectF(QPointF(20, 20), size), Symbology(symbology), data, withText));
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("barcode.png"));
    QVERIFY(renderPageImage(page, 300).save(png));
    const QString out = runTool("zbarimg", {QStringLiteral("-q"), png}).trimmed();
    QCOMPARE(out, decoded);
}

void TestPrinting::pdfPerPaper_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSizeF>("points");

    QTest::newRow("letter") << int(Paper::Kind::Letter) << QSizeF(612, 792);
    QTest::newRow("a4") << int(Paper::Kind::A4) << QSizeF(595.276, 841.89);
    QTest::newRow("short form") << int(Paper::Kind::ShortForm) << QSizeF(612, 396);
}

void TestPrinting::pdfPerPaper()
{
    QFETCH(int, kind);
    QFETCH(QSizeF, points);
    const Paper paper = kind == int(Paper::Kind::Letter) ? Paper::letter()
                      : kind == int(Paper::Kind::A4)     ? Paper::a4()
                                                         : Paper::shortForm();
    const QString heading = QStringLiteral("ใบเสร็จรับเงิน/ใบกำกับภาษี");
    const QString body = QStringLiteral("ผู้ใหญ่ที่นั้นชำระหนี้ค่าน้ำแล้ว");
    const QString words = QStringLiteral("<หนึ่งพันสองร้อยห้าสิบบาทห้าสิบสตางค์>");

    ReportLayout layout;
    layout.setup = PageSetup{paper, Margins{10, 10, 10, 10}, PageOffsets{}};
    layout.pageHeader = [&](const BandContext &c) {
        Band b(20);
        b.addText(QRectF(0, 0, 150, 10), heading, Font::heading(16));
        b.addFrame(QRectF(0, 11, c.contentWidth, 8));
        return b;
    };
    layout.pageFooter = [&](const BandContext &c) {
        Band b(12);
        b.addHorizontalLine(0, c.contentWidth, 0, 0.2, LineStyle::Dotted);
        b.addText(QRectF(0, 2, 150, 8), words, Font::body(11));
        return b;
    };
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    PdfSink sink(pdf, QStringLiteral("smoke"));
    BandedReport report(layout, sink);
    report.addDetail(textBand(10, body));
    report.finish();
    QString error;
    QVERIFY2(sink.finish(&error), qPrintable(error));
    QCOMPARE(sink.pageCount(), 1);

    const QString info = runTool("pdfinfo", {pdf});
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(info);
    QVERIFY2(m.hasMatch(), qPrintable(info));
    QVERIFY(qAbs(m.captured(1).toDouble() - points.width()) < 0.5);
    QVERIFY(qAbs(m.captured(2).toDouble() - points.height()) < 0.5);
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\b"))));

    const QString text = normaliseThai(runTool("pdftotext", {pdf, QStringLiteral("-")}));
    QVERIFY2(text.contains(normaliseThai(heading)), qPrintable(text));
    QVERIFY2(text.contains(normaliseThai(body)), qPrintable(text));
    QVERIFY2(text.contains(normaliseThai(words)), qPrintable(text));
    const QString fonts = runTool("pdffonts", {pdf});
    QVERIFY2(fonts.contains(headingFamily()) && fonts.contains(bodyFamily()), qPrintable(fonts));
}

void TestPrinting::pdfUnwritable()
{
    PdfSink sink(QStringLiteral("/nonexistent-dir/x.pdf"));
    Page page;
    page.addText(QRectF(10, 10, 50, 10), QStringLiteral("ทดสอบ"));
    sink.addPage(std::move(page));
    QString error;
    QVERIFY(!sink.finish(&error));
    QCOMPARE(error, Messages::pdfCannotWrite(QStringLiteral("/nonexistent-dir/x.pdf")));

    PdfSink none(QStringLiteral("/tmp/never-written.pdf"));
    QVERIFY(!none.finish(&error));
    QCOMPARE(error, Messages::noPages());
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
