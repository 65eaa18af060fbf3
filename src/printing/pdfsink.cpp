#include "printing/pdfsink.h"

#include "printing/messages.h"
#include "printing/renderer.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace Printing {

PdfSink::PdfSink(const QString &path, const QString &title, int dpi)
    : m_path(path), m_title(title), m_dpi(dpi)
{
}

PdfSink::~PdfSink()
{
    finish();
}

void PdfSink::addPage(Page &&page)
{
    if (m_failed)
        return;
    const QPageLayout layout(page.paper().pageSize(), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                             QPageLayout::Millimeter);
    if (!m_writer) {
        m_writer = std::make_unique<QPdfWriter>(m_path);
        m_writer->setResolution(m_dpi);
        m_writer->setCreator(QStringLiteral("Velmora"));
        m_writer->setTitle(m_title);
        m_writer->setPageLayout(layout);
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(m_writer.get())) {
            m_failed = true;
            return;
        }
    } else {
        m_writer->setPageLayout(layout);
        if (!m_writer->newPage()) {
            m_failed = true;
            return;
        }
    }
    paintPage(*m_painter, page);
    ++m_pages;
}

bool PdfSink::finish(QString *error)
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    m_writer.reset();
    if (m_pages == 0 && !m_failed) {
        if (error)
            *error = Messages::noPages();
        return false;
    }
    if (m_failed && error)
        *error = Messages::pdfCannotWrite(m_path);
    return !m_failed;
}

bool writePdf(const PageSource &source, const QString &path, const QString &title, QString *error)
{
    PdfSink sink(path, title);
    source.producePages(sink);
    return sink.finish(error);
}

} // namespace Printing
