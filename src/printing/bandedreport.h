#pragma once

#include "printing/itemlist.h"
#include "printing/page.h"
#include "printing/pagesink.h"

#include <QDateTime>
#include <QVariantMap>

#include <functional>
#include <optional>

namespace Printing {

// What a band builder knows when it is asked for its band.
struct BandContext
{
    int pageNumber = 1;
    QDateTime printedAt;
    // For a detail band: the number this row will carry. Elsewhere: the number
    // of the last row printed so far (0 before the first).
    int lineNumber = 0;
    int lineInGroup = 0;     // same, counted within the current group
    QString groupKey;
    double contentWidth = 0; // mm, the whole line
    double columnWidth = 0;  // mm, one detail column
    const QVariantMap *values = nullptr;

    // A value handed in from outside, e.g. whole-document totals.
    QVariant value(const QString &key) const { return values ? values->value(key) : QVariant(); }
};

using BandBuilder = std::function<Band(const BandContext &)>;
// A detail builder returns nothing to leave its row out (it takes no number).
using DetailBuilder = std::function<std::optional<Band>(const BandContext &)>;

enum class ColumnFill {
    AcrossFirst, // left then right, then the next row down (labels)
    DownFirst,   // down the left column, then down the next one
};

struct ReportLayout
{
    PageSetup setup;
    BandBuilder pageHeader;   // top of every page
    BandBuilder columnHeader; // under the page header on every page
    BandBuilder pageFooter;   // bottom of every page; asked once for its height when a page opens
    int columns = 1;          // detail columns
    double columnGap = 0;     // mm between detail columns
    ColumnFill fill = ColumnFill::AcrossFirst;
    bool repeatGroupHeader = false; // group header again on a page the group continues on
};

// Lays bands out onto pages and hands each page to the sink once it is full,
// so memory does not grow with the length of the report. A band taller than
// the space left on a page moves to the next page; one taller than a whole
// empty page is placed anyway (and cut by the footer) rather than lost.
// A group header is held back until the group's first band arrives and
// moves on with it when the two do not fit together, unless they would not
// fit together on an empty page either.
class BandedReport
{
public:
    BandedReport(ReportLayout layout, PageSink &sink,
                 const QDateTime &printedAt = QDateTime::currentDateTime());

    void setValue(const QString &key, const QVariant &value) { m_values.insert(key, value); }

    void beginGroup(const QString &key, const BandBuilder &header = {});
    // True when the row was printed, false when its builder left it out.
    bool addDetail(const DetailBuilder &detail);
    void addDetail(const Band &band);
    void endGroup(const BandBuilder &footer = {});
    void addSummary(const BandBuilder &summary);
    // Any full-width band in the flow.
    void addBand(const Band &band);

    // Closes the last page; an empty report still gives one page.
    void finish();

    int pageNumber() const { return m_pageNumber; }
    int lineNumber() const { return m_lineNumber; }
    int pagesDone() const { return m_pagesDone; }
    double contentWidth() const { return m_content.width(); }
    double columnWidth() const;

private:
    BandContext context() const;
    void openPage();
    void closePage();
    void ensurePage();
    void endColumns();
    void placeFullWidth(const Band &band);
    void placeDetail(const Band &band);
    void placeHeldHeader(double followingHeight);
    void put(const Band &band, double x, double y);

    ReportLayout m_layout;
    PageSink &m_sink;
    QDateTime m_printedAt;
    QVariantMap m_values;
    QRectF m_content;

    std::optional<Page> m_page;
    int m_pageNumber = 0;
    int m_pagesDone = 0;
    int m_lineNumber = 0;
    int m_lineInGroup = 0;
    bool m_inGroup = false;
    QString m_groupKey;
    BandBuilder m_groupHeader;
    std::optional<Band> m_heldHeader; // built, waiting for the group's first band
    bool m_finished = false;

    double m_y = 0;           // next free height in the content area
    double m_flowTop = 0;     // where the flow starts below the headers
    double m_pageFlowTop = 0; // same, without a repeated group header
    double m_limit = 0;       // where the footer begins
    double m_footerHeight = 0;
    int m_column = 0;
    double m_columnTop = 0;   // top of the current strip (across) or column set (down)
    double m_columnY = 0;     // down-first: next free height in the current column
    double m_columnsBottom = 0;
    bool m_columnsOpen = false;
};

// Rows with an optional group key: group header and footer whenever the key
// changes, the rows streamed in between.
template <typename Row>
struct RowBands
{
    std::function<QString(const Row &)> groupKey;
    std::function<Band(const BandContext &, const Row &first)> groupHeader;
    std::function<std::optional<Band>(const BandContext &, const Row &)> detail;
    std::function<Band(const BandContext &, const Row &last)> groupFooter;
    std::function<Band(const BandContext &)> summary;
};

template <typename Range, typename Row>
void layoutRows(BandedReport &report, const Range &rows, const RowBands<Row> &bands)
{
    bool open = false;
    QString key;
    std::optional<Row> last;
    for (const Row &row : rows) {
        if (bands.groupKey) {
            const QString k = bands.groupKey(row);
            if (!open || k != key) {
                if (open) {
                    report.endGroup(bands.groupFooter
                        ? BandBuilder([&](const BandContext &c) { return bands.groupFooter(c, *last); })
                        : BandBuilder());
                }
                key = k;
                open = true;
                report.beginGroup(k, bands.groupHeader
                    ? BandBuilder([&bands, row](const BandContext &c) { return bands.groupHeader(c, row); })
                    : BandBuilder());
            }
        }
        if (bands.detail)
            report.addDetail([&](const BandContext &c) { return bands.detail(c, row); });
        last = row;
    }
    if (open) {
        report.endGroup(bands.groupFooter
            ? BandBuilder([&](const BandContext &c) { return bands.groupFooter(c, *last); })
            : BandBuilder());
    }
    if (bands.summary)
        report.addSummary(bands.summary);
}

} // namespace Printing
