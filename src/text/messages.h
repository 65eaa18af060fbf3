#pragma once

#include <QString>

// Messages shown by the text routines, kept together so tests compare the
// exact texts.
namespace Text::Messages {

inline const QString DateIncomplete = QStringLiteral("ข้อมูล วัน เดือน ปี  ไม่ครบ");
inline const QString DateWrong = QStringLiteral("ข้ อ ม ู ล วัน เดือน ปี ผิด ต้องตรวจสอบทันที");
inline const QString NotANumber = QStringLiteral("ตัวเลข...ไม่ถูกต้อง ");

} // namespace Text::Messages
