#include "formfixtures.h"

#include "printing/forms/formchoice.h"
#include "printing/forms/formcontent.h"
#include "printing/forms/formlayout.h"
#include "printing/forms/formtexts.h"

#include "printing/pdfsink.h"
#include "printing/textlayout.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QImage>
#include <QTest>

using namespace Forms;
using namespace FormFixtures;

Q_DECLARE_METATYPE(Forms::FormId)
Q_DECLARE_METATYPE(std::optional<Forms::FormChoice>)

namespace {

DocumentData saleFor(int printMode) { return printMode == 2 ? vatSale() : flatSale(); }

QStringList signatureCaptions(const FormContent &c)
{
    QStringList out;
    for (const Signature &s : c.signatures)
        if (!s.caption.isEmpty())
            out << (s.english.isEmpty() ? s.caption : s.caption + QStringLiteral(" / ") + s.english);
    return out;
}

QStringList allPageTexts(const QList<Printing::Page> &pages)
{
    QStringList out;
    for (const Printing::Page &p : pages)
        out << p.textStrings();
    return out;
}

QByteArray pngLogo()
{
    QImage img(40, 40, QImage::Format_RGB32);
    img.fill(Qt::darkBlue);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

} // namespace

class TestForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choice_data();
    void choice();
    void titles_data();
    void titles();
    void amounts_data();
    void amounts();
    void taxCaption_data();
    void taxCaption();
    void paymentAndSignatures_data();
    void paymentAndSignatures();
    void firstColumn_data();
    void firstColumn();
    void detailRows_data();
    void detailRows();
    void linesInEntryOrder();
    void numberSplit_data();
    void numberSplit();
    void margins_data();
    void margins();
    void stationery_data();
    void stationery();
    void dueDate_data();
    void dueDate();
    void logo_data();
    void logo();
    void addresses();
    void signatureLines_data();
    void signatureLines();
    void longTextsAreNotCut_data();
    void longTextsAreNotCut();
    void halfFormTotals_data();
    void halfFormTotals();
    void pageModel_data();
    void pageModel();
    void longDocumentRepeatsHeaderAndFooter_data();
    void longDocumentRepeatsHeaderAndFooter();
    void pdfPerPaper_data();
    void pdfPerPaper();
};

void TestForms::choice_data()
{
    QTest::addColumn<int>("printMode");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("line5");
    QTest::addColumn<QString>("view1");
    QTest::addColumn<std::optional<FormChoice>>("expected");

    auto pick = [](FormId f, Output o) { return std::optional<FormChoice>(FormChoice{f, o}); };
    const auto P = Output::Preview;
    QTest::newRow("layout 0 short paper codes") << 1 << 1 << "0" << "0" << pick(FormId::DO9s, P);
    QTest::newRow("layout 1 long paper codes") << 2 << 2 << "1" << "0" << pick(FormId::DO8, P);
    QTest::newRow("layout 2 short paper numbered") << 1 << 2 << "2" << "0" << pick(FormId::DO4s, P);
    QTest::newRow("layout 3 long paper numbered") << 2 << 1 << "3" << "0" << pick(FormId::DO9, P);
    QTest::newRow("layout 4 bilingual codes") << 2 << 0 << "4" << "0" << pick(FormId::DO2, P);
    QTest::newRow("layout 5 bilingual numbered") << 1 << 1 << "5" << "0" << pick(FormId::DO1, P);
    QTest::newRow("layout 6 first button special") << 2 << 1 << "6" << "0" << pick(FormId::DOSpecial, P);
    QTest::newRow("layout 6 receipt button reference form") << 2 << 2 << "6" << "0" << pick(FormId::DO8, P);
    QTest::newRow("layout 6 document set") << 2 << 0 << "6" << "0" << pick(FormId::RR, P);
    QTest::newRow("view 1 prints straight away") << 1 << 1 << "1" << "1" << pick(FormId::DO8, Output::Print);
    QTest::newRow("unknown view does nothing") << 1 << 1 << "1" << "2" << std::optional<FormChoice>();
    QTest::newRow("unknown layout does nothing") << 1 << 1 << "7" << "0" << std::optional<FormChoice>();
    QTest::newRow("mode 1 has no document set") << 1 << 0 << "1" << "0" << std::optional<FormChoice>();
    QTest::newRow("purchases print nothing") << 3 << 1 << "1" << "0" << std::optional<FormChoice>();
    QTest::newRow("purchase order always previewed") << 5 << 1 << "9" << "1" << pick(FormId::ORD3, P);
    QTest::newRow("quotation always previewed") << 6 << 1 << "" << "" << pick(FormId::QUO3, P);
}

void TestForms::choice()
{
    QFETCH(int, printMode);
    QFETCH(int, kind);
    QFETCH(QString, line5);
    QFETCH(QString, view1);
    QFETCH(std::optional<FormChoice>, expected);
    const auto got = chooseForm(printMode, kind, line5, view1);
    QCOMPARE(got.has_value(), expected.has_value());
    if (got) {
        QCOMPARE(formClassName(got->form), formClassName(expected->form));
        QCOMPARE(got->output, expected->output);
    }
}

void TestForms::titles_data()
{
    QTest::addColumn<FormId>("form");
    QTest::addColumn<int>("printMode");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("subtitle");

    QTest::newRow("DO8 delivery order") << FormId::DO8 << 1 << 1 << "ใบส่งของ" << "DELIVERY ORDER";
    QTest::newRow("DO8 receipt") << FormId::DO8 << 1 << 2 << "ใบเสร็จรับเงิน" << "RECEIPT";
    QTest::newRow("DO8 tax invoice") << FormId::DO8 << 2 << 1 << "ใบส่งสินค้า/ใบกำกับภาษี" << "TAX INVOICE";
    QTest::newRow("DO8 receipt tax invoice") << FormId::DO8 << 2 << 2 << "ใบเสร็จรับเงิน/ใบกำกับภาษี" << "RECEIPT/TAX INVOICE";
    QTest::newRow("DO8 document set no title") << FormId::DO8 << 2 << 0 << "" << "";
    QTest::newRow("DO9 tax invoice") << FormId::DO9 << 2 << 1 << "ใบส่งสินค้า/ใบกำกับภาษี" << "TAX INVOICE";
    QTest::newRow("DO9 receipt") << FormId::DO9 << 1 << 2 << "ใบเสร็จรับเงิน" << "RECEIPT";
    QTest::newRow("DO2 temporary delivery") << FormId::DO2 << 1 << 1 << "ใบส่งของชั่วคราว" << "TEMP DELIVERY ORDER";
    QTest::newRow("DO2 receipt") << FormId::DO2 << 1 << 2 << "ใบเสร็จรับเงิน" << "RECEIPT";
    QTest::newRow("DO1 tax invoice") << FormId::DO1 << 2 << 1 << "ใบส่งสินค้าและใบกำกับภาษี" << "TAX INVOICE";
    QTest::newRow("DO1 receipt tax invoice") << FormId::DO1 << 2 << 2 << "ใบเสร็จรับเงิน/ใบกำกับภาษี" << "RECEIPT/TAX INVOICE";
    QTest::newRow("DO1 document set") << FormId::DO1 << 2 << 0 << "" << "";
    QTest::newRow("DO9s delivery no subtitle") << FormId::DO9s << 1 << 1 << "ใบส่งของ" << "";
    QTest::newRow("DO9s receipt no subtitle") << FormId::DO9s << 1 << 2 << "ใบเสร็จรับเงิน" << "";
    QTest::newRow("DO4s tax invoice") << FormId::DO4s << 2 << 1 << "ใบส่งสินค้า/ใบกำกับภาษี" << "";
    QTest::newRow("DO4s receipt tax invoice") << FormId::DO4s << 2 << 2 << "ใบเสร็จรับเงิน/ใบกำกับภาษี" << "";
    QTest::newRow("DO4s document set") << FormId::DO4s << 2 << 0 << "" << "";
    QTest::newRow("DO9s purchase") << FormId::DO9s << 3 << 1 << "ใบสั่งซื้อ" << "";
    QTest::newRow("special booking no subtitle") << FormId::DOSpecial << 1 << 1 << "ใบสั่งจองสินค้า" << "";
    QTest::newRow("special receipt") << FormId::DOSpecial << 1 << 2 << "ใบเสร็จรับเงิน" << "RECEIPT";
    QTest::newRow("special tax invoice") << FormId::DOSpecial << 2 << 1 << "ใบส่งสินค้า/ใบกำกับภาษี" << "TAX INVOICE";
    QTest::newRow("special receipt tax invoice") << FormId::DOSpecial << 2 << 2 << "ใบเสร็จรับเงิน/ใบกำกับภาษี" << "RECEIPT/TAX INVOICE";
    QTest::newRow("RR document set has no title") << FormId::RR << 2 << 0 << "" << "";
    QTest::newRow("purchase order") << FormId::ORD3 << 5 << 1 << "ใบสั่งซื้อ" << "ORDER";
    QTest::newRow("quotation") << FormId::QUO3 << 6 << 1 << "ใบเสนอราคา" << "Quotation";
}

void TestForms::titles()
{
    QFETCH(FormId, form);
    QFETCH(int, printMode);
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QString, subtitle);
    const FormContent c = buildContent(form, saleFor(printMode), printMode, kind);
    QCOMPARE(c.title, title);
    QCOMPARE(c.subtitle, subtitle);
    const QStringList texts = allPageTexts(formPages(c));
    if (!title.isEmpty())
        QVERIFY(texts.contains(title));
    if (!subtitle.isEmpty())
        QVERIFY(texts.contains(subtitle));
}

void TestForms::amounts_data()
{
    QTest::addColumn<FormId>("form");
    QTest::addColumn<int>("printMode");
    QTest::addColumn<QString>("sum");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("tax");
    QTest::addColumn<QString>("grand");
    QTest::addColumn<QString>("words");

    const QString flatWords = QStringLiteral("< สามร้อยห้าสิบสี่บาท เจ็ดสิบสองสตางค์ >");
    const QString vatWords = QStringLiteral("< สามร้อยหกสิบสี่บาท แปดสิบสองสตางค์ >");
    QTest::newRow("DO8 flat sale with bill discount") << FormId::DO8 << 1 << "369.50" << "14.78" << "354.72" << "" << "354.72" << flatWords;
    QTest::newRow("DO8 vat sale") << FormId::DO8 << 2 << "340.95" << "" << "340.95" << "23.87" << "364.82" << vatWords;
    QTest::newRow("DO9 vat sale") << FormId::DO9 << 2 << "340.95" << "" << "340.95" << "23.87" << "364.82" << vatWords;
    QTest::newRow("DO2 flat sale shows zero tax") << FormId::DO2 << 1 << "369.50" << "14.78" << "354.72" << "0.00" << "354.72" << flatWords;
    QTest::newRow("DO1 vat sale shows zero discount") << FormId::DO1 << 2 << "340.95" << "0.00" << "340.95" << "23.87" << "364.82" << vatWords;
    QTest::newRow("special vat sale") << FormId::DOSpecial << 2 << "340.95" << "" << "340.95" << "23.87" << "364.82" << vatWords;
    QTest::newRow("RR vat document set") << FormId::RR << 2 << "340.95" << "" << "340.95" << "23.87" << "364.82" << vatWords;
    QTest::newRow("DO9s flat sale has no words") << FormId::DO9s << 1 << "369.50" << "14.78" << "354.72" << "" << "354.72" << "";
    QTest::newRow("DO4s vat sale has no words") << FormId::DO4s << 2 << "340.95" << "" << "" << "23.87" << "364.82" << "";
}

void TestForms::amounts()
{
    QFETCH(FormId, form);
    QFETCH(int, printMode);
    QFETCH(QString, sum);
    QFETCH(QString, discount);
    QFETCH(QString, after);
    QFETCH(QString, tax);
    QFETCH(QString, grand);
    QFETCH(QString, words);
    const int kind = form == FormId::RR ? 0 : 1;
    const FormContent c = buildContent(form, saleFor(printMode), printMode, kind);
    QVERIFY(c.amountsValid);
    QCOMPARE(c.total(TotalRole::Sum)->amount, sum);
    QCOMPARE(c.total(TotalRole::Discount)->amount, discount);
    QCOMPARE(c.total(TotalRole::AfterDiscount)->amount, after);
    QCOMPARE(c.total(TotalRole::Tax)->amount, tax);
    QCOMPARE(c.total(TotalRole::Grand)->amount, grand);
    QCOMPARE(c.words, words);
    const QStringList texts = allPageTexts(formPages(c));
    QVERIFY(texts.contains(grand));
    if (!words.isEmpty())
        QVERIFY(texts.contains(words));
}

void TestForms::taxCaption_data()
{
    QTest::addColumn<FormId>("form");
    QTest::addColumn<int>("printMode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("percent");

    QTest::newRow("DO8 flat sale has no tax caption") << FormId::DO8 << 1 << "" << "" << "";
    QTest::newRow("DO8 vat sale") << FormId::DO8 << 2 << "ภาษี [VAT]" << "7" << "%";
    QTest::newRow("DO9 vat sale") << FormId::DO9 << 2 << "ภาษี [VAT]" << "7" << "%";
    QTest::newRow("special vat sale") << FormId::DOSpecial << 2 << "ภาษี [VAT]" << "7" << "%";
    QTest::newRow("DO2 vat sale") << FormId::DO2 << 2 << "ภาษี  [ VAT ]" << "" << "";
    QTest::newRow("DO2 flat sale") << FormId::DO2 << 1 << "" << "" << "";
    QTest::newRow("DO9s vat sale") << FormId::DO9s << 2 << "ภาษี [VAT]" << "7" << "%";
    QTest::newRow("DO9s flat sale without rate") << FormId::DO9s << 1 << "" << "" << "";
    QTest::newRow("purchase order never taxes") << FormId::ORD3 << 5 << "" << "" << "";
}

void TestForms::taxCaption()
{
    QFETCH(FormId, form);
    QFETCH(int, printMode);
    QFETCH(QString, caption);
    QFETCH(QString, rate);
    QFETCH(QString, percent);
    const DocumentData d = form == FormId::ORD3 ? purchaseOrder() : saleFor(printMode);
    const FormContent c = buildContent(form, d, printMode, 1);
    const TotalRow *tax = c.total(TotalRole::Tax);
    QCOMPARE(tax->caption, caption);
    QCOMPARE(tax->rate, rate);
    QCOMPARE(tax->percent, percent);
    const bool bilingual = form == FormId::DO2 || form == FormId::DO1;
    if (bilingual) {
        const TotalRow *taxRate = c.total(TotalRole::TaxRate);
        QCOMPARE(taxRate->caption, printMode == 2 ? QStringLiteral("อัตราภาษี") : QString());
        QCOMPARE(taxRate->english, printMode == 2 ? QStringLiteral("TAX RATE") : QString());
        QCOMPARE(taxRate->rate, printMode == 2 ? QStringLiteral("7") : QString());
    }
}

void TestForms::paymentAndSignatures_data()
{
    QTest::addColumn<FormId>("form");
    QTest::addColumn<int>("printMode");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("payment");
    QTest::addColumn<QStringList>("signatures");

    const QStringList delivery{"ผู้รับของ", "ผู้ส่งของ", "ผู้จัดการ"};
    const QStringList receipt{"ผู้รับของ", "ผู้ส่งของ", "ผู้รับเงิน", "ผู้จัดการ"};
    QTest::newRow("DO8 delivery order without receiver of money") << FormId::DO8 << 1 << 1 << false << delivery;
    QTest::newRow("DO8 receipt with payment block") << FormId::DO8 << 1 << 2 << true << receipt;
    QTest::newRow("DO8 tax invoice") << FormId::DO8 << 2 << 1 << false << delivery;
    QTest::newRow("DO8 receipt tax invoice") << FormId::DO8 << 2 << 2 << true << receipt;
    QTest::newRow("DO8 document set prints neither") << FormId::DO8 << 2 << 0 << false << QStringList();
    QTest::newRow("DO9 receipt") << FormId::DO9 << 2 << 2 << true << receipt;
    QTest::newRow("special receipt") << FormId::DOSpecial << 1 << 2 << true << receipt;
    QTest::newRow("DO2 delivery in two languages") << FormId::DO2 << 1 << 1 << false
        << QStringList{"ผู้รับของ / RECEIVER", "ผู้ส่งของ / SENDER", "ผู้จัดการ"};
    QTest::newRow("DO1 receipt in two languages") << FormId::DO1 << 2 << 2 << true
        << QStringList{"ผู้รับของ / RECEIVER", "ผู้ส่งของ / SENDER", "ผู้รับเงิน / COLLECTION", "ผู้จัดการ"};
    QTest::newRow("DO9s delivery") << FormId::DO9s << 1 << 1 << false << QStringList{"ผู้ส่งของ", "ผู้รับของ"};
    QTest::newRow("DO4s receipt") << FormId::DO4s << 2 << 2 << true << QStringList{"ผู้รับเงิน", "ผู้รับของ"};
    QTest::newRow("RR has no captions") << FormId::RR << 2 << 0 << false << QStringList();
    QTest::newRow("purchase order") << FormId::ORD3 << 5 << 1 << false << QStringList{"ผู้สั่งซื้อ", "ผู้อนุมัติ", "ผู้จัดการ"};
    QTest::newRow("quotation") << FormId::QUO3 << 6 << 1 << false << QStringList{"ผู้เสนอราคา", "ผู้อนุมัติ"};
}

void TestForms::paymentAndSignatures()
{
    QFETCH(FormId, form);
    QFETCH(int, printMode);
    QFETCH(int, kind);
    QFETCH(bool, payment);
    QFETCH(QStringList, signatures);
    const FormContent c = buildContent(form, saleFor(printMode), printMode, kind);
    QCOMPARE(!c.payment.isEmpty(), payment);
    if (payment) {
        QCOMPARE(c.payment.first(), QStringLiteral("ชำระเงินโดย"));
        QCOMPARE(c.payment.size(), 5);
    }
    QCOMPARE(signatureCaptions(c), signatures);
    const QStringList texts = allPageTexts(formPages(c));
    QCOMPARE(texts.contains(QStringLiteral("(  ) เงินสด")), payment);
    for (const QString &s : signatures)
        QVERIFY2(texts.contains(s), qPrintable(s));
}

void TestForms::firstColumn_data()
{
    QTest::addColumn<FormId>("form");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QStringList>("firstCells");
    QTest::addColumn<bool>("discountColumn");

    const QStringList codes{"P001", "P002"};
    const QStringList numbers{"1", "2"};
    QTest::newRow("DO8 product code") << FormId::DO8 << "รหัสสินค้า" << "" << codes << true;
    QTest::newRow("DO9 line number") << FormId::DO9 << "ลำดับที่" << "" << numbers << true;
    QTest::newRow("DO9s short code heading") << FormId::DO9s << "รหัส" << "" << codes << true;
    QTest::newRow("DO4s numbered") << FormId::DO4s << "ลำดับ" << "" << numbers << true;
    QTest::newRow("DO2 code in two languages") << FormId::DO2 << "รหัสสินค้า" << "PRODUCT_CODE" << codes << true;
    QTest::newRow("DO1 number in two languages") << FormId::DO1 << "ที่" << "NO." << numbers << true;
    QTest::newRow("special numbered without code or discount") << FormId::DOSpecial << "ลำดับที่" << "" << numbers << false;
    QTest::newRow("purchase order code") << FormId::ORD3 << "รหัสสินค้า" << "" << codes << true;
    QTest::newRow("quotation code") << FormId::QUO3 << "รหัสสินค้า" << "" << codes << true;
}

void TestForms::firstColumn()
{
    QFETCH(FormId, form);
    QFETCH(QString, heading);
    QFETCH(QString, english);
    QFETCH(QStringList, firstCells);
    QFETCH(bool, discountColumn);
    const FormContent c = buildContent(form, flatSale(), form == FormId::QUO3 ? 6 : 1, 1);
    QCOMPARE(c.columns.first().heading, heading);
    QCOMPARE(c.columns.first().english, english);
    QStringList cells;
    for (const LineRow &r : c.lines)
        cells << (c.columns.first().column == Column::LineNo ? r.lineNo : r.code);
    QCOMPARE(cells, firstCells);
    bool hasDiscount = false, hasCode = false;
    for (const ColumnHeading &h : c.columns)
        hasDiscount = hasDiscount || h.column == Column::Discount, hasCode = hasCode || h.column == Column::Code;
    QCOMPARE(hasDiscount, discountColumn);
    if (form == FormId::DOSpecial)
        QVERIFY(!hasCode);
    const Printing::Page page = formPages(c).first();
    QVERIFY(page.hasText(heading));
    for (const QString &cell : firstCells)
        QVERIFY(page.hasText(cell));
}

void TestForms::detailRows_data()
{
    QTest::addColumn<FormId>("form");
    QTest::addColumn<QString>("attrib");
    QTest::addColumn<QString>("attrib2");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("details");

    QTest::newRow("DO8 plain line one row") << FormId::DO8 << "" << "" << "พัดลมตั้งพื้น" << QStringList();
    QTest::newRow("DO8 serial number two rows") << FormId::DO8 << "SN 4411" << "" << "พัดลมตั้งพื้น" << QStringList{"SN 4411"};
    QTest::newRow("DO8 both details three rows") << FormId::DO8 << "SN 4411" << "สีขาว" << "พัดลมตั้งพื้น" << QStringList{"SN 4411", "สีขาว"};
    QTest::newRow("DO8 second detail alone still three rows") << FormId::DO8 << "" << "สีขาว" << "พัดลมตั้งพื้น" << QStringList{"", "สีขาว"};
    QTest::newRow("DO9 both details") << FormId::DO9 << "SN 1" << "รุ่น A" << "พัดลมตั้งพื้น" << QStringList{"SN 1", "รุ่น A"};
    QTest::newRow("special both details") << FormId::DOSpecial << "SN 1" << "รุ่น A" << "พัดลมตั้งพื้น" << QStringList{"SN 1", "รุ่น A"};
    QTest::newRow("RR both details") << FormId::RR << "SN 1" << "รุ่น A" << "พัดลมตั้งพื้น" << QStringList{"SN 1", "รุ่น A"};
    QTest::newRow("purchase order details") << FormId::ORD3 << "SN 1" << "" << "พัดลมตั้งพื้น" << QStringList{"SN 1"};
    QTest::newRow("DO9s serial in the name cell") << FormId::DO9s << "SN 4411" << "สีขาว" << "พัดลมตั้งพื้น SN 4411" << QStringList();
    QTest::newRow("DO4s serial in the name cell") << FormId::DO4s << "SN 4411" << "" << "พัดลมตั้งพื้น SN 4411" << QStringList();
    QTest::newRow("DO2 serial in the name cell") << FormId::DO2 << "SN 4411" << "สีขาว" << "พัดลมตั้งพื้น SN 4411" << QStringList();
    QTest::newRow("DO1 no serial") << FormId::DO1 << "" << "สีขาว" << "พัดลมตั้งพื้น" << QStringList();
}

void TestForms::detailRows()
{
    QFETCH(FormId, form);
    QFETCH(QString, attrib);
    QFETCH(QString, attrib2);
    QFETCH(QString, name);
    QFETCH(QStringList, details);
    DocumentData d = flatSale();
    d.lines.first().attrib = attrib;
    d.lines.first().attrib2 = attrib2;
    const FormContent c = buildContent(form, d, form == FormId::RR ? 2 : 1, form == FormId::RR ? 0 : 1);
    QCOMPARE(c.lines.first().name, name);
    QCOMPARE(c.lines.first().details, details);

    // The band grows a row per detail: the second line starts that much lower.
    const Printing::Page page = formPages(c).first();
    const auto *first = page.findText(c.lines.at(0).amount);
    const auto *second = page.findText(c.lines.at(1).amount);
    QVERIFY(first && second);
    const double rows = (second->box.top() - first->box.top()) / first->box.height();
    QCOMPARE(qRound(rows), 1 + int(details.size()));
    for (const QString &detail : details)
        if (!detail.isEmpty())
            QVERIFY(page.hasText(detail));
}

void TestForms::linesInEntryOrder()
{
    DocumentData d = flatSale();
    std::swap(d.lines[0], d.lines[1]); // as an engine may return them
    const FormContent c = buildContent(FormId::DO9, d, 1, 1);
    QCOMPARE(c.lines.at(0).code, QStringLiteral("P001"));
    QCOMPARE(c.lines.at(0).lineNo, QStringLiteral("1"));
    QCOMPARE(c.lines.at(1).code, QStringLiteral("P002"));
    const Printing::Page page = formPages(c).first();
    QVERIFY(page.findText(QStringLiteral("พัดลมตั้งพื้น"))->box.top()
            < page.findText(QStringLiteral("ปลั๊กพ่วง"))->box.top());
}

void TestForms::numberSplit_data()
{
    QTest::addColumn<QString>("invNo");
    QTest::addColumn<QString>("shown");
    QTest::newRow("sale number") << "SALE1000123" << "SALE-1-000123";
    QTest::newRow("purchase order number") << "TORD5000007" << "TORD-5-000007";
    QTest::newRow("padded field") << "SALE2000045 " << "SALE-2-000045";
}

void TestForms::numberSplit()
{
    QFETCH(QString, invNo);
    QFETCH(QString, shown);
    QCOMPARE(splitDocumentNumber(invNo), shown);
    DocumentData d = flatSale();
    d.header.invNo = invNo;
    const FormContent c = buildContent(FormId::DO8, d, 1, 1);
    QCOMPARE(c.number, shown);
    QVERIFY(formPages(c).first().hasText(shown));
}

void TestForms::margins_data()
{
    QTest::addColumn<FormId>("form");
    QTest::addColumn<double>("prnTop");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");

    QTest::newRow("long form top 5 bottom 7.5") << FormId::DO8 << 5.0 << 5.0 << 7.5;
    QTest::newRow("long form top 0") << FormId::DO9 << 0.0 << 0.0 << 12.5;
    QTest::newRow("long form large top keeps bottom at zero") << FormId::DO8 << 20.0 << 20.0 << 0.0;
    QTest::newRow("offset beyond range held at 50") << FormId::QUO3 << 80.0 << 50.0 << 0.0;
    QTest::newRow("negative offset held at 0") << FormId::ORD3 << -4.0 << 0.0 << 12.5;
    QTest::newRow("half form top 5") << FormId::DO9s << 5.0 << 5.0 << 17.0;
    QTest::newRow("half form top 30 bottom zero") << FormId::DO4s << 30.0 << 30.0 << 0.0;
    QTest::newRow("bilingual form fixed bottom") << FormId::DO2 << 5.0 << 5.0 << 9.9;
}

void TestForms::margins()
{
    QFETCH(FormId, form);
    QFETCH(double, prnTop);
    QFETCH(double, top);
    QFETCH(double, bottom);
    DocumentData d = flatSale();
    d.settings.prnTop = prnTop;
    d.settings.prnLeft = 3;
    const FormContent c = buildContent(form, d, form == FormId::QUO3 ? 6 : form == FormId::ORD3 ? 5 : 1, 1);
    QCOMPARE(c.margins.top, top);
    QCOMPARE(c.margins.bottom, bottom);
    const Printing::Page page = formPages(c).first();
    const QRectF content = page.content();
    QCOMPARE(content.top(), top);
    QCOMPARE(content.left(), 3.0);
    QVERIFY(qAbs(page.paper().sizeMm().height() - content.bottom() - bottom) < 1e-9);
}

void TestForms::stationery_data()
{
    QTest::addColumn<FormId>("form");
    QTest::addColumn<QString>("line1");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("frames");
    QTest::addColumn<bool>("captions");
    QTest::addColumn<bool>("title");

    QTest::newRow("DO8 plain paper") << FormId::DO8 << "1" << 2 << true << true << true;
    QTest::newRow("DO8 pre-printed") << FormId::DO8 << "0" << 2 << false << false << true;
    QTest::newRow("DO8 document set on plain paper") << FormId::DO8 << "1" << 0 << false << false << false;
    QTest::newRow("DO9s pre-printed") << FormId::DO9s << "0" << 1 << false << false << true;
    QTest::newRow("DO2 pre-printed keeps captions") << FormId::DO2 << "0" << 1 << false << true << true;
    QTest::newRow("RR has no fixed captions") << FormId::RR << "1" << 0 << false << false << false;
}

void TestForms::stationery()
{
    QFETCH(FormId, form);
    QFETCH(QString, line1);
    QFETCH(int, kind);
    QFETCH(bool, frames);
    QFETCH(bool, captions);
    QFETCH(bool, title);
    DocumentData d = vatSale();
    d.settings.line1 = line1;
    const FormContent c = buildContent(form, d, 2, kind);
    QCOMPARE(c.frames, frames);
    QCOMPARE(!c.dateCaption.isEmpty(), captions);
    QCOMPARE(!c.columns.first().heading.isEmpty(), captions);
    QCOMPARE(!c.total(TotalRole::Grand)->caption.isEmpty(), captions);
    QCOMPARE(!c.title.isEmpty(), title);

    const Printing::Page page = formPages(c).first();
    QCOMPARE(page.count<Printing::FrameItem>() > 0, frames);
    QCOMPARE(page.hasText(QStringLiteral("เลขที่")), captions);
    QCOMPARE(page.hasText(QStringLiteral("รวมเงินทั้งสิ้น")), captions);
    // Company block, data and amounts are always there.
    QVERIFY(page.hasText(d.settings.name));
    QVERIFY(page.hasText(QStringLiteral("SALE-2-000045")));
    QVERIFY(page.hasText(QStringLiteral("ร้านสมใจการค้า")));
    QVERIFY(page.hasText(QStringLiteral("364.82")));
    QVERIFY(page.hasText(QStringLiteral("เลขประจำตัวผู้เสียภาษี  0105551234567")));
    if (form == FormId::DO8 && !captions)
        QVERIFY(!page.hasText(QStringLiteral("** ได้รับสินค้าตามรายการข้างบนนี้แล้ว")));
}

void TestForms::dueDate_data()
{
    QTest::addColumn<QString>("printDay");
    QTest::addColumn<QString>("due");
    QTest::newRow("due date printed") << "1" << "14/04/2567";
    QTest::newRow("due date left out, caption kept") << "0" << "";
}

void TestForms::dueDate()
{
    QFETCH(QString, printDay);
    QFETCH(QString, due);
    DocumentData d = flatSale();
    d.settings.printDay = printDay;
    const FormContent c = buildContent(FormId::DO8, d, 1, 1);
    QCOMPARE(c.due, due);
    QCOMPARE(c.dueCaption, QStringLiteral("วันครบกำหนด"));
    const Printing::Page page = formPages(c).first();
    QVERIFY(page.hasText(QStringLiteral("วันครบกำหนด")));
    QCOMPARE(page.hasText(QStringLiteral("14/04/2567")), !due.isEmpty());
}

void TestForms::logo_data()
{
    QTest::addColumn<FormId>("form");
    QTest::addColumn<QString>("line4");
    QTest::addColumn<bool>("shown");
    QTest::newRow("DO8 logo on") << FormId::DO8 << "1" << true;
    QTest::newRow("DO8 logo off") << FormId::DO8 << "0" << false;
    QTest::newRow("DO8 any value but 0 shows it") << FormId::DO8 << "" << true;
    QTest::newRow("purchase order needs 1") << FormId::ORD3 << "" << false;
    QTest::newRow("quotation logo on") << FormId::QUO3 << "1" << true;
    QTest::newRow("DO2 logo on") << FormId::DO2 << "1" << true;
}

void TestForms::logo()
{
    QFETCH(FormId, form);
    QFETCH(QString, line4);
    QFETCH(bool, shown);
    DocumentData d = flatSale();
    d.settings.line4 = line4;
    d.settings.logo = pngLogo();
    const FormContent c = buildContent(form, d, 1, 1);
    const Printing::Page page = formPages(c).first();
    QCOMPARE(page.count<Printing::PictureItem>(), shown ? 1 : 0);
    const auto *name = page.findText(d.settings.name);
    QVERIFY(name);
    // The company name moves right of the picture.
    QCOMPARE(name->box.left() > page.content().left() + 15, shown);
    // Nothing runs through the picture, and no field moves for it: on
    // pre-printed paper the fields have fixed spots.
    for (const Printing::PictureItem *pic : page.all<Printing::PictureItem>())
        for (const Printing::TextItem *t : page.texts())
            QVERIFY2(!t->box.intersects(pic->box), qPrintable(t->text));
    d.settings.logo.clear();
    const Printing::Page without = formPages(buildContent(form, d, 1, 1)).first();
    for (const QString &field : {c.number, c.partyName, c.lines.first().amount})
        QCOMPARE(page.findText(field)->box.topLeft(), without.findText(field)->box.topLeft());
}

void TestForms::signatureLines_data()
{
    QTest::addColumn<FormId>("form");
    QTest::addColumn<QString>("line1");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("lines");

    QTest::newRow("DO8 plain paper") << FormId::DO8 << "1" << 2 << 4;
    QTest::newRow("DO8 pre-printed has none") << FormId::DO8 << "0" << 2 << 0;
    QTest::newRow("DO2 pre-printed keeps the lines") << FormId::DO2 << "0" << 1 << 3;
    QTest::newRow("DO1 pre-printed receipt keeps the lines") << FormId::DO1 << "0" << 2 << 4;
}

// Signature lines are the footer's only dotted lines.
void TestForms::signatureLines()
{
    QFETCH(FormId, form);
    QFETCH(QString, line1);
    QFETCH(int, kind);
    QFETCH(int, lines);
    DocumentData d = vatSale();
    d.settings.line1 = line1;
    const Printing::Page page = formPages(buildContent(form, d, 2, kind)).first();
    int dotted = 0;
    for (const Printing::LineItem *l : page.all<Printing::LineItem>())
        dotted += l->style == Printing::LineStyle::Dotted ? 1 : 0;
    QCOMPARE(dotted, lines);
}

void TestForms::longTextsAreNotCut_data()
{
    QTest::addColumn<FormId>("form");
    QTest::addColumn<int>("printMode");
    QTest::addColumn<int>("kind");

    QTest::newRow("DO8 receipt tax invoice") << FormId::DO8 << 2 << 2;
    QTest::newRow("special receipt") << FormId::DOSpecial << 1 << 2;
    QTest::newRow("special tax invoice") << FormId::DOSpecial << 2 << 1;
    QTest::newRow("RR document set") << FormId::RR << 2 << 0;
    QTest::newRow("DO2 receipt") << FormId::DO2 << 2 << 2;
    QTest::newRow("DO4s receipt") << FormId::DO4s << 1 << 2;
}

// A long name wraps in its cell, pushing the rows under it down; other
// fields and the payment block fit their boxes.
void TestForms::longTextsAreNotCut()
{
    QFETCH(FormId, form);
    QFETCH(int, printMode);
    QFETCH(int, kind);
    DocumentData d = saleFor(printMode);
    const QString name = QStringLiteral("เครื่องปั่นน้ำผลไม้ไฟฟ้าอเนกประสงค์ความเร็วสูงพร้อมโถแก้วทนความร้อนและใบมีดสแตนเลส");
    d.lines.first().proName = name;
    d.lines.first().attrib = QStringLiteral("SN 4411-2567");
    d.lines.first().unitPrice = 1234567.25;
    d.lines.first().price = 2469134.5;
    d.header.custName = QStringLiteral("ห้างหุ้นส่วนจำกัด ทวีทรัพย์ค้าวัสดุก่อสร้างและเครื่องมือช่าง");
    d.party.add1 = QStringLiteral("88/12 หมู่ 4 ถนนเพชรเกษม ตำบลอ้อมน้อย อำเภอกระทุ่มแบน");
    const FormContent c = buildContent(form, d, printMode, kind);
    const Printing::Page page = formPages(c).first();

    for (const Printing::TextItem *t : page.texts()) {
        if (!t->wordWrap)
            QVERIFY2(Printing::textWidthMm(t->text, t->font) <= t->box.width() + 1e-6, qPrintable(t->text));
    }
    // The name comes back whole, in more than one row, and the detail row
    // and the next line follow under it.
    const Printing::TextItem *amount = page.findText(c.lines.at(0).amount);
    const Printing::TextItem *next = page.findText(c.lines.at(1).amount);
    QVERIFY(amount && next);
    QString joined;
    int nameRows = 0;
    for (const Printing::TextItem *t : page.texts()) {
        if (t->box.top() >= amount->box.top() - 1e-6 && t->box.top() < next->box.top() - 1e-6
            && t->box.left() == page.findTextContaining(QStringLiteral("เครื่องปั่น"))->box.left()) {
            joined += t->text;
            ++nameRows;
        }
    }
    QVERIFY(nameRows > 1);
    QCOMPARE(joined.remove(QLatin1Char(' ')), QString(c.lines.first().name).remove(QLatin1Char(' ')));
    const int rows = nameRows + int(c.lines.first().details.size());
    QCOMPARE(qRound((next->box.top() - amount->box.top()) / amount->box.height()), rows);
}

void TestForms::addresses()
{
    DocumentData d = flatSale();
    d.settings.fax.clear();
    FormContent c = buildContent(FormId::DO8, d, 1, 1);
    QCOMPARE(c.companyAddress, QStringLiteral("99 ถนนสุขุมวิท แขวงคลองเตย กรุงเทพฯ 10110"));
    QCOMPARE(c.companyContacts, QStringLiteral("Tel. 02-123-4567 Email : shop@example.com"));
    QCOMPARE(c.partyAddress, (QStringList{QStringLiteral("12/3 ถนนพหลโยธิน แขวงจตุจักร"),
                                          QStringLiteral("กรุงเทพฯ 10900 Tel. 081-234-5678 Fax. 02-999-0000")}));
    c = buildContent(FormId::DO2, d, 1, 1);
    QCOMPARE(c.partyAddress, QStringList{QStringLiteral("12/3 ถนนพหลโยธิน แขวงจตุจักร กรุงเทพฯ 10900 Tel. 081-234-5678")});
    c = buildContent(FormId::QUO3, quotation(0), 6, 1);
    QCOMPARE(c.partyAddress, (QStringList{QStringLiteral("12/3 ถนนพหลโยธิน แขวงจตุจักร"),
                                          QStringLiteral("กรุงเทพฯ Tel. 081-234-5678")}));
    QCOMPARE(c.partyNameCaption, QStringLiteral("ผู้ซื้อ"));
    QCOMPARE(c.partyCodeCaption, QStringLiteral("รหัสผู้ซื้อ"));
    QCOMPARE(c.note, QStringLiteral("** "));
    c = buildContent(FormId::ORD3, purchaseOrder(), 5, 1);
    QCOMPARE(c.partyNameCaption, QStringLiteral("ผู้ขาย"));
    QCOMPARE(c.partyCodeCaption, QStringLiteral("รหัสผู้ขาย"));
    QCOMPARE(c.note, QStringLiteral("** โปรดจัดส่งสินค้าตามรายการข้างต้น"));
    d.settings.taxId.clear();
    c = buildContent(FormId::DO8, d, 1, 1);
    QCOMPARE(c.companyTaxId, QString());
}

void TestForms::halfFormTotals_data()
{
    QTest::addColumn<int>("printMode");
    QTest::addColumn<double>("custDisc");
    QTest::addColumn<bool>("discountRow");
    QTest::addColumn<bool>("taxRow");
    QTest::newRow("flat sale without discount prints neither") << 1 << 0.0 << false << false;
    QTest::newRow("flat sale with discount") << 1 << 4.0 << true << false;
    QTest::newRow("vat sale prints tax") << 2 << 0.0 << false << true;
}

void TestForms::halfFormTotals()
{
    QFETCH(int, printMode);
    QFETCH(double, custDisc);
    QFETCH(bool, discountRow);
    QFETCH(bool, taxRow);
    DocumentData d = saleFor(printMode);
    d.header.custDisc = custDisc;
    const FormContent c = buildContent(FormId::DO9s, d, printMode, 1);
    QCOMPARE(!c.total(TotalRole::Discount)->caption.isEmpty(), discountRow);
    QCOMPARE(!c.total(TotalRole::AfterDiscount)->amount.isEmpty(), discountRow);
    QCOMPARE(!c.total(TotalRole::Tax)->caption.isEmpty(), taxRow);
    QVERIFY(c.words.isEmpty());
    QVERIFY(c.companyContacts.startsWith(QStringLiteral("Tel. ")));
    const Printing::Page page = formPages(c).first();
    QCOMPARE(page.paper().sizeMm(), QSizeF(215.9, 139.7));
    QCOMPARE(page.hasText(QStringLiteral("ภาษี [VAT]")), taxRow);
    QCOMPARE(page.hasText(QStringLiteral("ส่วนลด")), discountRow);
}

void TestForms::pageModel_data()
{
    QTest::addColumn<FormId>("form");
    QTest::addColumn<int>("printMode");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

    QTest::newRow("quotation with tax rate taxes seven percent")
        << FormId::QUO3 << 6 << QStringList{"ใบเสนอราคา", "Quotation", "ผู้เสนอราคา", "ภาษี [VAT]", "25.87", "395.37"}
        << QStringList{"ผู้รับเงิน", "ผู้จัดการ", "ชำระเงินโดย"};
    QTest::newRow("purchase order of three lines")
        << FormId::ORD3 << 5
        << QStringList{"ใบสั่งซื้อ", "ORDER", "ผู้สั่งซื้อ", "489.50", "19.58", "469.92",
                       "< สี่ร้อยหกสิบเก้าบาท เก้าสิบสองสตางค์ >", "TORD-5-000007"}
        << QStringList{"ภาษี [VAT]", "ผู้รับเงิน"};
}

void TestForms::pageModel()
{
    QFETCH(FormId, form);
    QFETCH(int, printMode);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    DocumentData d = form == FormId::ORD3 ? purchaseOrder() : quotation(7);
    if (form == FormId::QUO3) {
        d.header.custDisc = 0;
    }
    const FormContent c = buildContent(form, d, printMode, 1);
    const QStringList texts = allPageTexts(formPages(c));
    for (const QString &t : present)
        QVERIFY2(texts.contains(t), qPrintable(t));
    for (const QString &t : absent)
        QVERIFY2(!texts.contains(t), qPrintable(t));
}

void TestForms::longDocumentRepeatsHeaderAndFooter_data()
{
    QTest::addColumn<FormId>("form");
    QTest::addColumn<int>("lines");
    QTest::newRow("DO8 sixty lines") << FormId::DO8 << 60;
    QTest::newRow("DO9s twenty lines") << FormId::DO9s << 20;
}

void TestForms::longDocumentRepeatsHeaderAndFooter()
{
    QFETCH(FormId, form);
    QFETCH(int, lines);
    DocumentData d = vatSale();
    d.lines.clear();
    for (int i = 0; i < lines; ++i)
        d.lines << line(i + 1, QStringLiteral("P%1").arg(i, 3, 10, QLatin1Char('0')),
                        QStringLiteral("สินค้า %1").arg(i + 1), 1, 10, 0, 7, 10);
    const FormContent c = buildContent(form, d, 2, 1);
    const QList<Printing::Page> pages = formPages(c);
    QVERIFY(pages.size() > 1);
    const QString grand = c.total(TotalRole::Grand)->amount;
    int printedLines = 0;
    for (const Printing::Page &p : pages) {
        QVERIFY(p.hasText(c.title));
        QVERIFY(p.hasText(QStringLiteral("SALE-2-000045")));
        QVERIFY(p.hasText(grand));
        for (const LineRow &r : c.lines)
            printedLines += p.hasText(r.code) ? 1 : 0;
        // Nothing runs into the bottom margin.
        QVERIFY(p.bounds().bottom() <= p.content().bottom() + 1e-6);
    }
    QCOMPARE(printedLines, lines);
}

void TestForms::pdfPerPaper_data()
{
    QTest::addColumn<FormId>("form");
    QTest::addColumn<int>("printMode");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("file");
    QTest::newRow("letter receipt tax invoice") << FormId::DO8 << 2 << 2 << "letter-do8.pdf";
    QTest::newRow("short form receipt") << FormId::DO4s << 1 << 2 << "short-do4s.pdf";
    QTest::newRow("letter bilingual tax invoice") << FormId::DO2 << 2 << 1 << "letter-do2.pdf";
}

// A smoke test that the forms reach a PDF file; VELMORA_FORMS_PDF_DIR keeps
// the files for a person to look at.
void TestForms::pdfPerPaper()
{
    QFETCH(FormId, form);
    QFETCH(int, printMode);
    QFETCH(int, kind);
    QFETCH(QString, file);
    DocumentData d = saleFor(printMode);
    d.lines.first().attrib = QStringLiteral("SN 4411-2567");
    d.lines.first().attrib2 = QStringLiteral("สีขาว รุ่นตั้งพื้น");
    d.settings.line4 = QStringLiteral("1");
    d.settings.logo = pngLogo();
    const FormContent c = buildContent(form, d, printMode, kind);
    QTemporaryDir dir;
    const QString keep = qEnvironmentVariable("VELMORA_FORMS_PDF_DIR");
    const QString path = keep.isEmpty() ? dir.filePath(file) : QDir(keep).filePath(file);
    QString error;
    QVERIFY2(Printing::writePdf(Printing::PageProducer([&](Printing::PageSink &s) { layoutForm(c, s); }),
                                path, c.title, &error),
             qPrintable(error));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
