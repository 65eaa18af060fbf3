#pragma once

#include <QString>

// What the settings window says to the user.
namespace Data::SettingsMessages {

inline QString prefixNotFour() { return QStringLiteral("ข้อมูลหมวดนำหน้าไม่ครบ 4 หลัก"); }
inline QString restartNeeded()
{
    return QStringLiteral("ต้องปิดโปรแกรมนี้ก่อน เมื่อเปิดขึ้นมาใหม่ค่าที่กำหนด จึงจะมีผล ");
}
inline QString prnTopOutOfRange()
{
    return QStringLiteral("ระยะพิมพ์กั้นบน ต้องเป็นตัวเลขตั้งแต่ 0.00 ถึง 50.00");
}
inline QString prnLeftOutOfRange()
{
    return QStringLiteral("ระยะพิมพ์กั้นซ้าย ต้องเป็นตัวเลขตั้งแต่ 0.00 ถึง 30.00");
}
inline QString noPictureOnClipboard() { return QStringLiteral("ไม่มีรูปภาพในคลิปบอร์ด กรุณาคัดลอกรูปโลโก้ก่อน"); }
inline QString loadFailed() { return QStringLiteral("อ่านข้อมูลสถานประกอบการไม่ได้"); }
inline QString saveFailed() { return QStringLiteral("บันทึกข้อมูลสถานประกอบการไม่ได้"); }
inline QString seriesCheckFailed() { return QStringLiteral("ตรวจสอบเลขที่ใบสำคัญไม่ได้"); }

} // namespace Data::SettingsMessages
