#pragma once

#include <QString>

// Texts of the tools area.
namespace Tools::Messages {

inline QString code39Caption() { return QStringLiteral(" พิมพ์ Barcode"); }
inline QString ean13Caption() { return QStringLiteral(" พิมพ์ Barcode EAN 13"); }
inline QString ean13Only13() { return QStringLiteral("รหัส EAN 13 ขนาด 13 หลัก เท่านั้น ..."); }
inline QString noCodeForLabels() { return QStringLiteral("ไม่มีรหัสสินค้าสำหรับพิมพ์บาร์โค๊ด"); }

} // namespace Tools::Messages
