#include "printing/messages.h"
#include "printing/pdfsink.h"
#include "printing/printerout.h"
#include "printing/printpreview.h"

#include "common/scriptedprompt.h"

#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace Printing;

namespace {

QList<Page> makePages(int count, const Paper &paper = Paper::letter())
{
    QList<Page> pages;
    for (int i = 1; i <= count; ++i) {
        Page p(PageSetup{paper, Margins{10, 10, 10, 10}, {}}, i);
        p.addText(QRectF(10, 10, 150, 10), QStringLiteral("หน้าที่ %1 ผู้ใหญ่ที่นั้น").arg(i), Font::heading(14));
        p.addFrame(QRectF(10, 25, 190, 40));
        pages.append(p);
    }
    return pages;
}

QPushButton *button(QWidget &w, const char *name)
{
    return w.findChild<QPushButton *>(QString::fromLatin1(name));
}

} // namespace

class TestPrintPreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captions_data();
    void captions();
    void pagesThrough();
    void zoom();
    void savesPdf();
    void producerRunsAgainForPdf();
    void printsToPdfPrinter();
    void emptySource();
};

void TestPrintPreview::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    QTest::newRow("print") << "printButton" << QStringLiteral("พิมพ์");
    QTest::newRow("save pdf") << "pdfButton" << QStringLiteral("บันทึกเป็น PDF");
    QTest::newRow("close") << "closeButton" << QStringLiteral("ปิด");
    QTest::newRow("zoom in") << "zoomInButton" << Messages::previewZoomIn();
    QTest::newRow("zoom out") << "zoomOutButton" << Messages::previewZoomOut();
    QTest::newRow("fit") << "fitButton" << Messages::previewFitPage();
    QTest::newRow("next") << "nextButton" << Messages::previewNext();
}

void TestPrintPreview::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    const PageList source(makePages(2));
    PrintPreviewDialog dialog(source, {});
    QPushButton *b = button(dialog, qPrintable(name));
    QVERIFY(b);
    QCOMPARE(b->text(), caption);
    QCOMPARE(dialog.windowTitle(), Messages::previewTitle());
    QVERIFY(dialog.isModal());
}

void TestPrintPreview::pagesThrough()
{
    const PageList source(makePages(3));
    PrintPreviewDialog dialog(source, {QStringLiteral("ใบส่งของ"), true});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("ใบส่งของ"));
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("pageLabel"));
    QCOMPARE(dialog.pageCount(), 3);
    QCOMPARE(label->text(), Messages::previewPageOf(1, 3));
    QVERIFY(!button(dialog, "previousButton")->isEnabled());
    button(dialog, "nextButton")->click();
    QCOMPARE(dialog.currentPage(), 2);
    button(dialog, "lastButton")->click();
    QCOMPARE(dialog.currentPage(), 3);
    QVERIFY(!button(dialog, "nextButton")->isEnabled());
    QCOMPARE(label->text(), Messages::previewPageOf(3, 3));
    dialog.showPage(99);
    QCOMPARE(dialog.currentPage(), 3);
    button(dialog, "firstButton")->click();
    QCOMPARE(dialog.currentPage(), 1);
}

void TestPrintPreview::zoom()
{
    const PageList source(makePages(1));
    PrintPreviewDialog dialog(source, {});
    dialog.resize(800, 700);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCoreApplication::processEvents();
    dialog.fitPage();
    auto *view = dialog.findChild<QLabel *>(QStringLiteral("pageView"));
    const int fitWidth = view->pixmap().width();
    QVERIFY(fitWidth > 100);
    button(dialog, "zoomInButton")->click();
    QVERIFY(view->pixmap().width() > fitWidth);
    button(dialog, "zoomOutButton")->click();
    button(dialog, "zoomOutButton")->click();
    QVERIFY2(view->pixmap().width() < fitWidth, qPrintable(QStringLiteral("%1 %2 %3").arg(view->pixmap().width()).arg(fitWidth).arg(dialog.zoom())));
    button(dialog, "fitButton")->click();
    QCOMPARE(view->pixmap().width(), fitWidth);
}

void TestPrintPreview::savesPdf()
{
    ScriptedPrompt prompt;
    QTemporaryDir dir;
    const PageList source(makePages(2, Paper::shortForm()));
    PrintPreviewDialog dialog(source, {});
    dialog.setPdfPathChooser([&] { return dir.filePath(QStringLiteral("out")); });
    button(dialog, "pdfButton")->click();
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("out.pdf"))));
    QVERIFY(prompt.messages.isEmpty());

    dialog.setPdfPathChooser([] { return QStringLiteral("/nonexistent-dir/x.pdf"); });
    dialog.saveAsPdf();
    QCOMPARE(prompt.messages, QStringList{Messages::pdfCannotWrite(QStringLiteral("/nonexistent-dir/x.pdf"))});

    prompt.clear();
    dialog.setPdfPathChooser([] { return QString(); });
    dialog.saveAsPdf();
    QVERIFY(prompt.messages.isEmpty());
}

void TestPrintPreview::producerRunsAgainForPdf()
{
    int runs = 0;
    const PageProducer source([&runs](PageSink &sink) {
        ++runs;
        for (Page &p : makePages(4))
            sink.addPage(std::move(p));
    });
    QTemporaryDir dir;
    PrintPreviewDialog dialog(source, {});
    QCOMPARE(runs, 1);
    QCOMPARE(dialog.pageCount(), 4);
    dialog.setPdfPathChooser([&] { return dir.filePath(QStringLiteral("again.pdf")); });
    dialog.saveAsPdf();
    QCOMPARE(runs, 2);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("again.pdf"))).size() > 1000);
}

void TestPrintPreview::printsToPdfPrinter()
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printer.pdf")));
    const PageList source(makePages(2, Paper::a4()));
    QString error;
    QVERIFY2(printPages(printer, source, &error), qPrintable(error));
    QVERIFY(QFileInfo(printer.outputFileName()).size() > 1000);

    const PageList none;
    QPrinter other(QPrinter::HighResolution);
    other.setOutputFormat(QPrinter::PdfFormat);
    other.setOutputFileName(dir.filePath(QStringLiteral("none.pdf")));
    QVERIFY(!printPages(other, none, &error));
    QCOMPARE(error, Messages::noPages());
}

void TestPrintPreview::emptySource()
{
    const PageList none;
    PrintPreviewDialog dialog(none, {});
    QCOMPARE(dialog.pageCount(), 0);
    QVERIFY(!button(dialog, "printButton")->isEnabled());
    QVERIFY(!button(dialog, "pdfButton")->isEnabled());
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("pageLabel"))->text(), Messages::previewPageOf(0, 0));
}

QTEST_MAIN(TestPrintPreview)
#include "tst_printpreview.moc"
