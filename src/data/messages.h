#pragma once

#include <QString>

// Texts the data layer shows to users.
namespace Data::Messages {

inline QString openFailed(const QString &where, const QString &reason)
{
    return QStringLiteral("ไม่สามารถเปิดฐานข้อมูล velm30 (%1) : %2").arg(where, reason);
}
inline QString folderMissing(const QString &dir) { return QStringLiteral("ไม่พบโฟลเดอร์ %1").arg(dir); }
inline QString fileMissing(const QString &file) { return QStringLiteral("ไม่พบแฟ้มฐานข้อมูล %1").arg(file); }
inline QString fileReadOnly(const QString &file)
{
    return QStringLiteral("แฟ้ม %1 เป็นแบบอ่านอย่างเดียว บันทึกข้อมูลไม่ได้").arg(file);
}
inline QString folderReadOnly(const QString &dir)
{
    return QStringLiteral("โฟลเดอร์ %1 ไม่อนุญาตให้เขียน บันทึกข้อมูลไม่ได้").arg(dir);
}
inline QString cannotCreateFolder(const QString &dir) { return QStringLiteral("สร้างโฟลเดอร์ %1 ไม่ได้").arg(dir); }
inline QString badAddress() { return QStringLiteral("ที่อยู่ฐานข้อมูลไม่ถูกต้อง"); }
inline QString noDriver(const QString &driver) { return QStringLiteral("ไม่มีตัวเชื่อมต่อฐานข้อมูล %1").arg(driver); }
inline QString serverUnreachable(const QString &detail)
{
    return QStringLiteral("ติดต่อเซิร์ฟเวอร์ PostgreSQL ไม่ได้ : %1").arg(detail);
}
inline QString loginRefused(const QString &detail)
{
    return QStringLiteral("ชื่อผู้ใช้หรือรหัสผ่านของฐานข้อมูลไม่ถูกต้อง : %1").arg(detail);
}
inline QString notADatabase(const QString &detail) { return QStringLiteral("ไม่ใช่แฟ้มฐานข้อมูล หรือแฟ้มเสียหาย : %1").arg(detail); }
inline QString noTables()
{
    return QStringLiteral("ยังไม่มีตารางข้อมูล (สร้างได้ด้วยคำสั่ง velmora-admin init)");
}

} // namespace Data::Messages
