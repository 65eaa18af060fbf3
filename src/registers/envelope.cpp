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

Printing::Page envelopePage(const EnvelopeContent &content)
{
    Printing::PageSetup setup;
    setup.paper = Printing::Paper::a4();
    setup.margins = {10, 10, 10, 10};
    Printing::Page page(setup);
    const QPointF o = page.content().topLeft();

    page.addText(QRectF(o + QPointF(0, 0), QSizeF(120, 9)), content.senderName, Printing::Font::heading(14, true));
    page.addText(QRectF(o + QPointF(0, 9), QSizeF(150, 6)), content.senderAddress, Printing::Font::body(9));

    Printing::Font pleaseSend = Printing::Font::body(16, true);
    pleaseSend.italic = true;
    page.addText(QRectF(o + QPointF(70, 100), QSizeF(60, 10)), content.pleaseSend, pleaseSend);
    double y = 112;
    for (const QString &line : content.recipient) {
        page.addText(QRectF(o + QPointF(85, y), QSizeF(105, 8)), line, Printing::Font::body(14));
        y += 8;
    }
    return page;
}

} // namespace Registers
