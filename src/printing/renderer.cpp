#include "printing/renderer.h"

#include "printing/textlayout.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

namespace Printing {

namespace {

class Mapper
{
public:
    explicit Mapper(const QPainter &painter)
    {
        const QPaintDevice *d = painter.device();
        m_x = (d ? d->logicalDpiX() : 96) / 25.4;
        m_y = (d ? d->logicalDpiY() : 96) / 25.4;
    }
    QPointF point(QPointF mm) const { return {mm.x() * m_x, mm.y() * m_y}; }
    QRectF rect(const QRectF &mm) const { return {point(mm.topLeft()), QSizeF(mm.width() * m_x, mm.height() * m_y)}; }
    double length(double mm) const { return mm * m_x; }

private:
    double m_x;
    double m_y;
};

QPen penFor(const Mapper &map, double width, LineStyle style)
{
    QPen pen(Qt::black);
    pen.setWidthF(std::max(map.length(width), 1.0));
    switch (style) {
    case LineStyle::Solid:
        pen.setStyle(Qt::SolidLine);
        break;
    case LineStyle::Dotted:
        pen.setStyle(Qt::DotLine);
        break;
    case LineStyle::Dashed:
        pen.setStyle(Qt::DashLine);
        break;
    }
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void paintText(QPainter &p, const Mapper &map, const TextItem &t)
{
    if (t.text.isEmpty())
        return;
    p.setFont(toQFont(t.font));
    p.setPen(Qt::black);
    const QRectF box = map.rect(t.box);
    const Qt::Alignment horizontal = t.alignment & Qt::AlignHorizontal_Mask;
    if (!t.wordWrap) {
        int flags = int(t.alignment) | Qt::TextSingleLine;
        if (!t.clip)
            flags |= Qt::TextDontClip;
        p.drawText(box, flags, t.text);
        return;
    }
    const QStringList lines = wrapText(t.text, t.font, t.box.width());
    const double lineHeight = map.length(lineHeightMm(t.font));
    const double blockHeight = lineHeight * lines.size();
    double y = box.top();
    if (t.alignment & Qt::AlignVCenter)
        y += (box.height() - blockHeight) / 2;
    else if (t.alignment & Qt::AlignBottom)
        y += box.height() - blockHeight;
    if (t.clip) {
        p.save();
        p.setClipRect(box, Qt::IntersectClip);
    }
    for (const QString &line : lines) {
        p.drawText(QRectF(box.left(), y, box.width(), lineHeight),
                   int(horizontal) | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, line);
        y += lineHeight;
    }
    if (t.clip)
        p.restore();
}

void paintPicture(QPainter &p, const Mapper &map, const PictureItem &pic)
{
    if (pic.image.isNull())
        return;
    QRectF target = map.rect(pic.box);
    if (pic.keepAspect) {
        QSizeF s = QSizeF(pic.image.size()).scaled(target.size(), Qt::KeepAspectRatio);
        target = QRectF(target.center() - QPointF(s.width() / 2, s.height() / 2), s);
    }
    p.drawImage(target, pic.image);
}

void paintBarcode(QPainter &p, const Mapper &map, const BarcodeItem &b)
{
    if (!b.symbol || b.symbol->size.isEmpty())
        return;
    const BarcodeSymbol &s = *b.symbol;
    const QRectF box = map.rect(b.box);
    const double sx = box.width() / s.size.width();
    const double sy = box.height() / s.size.height();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPainterPath path;
    for (const QRectF &r : s.bars)
        path.addRect(QRectF(box.left() + r.x() * sx, box.top() + r.y() * sy, r.width() * sx, r.height() * sy));
    p.drawPath(path);
    if (!s.labels.isEmpty()) {
        Font font = Font::body();
        p.setPen(Qt::black);
        for (const BarcodeSymbol::Label &l : s.labels) {
            // Module units to points: the text keeps its share of the symbol's height.
            const double heightPx = l.fontSize * std::min(sx, sy);
            font.pointSize = heightPx * 72.0 / p.device()->logicalDpiY();
            p.setFont(toQFont(font));
            const QPointF base(box.left() + l.position.x() * sx, box.top() + l.position.y() * sy);
            const double w = p.fontMetrics().horizontalAdvance(l.text);
            double x = base.x() - w / 2;
            if (l.alignment & Qt::AlignLeft)
                x = base.x();
            else if (l.alignment & Qt::AlignRight)
                x = base.x() - w;
            p.drawText(QPointF(x, base.y()), l.text);
        }
    }
    p.restore();
}

} // namespace

void paintPage(QPainter &painter, const Page &page)
{
    const Mapper map(painter);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const Item &item : page.items) {
        std::visit([&](const auto &it) {
            using T = std::decay_t<decltype(it)>;
            if constexpr (std::is_same_v<T, TextItem>) {
                paintText(painter, map, it);
            } else if constexpr (std::is_same_v<T, LineItem>) {
                painter.setPen(penFor(map, it.width, it.style));
                painter.drawLine(QLineF(map.point(it.line.p1()), map.point(it.line.p2())));
            } else if constexpr (std::is_same_v<T, FrameItem>) {
                painter.setPen(penFor(map, it.width, it.style));
                painter.setBrush(Qt::NoBrush);
                if (it.radius > 0)
                    painter.drawRoundedRect(map.rect(it.box), map.length(it.radius), map.length(it.radius));
                else
                    painter.drawRect(map.rect(it.box));
            } else if constexpr (std::is_same_v<T, PictureItem>) {
                paintPicture(painter, map, it);
            } else if constexpr (std::is_same_v<T, BarcodeItem>) {
                paintBarcode(painter, map, it);
            }
        }, item);
    }
    painter.restore();
}

QImage renderPageImage(const Page &page, double dpi)
{
    const QSizeF mm = page.paper().sizeMm();
    const QSize px(qRound(mm.width() * dpi / 25.4), qRound(mm.height() * dpi / 25.4));
    QImage image(px, QImage::Format_RGB32);
    const int dpm = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page);
    painter.end();
    return image;
}

} // namespace Printing
