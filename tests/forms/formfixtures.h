#pragma once

#include "printing/forms/documentdata.h"

namespace FormFixtures {

inline Data::BusinessSettings settings()
{
    Data::BusinessSettings s;
    s.name = QStringLiteral("บริษัท เวลโมรา ทดสอบ จำกัด");
    s.address1 = QStringLiteral("99 ถนนสุขุมวิท");
    s.address2 = QStringLiteral("แขวงคลองเตย");
    s.province = QStringLiteral("กรุงเทพฯ");
    s.zip = QStringLiteral("10110");
    s.taxId = QStringLiteral("0105551234567");
    s.tel = QStringLiteral("02-123-4567");
    s.email = QStringLiteral("shop@example.com");
    s.prefix[0] = QStringLiteral("SALE");
    s.prefix[1] = QStringLiteral("SALE");
    s.line1 = QStringLiteral("1");
    s.line4 = QStringLiteral("0");
    s.line5 = QStringLiteral("1");
    s.view1 = QStringLiteral("0");
    s.printDay = QStringLiteral("1");
    s.prnTop = 5;
    s.prnLeft = 3;
    return s;
}

inline Forms::LineData line(qint64 autoNo, const QString &code, const QString &name, double qty,
                            double unitPrice, double discount, double taxRate, double price)
{
    Forms::LineData l;
    l.autoNo = autoNo;
    l.proNo = code;
    l.proName = name;
    l.proQty = qty;
    l.proUnit = QStringLiteral("ชิ้น");
    l.unitPrice = unitPrice;
    l.discount = discount;
    l.taxRate = taxRate;
    l.price = price;
    return l;
}

inline Forms::PartyData party()
{
    Forms::PartyData p;
    p.add1 = QStringLiteral("12/3 ถนนพหลโยธิน");
    p.add2 = QStringLiteral("แขวงจตุจักร");
    p.add4 = QStringLiteral("กรุงเทพฯ");
    p.zip = QStringLiteral("10900");
    p.tel = QStringLiteral("081-234-5678");
    p.fax = QStringLiteral("02-999-0000");
    return p;
}

// The flat-rate sale of the worked example: 369.50, bill discount 4 % 14.78,
// total 354.72.
inline Forms::DocumentData flatSale()
{
    Forms::DocumentData d;
    d.header.invNo = QStringLiteral("SALE1000123");
    d.header.invDate = QStringLiteral("15/03/2567");
    d.header.custNo = QStringLiteral("C0001");
    d.header.custName = QStringLiteral("ร้านสมใจการค้า");
    d.header.saleNo = QStringLiteral("S01");
    d.header.refOrder = QStringLiteral("PO-778");
    d.header.custCre = QStringLiteral("30 ว.");
    d.header.dueDate = QStringLiteral("14/04/2567");
    d.header.custDisc = 4;
    d.header.taxRate = 0;
    d.lines = {line(1, QStringLiteral("P001"), QStringLiteral("พัดลมตั้งพื้น"), 2, 150, 10, 7, 270),
               line(2, QStringLiteral("P002"), QStringLiteral("ปลั๊กพ่วง"), 1, 99.5, 0, 7, 99.5)};
    d.party = party();
    d.settings = settings();
    return d;
}

// The VAT sale of the worked example: 340.95, tax 23.87, total 364.82.
inline Forms::DocumentData vatSale()
{
    Forms::DocumentData d = flatSale();
    d.header.invNo = QStringLiteral("SALE2000045");
    d.header.custDisc = 0;
    d.header.taxRate = 7;
    d.lines = {line(10, QStringLiteral("P010"), QStringLiteral("หม้อหุงข้าว"), 3, 100, 0, 7, 300),
               line(11, QStringLiteral("P011"), QStringLiteral("กาต้มน้ำ"), 1, 45.5, 10, 7, 40.95)};
    return d;
}

inline Forms::DocumentData purchaseOrder()
{
    Forms::DocumentData d = flatSale();
    d.header.invNo = QStringLiteral("TORD5000007");
    d.header.custNo = QStringLiteral("V0001");
    d.header.custName = QStringLiteral("บริษัท ผู้ผลิต จำกัด");
    d.lines << line(3, QStringLiteral("P003"), QStringLiteral("สายไฟ"), 10, 12, 0, 0, 120);
    return d;
}

inline Forms::DocumentData quotation(double headerTaxRate)
{
    Forms::DocumentData d = flatSale();
    d.header.invNo = QStringLiteral("TQUO9000002");
    d.header.custDisc = 0;
    d.header.taxRate = headerTaxRate;
    return d;
}

} // namespace FormFixtures
