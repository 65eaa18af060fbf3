#pragma once

#include "printing/pagesink.h"

#include <QString>

#include <memory>

class QPdfWriter;
class QPainter;

namespace Printing {

// Paints every page into a PDF file as soon as it arrives; nothing is kept.
class PdfSink final : public PageSink
{
public:
    explicit PdfSink(const QString &path, const QString &title = QString(), int dpi = 1200);
    ~PdfSink() override;

    void addPage(Page &&page) override;
    // Closes the file; false (with a Thai message) when it could not be written.
    bool finish(QString *error = nullptr);
    int pageCount() const { return m_pages; }

private:
    QString m_path;
    QString m_title;
    int m_dpi;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    int m_pages = 0;
    bool m_failed = false;
};

// Lays the source out straight into a PDF file.
bool writePdf(const PageSource &source, const QString &path, const QString &title = QString(),
              QString *error = nullptr);

} // namespace Printing
