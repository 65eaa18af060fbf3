#include "printing/fonts.h"

namespace Printing {

Font Font::body(double pointSize, bool bold)
{
    Font f;
    f.role = FontRole::Body;
    f.pointSize = pointSize;
    f.bold = bold;
    return f;
}

Font Font::heading(double pointSize, bool bold)
{
    Font f;
    f.role = FontRole::Heading;
    f.pointSize = pointSize;
    f.bold = bold;
    return f;
}

QString bodyFamily() { return QStringLiteral("Loma"); }
QString headingFamily() { return QStringLiteral("Garuda"); }

QString familyOf(const Font &font)
{
    if (!font.family.isEmpty())
        return font.family;
    return font.role == FontRole::Heading ? headingFamily() : bodyFamily();
}

QFont toQFont(const Font &font)
{
    QFont f;
    f.setFamilies(QStringList{familyOf(font)});
    f.setPointSizeF(font.pointSize > 0 ? font.pointSize : 10);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

} // namespace Printing
