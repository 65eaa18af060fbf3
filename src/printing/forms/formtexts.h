#pragma once

#include <QString>
#include <QStringList>

// Every caption and message the document forms print or show, in one place so
// tests compare the exact text.
namespace Forms::Tx {

inline const QString DeliveryTitle = QStringLiteral("ใบส่งของ");
inline const QString DeliverySubtitle = QStringLiteral("DELIVERY ORDER");
inline const QString ReceiptTitle = QStringLiteral("ใบเสร็จรับเงิน");
inline const QString ReceiptSubtitle = QStringLiteral("RECEIPT");
inline const QString TaxInvoiceTitle = QStringLiteral("ใบส่งสินค้า/ใบกำกับภาษี");
inline const QString TaxInvoiceSubtitle = QStringLiteral("TAX INVOICE");
inline const QString ReceiptTaxInvoiceTitle = QStringLiteral("ใบเสร็จรับเงิน/ใบกำกับภาษี");
inline const QString ReceiptTaxInvoiceSubtitle = QStringLiteral("RECEIPT/TAX INVOICE");
inline const QString TempDeliveryTitle = QStringLiteral("ใบส่งของชั่วคราว");
inline const QString TempDeliverySubtitle = QStringLiteral("TEMP DELIVERY ORDER");
inline const QString TaxInvoiceAndTitle = QStringLiteral("ใบส่งสินค้าและใบกำกับภาษี");
inline const QString BookingTitle = QStringLiteral("ใบสั่งจองสินค้า");
inline const QString OrderTitle = QStringLiteral("ใบสั่งซื้อ");
inline const QString OrderSubtitle = QStringLiteral("ORDER");
inline const QString QuotationTitle = QStringLiteral("ใบเสนอราคา");
inline const QString QuotationSubtitle = QStringLiteral("Quotation");

inline const QString TelLead = QStringLiteral(" Tel. ");
inline const QString FaxLead = QStringLiteral(" Fax. ");
inline const QString EmailLead = QStringLiteral(" Email : ");
inline const QString TaxIdCaption = QStringLiteral("เลขประจำตัวผู้เสียภาษี  ");

inline const QString CustomerCode = QStringLiteral("รหัสลูกค้า");
inline const QString CustomerName = QStringLiteral("ชื่อลูกค้า");
inline const QString SupplierCode = QStringLiteral("รหัสผู้ขาย");
inline const QString Supplier = QStringLiteral("ผู้ขาย");
inline const QString BuyerCode = QStringLiteral("รหัสผู้ซื้อ");
inline const QString Buyer = QStringLiteral("ผู้ซื้อ");
inline const QString Address = QStringLiteral("ที่อยู่");
inline const QString Reference = QStringLiteral("อ้างถึง");
inline const QString Date = QStringLiteral("วันที่");
inline const QString Number = QStringLiteral("เลขที่");
inline const QString Salesperson = QStringLiteral("พนักงานขาย");
inline const QString Term = QStringLiteral("กำหนดชำระเงิน");
inline const QString DueDate = QStringLiteral("วันครบกำหนด");

inline const QString ColCode = QStringLiteral("รหัสสินค้า");
inline const QString ColCodeShort = QStringLiteral("รหัส");
inline const QString ColCodeEnglish = QStringLiteral("PRODUCT_CODE");
inline const QString ColLineNo = QStringLiteral("ลำดับที่");
inline const QString ColLineNoShort = QStringLiteral("ลำดับ");
inline const QString ColLineNoBilingual = QStringLiteral("ที่");
inline const QString ColLineNoEnglish = QStringLiteral("NO.");
inline const QString ColName = QStringLiteral("รายการ");
inline const QString ColQty = QStringLiteral("จำนวน");
inline const QString ColUnit = QStringLiteral("หน่วย");
inline const QString ColUnitPrice = QStringLiteral("ราคา/หน่วย");
inline const QString ColDiscount = QStringLiteral("ลด%");
inline const QString ColAmount = QStringLiteral("จำนวนเงิน");

inline const QString SumCaption = QStringLiteral("รวมเงิน ");
inline const QString DiscountCaption = QStringLiteral("ส่วนลด");
inline const QString AfterDiscountCaption = QStringLiteral("ราคาหลังหักส่วนลด");
inline const QString TaxCaption = QStringLiteral("ภาษี [VAT]");
inline const QString TaxRateCaption = QStringLiteral("อัตราภาษี");
inline const QString TaxRateEnglish = QStringLiteral("TAX RATE");
inline const QString TaxBilingualCaption = QStringLiteral("ภาษี  [ VAT ]");
inline const QString GrandCaption = QStringLiteral("รวมเงินทั้งสิ้น");

inline const QString ReceivedNote = QStringLiteral("** ได้รับสินค้าตามรายการข้างบนนี้แล้ว");
inline const QString OrderNote = QStringLiteral("** โปรดจัดส่งสินค้าตามรายการข้างต้น");
inline const QString QuotationNote = QStringLiteral("** ");

inline QStringList paymentBlock()
{
    return {QStringLiteral("ชำระเงินโดย"),
            QStringLiteral("( ในกรณีชำระด้วยเช็ค โปรดสั่งจ่ายและขีดคร่อมในนาม บริษัทฯ เท่านั้น )"),
            QStringLiteral("(  ) เงินสด"),
            QStringLiteral("(  ) บัตรเครดิต  ..............................................................................................................."),
            QStringLiteral("(  ) เช็คธนาคาร ......................... สาขา .................. เลขที่ ................ ลงวันที่ ................")};
}

inline const QString SignReceiver = QStringLiteral("ผู้รับของ");
inline const QString SignReceiverEnglish = QStringLiteral("RECEIVER");
inline const QString SignSender = QStringLiteral("ผู้ส่งของ");
inline const QString SignSenderEnglish = QStringLiteral("SENDER");
inline const QString SignCollector = QStringLiteral("ผู้รับเงิน");
inline const QString SignCollectorEnglish = QStringLiteral("COLLECTION");
inline const QString SignManager = QStringLiteral("ผู้จัดการ");
inline const QString SignOrderer = QStringLiteral("ผู้สั่งซื้อ");
inline const QString SignApprover = QStringLiteral("ผู้อนุมัติ");
inline const QString SignQuoter = QStringLiteral("ผู้เสนอราคา");

// Messages of the print pipeline.
inline const QString DocumentNotFound = QStringLiteral("ไม่พบเอกสารเลขที่ %1 ที่จะพิมพ์");
inline const QString AmountOutOfRange = QStringLiteral("จำนวนเงินในเอกสารเกินขอบเขตที่พิมพ์ได้");
inline const QString LoadFailed = QStringLiteral("อ่านข้อมูลเอกสารเพื่อพิมพ์ไม่สำเร็จ: %1");
inline const QString PrintFailed = QStringLiteral("พิมพ์เอกสารไม่สำเร็จ: %1");

} // namespace Forms::Tx
