#pragma once

#include <QString>

// What the login window says to the user.
namespace App::LoginMessages {

inline QString caption() { return QStringLiteral(" รหัสผ่าน  ( Username = admin     Password = 9640 )"); }
inline QString greeting(const QString &positionName) { return QStringLiteral("Hello ") + positionName; }
inline QString levelNote() { return QStringLiteral("1  Admin    2 หัวหน้างาน ..3...4.... 5 พนักงานหน้า Counter "); }
inline QString emptyUserName() { return QStringLiteral("กรุณาใส่ User Name"); }
inline QString emptyPassword() { return QStringLiteral("กรุณาใส่ Password สำหรับผู้ใช้งานใหม่"); }
inline QString duplicateUserName() { return QStringLiteral("User Name นี้มีอยู่แล้ว กรุณาใช้ชื่ออื่น"); }
inline QString accountsUnavailable() { return QStringLiteral("เปิดข้อมูลผู้ใช้งานไม่ได้"); }
inline QString saveFailed() { return QStringLiteral("บันทึกข้อมูลผู้ใช้งานไม่ได้"); }

} // namespace App::LoginMessages
