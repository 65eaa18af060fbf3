#pragma once

#include <QString>

// Every text the document window shows to the user, in one place so tests can
// compare them exactly.
namespace Documents::Messages {

inline QString numberingFailed() { return QStringLiteral(" ยังไม่สามารถกำหนดเลขที่ใบสำคัญตอนนี้ได้ ... รอสักครู่ และดำเนินการใหม่อีกครั้ง"); }
inline QString firstNumberTitle() { return QStringLiteral("กำหนดเลขที่ใบสำคัญครั้งแรก"); }
inline QString firstNumberPrompt() { return QStringLiteral("เลขจำนวน 6 หลัก เช่น 001007 ค่าโดยปริยาย 000001"); }
inline QString firstNumberDefault() { return QStringLiteral("000001"); }
inline QString firstNotDigits() { return QStringLiteral("ต้องเป็นตัวเลข จำนวน 6 หลัก ยกเลิกแล้วเริ่มต้นใหม่ นะ."); }
inline QString firstNotSix() { return QStringLiteral("ไม่ครบ 6 หลัก ยกเลิกแล้วเริ่มต้นใหม่ นะ."); }

inline QString partyNotFound() { return QStringLiteral("ไม่พบ รหัสลูกค้านี้.."); }
inline QString dateInvalidOnLeave() { return QStringLiteral("ข้อมูล วันที่ ไม่ถูกต้อง "); }

inline QString saveNoSalesperson() { return QStringLiteral("ข้อมูล พนักงาน ไม่ถูกต้อง"); }
inline QString saveBadDate() { return QStringLiteral("ข้อมูล วันที่ ไม่ถูกต้อง"); }
inline QString saveTermEmpty() { return QStringLiteral("กำหนดชำระ ไม่ถูกต้อง ไม่สามารถบันทึกได้ "); }
inline QString saveTermUnknown() { return QStringLiteral("กำหนดชำระ ไม่ถูกต้อง ไม่สามารถบันทึกได้"); }
inline QString saveNoParty() { return QStringLiteral("ขาดรายละเอียดลูกค้า ไม่สามรถบันทึกได้ "); }
inline QString saveNoTax() { return QStringLiteral("ขาดรายละเอียดภาษี ไม่สามรถบันทึกได้ "); }
inline QString saveDateDetail() { return QStringLiteral("รายละเอียดข้อมูลวันที่ ไม่สามรถบันทึกได้ "); }
inline QString saveFailed() { return QStringLiteral("ขณะนี้ ระบบไม่สามารถบันทึกข้อมูลได้ กรุณาทำรายการนี้ใหม่ อีกครั้ง ..."); }

inline QString billDiscountUnreadable() { return QStringLiteral("กำลัง Initial ระบบ สำหรับข้อมูลเริ่มต้นเท่านั้น ..."); }

inline QString productNotFound() { return QStringLiteral(" ไม่พบรายการนี้ .."); }
inline QString notEnoughStock() { return QStringLiteral("จำนวนไม่พอ..."); }
inline QString badNumber() { return QStringLiteral("ตัวเลข...ไม่ถูกต้อง "); }
inline QString nothingLookedUp() { return QStringLiteral("ยังไม่ได้เลือกสินค้า กด Enter ที่ช่องรหัสสินค้าก่อน"); }
inline QString deleteLineQuestion() { return QStringLiteral("ต้องการลบข้อมูลนี้นี้  ?"); }
inline QString deletePlain() { return QStringLiteral("ลบ แบบ ธรรมดา"); }
inline QString noStockTracking() { return QStringLiteral("ไม่ตัด Stock"); }

inline QString quickAddFailed() { return QStringLiteral("บันทึกข้อมูลใหม่ไม่ได้ รหัสนี้มีอยู่แล้ว หรือข้อมูลไม่ถูกต้อง"); }
inline QString quickAddNoCode() { return QStringLiteral("ต้องใส่รหัส ไม่เกิน 5 หลัก"); }
inline QString readFailed() { return QStringLiteral("ขณะนี้ ระบบไม่สามารถอ่านข้อมูลได้ กรุณาลองใหม่อีกครั้ง"); }

inline QString drawerOpenFailed(const QString &port, const QString &why)
{
    return QStringLiteral("เปิดพอร์ต %1 ไม่ได้ ลิ้นชักเก็บเงินไม่เปิด (%2)").arg(port, why);
}
inline QString drawerWriteFailed(const QString &port, const QString &why)
{
    return QStringLiteral("ส่งคำสั่งไปที่พอร์ต %1 ไม่สำเร็จ ลิ้นชักเก็บเงินไม่เปิด (%2)").arg(port, why);
}

} // namespace Documents::Messages
