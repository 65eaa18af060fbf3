#include "printing/forms/formlayout.h"

#include "printing/bandedreport.h"
#include "printing/textlayout.h"

#include <QImage>

#include <algorithm>

namespace Forms {

namespace {

using Printing::Band;
using Printing::Font;

// Design values in millimetres. The document font is sized so that the
// forms hold the rows they were designed for.
struct Geometry
{
    double x0;         // inset from the content's left edge
    double width;      // design width of the form
    double bodyPt;
    double smallPt;
    double namePt;
    double titlePt;
    double row;        // one row of a box
    double lineRow;    // one row of a detail band
    double logo;       // logo box side
    double headerTop;  // where the party and document boxes start
    double footer;     // footer height
};

Geometry geometryOf(const FormContent &c)
{
    if (c.paper == Paper::HalfLetter)
        return Geometry{8, 199.9, 8.5, 7, 12, 13, 4.2, 4.6, 13, 18, 34};
    const double footer = c.form == FormId::DOSpecial ? 40 : 70;
    return Geometry{10, 195.9, 10, 8.5, 15, 16, 6, 5.6, 17, 25, footer};
}

double widthOf(Column col, bool half)
{
    switch (col) {
    case Column::LineNo: return half ? 11 : 13;
    case Column::Code: return half ? 24 : 28;
    case Column::Qty: return half ? 18 : 19;
    case Column::Unit: return half ? 13 : 15;
    case Column::UnitPrice: return half ? 22 : 23;
    case Column::Discount: return half ? 10 : 11;
    case Column::Amount: return half ? 25 : 27;
    case Column::Name: return 0;
    }
    return 0;
}

struct Cell { Column column; double x; double w; };

QList<Cell> cellsOf(const FormContent &c, const Geometry &g)
{
    const bool half = c.paper == Paper::HalfLetter;
    double fixed = 0;
    for (const ColumnHeading &h : c.columns)
        fixed += widthOf(h.column, half);
    QList<Cell> cells;
    double x = g.x0;
    for (const ColumnHeading &h : c.columns) {
        const double w = h.column == Column::Name ? g.width - fixed : widthOf(h.column, half);
        cells << Cell{h.column, x, w};
        x += w;
    }
    return cells;
}

Qt::Alignment alignOf(Column col)
{
    switch (col) {
    case Column::Qty:
    case Column::UnitPrice:
    case Column::Discount:
    case Column::Amount: return Qt::AlignRight | Qt::AlignVCenter;
    case Column::LineNo:
    case Column::Unit: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

bool fits(const QString &t, const Font &f, double width)
{
    // No glyph of the TLWG faces is wider than one and a half em: short texts
    // need no measuring.
    return t.size() * f.pointSize * 1.5 * 25.4 / 72 <= width || Printing::textWidthMm(t, f) <= width;
}

// A field too long for its box is set smaller rather than cut, down to a
// floor below which it is cut after all.
Font fitted(const QString &t, Font f, double width)
{
    if (fits(t, f, width))
        return f;
    const double floor = f.pointSize * 0.7;
    for (int i = 0; i < 4; ++i) {
        const double w = Printing::textWidthMm(t, f);
        if (w <= width || f.pointSize <= floor)
            break;
        f.pointSize = std::max(floor, f.pointSize * width / w * 0.99);
    }
    return f;
}

void text(Band &b, const QRectF &box, const QString &t, const Font &f,
          Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter)
{
    if (!t.isEmpty())
        b.addText(box, t, fitted(t, f, box.width()), a);
}

Band pageHeader(const FormContent &c, const Geometry &g)
{
    Band b(0);
    const double x0 = g.x0;
    const double right = g.x0 + g.width;
    const Font body = Font::body(g.bodyPt);
    const Font small = Font::body(g.smallPt);

    QImage logo;
    if (!c.logo.isEmpty())
        logo = QImage::fromData(c.logo);
    double nameX = x0;
    if (!logo.isNull()) {
        b.addPicture(QRectF(x0, 0, g.logo, g.logo), logo);
        nameX = x0 + g.logo + (c.wideLogoStep ? 8 : 2);
    }
    // The address lines move beside the logo with the name: under the picture
    // they would push the boxes down, and on pre-printed paper every field
    // must stay where the stationery has it, logo or not.
    const double blockX = nameX;
    const double titleW = c.paper == Paper::HalfLetter ? 70 : 80;
    const double nameH = g.namePt * 0.5;
    text(b, QRectF(nameX, 0, right - titleW - nameX, nameH), c.companyName, Font::body(g.namePt, true));
    text(b, QRectF(right - titleW, 0, titleW, g.titlePt * 0.5), c.title, Font::body(g.titlePt, true),
         Qt::AlignRight | Qt::AlignVCenter);
    text(b, QRectF(right - titleW, g.titlePt * 0.5, titleW, g.row), c.subtitle, body,
         Qt::AlignRight | Qt::AlignVCenter);
    const double lineH = g.smallPt * 0.5;
    double y = nameH;
    text(b, QRectF(blockX, y, right - titleW - blockX, lineH), c.companyAddress, small);
    y += lineH;
    text(b, QRectF(blockX, y, right - titleW - blockX, lineH), c.companyContacts, small);
    y += lineH;
    text(b, QRectF(blockX, y, right - titleW - blockX, lineH), c.companyTaxId, small);
    y += lineH;

    // Party box on the left, document box on the right.
    const double top = std::max({g.headerTop, y + 1.5, g.logo + 1.5});
    const double boxH = g.row * 5 + 1;
    const double partyW = g.width * 0.6;
    const double docX = x0 + partyW + 2;
    const double docW = right - docX;
    if (c.frames) {
        b.addFrame(QRectF(x0, top, partyW, boxH), 0.3);
        b.addFrame(QRectF(docX, top, docW, boxH), 0.3);
    }
    const double capW = c.paper == Paper::HalfLetter ? 16 : 20;
    auto row = [&](double x, double w, int i, const QString &caption, const QString &value) {
        const double ry = top + 0.5 + g.row * i;
        text(b, QRectF(x + 1, ry, capW, g.row), caption, body);
        text(b, QRectF(x + 1 + capW, ry, w - capW - 2, g.row), value, body);
    };
    row(x0, partyW, 0, c.partyCodeCaption, c.partyCode);
    row(x0, partyW, 1, c.partyNameCaption, c.partyName);
    if (c.partyAddress.size() == 1) {
        // A one-line address may wrap onto the second row.
        text(b, QRectF(x0 + 1, top + 0.5 + g.row * 2, capW, g.row), c.addressCaption, body);
        if (!c.partyAddress.first().isEmpty())
            b.addParagraph(QRectF(x0 + 1 + capW, top + 0.5 + g.row * 2 + g.row * 0.15, partyW - capW - 2,
                                  g.row * 2),
                           c.partyAddress.first(), body);
    } else {
        row(x0, partyW, 2, c.addressCaption, c.partyAddress.value(0));
        row(x0, partyW, 3, QString(), c.partyAddress.value(1));
    }
    row(x0, partyW, 4, c.refCaption, c.ref);
    const double docCapW = capW + 6;
    auto docRow = [&](int i, const QString &caption, const QString &value) {
        const double ry = top + 0.5 + g.row * i;
        text(b, QRectF(docX + 1, ry, docCapW, g.row), caption, body);
        text(b, QRectF(docX + 1 + docCapW, ry, docW - docCapW - 2, g.row), value, body);
    };
    docRow(0, c.dateCaption, c.date);
    docRow(1, c.numberCaption, c.number);
    docRow(2, c.staffCaption, c.staff);
    docRow(3, c.termCaption, c.term);
    docRow(4, c.dueCaption, c.due);
    b.height = top + boxH + 1.5;
    return b;
}

Band columnHeader(const FormContent &c, const Geometry &g)
{
    bool english = false;
    for (const ColumnHeading &h : c.columns)
        english = english || !h.english.isEmpty();
    Band b(english ? g.lineRow * 2 : g.lineRow + 1);
    const Font body = Font::body(g.bodyPt, true);
    const auto cells = cellsOf(c, g);
    if (c.frames) {
        b.addFrame(QRectF(g.x0, 0, g.width, b.height), 0.3);
        for (qsizetype i = 1; i < cells.size(); ++i)
            b.addLine(QLineF(cells[i].x, 0, cells[i].x, b.height));
    }
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const ColumnHeading &h = c.columns[i];
        const double rowH = english ? b.height / 2 : b.height;
        text(b, QRectF(cells[i].x, 0, cells[i].w, rowH), h.heading, body, Qt::AlignCenter);
        text(b, QRectF(cells[i].x, rowH, cells[i].w, rowH), h.english, Font::body(g.smallPt), Qt::AlignCenter);
    }
    return b;
}

Band detailBand(const FormContent &c, const Geometry &g, const QList<Cell> &cells, const LineRow &r)
{
    const Font body = Font::body(g.bodyPt);
    // A long name wraps at word boundaries and pushes the detail rows down.
    QStringList nameLines{r.name};
    for (const Cell &cell : cells)
        if (cell.column == Column::Name && !fits(r.name, body, cell.w - 2))
            nameLines = Printing::wrapText(r.name, body, cell.w - 2);
    const qsizetype nameRows = std::max<qsizetype>(1, nameLines.size());
    Band b(g.lineRow * (nameRows + r.details.size()));
    if (c.frames) {
        b.addLine(QLineF(g.x0, 0, g.x0, b.height));
        b.addLine(QLineF(g.x0 + g.width, 0, g.x0 + g.width, b.height));
        for (qsizetype i = 1; i < cells.size(); ++i)
            b.addLine(QLineF(cells[i].x, 0, cells[i].x, b.height));
    }
    for (const Cell &cell : cells) {
        QString t;
        switch (cell.column) {
        case Column::LineNo: t = r.lineNo; break;
        case Column::Code: t = r.code; break;
        case Column::Name: break;
        case Column::Qty: t = r.qty; break;
        case Column::Unit: t = r.unit; break;
        case Column::UnitPrice: t = r.unitPrice; break;
        case Column::Discount: t = r.discount; break;
        case Column::Amount: t = r.amount; break;
        }
        if (cell.column != Column::Name) {
            text(b, QRectF(cell.x + 1, 0, cell.w - 2, g.lineRow), t, body, alignOf(cell.column));
            continue;
        }
        for (qsizetype i = 0; i < nameLines.size(); ++i)
            text(b, QRectF(cell.x + 1, g.lineRow * i, cell.w - 2, g.lineRow), nameLines[i], body,
                 alignOf(cell.column));
        for (qsizetype i = 0; i < r.details.size(); ++i)
            text(b, QRectF(cell.x + 4, g.lineRow * (nameRows + i), cell.w - 5, g.lineRow), r.details[i],
                 Font::body(g.smallPt));
    }
    return b;
}

Band pageFooter(const FormContent &c, const Geometry &g)
{
    Band b(g.footer);
    const bool half = c.paper == Paper::HalfLetter;
    const bool compact = half || c.form == FormId::DOSpecial;
    const double x0 = g.x0;
    const double right = g.x0 + g.width;
    const Font body = Font::body(g.bodyPt);
    const Font bold = Font::body(g.bodyPt, true);
    const Font small = Font::body(g.smallPt);

    const double totalsW = half ? 82 : 92;
    const double tx = right - totalsW;
    const double totalRow = compact ? g.lineRow * 0.9 : g.row;
    if (c.frames) {
        b.addHorizontalLine(x0, right, 0, 0.3);
        b.addFrame(QRectF(tx, 0, totalsW, totalRow * c.totals.size() + 1), 0.3);
    }
    double y = 0.5;
    for (const TotalRow &row : c.totals) {
        const bool grand = row.role == TotalRole::Grand;
        QString caption = row.caption;
        if (!row.english.isEmpty())
            caption += QLatin1Char(' ') + row.english;
        text(b, QRectF(tx + 1, y, 40, totalRow), caption, grand ? bold : body);
        text(b, QRectF(tx + 41, y, 12, totalRow), row.rate, body, Qt::AlignRight | Qt::AlignVCenter);
        text(b, QRectF(tx + 53, y, 5, totalRow), row.percent, body);
        text(b, QRectF(tx + 58, y, totalsW - 59, totalRow), row.amount, grand ? bold : body,
             Qt::AlignRight | Qt::AlignVCenter);
        y += totalRow;
    }

    // Left column: words, note, payment block.
    const double leftW = tx - x0 - 2;
    double ly = 0.5;
    if (!c.words.isEmpty()) {
        Font italic = body;
        italic.italic = true;
        text(b, QRectF(x0, ly, leftW, totalRow), c.words, italic);
    }
    ly += totalRow;
    text(b, QRectF(x0, ly, leftW, totalRow), c.note, small);
    ly += totalRow;
    const double payRow = compact ? g.smallPt * 0.42 : g.row * 0.85;
    for (const QString &line : c.payment) {
        text(b, QRectF(x0, ly, leftW, payRow), line, small);
        ly += payRow;
    }

    // Signatures across the bottom.
    const int n = int(c.signatures.size());
    if (n > 0) {
        const double slot = g.width / n;
        const double lineY = g.footer - (half ? 5 : 7);
        for (int i = 0; i < n; ++i) {
            const Signature &s = c.signatures[i];
            const double sx = x0 + slot * i;
            // Pre-printed bilingual paper still takes the lines without their captions.
            if (s.line)
                b.addHorizontalLine(sx + 4, sx + slot - 4, lineY, 0.2, Printing::LineStyle::Dotted);
            QString caption = s.caption;
            if (!s.english.isEmpty())
                caption += QStringLiteral(" / ") + s.english;
            text(b, QRectF(sx, lineY + 0.5, slot, half ? 4 : 5), caption, small, Qt::AlignCenter);
        }
    }
    return b;
}

} // namespace

Printing::PageSetup pageSetupOf(const FormContent &c)
{
    Printing::PageSetup s;
    s.paper = c.paper == Paper::HalfLetter ? Printing::Paper::shortForm() : Printing::Paper::letter();
    // The top offset shifts the whole page down and comes off the bottom
    // margin, so the design bottom margin is the final one plus the offset.
    s.margins = Printing::Margins{0, 0, 0, c.margins.bottom + c.margins.top};
    s.offsets = Printing::PageOffsets{c.margins.top, c.margins.left};
    return s;
}

void layoutForm(const FormContent &content, Printing::PageSink &sink)
{
    const Geometry g = geometryOf(content);
    Printing::ReportLayout layout;
    layout.setup = pageSetupOf(content);
    layout.pageHeader = [&](const Printing::BandContext &) { return pageHeader(content, g); };
    layout.columnHeader = [&](const Printing::BandContext &) { return columnHeader(content, g); };
    layout.pageFooter = [&](const Printing::BandContext &) { return pageFooter(content, g); };
    Printing::BandedReport report(layout, sink);
    const auto cells = cellsOf(content, g);
    for (const LineRow &row : content.lines)
        report.addDetail(detailBand(content, g, cells, row));
    report.finish();
}

QList<Printing::Page> formPages(const FormContent &content)
{
    Printing::PageCollector collector;
    layoutForm(content, collector);
    return collector.pages;
}

} // namespace Forms
