#include "tools/labelsheet.h"

#include "printing/barcode.h"
#include "tools/messages.h"

namespace Tools {
namespace {

// Column left edges and row tops inside the margins, in millimetres.
constexpr double columnLeft[labelColumns] = {4.0, 68.0, 131.0};
constexpr double firstRowTop = 27.0;
constexpr double rowPitch = (220.0 - 27.0) / (labelRows - 1);

struct Geometry
{
    double width;
    double height;
};

Geometry barcodeSize(LabelKind kind)
{
    return kind == LabelKind::Code39 ? Geometry{58.7, 13.8} : Geometry{29.9, 15.1};
}

} // namespace

QString sheetCaption(LabelKind kind)
{
    return kind == LabelKind::Code39 ? Messages::code39Caption() : Messages::ean13Caption();
}

LabelSheet labelSheet(LabelKind kind, const QString &code, const QString &name)
{
    LabelSheet sheet;
    if (code.trimmed().isEmpty()) {
        sheet.error = Messages::noCodeForLabels();
        return sheet;
    }
    const Printing::Symbology symbology =
        kind == LabelKind::Code39 ? Printing::Symbology::Code39 : Printing::Symbology::Ean13;
    if (kind == LabelKind::Ean13) {
        if (const auto problem = Printing::barcodeProblem(symbology, code)) {
            // Thirteen characters that are not a valid EAN-13 get the reason too.
            sheet.error = code.size() == 13 ? Messages::ean13Only13() + QLatin1Char('\n') + *problem
                                            : Messages::ean13Only13();
            return sheet;
        }
    }
    // One symbol, encoded once, shared by all 30 labels.
    const Printing::BarcodeResult encoded = Printing::encodeBarcode(symbology, code, kind == LabelKind::Ean13);
    if (!encoded.ok()) {
        sheet.error = encoded.error;
        return sheet;
    }

    Printing::PageSetup setup;
    setup.paper = Printing::Paper::letter();
    setup.margins = {10, 10, 10, 10};
    Printing::Page page(setup);
    const QPointF origin = page.content().topLeft();
    const double contentWidth = page.content().width();

    page.addText(QRectF(origin + QPointF(4, 4), QSizeF(contentWidth - 8, 10)), name,
                 Printing::Font::heading(16, true), Qt::AlignLeft | Qt::AlignVCenter);

    const Geometry size = barcodeSize(kind);
    for (int row = 0; row < labelRows; ++row) {
        const double top = firstRowTop + row * rowPitch;
        for (int column = 0; column < labelColumns; ++column) {
            const QPointF at = origin + QPointF(columnLeft[column], top);
            page.addBarcode(QRectF(at, QSizeF(size.width, size.height)), encoded.symbol);
            if (kind == LabelKind::Code39)
                page.addText(QRectF(at + QPointF(0, size.height + 0.5), QSizeF(size.width, 4.5)), code,
                             Printing::Font::body(9), Qt::AlignHCenter | Qt::AlignVCenter);
        }
        if (row + 1 < labelRows) {
            const double y = origin.y() + top + rowPitch - 1.5;
            page.addHorizontalLine(origin.x(), origin.x() + contentWidth, y, 0.2, Printing::LineStyle::Dotted);
        }
    }
    sheet.page = std::move(page);
    return sheet;
}

} // namespace Tools
