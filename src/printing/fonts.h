#pragma once

#include <QFont>
#include <QStringList>
#include <QString>

namespace Printing {

enum class FontRole { Body, Heading };

// A font as a page describes it; sizes are points on the paper.
struct Font
{
    FontRole role = FontRole::Body;
    QString family;          // overrides the role's family when set
    double pointSize = 10;
    bool bold = false;
    bool italic = false;

    static Font body(double pointSize = 10, bool bold = false);
    static Font heading(double pointSize = 14, bool bold = true);
};

// The TLWG families used on paper, fixed so printouts match on every machine.
QString bodyFamily();
QString headingFamily();

QString familyOf(const Font &font);
// Unhinted, so widths measured at one resolution hold at every other.
QFont toQFont(const Font &font);

} // namespace Printing
