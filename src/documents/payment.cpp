#include "documents/payment.h"

#include "text/money.h"
#include "text/numberinput.h"

namespace Documents {

std::optional<qint64> changeDue(const QString &moneyText, qint64 sum)
{
    const std::optional<Text::Money> m = Text::ReadMoney(moneyText);
    if (!m)
        return std::nullopt;
    return m->units() - sum;
}

QString formatAmount(qint64 v)
{
    return Text::FormatNumber(Text::Money::fromUnits(v), u"##,###,##0.00");
}

QString formatPanelAmount(qint64 v)
{
    return Text::FormatNumber(Text::Money::fromUnits(v), u"###,###,##0.00");
}

int drawerPort(const QString &comPort)
{
    return comPort == QLatin1String("2") ? 2 : 1;
}

} // namespace Documents
