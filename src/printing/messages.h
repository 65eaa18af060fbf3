#pragma once

#include <QString>

// Every text the print engine shows to a user.
namespace Printing::Messages {

inline QString barcodeEmpty() { return QStringLiteral("ไม่มีรหัสสำหรับพิมพ์บาร์โค้ด"); }
inline QString code39BadCharacters()
{
    return QStringLiteral("รหัสบาร์โค้ด Code 39 ใช้ได้เฉพาะตัวเลข ตัวอักษรภาษาอังกฤษ ช่องว่าง และเครื่องหมาย - . $ / + %");
}
inline QString code39TooLong() { return QStringLiteral("รหัสบาร์โค้ด Code 39 ยาวเกิน 80 ตัวอักษร"); }
inline QString ean13NotThirteenDigits() { return QStringLiteral("รหัสบาร์โค้ด EAN-13 ต้องเป็นตัวเลข 13 หลัก"); }
inline QString ean13WrongCheckDigit(int expected)
{
    return QStringLiteral("หลักตรวจสอบของรหัส EAN-13 ไม่ถูกต้อง (หลักสุดท้ายควรเป็น %1)").arg(expected);
}
inline QString barcodeRefused(const QString &reason)
{
    return QStringLiteral("พิมพ์บาร์โค้ดไม่ได้: %1").arg(reason);
}

inline QString pdfCannotWrite(const QString &path)
{
    return QStringLiteral("บันทึกไฟล์ PDF ไม่ได้: %1").arg(path);
}
inline QString noPages() { return QStringLiteral("ไม่มีหน้าที่จะพิมพ์"); }
inline QString printerUnavailable() { return QStringLiteral("ไม่พบเครื่องพิมพ์ที่ใช้งานได้"); }
inline QString printFailed() { return QStringLiteral("พิมพ์ไม่สำเร็จ"); }

// Preview window.
inline QString previewTitle() { return QStringLiteral("ตัวอย่างก่อนพิมพ์"); }
inline QString previewPrint() { return QStringLiteral("พิมพ์"); }
inline QString previewSavePdf() { return QStringLiteral("บันทึกเป็น PDF"); }
inline QString previewClose() { return QStringLiteral("ปิด"); }
inline QString previewZoomIn() { return QStringLiteral("ขยาย"); }
inline QString previewZoomOut() { return QStringLiteral("ย่อ"); }
inline QString previewFitPage() { return QStringLiteral("พอดีหน้า"); }
inline QString previewFirst() { return QStringLiteral("หน้าแรก"); }
inline QString previewPrevious() { return QStringLiteral("ก่อนหน้า"); }
inline QString previewNext() { return QStringLiteral("ถัดไป"); }
inline QString previewLast() { return QStringLiteral("หน้าสุดท้าย"); }
inline QString previewPageOf(int page, int count)
{
    return QStringLiteral("หน้า %1 / %2").arg(page).arg(count);
}
inline QString previewSavePdfCaption() { return QStringLiteral("บันทึกเป็น PDF"); }
inline QString previewPdfFilter() { return QStringLiteral("ไฟล์ PDF (*.pdf)"); }
inline QString pdfSaved(const QString &path) { return QStringLiteral("บันทึกไฟล์ PDF แล้ว: %1").arg(path); }

} // namespace Printing::Messages
