#pragma once

#include "printing/pagesink.h"

#include <QString>

#include <memory>

class QPainter;
class QPrinter;

namespace Printing {

// Paints pages on a printer (or a PDF printer) as they arrive; the printer
// keeps the paper size of each page and prints from the paper's edge.
class PrinterSink final : public PageSink
{
public:
    explicit PrinterSink(QPrinter &printer);
    ~PrinterSink() override;
    void addPage(Page &&page) override;
    bool finish(QString *error = nullptr);
    int pageCount() const { return m_pages; }

private:
    QPrinter &m_printer;
    std::unique_ptr<QPainter> m_painter;
    int m_pages = 0;
    bool m_failed = false;
};

bool printPages(QPrinter &printer, const PageSource &source, QString *error = nullptr);

// One copy on the default printer, without asking.
bool printToDefaultPrinter(const PageSource &source, const QString &documentName,
                           QString *error = nullptr);

} // namespace Printing
