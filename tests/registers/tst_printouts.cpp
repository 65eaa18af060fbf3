#include "printing/barcode.h"
#include "printing/messages.h"
#include "registers/envelope.h"
#include "tools/labelsheet.h"
#include "tools/messages.h"

#include <QtTest>

using namespace Tools;

class TestPrintouts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sheetContent_data();
    void sheetContent();
    void sheetRefused_data();
    void sheetRefused();
    void envelopePage();
};

void TestPrintouts::sheetContent_data()
{
    QTest::addColumn<LabelKind>("kind");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("code 39 with letters") << LabelKind::Code39 << "AB-1234" << "AB-1234";
    QTest::newRow("code 39 lower case is encoded upper case, captioned as typed")
        << LabelKind::Code39 << "ab12" << "AB12";
    QTest::newRow("ean-13 with a right check digit") << LabelKind::Ean13 << "8850999320014" << "8850999320014";
}

void TestPrintouts::sheetContent()
{
    QFETCH(LabelKind, kind);
    QFETCH(QString, code);
    QFETCH(QString, encoded);
    const QString name = QStringLiteral("น้ำดื่มตราช้าง 600 มล.");
    const LabelSheet sheet = labelSheet(kind, code, name);
    QVERIFY2(sheet.page, qPrintable(sheet.error));
    const Printing::Page &page = *sheet.page;
    QVERIFY(page.paper() == Printing::Paper::letter());
    QCOMPARE(page.setup.margins.left, 10.0);

    const auto barcodes = page.all<Printing::BarcodeItem>();
    QCOMPARE(barcodes.size(), 30);
    QSet<int> lefts, tops;
    for (const Printing::BarcodeItem *b : barcodes) {
        QCOMPARE(b->data(), encoded);
        QCOMPARE(b->symbol->symbology,
                 kind == LabelKind::Code39 ? Printing::Symbology::Code39 : Printing::Symbology::Ean13);
        lefts.insert(qRound(b->box.left()));
        tops.insert(qRound(b->box.top()));
        QCOMPARE(qRound(b->box.width() * 10), kind == LabelKind::Code39 ? 587 : 299);
    }
    QCOMPARE(lefts, (QSet<int>{14, 78, 141}));
    QCOMPARE(tops.size(), 10);
    QCOMPARE(*std::min_element(tops.begin(), tops.end()), 37);
    QCOMPARE(*std::max_element(tops.begin(), tops.end()), 230);

    // Code 39 gets the code as a caption under every barcode; EAN-13 draws its own digits.
    QCOMPARE(page.textsWith(code).size(), kind == LabelKind::Code39 ? 30 : 0);
    QCOMPARE(barcodes.first()->symbol->labels.isEmpty(), kind == LabelKind::Code39);
    const Printing::TextItem *title = page.findText(name);
    QVERIFY(title);
    QVERIFY(title->box.top() < 37);
    QCOMPARE(page.count<Printing::LineItem>(), 9);
}

void TestPrintouts::sheetRefused_data()
{
    QTest::addColumn<LabelKind>("kind");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("message");
    const QString only13 = Messages::ean13Only13();
    QTest::newRow("ean-13 of 12 digits") << LabelKind::Ean13 << "885099932001" << only13;
    QTest::newRow("ean-13 of 14 digits") << LabelKind::Ean13 << "88509993200145" << only13;
    QTest::newRow("ean-13 wrong check digit")
        << LabelKind::Ean13 << "8850999320015" << only13 + "\n" + Printing::Messages::ean13WrongCheckDigit(4);
    QTest::newRow("ean-13 of 13 letters")
        << LabelKind::Ean13 << "ABCDEFGHIJKLM" << only13 + "\n" + Printing::Messages::ean13NotThirteenDigits();
    QTest::newRow("code 39 of Thai letters") << LabelKind::Code39 << QStringLiteral("กข01")
                                             << Printing::Messages::code39BadCharacters();
    QTest::newRow("code 39 of nothing") << LabelKind::Code39 << "" << Messages::noCodeForLabels();
    QTest::newRow("ean-13 of blanks") << LabelKind::Ean13 << "   " << Messages::noCodeForLabels();
}

void TestPrintouts::sheetRefused()
{
    QFETCH(LabelKind, kind);
    QFETCH(QString, code);
    QFETCH(QString, message);
    const LabelSheet sheet = labelSheet(kind, code, "x");
    QVERIFY(!sheet.page);
    QCOMPARE(sheet.error, message);
}

void TestPrintouts::envelopePage()
{
    Registers::EnvelopeContent c;
    c.senderName = QStringLiteral("ร้านเวลโมรา");
    c.senderAddress = QStringLiteral("12 ถ.มิตรภาพ นครราชสีมา 30000");
    c.pleaseSend = QStringLiteral("กรุณาส่ง");
    c.recipient = QStringList{QStringLiteral("สมชาย ใจดี"), QStringLiteral("99 หมู่ 4"), QStringLiteral("ต.บ้านใหม่"),
                              QStringLiteral("ขอนแก่น 40000")};
    const Printing::Page page = Registers::envelopePage(c);
    QVERIFY(page.paper() == Printing::Paper::a4());
    QCOMPARE(page.setup.margins.top, 10.0);
    QCOMPARE(page.textStrings(), (QStringList{c.senderName, c.senderAddress, c.pleaseSend} + c.recipient));

    const Printing::TextItem *name = page.findText(c.senderName);
    const Printing::TextItem *address = page.findText(c.senderAddress);
    QVERIFY(address->font.pointSize < name->font.pointSize);
    QVERIFY(address->box.top() >= name->box.bottom());
    QCOMPARE(name->box.topLeft(), QPointF(10, 10));
    const Printing::TextItem *please = page.findText(c.pleaseSend);
    QVERIFY(please->font.bold && please->font.italic);
    double previous = please->box.bottom();
    for (const QString &line : c.recipient) {
        const Printing::TextItem *t = page.findText(line);
        QVERIFY(t->box.top() >= previous);
        previous = t->box.bottom();
    }
    QVERIFY(page.content().contains(page.bounds()));
}

QTEST_GUILESS_MAIN(TestPrintouts)
#include "tst_printouts.moc"
