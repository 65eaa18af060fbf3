#pragma once

#include "printing/items.h"

#include <QList>

#include <optional>

namespace Printing {

// Items in millimetres with helpers to add them and, for tests and callers,
// to find them again.
class ItemList
{
public:
    QList<Item> items;

    // The adders return the new item for a last touch; the reference holds
    // only until the next item is added.

    TextItem &addText(const QRectF &box, const QString &text, const Font &font = Font::body(),
                      Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    // Word-wrapped text (Thai broken at word boundaries), clipped to its box.
    TextItem &addParagraph(const QRectF &box, const QString &text, const Font &font = Font::body(),
                           Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
    LineItem &addLine(const QLineF &line, double width = 0.2, LineStyle style = LineStyle::Solid);
    LineItem &addHorizontalLine(double x1, double x2, double y, double width = 0.2,
                                LineStyle style = LineStyle::Solid);
    FrameItem &addFrame(const QRectF &box, double width = 0.2, LineStyle style = LineStyle::Solid);
    PictureItem &addPicture(const QRectF &box, const QImage &image, bool keepAspect = true);
    // Encodes and places a barcode; on refusal nothing is placed and the Thai
    // reason comes back.
    std::optional<QString> addBarcode(const QRectF &box, Symbology symbology, const QString &data,
                                      bool withText);
    void addBarcode(const QRectF &box, std::shared_ptr<const BarcodeSymbol> symbol);

    // Everything from another list, shifted.
    void place(const ItemList &other, QPointF at);

    template <typename T>
    QList<const T *> all() const
    {
        QList<const T *> out;
        for (const Item &it : items) {
            if (const T *p = std::get_if<T>(&it))
                out.append(p);
        }
        return out;
    }
    template <typename T>
    int count() const
    {
        int n = 0;
        for (const Item &it : items)
            n += std::holds_alternative<T>(it) ? 1 : 0;
        return n;
    }

    QList<const TextItem *> texts() const { return all<TextItem>(); }
    QStringList textStrings() const;
    const TextItem *findText(const QString &exact) const;
    const TextItem *findTextContaining(const QString &part) const;
    QList<const TextItem *> textsWith(const QString &exact) const;
    bool hasText(const QString &exact) const { return findText(exact) != nullptr; }
    // Items whose bounds lie within a region.
    QList<const Item *> itemsIn(const QRectF &region) const;
    QRectF bounds() const;
    bool isEmpty() const { return items.isEmpty(); }
};

// A horizontal strip of a banded layout: items are relative to its top-left.
struct Band : ItemList
{
    double height = 0;

    Band() = default;
    explicit Band(double heightMm) : height(heightMm) {}
};

} // namespace Printing
