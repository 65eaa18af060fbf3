#pragma once

#include "printing/barcode.h"
#include "printing/fonts.h"

#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QString>

#include <memory>
#include <variant>

namespace Printing {

// Every position and size below is in millimetres.

struct TextItem
{
    QRectF box;
    QString text;
    Font font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false;
    bool clip = true;        // nothing is painted outside the box
};

enum class LineStyle { Solid, Dotted, Dashed };

struct LineItem
{
    QLineF line;
    double width = 0.2;
    LineStyle style = LineStyle::Solid;
};

struct FrameItem
{
    QRectF box;
    double width = 0.2;
    LineStyle style = LineStyle::Solid;
    double radius = 0;       // rounded corners when above zero
};

struct PictureItem
{
    QRectF box;
    QImage image;
    bool keepAspect = true;  // scaled into the box, centred
};

// A barcode already encoded; a page never holds one that failed.
struct BarcodeItem
{
    QRectF box;
    std::shared_ptr<const BarcodeSymbol> symbol;

    QString data() const { return symbol ? symbol->data : QString(); }
};

using Item = std::variant<TextItem, LineItem, FrameItem, PictureItem, BarcodeItem>;

QRectF boundsOf(const Item &item);
Item translated(const Item &item, QPointF by);

} // namespace Printing
