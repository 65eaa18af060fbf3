#pragma once

#include "printing/page.h"

#include <QString>

#include <optional>

namespace Tools {

enum class LabelKind { Code39, Ean13 };

// A sheet of 30 labels for one product, or why it cannot be printed.
struct LabelSheet
{
    std::optional<Printing::Page> page;
    QString error;
};

inline constexpr int labelColumns = 3;
inline constexpr int labelRows = 10;

// The code and name are those of the window that asked, as typed there.
// EAN-13 takes exactly 13 digits ending in the right check digit; Code 39
// refuses what it cannot encode (Thai letters) instead of printing bars of
// nothing.
LabelSheet labelSheet(LabelKind kind, const QString &code, const QString &name);

QString sheetCaption(LabelKind kind);

} // namespace Tools
