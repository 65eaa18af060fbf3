#include "printing/paper.h"

#include <algorithm>

namespace Printing {

Paper Paper::letter() { return Paper(Kind::Letter); }
Paper Paper::a4() { return Paper(Kind::A4); }
Paper Paper::shortForm() { return Paper(Kind::ShortForm); }

QPageSize Paper::pageSize() const
{
    switch (m_kind) {
    case Kind::Letter:
        return QPageSize(QPageSize::Letter);
    case Kind::A4:
        return QPageSize(QPageSize::A4);
    case Kind::ShortForm:
        // A fuzzy match would turn this into Statement portrait.
        return QPageSize(QSizeF(8.5, 5.5), QPageSize::Inch, name(), QPageSize::ExactMatch);
    }
    return QPageSize(QPageSize::Letter);
}

QSizeF Paper::sizeMm() const
{
    switch (m_kind) {
    case Kind::Letter:
        return QSizeF(215.9, 279.4);
    case Kind::A4:
        return QSizeF(210.0, 297.0);
    case Kind::ShortForm:
        return QSizeF(215.9, 139.7);
    }
    return QSizeF(215.9, 279.4);
}

QString Paper::name() const
{
    switch (m_kind) {
    case Kind::Letter:
        return QStringLiteral("Letter");
    case Kind::A4:
        return QStringLiteral("A4");
    case Kind::ShortForm:
        return QStringLiteral("8.5 x 5.5 in");
    }
    return QString();
}

Margins Margins::nonNegative() const
{
    return {std::max(0.0, left), std::max(0.0, top), std::max(0.0, right), std::max(0.0, bottom)};
}

PageOffsets PageOffsets::clamped(double top, double left)
{
    return {std::clamp(top, 0.0, maxTop), std::clamp(left, 0.0, maxLeft)};
}

Margins PageSetup::effectiveMargins() const
{
    const Margins m = margins.nonNegative();
    const PageOffsets o = PageOffsets::clamped(offsets.top, offsets.left);
    return Margins{m.left + o.left, m.top + o.top, m.right - o.left, m.bottom - o.top}.nonNegative();
}

QRectF PageSetup::contentRect() const
{
    const Margins m = effectiveMargins();
    const QSizeF size = paper.sizeMm();
    const double width = std::max(0.0, size.width() - m.left - m.right);
    const double height = std::max(0.0, size.height() - m.top - m.bottom);
    return QRectF(m.left, m.top, width, height);
}

} // namespace Printing
