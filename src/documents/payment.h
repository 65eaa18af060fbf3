#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace Documents {

// The change shown by the payment panel: money handed over less the grand
// total, in ten-thousandths; nothing when the money box is not a number.
std::optional<qint64> changeDue(const QString &moneyText, qint64 sumTenThousandths);

// Amounts as the window shows them.
QString formatAmount(qint64 tenThousandths);          // "##,###,##0.00"
QString formatPanelAmount(qint64 tenThousandths);     // "###,###,##0.00"

// "1" and "2" name COM1 and COM2; anything else is COM1.
int drawerPort(const QString &comPort);

} // namespace Documents
