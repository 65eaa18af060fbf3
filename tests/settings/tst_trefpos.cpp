#include "common/scriptedprompt.h"
#include "common/testdb.h"
#include "data/settingsmessages.h"
#include "data/settingsstore.h"
#include "data/sql.h"
#include "data/trefpos.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using namespace Data;

namespace {

template <typename T>
T *child(QWidget *w, const QString &name)
{
    return w->findChild<T *>(name);
}

void typeInto(QLineEdit *e, const QString &text)
{
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

QString focusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

} // namespace

class TestTRefPos : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VELMORA_START_TESTDB(m_db); }
    void init();
    void cleanup() { m_w.reset(); m_prompt.reset(); }

    void opensInBrowseState();
    void boxesLimitedToFieldWidths();
    void editState();
    void enterOrder_data();
    void enterOrder();
    void saveRefused_data();
    void saveRefused();
    void saveWritesAndAsksForRestart();
    void cancelRestores();
    void logoFromClipboard();
    void seriesCheck_data();
    void seriesCheck();
    void screenshots();

private:
    QLineEdit *box(const QString &name) { return child<QLineEdit>(m_w.get(), name); }
    QPushButton *button(const char *name) { return child<QPushButton>(m_w.get(), QString::fromLatin1(name)); }
    BusinessSettings stored()
    {
        QString error;
        auto s = SettingsStore(m_db.connection().db()).load(&error);
        if (!s)
            qFatal("%s", qPrintable(error));
        return *s;
    }

    TestDb m_db;
    std::unique_ptr<ScriptedPrompt> m_prompt;
    std::unique_ptr<TRef_Pos> m_w;
};

void TestTRefPos::init()
{
    QVERIFY2(m_db.reset(), qPrintable(m_db.error()));
    m_prompt = std::make_unique<ScriptedPrompt>();
    m_w = std::make_unique<TRef_Pos>();
    m_w->resize(900, 620);
    m_w->show();
    QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
}

void TestTRefPos::opensInBrowseState()
{
    QCOMPARE(m_w->windowTitle(), QStringLiteral(" ข้อมูลอ้างอิง ระบบ / สถานประกอบการ"));
    auto *tabs = child<QTabWidget>(m_w.get(), "PageControl1");
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabText(0), QStringLiteral("สถานประกอบการ"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("ระบบ"));
    QCOMPARE(button("EditButton")->text(), QStringLiteral("แ&ก้ไข"));
    QCOMPARE(button("SaveButton")->text(), QStringLiteral("บัน&ทึก"));
    QCOMPARE(button("CancelButton")->text(), QStringLiteral("&ยกเลิก"));
    QCOMPARE(button("CloseButton")->text(), QStringLiteral("เ&ลิก"));
    QVERIFY(button("EditButton")->isEnabled());
    QVERIFY(button("RefreshButton")->isEnabled());
    QVERIFY(button("CloseButton")->isEnabled());
    QVERIFY(!button("CancelButton")->isEnabled());
    QVERIFY(!button("SaveButton")->isEnabled());
    QVERIFY(box("OF_NAME")->isReadOnly());

    const QStringList layouts = SettingsRules::layoutCaptions();
    for (int v = 0; v < 7; ++v)
        QCOMPARE(child<QRadioButton>(m_w.get(), QStringLiteral("LINE5_%1").arg(v))->text(), layouts[v]);
    QCOMPARE(layouts[3], QStringLiteral("แบบที่  4  กระดาษยาว (ลำดับ) 8.5 * 11 นิ้ว "));
    for (int s : {1, 2, 3, 4, 6, 7, 8, 9})
        QCOMPARE(child<QLabel>(m_w.get(), QStringLiteral("SAMPLE%1").arg(s))->text(), QStringLiteral("-%1-000001").arg(s));
    // The record is shown as stored.
    QCOMPARE(box("PREFIX1")->text(), stored().prefixOf(1));
    QVERIFY(child<QRadioButton>(m_w.get(), "COM_PORT_1")->isChecked());
    QCOMPARE(box("PRN_TOP")->text(), QStringLiteral("0.00"));
}

void TestTRefPos::boxesLimitedToFieldWidths()
{
    const QList<std::pair<const char *, int>> widths = {
        {"OF_NAME", 80}, {"OF_TAXID", 13}, {"OF_ADD1", 80}, {"OF_ADD2", 80}, {"OF_ADD4", 80}, {"OF_ZIP", 5},
        {"OF_TEL", 25}, {"OF_FAX", 25}, {"OF_EMAIL", 50}, {"APP_AC", 120}, {"PREFIX1", 4}, {"PREFIX9", 4},
    };
    for (const auto &[name, width] : widths)
        QCOMPARE(box(QString::fromLatin1(name))->maxLength(), width);
}

void TestTRefPos::editState()
{
    button("EditButton")->click();
    QCOMPARE(m_w->mode(), TRef_Pos::Mode::Edit);
    QVERIFY(!button("EditButton")->isEnabled());
    QVERIFY(!button("CloseButton")->isEnabled());
    QVERIFY(button("CancelButton")->isEnabled());
    QVERIFY(button("SaveButton")->isEnabled());
    QVERIFY(!box("OF_NAME")->isReadOnly());
    QCOMPARE(focusName(), QStringLiteral("OF_NAME"));
}

void TestTRefPos::enterOrder_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("business tab, round to the name")
        << 0 << QStringList{"OF_NAME", "OF_TAXID", "OF_ADD1", "OF_ADD2", "OF_ADD4", "OF_ZIP", "OF_TEL", "OF_FAX", "OF_EMAIL", "OF_NAME"};
    QTest::newRow("bank account goes to the name") << 0 << QStringList{"APP_AC", "OF_NAME"};
    QTest::newRow("offsets go to each other") << 1 << QStringList{"PRN_TOP", "PRN_LEFT", "PRN_TOP"};
}

void TestTRefPos::enterOrder()
{
    QFETCH(int, tab);
    QFETCH(QStringList, order);
    child<QTabWidget>(m_w.get(), "PageControl1")->setCurrentIndex(tab);
    button("EditButton")->click();
    box(order.first())->setFocus();
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(focusName(), order[i]);
    }
}

void TestTRefPos::saveRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    const QString pm = SettingsMessages::prefixNotFour();
    for (int s : {1, 2, 3, 4, 6, 7, 8, 9})
        QTest::addRow("PREFIX%d of three characters", s) << QString("PREFIX%1").arg(s) << "ABC" << pm;
    QTest::newRow("empty PREFIX6") << "PREFIX6" << "" << pm;
    QTest::newRow("top offset above 50.00") << "PRN_TOP" << "50.5" << SettingsMessages::prnTopOutOfRange();
    QTest::newRow("top offset not a number") << "PRN_TOP" << "abc" << SettingsMessages::prnTopOutOfRange();
    QTest::newRow("left offset above 30.00") << "PRN_LEFT" << "31" << SettingsMessages::prnLeftOutOfRange();
    QTest::newRow("negative left offset") << "PRN_LEFT" << "-2" << SettingsMessages::prnLeftOutOfRange();
}

void TestTRefPos::saveRefused()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);

    const BusinessSettings before = stored();
    button("EditButton")->click();
    typeInto(box("OF_NAME"), QStringLiteral("ร้านใหม่"));
    child<QTabWidget>(m_w.get(), "PageControl1")->setCurrentIndex(0);
    typeInto(box(field), text);
    box("OF_NAME")->setFocus();
    button("SaveButton")->click();
    QCOMPARE(m_prompt->messages, QStringList{message});
    QCOMPARE(m_w->mode(), TRef_Pos::Mode::Edit);
    QCOMPARE(focusName(), field);
    QCOMPARE(child<QTabWidget>(m_w.get(), "PageControl1")->currentIndex(), 1);
    QCOMPARE(stored().name, before.name);
}

void TestTRefPos::saveWritesAndAsksForRestart()
{
    button("EditButton")->click();
    typeInto(box("OF_NAME"), QStringLiteral("ร้านสมใจการค้า"));
    typeInto(box("OF_TAXID"), QStringLiteral("0105551234567"));
    typeInto(box("PREFIX2"), QStringLiteral("SV02"));
    typeInto(box("PREFIX9"), QStringLiteral("รับผ"));
    typeInto(box("PRN_TOP"), QStringLiteral("50"));
    typeInto(box("PRN_LEFT"), QStringLiteral("12.5"));
    child<QRadioButton>(m_w.get(), "LINE5_6")->click();
    child<QRadioButton>(m_w.get(), "COM_PORT_2")->click();
    child<QRadioButton>(m_w.get(), "VIEW1_1")->click();
    child<QRadioButton>(m_w.get(), "PRINT_DAY_1")->click();
    child<QRadioButton>(m_w.get(), "LINE1_1")->click();
    child<QRadioButton>(m_w.get(), "LINE4_1")->click();
    button("SaveButton")->click();
    QCOMPARE(m_prompt->messages,
             QStringList{QStringLiteral("ต้องปิดโปรแกรมนี้ก่อน เมื่อเปิดขึ้นมาใหม่ค่าที่กำหนด จึงจะมีผล ")});
    QCOMPARE(m_w->mode(), TRef_Pos::Mode::Browse);
    QVERIFY(button("EditButton")->isEnabled());
    QVERIFY(!button("SaveButton")->isEnabled());

    const BusinessSettings s = stored();
    QCOMPARE(s.name, QStringLiteral("ร้านสมใจการค้า"));
    QCOMPARE(s.taxId, QStringLiteral("0105551234567"));
    QCOMPARE(s.prefixOf(2), QStringLiteral("SV02"));
    QCOMPARE(s.prefixOf(9), QStringLiteral("รับผ"));
    QCOMPARE(s.prnTop, 50.0);
    QCOMPARE(s.prnLeft, 12.5);
    QCOMPARE(s.line5, QStringLiteral("6"));
    QCOMPARE(s.comPort, QStringLiteral("2"));
    QCOMPARE(s.view1, QStringLiteral("1"));
    QCOMPARE(s.printDay, QStringLiteral("1"));
    QCOMPARE(s.line1, QStringLiteral("1"));
    QCOMPARE(s.line4, QStringLiteral("1"));
    QCOMPARE(box("PRN_LEFT")->text(), QStringLiteral("12.50"));

    // Refresh shows what another copy of the program wrote since.
    QString error;
    QVERIFY2(Sql::exec(m_db.connection().db(), QStringLiteral("UPDATE Orvansys SET OF_TEL = :t"), {{"t", "02-999-9999"}}, &error),
             qPrintable(error));
    button("RefreshButton")->click();
    QCOMPARE(box("OF_TEL")->text(), QStringLiteral("02-999-9999"));
}

void TestTRefPos::cancelRestores()
{
    const QString name = box("OF_NAME")->text();
    button("EditButton")->click();
    QVERIFY(!button("RefreshButton")->isEnabled());
    typeInto(box("OF_NAME"), QStringLiteral("ชื่อที่ยกเลิก"));
    child<QRadioButton>(m_w.get(), "LINE5_3")->click();
    button("CancelButton")->click();
    QCOMPARE(m_w->mode(), TRef_Pos::Mode::Browse);
    QCOMPARE(box("OF_NAME")->text(), name);
    QVERIFY(child<QRadioButton>(m_w.get(), "LINE5_0")->isChecked());
    QCOMPARE(stored().name, name);
}

void TestTRefPos::logoFromClipboard()
{
    QImage logo(64, 32, QImage::Format_RGB32);
    logo.fill(QColor(0x20, 0x60, 0xa0));
    QApplication::clipboard()->setImage(logo);
    auto *picture = child<QLabel>(m_w.get(), "OF_LOGO");

    // Not editing: the click changes nothing.
    QTest::mouseClick(picture, Qt::LeftButton);
    QVERIFY(picture->pixmap().isNull());

    button("EditButton")->click();
    QTest::mouseClick(picture, Qt::LeftButton);
    QVERIFY(!picture->pixmap().isNull());
    button("SaveButton")->click();
    const QByteArray bytes = stored().logo;
    QVERIFY(bytes.startsWith("\x89PNG"));
    QImage back;
    QVERIFY(back.loadFromData(bytes, "PNG"));
    QCOMPARE(back.size(), logo.size());
    QCOMPARE(back.pixelColor(5, 5), logo.pixelColor(5, 5));

    // Without a picture on the clipboard the user is told so and the logo stays.
    button("EditButton")->click();
    QApplication::clipboard()->setText(QStringLiteral("ข้อความ"));
    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(m_prompt->messages.last(), SettingsMessages::noPictureOnClipboard());
    button("SaveButton")->click();
    QCOMPARE(stored().logo, bytes);
}

void TestTRefPos::seriesCheck_data()
{
    QTest::addColumn<QStringList>("invoices");
    QTest::addColumn<QString>("enterIn");
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("que");

    QTest::newRow("empty Invoice, Enter in PREFIX1 shows the head") << QStringList() << "PREFIX1" << "SA011" << "SA011100000";
    QTest::newRow("Enter in PREFIX8 changes the PREFIX1 sample") << QStringList() << "PREFIX8" << "SA011" << "SA011100000";
    QTest::newRow("filled Invoice, Enter in PREFIX6 gives the highest number")
        << QStringList{"SA011000004", "SV022000002", "HF066000001"} << "PREFIX6" << "SV022000002" << "SV022000002";
    QTest::newRow("filled Invoice without the series") << QStringList{"SV022000002"} << "PREFIX1" << "SA011" << "SA011100000";
}

void TestTRefPos::seriesCheck()
{
    QFETCH(QStringList, invoices);
    QFETCH(QString, enterIn);
    QFETCH(QString, sample);
    QFETCH(QString, que);

    QString error;
    for (const QString &no : invoices)
        QVERIFY2(Sql::exec(m_db.connection().db(), QStringLiteral("INSERT INTO Invoice (INV_NO, INV_TYPE) VALUES (:n, :t)"),
                           {{"n", no}, {"t", no.mid(4, 1)}}, &error),
                 qPrintable(error));
    child<QTabWidget>(m_w.get(), "PageControl1")->setCurrentIndex(1);
    button("EditButton")->click();
    typeInto(box("PREFIX1"), QStringLiteral("SA01"));
    box(enterIn)->setFocus();
    QTest::keyClick(box(enterIn), Qt::Key_Return);
    QCOMPARE(child<QLabel>(m_w.get(), "SAMPLE1")->text(), sample);
    QCOMPARE(child<QLabel>(m_w.get(), "SAMPLE8")->text(), QStringLiteral("-8-000001"));
    QCOMPARE(child<QLabel>(m_w.get(), "SAMPLE6")->text(), QStringLiteral("-6-000001"));
    QCOMPARE(SettingsStore(m_db.connection().db()).queInvN(&error).value_or("?"), que);
    QVERIFY(m_prompt->messages.isEmpty());
}

void TestTRefPos::screenshots()
{
    const QString dir = qEnvironmentVariable("VELMORA_SHOTS");
    QImage logo(120, 60, QImage::Format_RGB32);
    logo.fill(Qt::white);
    {
        QPainter p(&logo);
        p.setPen(Qt::darkBlue);
        p.drawRect(2, 2, 115, 55);
        p.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("LOGO"));
    }
    QApplication::clipboard()->setImage(logo);
    button("EditButton")->click();
    typeInto(box("OF_NAME"), QStringLiteral("ร้านสมใจการค้า จำกัด"));
    QTest::mouseClick(child<QLabel>(m_w.get(), "OF_LOGO"), Qt::LeftButton);
    if (!dir.isEmpty())
        m_w->grab().save(dir + QStringLiteral("/trefpos-business.png"));
    child<QTabWidget>(m_w.get(), "PageControl1")->setCurrentIndex(1);
    if (!dir.isEmpty())
        m_w->grab().save(dir + QStringLiteral("/trefpos-system.png"));
    QCOMPARE(m_w->mode(), TRef_Pos::Mode::Edit);
}

QTEST_MAIN(TestTRefPos)
#include "tst_trefpos.moc"
