#include "registers/terms.h"

namespace Registers {

const QStringList &creditTerms()
{
    static const QStringList terms = {
        QStringLiteral("สด"),     QStringLiteral("3 ว."),  QStringLiteral("7 ว."),  QStringLiteral("15 ว."),
        QStringLiteral("30 ว."),  QStringLiteral("45 ว."), QStringLiteral("60 ว."), QStringLiteral("90 ว."),
        QStringLiteral("120 ว."), QStringLiteral("0 ด."),  QStringLiteral("1 ด."),  QStringLiteral("2 ด."),
        QStringLiteral("3 ด."),   QStringLiteral("4 ด."),  QStringLiteral("5 ด."),  QStringLiteral("6 ด."),
    };
    return terms;
}

bool isCreditTerm(const QString &text)
{
    return creditTerms().contains(text);
}

const QStringList &warrantyTerms()
{
    static const QStringList terms = {
        QString(),               QStringLiteral("3 ว."),   QStringLiteral("7 ว."),   QStringLiteral("30 ว."),
        QStringLiteral("45 ว."), QStringLiteral("90 ว."),  QStringLiteral("120 ว."), QStringLiteral("180 ว."),
        QStringLiteral("1 ด."),  QStringLiteral("2 ด."),   QStringLiteral("3 ด."),   QStringLiteral("4 ด."),
        QStringLiteral("5 ด."),  QStringLiteral("6 ด."),   QStringLiteral("1 ป."),   QStringLiteral("2 ป."),
        QStringLiteral("3 ป."),  QStringLiteral("5 ป."),
    };
    return terms;
}

} // namespace Registers
