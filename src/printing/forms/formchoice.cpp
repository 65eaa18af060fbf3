#include "printing/forms/formchoice.h"

namespace Forms {

QString formClassName(FormId form)
{
    switch (form) {
    case FormId::DO9s: return QStringLiteral("TPrnDO9s");
    case FormId::DO8: return QStringLiteral("TPrnDO8");
    case FormId::DO4s: return QStringLiteral("TPrnDO4s");
    case FormId::DO9: return QStringLiteral("TPrnDO9");
    case FormId::DO2: return QStringLiteral("TPrnDO2");
    case FormId::DO1: return QStringLiteral("TPrnDO1");
    case FormId::DOSpecial: return QStringLiteral("TPrnDOSpecial");
    case FormId::RR: return QStringLiteral("TPrn_RR");
    case FormId::ORD3: return QStringLiteral("TPrnORD3");
    case FormId::QUO3: return QStringLiteral("TPrnQUO3");
    }
    return QString();
}

std::optional<FormChoice> chooseForm(int printMode, int kind, const QString &line5,
                                     const QString &view1)
{
    // Purchase orders and quotations have one button and are always previewed.
    if (printMode == 5)
        return kind == 1 ? std::optional(FormChoice{FormId::ORD3, Output::Preview}) : std::nullopt;
    if (printMode == 6)
        return kind == 1 ? std::optional(FormChoice{FormId::QUO3, Output::Preview}) : std::nullopt;

    const bool buttonActs = (printMode == 1 && (kind == 1 || kind == 2))
        || (printMode == 2 && (kind == 0 || kind == 1 || kind == 2));
    if (!buttonActs)
        return std::nullopt;

    Output output;
    if (view1 == QLatin1String("0"))
        output = Output::Preview;
    else if (view1 == QLatin1String("1"))
        output = Output::Print;
    else
        return std::nullopt;

    FormId form;
    if (line5 == QLatin1String("0"))
        form = FormId::DO9s;
    else if (line5 == QLatin1String("1"))
        form = FormId::DO8;
    else if (line5 == QLatin1String("2"))
        form = FormId::DO4s;
    else if (line5 == QLatin1String("3"))
        form = FormId::DO9;
    else if (line5 == QLatin1String("4"))
        form = FormId::DO2;
    else if (line5 == QLatin1String("5"))
        form = FormId::DO1;
    else if (line5 == QLatin1String("6"))
        form = kind == 1 ? FormId::DOSpecial : kind == 2 ? FormId::DO8 : FormId::RR;
    else
        return std::nullopt;
    return FormChoice{form, output};
}

} // namespace Forms
