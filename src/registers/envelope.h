#pragma once

#include "data/businesssettings.h"
#include "printing/page.h"
#include "registers/record.h"

#include <QString>
#include <QStringList>

namespace Registers {

// What an addressed envelope says, before it is laid out.
struct EnvelopeContent
{
    QString senderName;      // the business name, surrounding blanks removed
    QString senderAddress;   // one line in small type; blank parts left out
    QString pleaseSend;      // the bold italic words above the addressee
    QStringList recipient;   // name, address 1, address 2, province and zip
};

EnvelopeContent envelopeContent(const Data::BusinessSettings &business, const Record &customer);

// One envelope page: A4 portrait, 10 mm margins, the sender top left and the
// addressee right of centre.
Printing::Page envelopePage(const EnvelopeContent &content);

} // namespace Registers
