#pragma once

#include "printing/page.h"

#include <QImage>

class QPainter;

namespace Printing {

// Paints a page on a painter whose origin is the paper's top-left corner.
// Millimetres map to device units through the device's own resolution, and
// fonts are sized in points against that resolution, so the result is the
// same on every machine whatever its screen.
void paintPage(QPainter &painter, const Page &page);

// The page as an image at the given resolution, white background.
QImage renderPageImage(const Page &page, double dpi);

} // namespace Printing
