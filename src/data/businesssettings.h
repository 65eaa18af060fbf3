#pragma once

#include <QByteArray>
#include <QString>

namespace Data {

// The one record of Orvansys as the program uses it. Texts are kept exactly as
// stored; the fields the program never reads stay untouched in the table.
struct BusinessSettings
{
    QString name;        // OF_NAME
    QString address1;    // OF_ADD1
    QString address2;    // OF_ADD2
    QString address3;    // OF_ADD3, not shown
    QString province;    // OF_ADD4
    QString zip;         // OF_ZIP
    QString taxId;       // OF_TAXID
    QString tel;         // OF_TEL
    QString fax;         // OF_FAX
    QString email;       // OF_EMAIL
    QString bankAccount; // APP_AC

    // PREFIX1..PREFIX9; index 0 is PREFIX1. PREFIX5 is kept but not shown.
    QString prefix[9];

    QString line1;     // "0" forms, "1" plain paper
    QString line2;
    QString line3;     // installment receipt: "0" form, "1" custom
    QString line4;     // "0" no logo, "1" logo
    QString line5;     // "0".."6" document layout
    QString view1;     // "0" preview first, "1" print at once
    QString comPort;   // "2" COM2, otherwise COM1
    QString printDay;  // "0" no due date, "1" due date on sale documents

    double prnTop = 0.0;   // millimetres
    double prnLeft = 0.0;  // millimetres

    QByteArray logo;   // OF_LOGO, PNG bytes (empty: no picture)

    const QString &prefixOf(int series) const { return prefix[series - 1]; }
    QString &prefixOf(int series) { return prefix[series - 1]; }
};

} // namespace Data
