#pragma once

#include <QString>

#include <optional>

namespace Forms {

// The ten document forms, named after their classes.
enum class FormId {
    DO9s,      // TPrnDO9s: half page, product codes
    DO8,       // TPrnDO8: long page, product codes, detail rows
    DO4s,      // TPrnDO4s: half page, line numbers
    DO9,       // TPrnDO9: long page, line numbers, detail rows
    DO2,       // TPrnDO2: bilingual long page, product codes
    DO1,       // TPrnDO1: bilingual long page, line numbers
    DOSpecial, // TPrnDOSpecial: layout 7, first button
    RR,        // TPrn_RR: layout 7, document set
    ORD3,      // TPrnORD3: purchase order
    QUO3,      // TPrnQUO3: quotation
};

QString formClassName(FormId form);

enum class Output { Preview, Print };

struct FormChoice
{
    FormId form;
    Output output;
    bool operator==(const FormChoice &) const = default;
};

// Which form a print command uses and whether it is previewed or printed
// straight away. printMode is DocPrintMode (6 for a quotation), kind is
// DocKind (1 first, 2 second, 0 third button). No value: the command does
// nothing (an unknown layout or output choice, or a button that has no form).
std::optional<FormChoice> chooseForm(int printMode, int kind, const QString &line5,
                                     const QString &view1);

} // namespace Forms
