#include "documents/modes.h"

#include <QHash>

namespace Documents {
namespace {

QHash<int, ModeInfo> buildModes()
{
    QHash<int, ModeInfo> m;
    const QString customerCode = QStringLiteral("รหัสลูกค้า");
    const QString customerName = QStringLiteral("ชื่อลูกค้า");
    const QString supplierCode = QStringLiteral("รหัสผู้ขาย");
    const QString supplierName = QStringLiteral("ชื่อผู้ขาย");
    const QString notShown;

    auto base = [&](int mode, const QString &caption) {
        ModeInfo i;
        i.mode = mode;
        i.digit = QChar(u'0' + mode);
        i.caption = caption;
        i.quantityCaption = QStringLiteral("จำนวน");
        i.priceCaption = QStringLiteral("ราคา/หน่วย");
        i.quickAddTitle = QStringLiteral("    เพิ่มข้อมูล");
        i.quickAddCodeLabel = customerCode;
        i.quickAddNameLabel = customerName;
        i.referenceLabel = QStringLiteral("อ้างถึง");
        i.staffLabel = QStringLiteral("พนักงาน");
        return i;
    };
    auto sale = [&](ModeInfo &i) {
        i.party = PartyKind::Customer;
        i.partyTable = QStringLiteral("Customer");
        i.headerTable = QStringLiteral("Invoice");
        i.lineTable = QStringLiteral("Invoice1");
        i.partyCodeLabel = customerCode;
        i.partyNameLabel = customerName;
        i.referenceLabel = QStringLiteral("อ้างถึงใบสั่งซื้อ");
        i.staffLabel = QStringLiteral("พนักงานขาย");
        i.stockMark = 1;
        i.picture = QStringLiteral("velmora1.jpg");
        i.quantityCaption = QStringLiteral("จำนวนขาย");
        i.priceCaption = QStringLiteral("ราคาขาย");
        i.quickAddTitle = QStringLiteral(" เพิ่มข้อมูลลูกค้า");
        i.moneyCaption = QStringLiteral("รับเงินมา");
        i.paymentButtonActs = true;
    };
    auto purchase = [&](ModeInfo &i) {
        i.party = PartyKind::Supplier;
        i.partyTable = QStringLiteral("Supply");
        i.headerTable = QStringLiteral("Order0");
        i.lineTable = QStringLiteral("Order1");
        i.partyCodeLabel = supplierCode;
        i.partyNameLabel = supplierName;
        i.stockMark = 2;
        i.picture = QStringLiteral("velmora2.jpg");
        i.quantityCaption = QStringLiteral("จำนวนซื้อ");
        i.priceCaption = QStringLiteral("ราคาซื้อ");
        i.detailBoxesOnOpen = false;
        i.quickAddTitle = QStringLiteral(" เพิ่มข้อมูลผู้ขาย");
        i.quickAddCodeLabel = supplierCode;
        i.quickAddNameLabel = supplierName;
        i.moneyCaption = QStringLiteral("ให้เงินไป");
        i.paymentButtonActs = true;
    };

    ModeInfo m1 = base(1, QStringLiteral("ขายสินค้าโดย ใบส่งของ ชั่วคราว  DELIVERY  ORDER"));
    sale(m1);
    m1.print = {PrintButton{QStringLiteral("ใบส่งของ"), true, true}, PrintButton{QStringLiteral("ใบเสร็จ"), true, true},
                PrintButton{QStringLiteral("------"), true, false}};
    m1.billDiscountShown = true;
    m.insert(1, m1);

    ModeInfo m2 = base(2, QStringLiteral("ขายสินค้าโดย ใบกำกับภาษี  TAX INVOICE "));
    sale(m2);
    m2.regime = Regime::Vat;
    m2.newTaxRate = 7;
    m2.print = {PrintButton{QStringLiteral("ใบส่งสินค้า/กำกับ"), true, true},
                PrintButton{QStringLiteral("ใบเสร็จ/กำกับ"), true, true},
                PrintButton{QStringLiteral("เอกสารชุด"), true, true}};
    m.insert(2, m2);

    ModeInfo m3 = base(3, QStringLiteral("ซื้อสินค้า/วัตถุดิบ โดยภาษีเหมาจ่าย  "));
    purchase(m3);
    m3.billDiscountShown = true;
    m.insert(3, m3);

    ModeInfo m4 = base(4, QStringLiteral("ซื้อสินค้า/วัตถุดิบ โดยภาษีมูลค่าเพิ่ม"));
    purchase(m4);
    m4.regime = Regime::Vat;
    m.insert(4, m4);

    ModeInfo m5 = base(5, QStringLiteral("ใบสั่งซื้อสินค้า"));
    m5.party = PartyKind::Supplier;
    m5.partyTable = QStringLiteral("Supply");
    m5.headerTable = QStringLiteral("Tmpord");
    m5.lineTable = QStringLiteral("Tmpord1");
    m5.fixedPrefix = QStringLiteral("TORD");
    m5.partyCodeLabel = supplierCode;
    m5.partyNameLabel = supplierName;
    m5.print = {PrintButton{QStringLiteral("ใบสั่งซื้อ"), true, true}, PrintButton{notShown, false, false},
                PrintButton{notShown, false, false}};
    m5.billDiscountShown = true;
    m5.stockMark = 3;
    m5.picture = QStringLiteral("velmora2.jpg");
    m5.quantityCaption = QStringLiteral("จำนวนซื้อ");
    m5.priceCaption = QStringLiteral("ราคาซื้อ");
    m5.detailBoxesOnOpen = false;
    m.insert(5, m5);

    ModeInfo m9 = base(9, QStringLiteral("ใบเสนอราคา"));
    m9.party = PartyKind::Customer;
    m9.partyTable = QStringLiteral("Customer");
    m9.headerTable = QStringLiteral("Quotation");
    m9.lineTable = QStringLiteral("Quotation1");
    m9.fixedPrefix = QStringLiteral("TQUO");
    m9.partyCodeLabel = QStringLiteral("รหัสผู้ซื้อ");
    m9.partyNameLabel = QStringLiteral("ชื่อผู้ซื้อ");
    m9.print = {PrintButton{QStringLiteral("ใบเสนอราคา"), true, true}, PrintButton{notShown, false, false},
                PrintButton{notShown, false, false}};
    m9.billDiscountShown = true;
    m9.stockMark = 4;
    m.insert(9, m9);
    return m;
}

const QHash<int, ModeInfo> &modes()
{
    static const QHash<int, ModeInfo> m = buildModes();
    return m;
}

} // namespace

const ModeInfo *modeInfo(int mode)
{
    const auto it = modes().constFind(mode);
    return it == modes().constEnd() ? nullptr : &*it;
}

const QList<int> &documentModes()
{
    static const QList<int> list{1, 2, 3, 4, 5, 9};
    return list;
}

QString numberHead(const ModeInfo &mode, const QStringList &prefixes)
{
    QString prefix = mode.fixedPrefix;
    if (prefix.isEmpty() && mode.mode >= 1 && mode.mode <= 4)
        prefix = prefixes.value(mode.mode - 1);
    return prefix + mode.digit;
}

} // namespace Documents
