#include "printing/printpreview.h"

#include "printing/messages.h"
#include "printing/pdfsink.h"
#include "printing/printerout.h"
#include "printing/renderer.h"
#include "text/prompt.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace Printing {

namespace {

constexpr double screenDpi = 96;
constexpr double minZoom = 0.25;
constexpr double maxZoom = 4.0;

QPushButton *makeButton(QWidget *parent, const QString &caption, const char *name)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

PrintPreviewDialog::PrintPreviewDialog(const PageSource &source, const Options &options, QWidget *parent)
    : QDialog(parent), m_source(source), m_options(options)
{
    setWindowTitle(options.title.isEmpty() ? Messages::previewTitle() : options.title);
    setModal(true);
    resize(900, 760);

    auto *printButton = makeButton(this, Messages::previewPrint(), "printButton");
    auto *pdfButton = makeButton(this, Messages::previewSavePdf(), "pdfButton");
    auto *zoomInButton = makeButton(this, Messages::previewZoomIn(), "zoomInButton");
    auto *zoomOutButton = makeButton(this, Messages::previewZoomOut(), "zoomOutButton");
    auto *fitButton = makeButton(this, Messages::previewFitPage(), "fitButton");
    m_first = makeButton(this, Messages::previewFirst(), "firstButton");
    m_previous = makeButton(this, Messages::previewPrevious(), "previousButton");
    m_next = makeButton(this, Messages::previewNext(), "nextButton");
    m_last = makeButton(this, Messages::previewLast(), "lastButton");
    auto *closeButton = makeButton(this, Messages::previewClose(), "closeButton");
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));

    auto *bar = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{printButton, pdfButton, zoomInButton, zoomOutButton,
                                                       fitButton, m_first, m_previous, m_pageLabel, m_next, m_last})
        bar->addWidget(w);
    bar->addStretch(1);
    bar->addWidget(closeButton);

    m_view = new QLabel;
    m_view->setObjectName(QStringLiteral("pageView"));
    m_view->setAlignment(Qt::AlignCenter);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_view);
    m_scroll->setWidgetResizable(true);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);

    connect(printButton, &QPushButton::clicked, this, &PrintPreviewDialog::printDocument);
    connect(pdfButton, &QPushButton::clicked, this, &PrintPreviewDialog::saveAsPdf);
    connect(zoomInButton, &QPushButton::clicked, this, &PrintPreviewDialog::zoomIn);
    connect(zoomOutButton, &QPushButton::clicked, this, &PrintPreviewDialog::zoomOut);
    connect(fitButton, &QPushButton::clicked, this, &PrintPreviewDialog::fitPage);
    connect(m_first, &QPushButton::clicked, this, &PrintPreviewDialog::firstPage);
    connect(m_previous, &QPushButton::clicked, this, &PrintPreviewDialog::previousPage);
    connect(m_next, &QPushButton::clicked, this, &PrintPreviewDialog::nextPage);
    connect(m_last, &QPushButton::clicked, this, &PrintPreviewDialog::lastPage);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    m_choosePdfPath = [this] {
        return QFileDialog::getSaveFileName(this, Messages::previewSavePdfCaption(), QString(),
                                            Messages::previewPdfFilter());
    };

    try {
        m_source.producePages(m_pages);
    } catch (const std::exception &e) {
        Prompt::warning(QString::fromUtf8(e.what()));
    }
    printButton->setEnabled(pageCount() > 0);
    pdfButton->setEnabled(pageCount() > 0);
    refresh();
}

const Page *PrintPreviewDialog::page(int number) const
{
    if (number < 1 || number > pageCount())
        return nullptr;
    return &m_pages.pages.at(number - 1);
}

void PrintPreviewDialog::showPage(int number)
{
    if (pageCount() == 0)
        return;
    m_current = std::clamp(number, 1, pageCount()) - 1;
    refresh();
}

void PrintPreviewDialog::zoomIn()
{
    m_zoom = std::min(maxZoom, (m_fit ? fitZoom() : m_zoom) * 1.25);
    m_fit = false;
    refresh();
}

void PrintPreviewDialog::zoomOut()
{
    m_zoom = std::max(minZoom, (m_fit ? fitZoom() : m_zoom) / 1.25);
    m_fit = false;
    refresh();
}

void PrintPreviewDialog::fitPage()
{
    m_fit = true;
    refresh();
}

double PrintPreviewDialog::fitZoom() const
{
    const Page *p = page(currentPage());
    if (!p)
        return 1.0;
    const QSizeF mm = p->paper().sizeMm();
    const QSize room = m_scroll->viewport()->size() - QSize(16, 16);
    const double zx = room.width() / (mm.width() / 25.4 * screenDpi);
    const double zy = room.height() / (mm.height() / 25.4 * screenDpi);
    return std::clamp(std::min(zx, zy), minZoom, maxZoom);
}

void PrintPreviewDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (m_fit)
        refresh();
}

void PrintPreviewDialog::refresh()
{
    const int count = pageCount();
    m_pageLabel->setText(Messages::previewPageOf(count == 0 ? 0 : currentPage(), count));
    m_first->setEnabled(m_current > 0);
    m_previous->setEnabled(m_current > 0);
    m_next->setEnabled(m_current + 1 < count);
    m_last->setEnabled(m_current + 1 < count);
    const Page *p = page(currentPage());
    if (!p) {
        m_view->setPixmap(QPixmap());
        return;
    }
    if (m_fit)
        m_zoom = fitZoom();
    const QImage image = renderPageImage(*p, screenDpi * m_zoom);
    m_view->setPixmap(QPixmap::fromImage(image));
}

void PrintPreviewDialog::printDocument()
{
    try {
        QString error;
        bool ok = false;
        if (m_options.askForPrinter) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setDocName(windowTitle());
            QPrintDialog dialog(&printer, this);
            dialog.setMinMax(1, std::max(1, pageCount()));
            if (dialog.exec() != QDialog::Accepted)
                return;
            ok = printPages(printer, m_source, &error);
        } else {
            ok = printToDefaultPrinter(m_source, windowTitle(), &error);
        }
        if (!ok)
            Prompt::warning(error);
    } catch (const std::exception &e) {
        Prompt::warning(QString::fromUtf8(e.what()));
    }
}

void PrintPreviewDialog::saveAsPdf()
{
    try {
        QString path = m_choosePdfPath ? m_choosePdfPath() : QString();
        if (path.isEmpty())
            return;
        if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
            path += QStringLiteral(".pdf");
        QString error;
        if (!writePdf(m_source, path, windowTitle(), &error))
            Prompt::warning(error);
    } catch (const std::exception &e) {
        Prompt::warning(QString::fromUtf8(e.what()));
    }
}

void previewPages(const PageSource &source, const QString &title, QWidget *parent)
{
    PrintPreviewDialog::Options options;
    options.title = title;
    PrintPreviewDialog dialog(source, options, parent);
    dialog.exec();
}

} // namespace Printing
