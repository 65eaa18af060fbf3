#include "printing/itemlist.h"

namespace Printing {

TextItem &ItemList::addText(const QRectF &box, const QString &text, const Font &font,
                            Qt::Alignment alignment)
{
    TextItem t;
    t.box = box;
    t.text = text;
    t.font = font;
    t.alignment = alignment;
    items.append(t);
    return std::get<TextItem>(items.last());
}

TextItem &ItemList::addParagraph(const QRectF &box, const QString &text, const Font &font,
                                 Qt::Alignment alignment)
{
    TextItem &t = addText(box, text, font, alignment);
    t.wordWrap = true;
    return t;
}

LineItem &ItemList::addLine(const QLineF &line, double width, LineStyle style)
{
    items.append(LineItem{line, width, style});
    return std::get<LineItem>(items.last());
}

LineItem &ItemList::addHorizontalLine(double x1, double x2, double y, double width, LineStyle style)
{
    return addLine(QLineF(x1, y, x2, y), width, style);
}

FrameItem &ItemList::addFrame(const QRectF &box, double width, LineStyle style)
{
    FrameItem f;
    f.box = box;
    f.width = width;
    f.style = style;
    items.append(f);
    return std::get<FrameItem>(items.last());
}

PictureItem &ItemList::addPicture(const QRectF &box, const QImage &image, bool keepAspect)
{
    items.append(PictureItem{box, image, keepAspect});
    return std::get<PictureItem>(items.last());
}

std::optional<QString> ItemList::addBarcode(const QRectF &box, Symbology symbology,
                                            const QString &data, bool withText)
{
    BarcodeResult r = encodeBarcode(symbology, data, withText);
    if (!r.ok())
        return r.error;
    addBarcode(box, std::move(r.symbol));
    return std::nullopt;
}

void ItemList::addBarcode(const QRectF &box, std::shared_ptr<const BarcodeSymbol> symbol)
{
    if (!symbol)
        return;
    items.append(BarcodeItem{box, std::move(symbol)});
}

void ItemList::place(const ItemList &other, QPointF at)
{
    items.reserve(items.size() + other.items.size());
    for (const Item &it : other.items)
        items.append(translated(it, at));
}

QStringList ItemList::textStrings() const
{
    QStringList out;
    for (const TextItem *t : texts())
        out.append(t->text);
    return out;
}

const TextItem *ItemList::findText(const QString &exact) const
{
    for (const Item &it : items) {
        if (const auto *t = std::get_if<TextItem>(&it); t && t->text == exact)
            return t;
    }
    return nullptr;
}

const TextItem *ItemList::findTextContaining(const QString &part) const
{
    for (const Item &it : items) {
        if (const auto *t = std::get_if<TextItem>(&it); t && t->text.contains(part))
            return t;
    }
    return nullptr;
}

QList<const TextItem *> ItemList::textsWith(const QString &exact) const
{
    QList<const TextItem *> out;
    for (const Item &it : items) {
        if (const auto *t = std::get_if<TextItem>(&it); t && t->text == exact)
            out.append(t);
    }
    return out;
}

QList<const Item *> ItemList::itemsIn(const QRectF &region) const
{
    QList<const Item *> out;
    for (const Item &it : items) {
        const QRectF b = boundsOf(it);
        if (region.contains(b.topLeft()) && region.contains(b.bottomRight()))
            out.append(&it);
    }
    return out;
}

QRectF ItemList::bounds() const
{
    QRectF r;
    for (const Item &it : items)
        r = r.isNull() ? boundsOf(it) : r.united(boundsOf(it));
    return r;
}

} // namespace Printing
