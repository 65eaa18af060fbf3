#pragma once

#include "printing/itemlist.h"
#include "printing/paper.h"

namespace Printing {

// One sheet: its setup and its items, placed in millimetres from the paper's
// top-left corner (offsets and margins already applied by whoever placed them).
struct Page : ItemList
{
    PageSetup setup;
    int number = 1;

    Page() = default;
    explicit Page(const PageSetup &pageSetup, int pageNumber = 1)
        : setup(pageSetup), number(pageNumber) {}

    Paper paper() const { return setup.paper; }
    QRectF content() const { return setup.contentRect(); }
    // Adds a band with its top-left at a point relative to the content area.
    void placeInContent(const ItemList &band, QPointF at = QPointF())
    {
        place(band, content().topLeft() + at);
    }
};

} // namespace Printing
