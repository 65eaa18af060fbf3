#pragma once

#include "printing/pagesink.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;

namespace Printing {

// Modal preview over a page source: zoom, page through, print, save as PDF.
// The source is laid out once for showing; printing and saving lay it out
// again straight into the printer or the file. The source must outlive the
// dialog.
class PrintPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    struct Options
    {
        QString title;                 // window caption; a default when empty
        bool askForPrinter = true;     // the print dialog first, or straight to the default printer
    };

    PrintPreviewDialog(const PageSource &source, const Options &options, QWidget *parent = nullptr);

    int pageCount() const { return m_pages.pages.size(); }
    int currentPage() const { return m_current + 1; } // 1-based
    double zoom() const { return m_zoom; }
    const Page *page(int number) const;

    // Where "บันทึกเป็น PDF" writes; by default a file dialog asks.
    void setPdfPathChooser(std::function<QString()> chooser) { m_choosePdfPath = std::move(chooser); }

public Q_SLOTS:
    void showPage(int number);
    void firstPage() { showPage(1); }
    void previousPage() { showPage(currentPage() - 1); }
    void nextPage() { showPage(currentPage() + 1); }
    void lastPage() { showPage(pageCount()); }
    void zoomIn();
    void zoomOut();
    void fitPage();
    void printDocument();
    void saveAsPdf();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void refresh();
    double fitZoom() const;

    const PageSource &m_source;
    Options m_options;
    PageCollector m_pages;
    int m_current = 0;
    double m_zoom = 1.0;
    bool m_fit = true;
    std::function<QString()> m_choosePdfPath;

    QScrollArea *m_scroll = nullptr;
    QLabel *m_view = nullptr;
    QLabel *m_pageLabel = nullptr;
    QPushButton *m_first = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_last = nullptr;
};

// Shows the preview modally.
void previewPages(const PageSource &source, const QString &title, QWidget *parent = nullptr);

} // namespace Printing
