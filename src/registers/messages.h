#pragma once

#include <QString>

// Every text the register windows show the user, in one place so tests can
// compare them exactly.
namespace Registers::Messages {

inline QString customerCaption() { return QStringLiteral(" ทะเบียนลูกค้า"); }
inline QString supplierCaption() { return QStringLiteral(" ทะเบียนผู้ขาย"); }
inline QString salespersonCaption() { return QStringLiteral(" ทะเบียนพนักงานขาย"); }
inline QString productCaption() { return QStringLiteral(" ทะเบียน สินค้า อะไหล่ และค่าบริการ"); }
inline QString priceLevelCaption() { return QStringLiteral(" ระดับราคาสินค้า"); }

inline QString duplicateCode() { return QStringLiteral("รหัสข้อมูลซ้ำ ..."); }
inline QString noCustomerCode() { return QStringLiteral("ไม่มีข้อมูลรหัสลูกค้า ... "); }
inline QString creditTermInvalid() { return QStringLiteral("ข้อมูลเครดิตไม่ถูกต้อง"); }
inline QString productIncomplete() { return QStringLiteral("ข้อมูลไม่ครบ ...."); }
inline QString deleteQuestion() { return QStringLiteral("ต้องการลบข้อมูลนี้ ?"); }
inline QString ean13Only13() { return QStringLiteral("รหัส EAN 13 ขนาด 13 หลัก เท่านั้น ..."); }
inline QString priceLevelsIncomplete() { return QStringLiteral("ข้อมูลไม่ครบ ไม่สามารถบันทึกได้"); }

// Texts of our own, for input the original left to a generic error box.
inline QString notANumber(const QString &label)
{
    return QStringLiteral("ข้อมูล \"") + label + QStringLiteral("\" ต้องเป็นตัวเลข");
}
inline QString code39Unsupported()
{
    return QStringLiteral("รหัสนี้พิมพ์เป็นบาร์โค๊ด Code 39 ไม่ได้\n"
                          "ใช้ได้เฉพาะตัวเลข 0-9 ตัวอักษรอังกฤษ A-Z ช่องว่าง และ - . $ / + %");
}
inline QString codeEmptyForLabels() { return QStringLiteral("ไม่มีรหัสสินค้าสำหรับพิมพ์บาร์โค๊ด"); }
inline QString databaseError(const QString &detail)
{
    return QStringLiteral("บันทึกข้อมูลไม่ได้\n") + detail;
}
inline QString cannotOpen(const QString &detail)
{
    return QStringLiteral("เปิดฐานข้อมูลไม่ได้\n") + detail;
}

} // namespace Registers::Messages
