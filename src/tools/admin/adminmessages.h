#pragma once

#include <QString>

// Texts of velmora-admin.
namespace Admin::Messages {

inline QString usage()
{
    return QStringLiteral("ใช้งาน / usage: velmora-admin <คำสั่ง / command>\n"
                          "  init          สร้างตารางและข้อมูลเริ่มต้น / create the tables and initial records\n"
                          "  check         ตรวจสอบฐานข้อมูลและโครงสร้างตาราง / check integrity and table layouts\n"
                          "  backup FILE   สำรองข้อมูลไปยังแฟ้ม FILE / copy the database into FILE\n"
                          "  demo --documents N   ใส่ข้อมูลตัวอย่าง / fill an empty database with demo data\n"
                          "ฐานข้อมูล velm30: ตัวแปร VELM30, แฟ้ม ~/.config/velmora/velm30.alias "
                          "หรือ ~/.local/share/velmora/velm30.db");
}
inline QString unknownCommand(const QString &c) { return QStringLiteral("ไม่รู้จักคำสั่ง / unknown command: %1").arg(c); }
inline QString alreadyHasTables(const QString &where)
{
    return QStringLiteral("ฐานข้อมูล velm30 (%1) มีตารางอยู่แล้ว ไม่สร้างซ้ำ / already has tables, left untouched").arg(where);
}
inline QString initDone(const QString &where)
{
    return QStringLiteral("สร้างตารางและข้อมูลเริ่มต้นใน velm30 (%1) เรียบร้อย / created").arg(where);
}
inline QString checkOk(const QString &where)
{
    return QStringLiteral("ฐานข้อมูล velm30 (%1) ถูกต้อง / ok").arg(where);
}
inline QString checkFailed(int n)
{
    return QStringLiteral("พบความแตกต่าง %1 รายการ / %1 difference(s) found").arg(n);
}
inline QString backupUsage() { return QStringLiteral("ใช้งาน / usage: velmora-admin backup FILE"); }
inline QString backupDone(const QString &file) { return QStringLiteral("สำรองข้อมูลไปที่ %1 เรียบร้อย / backup written").arg(file); }
inline QString backupFailed(const QString &why) { return QStringLiteral("สำรองข้อมูลไม่สำเร็จ / backup failed: %1").arg(why); }

} // namespace Admin::Messages
