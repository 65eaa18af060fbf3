#include "printing/printerout.h"

#include "printing/messages.h"
#include "printing/renderer.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace Printing {

PrinterSink::PrinterSink(QPrinter &printer) : m_printer(printer)
{
    m_printer.setFullPage(true);
}

PrinterSink::~PrinterSink()
{
    finish();
}

void PrinterSink::addPage(Page &&page)
{
    if (m_failed)
        return;
    const QPageLayout layout(page.paper().pageSize(), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                             QPageLayout::Millimeter);
    m_printer.setPageLayout(layout);
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(&m_printer)) {
            m_failed = true;
            return;
        }
    } else if (!m_printer.newPage()) {
        m_failed = true;
        return;
    }
    paintPage(*m_painter, page);
    ++m_pages;
}

bool PrinterSink::finish(QString *error)
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    if (m_failed) {
        if (error)
            *error = Messages::printFailed();
        return false;
    }
    if (m_pages == 0) {
        if (error)
            *error = Messages::noPages();
        return false;
    }
    return true;
}

bool printPages(QPrinter &printer, const PageSource &source, QString *error)
{
    PrinterSink sink(printer);
    source.producePages(sink);
    return sink.finish(error);
}

bool printToDefaultPrinter(const PageSource &source, const QString &documentName, QString *error)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        if (error)
            *error = Messages::printerUnavailable();
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setCopyCount(1);
    return printPages(printer, source, error);
}

} // namespace Printing
