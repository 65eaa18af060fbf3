#pragma once

#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace Printing {

// A sheet size, always portrait. The short form is its own exact size so that
// printer drivers never swap it for a near match.
class Paper
{
public:
    enum class Kind { Letter, A4, ShortForm };

    static Paper letter();
    static Paper a4();
    static Paper shortForm();

    Kind kind() const { return m_kind; }
    QPageSize pageSize() const;
    QSizeF sizeMm() const;
    QString name() const;

    bool operator==(const Paper &other) const { return m_kind == other.m_kind; }

private:
    explicit Paper(Kind kind) : m_kind(kind) {}
    Kind m_kind;
};

// Millimetres; a margin is never negative.
struct Margins
{
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    Margins nonNegative() const;
};

// Whole-page shift from the settings, kept inside the ranges the printers allow.
struct PageOffsets
{
    double top = 0;
    double left = 0;

    static constexpr double maxTop = 50;
    static constexpr double maxLeft = 30;
    static PageOffsets clamped(double top, double left);
};

// Paper, margins and offsets: where the content of a page may go.
struct PageSetup
{
    Paper paper = Paper::letter();
    Margins margins;
    PageOffsets offsets;

    // Margins once the offsets are applied: the offsets push the content right
    // and down, eating into the right and bottom margins but never below zero.
    Margins effectiveMargins() const;
    QRectF contentRect() const;
};

} // namespace Printing
