#include "registers/envelope.h"

namespace Registers {

EnvelopeContent envelopeContent(const Data::BusinessSettings &business, const Record &customer)
{
    EnvelopeContent c;
    c.senderName = business.name.trimmed();
    QStringList parts;
    for (const QString &part : {business.address1, business.address2, business.province, business.zip}) {
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    }
    c.senderAddress = parts.join(QLatin1Char(' '));
    c.pleaseSend = QStringLiteral("กรุณาส่ง");
    c.recipient << customer.text(QStringLiteral("CUST_NAME")) << customer.text(QStringLiteral("CUST_ADD1"))
                << customer.text(QStringLiteral("CUST_ADD2"))
                << customer.text(QStringLiteral("CUST_ADD4")) + QLatin1Char(' ') + customer.text(QStringLiteral("CUST_ZIP"));
    return c;
}

} // namespace Registers
