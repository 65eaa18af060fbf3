#pragma once

#include "printing/fonts.h"

#include <QStringList>

namespace Printing {

// Text measured on paper, in millimetres, independent of any screen.
double textWidthMm(const QString &text, const Font &font);
double lineHeightMm(const Font &font);

// Breaks text into lines no wider than widthMm, at line-break opportunities
// (Thai at word boundaries); a single word wider than the line is broken
// between grapheme clusters, never inside one. Newlines force a break.
QStringList wrapText(const QString &text, const Font &font, double widthMm);

// Height a word-wrapped text needs.
double wrappedHeightMm(const QString &text, const Font &font, double widthMm);

} // namespace Printing
