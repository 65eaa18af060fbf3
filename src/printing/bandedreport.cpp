#include "printing/bandedreport.h"

#include <algorithm>

namespace Printing {

namespace {
// Sums of band heights carry rounding; a band that fits to the micrometre fits.
constexpr double slack = 1e-6;
} // namespace

BandedReport::BandedReport(ReportLayout layout, PageSink &sink, const QDateTime &printedAt)
    : m_layout(std::move(layout)), m_sink(sink), m_printedAt(printedAt)
{
    m_layout.columns = std::max(1, m_layout.columns);
    m_layout.columnGap = std::max(0.0, m_layout.columnGap);
    m_content = m_layout.setup.contentRect();
}

double BandedReport::columnWidth() const
{
    const int n = m_layout.columns;
    return std::max(0.0, (m_content.width() - m_layout.columnGap * (n - 1)) / n);
}

BandContext BandedReport::context() const
{
    BandContext c;
    c.pageNumber = std::max(1, m_pageNumber);
    c.printedAt = m_printedAt;
    c.lineNumber = m_lineNumber;
    c.lineInGroup = m_lineInGroup;
    c.groupKey = m_groupKey;
    c.contentWidth = m_content.width();
    c.columnWidth = columnWidth();
    c.values = &m_values;
    return c;
}

void BandedReport::put(const Band &band, double x, double y)
{
    m_page->place(band, m_content.topLeft() + QPointF(x, y));
}

void BandedReport::openPage()
{
    ++m_pageNumber;
    m_page.emplace(m_layout.setup, m_pageNumber);
    m_y = 0;
    const BandContext c = context();
    if (m_layout.pageHeader) {
        const Band header = m_layout.pageHeader(c);
        put(header, 0, m_y);
        m_y += header.height;
    }
    m_footerHeight = m_layout.pageFooter ? m_layout.pageFooter(c).height : 0;
    m_limit = m_content.height() - m_footerHeight;
    if (m_layout.columnHeader) {
        const Band header = m_layout.columnHeader(c);
        put(header, 0, m_y);
        m_y += header.height;
    }
    m_pageFlowTop = m_y;
    if (m_layout.repeatGroupHeader && m_inGroup && m_groupHeader && !m_heldHeader) {
        const Band header = m_groupHeader(c);
        put(header, 0, m_y);
        m_y += header.height;
    }
    m_flowTop = m_y;
    m_columnsOpen = false;
}

void BandedReport::closePage()
{
    if (!m_page)
        return;
    endColumns();
    if (m_layout.pageFooter) {
        const Band footer = m_layout.pageFooter(context());
        put(footer, 0, m_content.height() - m_footerHeight);
    }
    m_sink.addPage(std::move(*m_page));
    m_page.reset();
    ++m_pagesDone;
}

void BandedReport::ensurePage()
{
    if (!m_page)
        openPage();
}

void BandedReport::endColumns()
{
    if (!m_columnsOpen)
        return;
    m_y = std::max(m_y, m_columnsBottom);
    m_columnsOpen = false;
}

void BandedReport::placeFullWidth(const Band &band)
{
    ensurePage();
    endColumns();
    if (m_y + band.height > m_limit + slack && m_y > m_flowTop) {
        closePage();
        openPage();
    }
    put(band, 0, m_y);
    m_y += band.height;
}

void BandedReport::placeDetail(const Band &band)
{
    ensurePage();
    const int n = m_layout.columns;
    if (n == 1) {
        placeFullWidth(band);
        return;
    }
    const double step = columnWidth() + m_layout.columnGap;
    if (!m_columnsOpen) {
        m_columnsOpen = true;
        m_column = 0;
        m_columnTop = m_y;
        m_columnY = m_y;
        m_columnsBottom = m_y;
    }
    if (m_layout.fill == ColumnFill::AcrossFirst) {
        if (m_column == n) {
            // The strip is full: the next one starts under its tallest band.
            m_column = 0;
            m_columnTop = m_columnsBottom;
        }
        if (m_columnTop + band.height > m_limit + slack && m_columnTop > m_flowTop) {
            closePage();
            openPage();
            m_columnsOpen = true;
            m_column = 0;
            m_columnTop = m_y;
            m_columnsBottom = m_y;
        }
        put(band, m_column * step, m_columnTop);
        m_columnsBottom = std::max(m_columnsBottom, m_columnTop + band.height);
        ++m_column;
        return;
    }
    if (m_columnY + band.height > m_limit + slack && m_columnY > m_columnTop) {
        if (m_column + 1 < n) {
            ++m_column;
            m_columnY = m_columnTop;
        } else {
            closePage();
            openPage();
            m_columnsOpen = true;
            m_column = 0;
            m_columnTop = m_y;
            m_columnY = m_y;
            m_columnsBottom = m_y;
        }
    }
    put(band, m_column * step, m_columnY);
    m_columnY += band.height;
    m_columnsBottom = std::max(m_columnsBottom, m_columnY);
}

void BandedReport::placeHeldHeader(double followingHeight)
{
    if (!m_heldHeader)
        return;
    ensurePage();
    endColumns();
    const double together = m_heldHeader->height + followingHeight;
    const bool fitsHere = m_y + together <= m_limit + slack;
    const bool fitsEmptyPage = m_pageFlowTop + together <= m_limit + slack;
    if (!fitsHere && fitsEmptyPage && m_y > m_flowTop) {
        closePage();
        openPage();
    }
    // Still held while it is placed: a page break here must not repeat it as well.
    placeFullWidth(*m_heldHeader);
    m_heldHeader.reset();
}

void BandedReport::beginGroup(const QString &key, const BandBuilder &header)
{
    placeHeldHeader(0);
    ensurePage();
    endColumns();
    m_inGroup = true;
    m_groupKey = key;
    m_lineInGroup = 0;
    m_groupHeader = header;
    if (header)
        m_heldHeader = header(context());
}

bool BandedReport::addDetail(const DetailBuilder &detail)
{
    if (!detail)
        return false;
    BandContext c = context();
    c.lineNumber = m_lineNumber + 1;
    c.lineInGroup = m_lineInGroup + 1;
    const std::optional<Band> band = detail(c);
    if (!band)
        return false;
    ++m_lineNumber;
    ++m_lineInGroup;
    placeHeldHeader(band->height);
    placeDetail(*band);
    return true;
}

void BandedReport::addDetail(const Band &band)
{
    addDetail([&band](const BandContext &) { return std::optional<Band>(band); });
}

void BandedReport::endGroup(const BandBuilder &footer)
{
    if (footer) {
        const Band band = footer(context());
        placeHeldHeader(band.height);
        placeFullWidth(band);
    } else {
        placeHeldHeader(0);
    }
    m_inGroup = false;
    m_groupHeader = {};
}

void BandedReport::addSummary(const BandBuilder &summary)
{
    if (summary) {
        const Band band = summary(context());
        placeHeldHeader(band.height);
        placeFullWidth(band);
    }
}

void BandedReport::addBand(const Band &band)
{
    placeHeldHeader(band.height);
    placeFullWidth(band);
}

void BandedReport::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    placeHeldHeader(0);
    ensurePage();
    closePage();
}

} // namespace Printing
