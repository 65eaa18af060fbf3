#include "common/scriptedprompt.h"
#include "common/testdb.h"
#include "documents/documentcontroller.h"
#include "documents/messages.h"
#include "fixtures.h"
#include "registers/pricelevels.h"
#include "text/numberinput.h"
#include "text/thaitext.h"

#include <QtTest>

#include <memory>

using namespace Documents;
using namespace Fixtures;

namespace {

struct Window
{
    std::unique_ptr<DocumentRepository> repo;
    std::unique_ptr<DocumentController> c;
};

} // namespace

class TestDocumentController : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VELMORA_START_TESTDB(m_db); }
    void init()
    {
        QVERIFY2(m_db.reset(), qPrintable(m_db.error()));
        QVERIFY(standardRegisters(db()));
        m_prompt.clear();
        m_prompt.inputAnswers.clear();
        m_prompt.answers.clear();
    }

    void opensEmpty_data();
    void opensEmpty();
    void editButtonByLevel_data();
    void editButtonByLevel();
    void editButtonFollowsLevelChange();
    void buttonSets_data();
    void buttonSets();
    void browsing();
    void searchNearest_data();
    void searchNearest();
    void numbering_data();
    void numbering();
    void firstNumberRefused_data();
    void firstNumberRefused();
    void partyLookup_data();
    void partyLookup();
    void partySearchRow_data();
    void partySearchRow();
    void quickAdd();
    void dateAndTerm_data();
    void dateAndTerm();
    void dateTypedWithoutLeaving();
    void dontSaveLeavesNoTrace();
    void temporaryNeverStored();
    void longNamesCut();
    void saveChecksInOrder_data();
    void saveChecksInOrder();
    void savedHeaderAndStock();
    void editKeepsPaymentState_data();
    void editKeepsPaymentState();
    void editConflict();
    void stockCheckOnAccept_data();
    void stockCheckOnAccept();
    void deleteLine_data();
    void deleteLine();
    void codeBoxThenLookup_data();
    void codeBoxThenLookup();
    void freeTextLine();
    void byNameWritesCode();
    void acceptRefused_data();
    void acceptRefused();
    void stockWhileEditing_data();
    void stockWhileEditing();
    void cellTypedReprices_data();
    void cellTypedReprices();
    void unreadableBillDiscount_data();
    void unreadableBillDiscount();

private:
    QSqlDatabase db() { return m_db.connection().db(); }
    Window open(int mode, int level = 1)
    {
        Window w;
        w.repo = std::make_unique<DocumentRepository>(db(), m_db.engine());
        w.c = std::make_unique<DocumentController>(mode, level, *w.repo);
        if (!w.c->activate())
            qWarning("activation failed");
        return w;
    }
    // A product line entered through the panel as the clerk would.
    static bool addProductLine(DocumentController &c, const QString &code, const QString &quantity)
    {
        if (!c.beginNewLine())
            return false;
        c.lineEntry().codeText = code;
        if (!c.lookupProduct())
            return false;
        c.lineEntry().quantityText = quantity;
        return c.acceptLine();
    }
    // A new document with party, salesperson and one free-text line.
    void fillNew(DocumentController &c, const QString &party = "00012")
    {
        QVERIFY(c.add());
        QCOMPARE(c.enterPartyCode(party), PartyCodeResult::Found);
        c.setSalesperson("001");
        QVERIFY(c.beginNewLine());
        c.lineEntry().codeText.clear();
        QVERIFY(c.lookupProduct());
        c.lineEntry().nameText = "ค่าแรง";
        c.confirmFreeName();
        QVERIFY(c.acceptLine());
    }

    TestDb m_db;
    ScriptedPrompt m_prompt;
};

void TestDocumentController::opensEmpty_data()
{
    QTest::addColumn<int>("mode");
    for (int m : documentModes())
        QTest::newRow(qPrintable(QString("mode %1 with no documents").arg(m))) << m;
}

void TestDocumentController::opensEmpty()
{
    QFETCH(int, mode);
    Window w = open(mode);
    QVERIFY(!w.c->hasDocuments());
    QVERIFY(w.c->currentNumber().isEmpty());
    QVERIFY(!w.c->buttons().edit);
    QVERIFY(w.c->buttons().add);
    QCOMPARE(w.c->document().lineCount(), 0);
    QVERIFY(m_prompt.messages.isEmpty());
}

void TestDocumentController::editButtonByLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("visible");
    QTest::newRow("level 1 administrator") << 1 << true;
    QTest::newRow("level 2") << 2 << true;
    QTest::newRow("level 3") << 3 << true;
    QTest::newRow("level 4") << 4 << false;
    QTest::newRow("level 5 counter staff") << 5 << false;
}

void TestDocumentController::editButtonByLevel()
{
    QFETCH(int, level);
    QFETCH(bool, visible);
    QVERIFY(addHeader(db(), "Invoice", "SALE1000001"));
    Window w = open(1, level);
    QCOMPARE(w.c->buttons().editVisible, visible);
    QCOMPARE(w.c->buttons().edit, visible);
    QCOMPARE(w.c->edit(), visible);
}

void TestDocumentController::editButtonFollowsLevelChange()
{
    QVERIFY(addHeader(db(), "Invoice", "SALE1000001"));
    Window w = open(1, 1);
    QVERIFY(w.c->buttons().editVisible);
    w.c->setUserLevel(5);
    QVERIFY(!w.c->buttons().editVisible);
    QVERIFY(!w.c->buttons().edit);
    w.c->setUserLevel(2);
    QVERIFY(w.c->buttons().edit);
}

void TestDocumentController::buttonSets_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<bool>>("printBrowse");
    QTest::newRow("mode 1: first and second, third shown but off") << 1 << QList<bool>{true, true, false};
    QTest::newRow("mode 2: all three") << 2 << QList<bool>{true, true, true};
    QTest::newRow("mode 3: none") << 3 << QList<bool>{false, false, false};
    QTest::newRow("mode 4: none") << 4 << QList<bool>{false, false, false};
    QTest::newRow("mode 5: the first") << 5 << QList<bool>{true, false, false};
    QTest::newRow("mode 9: the first") << 9 << QList<bool>{true, false, false};
}

void TestDocumentController::buttonSets()
{
    QFETCH(int, mode);
    QFETCH(QList<bool>, printBrowse);
    Window w = open(mode);
    DocumentController &c = *w.c;
    auto prints = [&] { return QList<bool>{c.buttons().printEnabled[0], c.buttons().printEnabled[1], c.buttons().printEnabled[2]}; };
    const QList<bool> off{false, false, false};

    ButtonSet b = c.buttons();
    QVERIFY(b.add && b.exit && b.search && b.navigator && b.payment);
    QVERIFY(!b.dontSave && !b.save && !b.lineButtons && !b.headerEditable);
    QCOMPARE(prints(), printBrowse);

    QVERIFY(c.add());
    b = c.buttons();
    QVERIFY(!b.add && !b.edit && !b.exit && !b.search && !b.navigator && !b.payment);
    QVERIFY(b.dontSave && b.save && b.lineButtons && b.headerEditable);
    QCOMPARE(prints(), off);

    QVERIFY(c.beginNewLine());
    b = c.buttons();
    QVERIFY(!b.dontSave && !b.save && !b.exit);
    QCOMPARE(prints(), off);
    c.cancelLine();
    b = c.buttons();
    QVERIFY(b.dontSave && b.save && b.exit);  // Exit comes back once a panel closed
    QCOMPARE(prints(), off);

    c.dontSave();
    b = c.buttons();
    QVERIFY(b.add && !b.edit && b.exit && b.search && b.navigator && !b.save && !b.dontSave);
    QCOMPARE(prints(), printBrowse);

    fillNew(c, mode == 3 || mode == 4 || mode == 5 ? "00012" : "00020");
    QVERIFY(c.save().saved);
    b = c.buttons();
    QVERIFY(b.add && b.edit && b.exit && b.search && b.navigator && !b.save && !b.dontSave);
    QCOMPARE(prints(), printBrowse);
}

void TestDocumentController::browsing()
{
    for (const char *n : {"SALE1000001", "SALE1000002", "SALE1000003"})
        QVERIFY(addHeader(db(), "Invoice", n));
    QVERIFY(addHeader(db(), "Invoice", "SVAT2000009"));  // other head, same table
    QVERIFY(addHeader(db(), "Invoice", "SALE2000010"));
    Window w = open(1);
    DocumentController &c = *w.c;
    QCOMPARE(c.currentNumber(), QString("SALE1000003"));
    QVERIFY(!c.moveNext());
    QCOMPARE(c.currentNumber(), QString("SALE1000003"));
    QVERIFY(c.movePrior());
    QCOMPARE(c.currentNumber(), QString("SALE1000002"));
    QVERIFY(c.moveFirst());
    QCOMPARE(c.currentNumber(), QString("SALE1000001"));
    QVERIFY(!c.movePrior());
    QVERIFY(c.moveLast());
    QCOMPARE(c.currentNumber(), QString("SALE1000003"));
    QCOMPARE(c.shownParty().code, QString("00012"));
    QCOMPARE(c.shownParty().province, QString("กรุงเทพฯ"));
    QCOMPARE(c.term(), QString("สด"));
    QVERIFY(!c.showDocument("SVAT2000009"));
}

void TestDocumentController::searchNearest_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found");
    QTest::newRow("exact number") << "SALE1000005" << "SALE1000005";
    QTest::newRow("between numbers goes to the next") << "SALE1000006" << "SALE1000010";
    QTest::newRow("head alone goes to the first") << "SALE1" << "SALE1000001";
    QTest::newRow("past the last finds nothing") << "SALE1000011" << "SALE1000010";
}

void TestDocumentController::searchNearest()
{
    QFETCH(QString, text);
    QFETCH(QString, found);
    for (const char *n : {"SALE1000001", "SALE1000005", "SALE1000010"})
        QVERIFY(addHeader(db(), "Invoice", n));
    Window w = open(1);
    w.c->findDocument(text);
    QCOMPARE(w.c->currentNumber(), found);
}

void TestDocumentController::numbering_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QList<std::optional<QString>>>("answers");
    QTest::addColumn<QStringList>("numbers");  // numbers of the saves, in order
    using A = QList<std::optional<QString>>;
    QTest::newRow("SALE1000099 gives SALE1000100") << 1 << QStringList{"SALE1000099"} << A{} << QStringList{"SALE1000100"};
    QTest::newRow("TQUO9 first by default") << 9 << QStringList{} << A{QString("000001")} << QStringList{"TQUO9000001"};
    QTest::newRow("TQUO9 first cancelled takes the default") << 9 << QStringList{} << A{std::nullopt}
                                                             << QStringList{"TQUO9000001"};
    QTest::newRow("TQUO9 by 001007 and the next") << 9 << QStringList{} << A{QString("001007")}
                                                   << QStringList{"TQUO9001007", "TQUO9001008"};
    QTest::newRow("modes 1 and 2 numbered apart") << 2 << QStringList{"SALE1000050", "SVAT2000007"} << A{}
                                                  << QStringList{"SVAT2000008"};
}

void TestDocumentController::numbering()
{
    QFETCH(int, mode);
    QFETCH(QStringList, existing);
    QFETCH(QList<std::optional<QString>>, answers);
    QFETCH(QStringList, numbers);
    for (const QString &n : existing)
        QVERIFY(addHeader(db(), mode <= 2 ? "Invoice" : "Quotation", n));
    for (const auto &a : answers)
        m_prompt.inputAnswers.enqueue(a);
    Window w = open(mode);
    for (const QString &expected : numbers) {
        fillNew(*w.c, "00020");
        QVERIFY(w.c->save().saved);
        QCOMPARE(w.c->currentNumber(), expected);
        QCOMPARE(w.c->action(), Action::Normal);
    }
    QCOMPARE(m_prompt.inputs.size(), answers.size());
    if (!answers.isEmpty())
        QCOMPARE(m_prompt.inputs.first(), Messages::firstNumberPrompt());
    QVERIFY2(m_prompt.messages.isEmpty(), qPrintable(m_prompt.messages.join('|')));
}

void TestDocumentController::firstNumberRefused_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("messages");
    const QString digits = Messages::firstNotDigits(), six = Messages::firstNotSix();
    QTest::newRow("00107 five characters") << "SALE" << QStringList{} << "00107" << QStringList{six};
    QTest::newRow("0a0107 a letter") << "SALE" << QStringList{} << "0a0107" << QStringList{digits};
    QTest::newRow("0a017 both messages") << "SALE" << QStringList{} << "0a017" << QStringList{digits, six};
    QTest::newRow("-00001 refused") << "SALE" << QStringList{} << "-00001" << QStringList{digits};
    QTest::newRow("head of four characters") << "SAL" << QStringList{} << "000001"
                                            << QStringList{Messages::numberingFailed()};
    QTest::newRow("head holds 999999") << "SALE" << QStringList{"SALE1999999"} << ""
                                      << QStringList{Messages::numberingFailed()};
}

void TestDocumentController::firstNumberRefused()
{
    QFETCH(QString, prefix);
    QFETCH(QStringList, existing);
    QFETCH(QString, answer);
    QFETCH(QStringList, messages);
    QVERIFY(setPrefix(db(), 1, prefix));
    for (const QString &n : existing)
        QVERIFY(addHeader(db(), "Invoice", n));
    m_prompt.inputAnswers.enqueue(answer);
    Window w = open(1);
    fillNew(*w.c, "00020");
    m_prompt.clear();
    QVERIFY(!w.c->save().saved);
    QCOMPARE(m_prompt.messages, messages);
    QCOMPARE(w.c->action(), Action::Add);  // still being entered
    QCOMPARE(count(db(), "SELECT count(*) FROM Invoice"), existing.size());
    QCOMPARE(count(db(), "SELECT count(*) FROM Invoice1"), 0);
}

void TestDocumentController::partyLookup_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("term");
    QTest::newRow("customer found, term and name") << 1 << "00012" << int(PartyCodeResult::Found) << "ร้านสมศักดิ์การค้า"
                                                  << "30 ว.";
    QTest::newRow("supplier of the same code in a purchase") << 3 << "00012" << int(PartyCodeResult::Found)
                                                            << "บริษัท ค้าส่งไทย จำกัด" << "สด";
    QTest::newRow("unknown code") << 1 << "99999" << int(PartyCodeResult::NotFound) << "" << "";
    QTest::newRow("six characters never cut to five") << 1 << "000121" << int(PartyCodeResult::NotFound) << "" << "";
    QTest::newRow("empty opens the search page") << 1 << "" << int(PartyCodeResult::OpenSearch) << "" << "";
    QTest::newRow("plus opens quick add") << 1 << "+" << int(PartyCodeResult::OpenQuickAdd) << "" << "";
}

void TestDocumentController::partyLookup()
{
    QFETCH(int, mode);
    QFETCH(QString, code);
    QFETCH(int, result);
    QFETCH(QString, name);
    QFETCH(QString, term);
    Window w = open(mode);
    QCOMPARE(w.c->enterPartyCode(code), PartyCodeResult::Ignored);  // read-only while browsing
    QVERIFY(w.c->add());
    QCOMPARE(int(w.c->enterPartyCode(code)), result);
    QCOMPARE(w.c->shownParty().name, name);
    QCOMPARE(w.c->term(), term);
    QCOMPARE(m_prompt.messages, result == int(PartyCodeResult::NotFound) ? QStringList{Messages::partyNotFound()}
                                                                        : QStringList{});
    QCOMPARE(w.c->confirmedParty().has_value(), result == int(PartyCodeResult::Found));
}

void TestDocumentController::partySearchRow_data()
{
    QTest::addColumn<bool>("byName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");
    QTest::newRow("by code exact") << false << "00020" << 1;
    QTest::newRow("by code between") << false << "00015" << 1;
    QTest::newRow("by name: no name starts so, next after it") << true << "ร้านข" << 1;
    QTest::newRow("by name after all") << true << "ฮ" << 3;
    QTest::newRow("by name before all") << true << "ก" << 0;
}

void TestDocumentController::partySearchRow()
{
    QFETCH(bool, byName);
    QFETCH(QString, text);
    QFETCH(int, row);
    DocumentRepository repo(db(), m_db.engine());
    int r = -1;
    QVERIFY(repo.partyRowOf(*modeInfo(1), byName, text, &r));
    QCOMPARE(r, row);
}

void TestDocumentController::quickAdd()
{
    Window w = open(1);
    DocumentController &c = *w.c;
    QVERIFY(c.add());
    QCOMPARE(c.enterPartyCode("+"), PartyCodeResult::OpenQuickAdd);
    QCOMPARE(c.lastPartyCode(), QString("00030"));
    PartyRecord p;
    p.code = "00031";
    p.name = "คุณวิภา ศรีสุข";
    QVERIFY(c.quickAdd(p));
    QVERIFY(!c.quickAdd(p));  // the code exists now
    QCOMPARE(m_prompt.messages, QStringList{Messages::quickAddFailed()});
    QCOMPARE(c.enterPartyCode("00031"), PartyCodeResult::Found);
    QCOMPARE(c.term(), QString("สด"));  // empty term became cash
    c.dontSave();
    QCOMPARE(count(db(), "SELECT count(*) FROM Customer WHERE CUST_NO = '00031'"), 1);
}

void TestDocumentController::dateAndTerm_data()
{
    QTest::addColumn<QString>("party");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("term");  // empty: the party's
    QTest::addColumn<QString>("due");
    QTest::newRow("30 days from 15/01/2550") << "00012" << "15/01/2550" << "" << "14/02/2550";
    QTest::newRow("one month moves with the date") << "00030" << "15/01/2549" << "" << "28/02/2549";
    QTest::newRow("two months over the year") << "00020" << "10/11/2549" << "2 ด." << "31/01/2550";
    QTest::newRow("cash is the date itself") << "00020" << "03/03/2550" << "" << "03/03/2550";
}

void TestDocumentController::dateAndTerm()
{
    QFETCH(QString, party);
    QFETCH(QString, date);
    QFETCH(QString, term);
    QFETCH(QString, due);
    Window w = open(1);
    DocumentController &c = *w.c;
    QVERIFY(c.add());
    QCOMPARE(c.dateText(), Text::TodayText());
    QVERIFY(c.dateLeft(date));
    // The lookup follows the document's date, not today's.
    QCOMPARE(c.enterPartyCode(party), PartyCodeResult::Found);
    if (!term.isEmpty())
        c.setTerm(term);
    QCOMPARE(c.dueDate(), due);
    QVERIFY(!c.dateLeft("31/04/2550"));
    QCOMPARE(m_prompt.messages, QStringList{Messages::dateInvalidOnLeave()});
    QVERIFY(!c.dateEntered("1/1/2550"));
}

void TestDocumentController::dateTypedWithoutLeaving()
{
    Window w = open(1);
    DocumentController &c = *w.c;
    fillNew(c, "00012");
    c.setDateText("15/01/2550");  // typed, box never left
    QVERIFY(c.save().saved);
    QCOMPARE(c.document().header().invDate, QString("15/01/2550"));
    QCOMPARE(c.document().header().dueDate, QString("14/02/2550"));
    QCOMPARE(c.document().header().pBill, QString("05002100012"));
}

void TestDocumentController::dontSaveLeavesNoTrace()
{
    QVERIFY(addHeader(db(), "Invoice", "SALE1000001"));
    Window w = open(1);
    DocumentController &c = *w.c;
    QVERIFY(c.add());
    QCOMPARE(c.enterPartyCode("00012"), PartyCodeResult::Found);
    c.setSalesperson("001");
    for (int i = 0; i < 5; ++i)
        QVERIFY(addProductLine(c, "P003", "1"));
    QCOMPARE(c.document().lineCount(), 5);
    c.dontSave();
    QCOMPARE(c.action(), Action::Normal);
    QCOMPARE(c.currentNumber(), QString("SALE1000001"));
    QCOMPARE(count(db(), "SELECT count(*) FROM Invoice"), 1);
    QCOMPARE(count(db(), "SELECT count(*) FROM Invoice1"), 0);
}

void TestDocumentController::temporaryNeverStored()
{
    Window w = open(1);
    DocumentController &c = *w.c;
    fillNew(c);
    QVERIFY(c.temporaryNumber().startsWith("TEMP"));
    QCOMPARE(c.document().header().invNo, c.temporaryNumber());
    m_prompt.inputAnswers.enqueue(QString("000001"));
    QVERIFY(c.save().saved);
    QCOMPARE(count(db(), "SELECT count(*) FROM Invoice WHERE INV_NO LIKE 'TEMP%'"), 0);
    QCOMPARE(count(db(), "SELECT count(*) FROM Invoice1 WHERE INV_NO LIKE 'TEMP%'"), 0);
    QCOMPARE(count(db(), "SELECT count(*) FROM Invoice1 WHERE INV_NO = 'SALE1000001'"), 1);
}

void TestDocumentController::longNamesCut()
{
    Window w = open(1);
    DocumentController &c = *w.c;
    fillNew(c);
    c.setSalesperson("002");  // 80 characters in the register
    QCOMPARE(c.document().header().saleName.size(), 50);
    m_prompt.inputAnswers.enqueue(QString("000001"));
    QVERIFY(c.save().saved);
    QCOMPARE(count(db(), "SELECT length(SALE_NAME) FROM Invoice"), 50);
}

void TestDocumentController::saveChecksInOrder_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("term");
    QTest::addColumn<bool>("party");
    QTest::addColumn<bool>("zeroTax");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("empty term: both messages, trailing space first") << 1 << "" << true << false
        << QStringList{Messages::saveTermEmpty(), Messages::saveTermUnknown()};
    QTest::newRow("unknown term") << 1 << "31 ว." << true << false << QStringList{Messages::saveTermUnknown()};
    QTest::newRow("no party confirmed") << 1 << "สด" << false << false << QStringList{Messages::saveNoParty()};
    QTest::newRow("mode 2 with tax rate 0") << 2 << "สด" << true << true << QStringList{Messages::saveNoTax()};
    QTest::newRow("all at once, in order") << 2 << "" << false << true
        << QStringList{Messages::saveTermEmpty(), Messages::saveTermUnknown(), Messages::saveNoParty(), Messages::saveNoTax()};
}

void TestDocumentController::saveChecksInOrder()
{
    QFETCH(int, mode);
    QFETCH(QString, term);
    QFETCH(bool, party);
    QFETCH(bool, zeroTax);
    QFETCH(QStringList, messages);
    Window w = open(mode);
    DocumentController &c = *w.c;
    QVERIFY(c.add());
    if (party)
        QCOMPARE(c.enterPartyCode("00020"), PartyCodeResult::Found);
    c.setTerm(term);
    c.setSalesperson("001");
    if (zeroTax)
        const_cast<HeaderValues &>(c.document().header()).taxRate = 0;
    QVERIFY(!c.save().saved);
    QCOMPARE(m_prompt.messages, messages);
    QCOMPARE(c.action(), Action::Add);
    QCOMPARE(count(db(), "SELECT count(*) FROM Invoice"), 0);
}

void TestDocumentController::savedHeaderAndStock()
{
    Window w = open(1);
    DocumentController &c = *w.c;
    QVERIFY(c.add());
    QVERIFY(c.dateLeft("15/02/2550"));
    QCOMPARE(c.enterPartyCode("00012"), PartyCodeResult::Found);  // 30 days
    c.setSalesperson("001");
    for (const char *p : {"P001", "P002", "P003"}) {
        QVERIFY(c.beginNewLine());
        c.lineEntry().codeText = p;
        QVERIFY(c.lookupProduct());
        c.lineEntry().quantityText = "2";
        c.quantityConfirmed();
        QVERIFY2(c.acceptLine(), qPrintable(m_prompt.messages.join('|')));
    }
    QCOMPARE(c.document().line(2).stkPost.has_value(), false);  // not stock-tracked
    QVERIFY(c.setBillDiscountText("4"));
    m_prompt.inputAnswers.enqueue(QString("000001"));
    QVERIFY(c.save().saved);
    QCOMPARE(c.currentNumber(), QString("SALE1000001"));
    QCOMPARE(count(db(), "SELECT count(*) FROM Invoice1 WHERE INV_NO = 'SALE1000001'"), 3);
    QString error;
    const auto pbill = Data::Sql::scalar(db(), "SELECT P_BILL FROM Invoice", {}, &error);
    QCOMPARE(pbill->toString(), QString("05003100012"));  // due 17/03/2550
    QCOMPARE(count(db(), "SELECT FG_OK FROM Invoice"), 0);
    double onHand = 0;
    QVERIFY(w.repo->onHand("P001", &onHand));
    QCOMPARE(onHand, 8.0);

    // Edit: lower P001 to 1, the on-hand rises by the difference.
    QVERIFY(c.edit());
    QVERIFY(c.beginEditLine(0));
    QCOMPARE(c.lineEntry().previousQuantity, 2.0);
    c.lineEntry().quantityText = "1";
    QVERIFY(c.acceptLine());
    QVERIFY(c.save().saved);
    QVERIFY(w.repo->onHand("P001", &onHand));
    QCOMPARE(onHand, 9.0);
    QCOMPARE(count(db(), "SELECT count(*) FROM Invoice1"), 3);
}

void TestDocumentController::editKeepsPaymentState_data()
{
    QTest::addColumn<QString>("newTerm");
    QTest::addColumn<int>("fgOk");
    QTest::newRow("term unchanged keeps the recorded payment") << "30 ว." << 2;
    QTest::newRow("term changed to cash sets paid") << "สด" << 1;
    QTest::newRow("term changed to credit clears it") << "60 ว." << 0;
}

void TestDocumentController::editKeepsPaymentState()
{
    QFETCH(QString, newTerm);
    QFETCH(int, fgOk);
    Window w = open(1);
    fillNew(*w.c, "00012");
    QVERIFY(w.c->save().saved);
    QVERIFY(exec(db(), "UPDATE Invoice SET FG_OK = 2, FG_BILL = 1"));  // billing recorded it
    QVERIFY(w.c->refresh());
    QVERIFY(w.c->edit());
    w.c->setTerm(newTerm);
    QVERIFY(w.c->save().saved);
    QCOMPARE(count(db(), "SELECT FG_OK FROM Invoice"), fgOk);
    QCOMPARE(count(db(), "SELECT FG_BILL FROM Invoice"), 0);
}

void TestDocumentController::editConflict()
{
    Window w = open(1);
    fillNew(*w.c, "00012");
    QVERIFY(w.c->save().saved);
    QVERIFY(w.c->edit());
    w.c->setReference("แก้ไขที่เครื่องนี้");
    QVERIFY(exec(db(), "UPDATE Invoice SET REF_ORDER = 'อีกเครื่อง'"));
    m_prompt.clear();
    QVERIFY(!w.c->save().saved);
    QCOMPARE(m_prompt.messages, QStringList{Messages::saveFailed()});
    QCOMPARE(w.c->action(), Action::Edit);  // still on screen
    QCOMPARE(w.c->document().header().refOrder, QString("แก้ไขที่เครื่องนี้"));
    QString error;
    QCOMPARE(Data::Sql::scalar(db(), "SELECT REF_ORDER FROM Invoice", {}, &error)->toString(), QString("อีกเครื่อง"));
}

void TestDocumentController::stockCheckOnAccept_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("qty");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("price");
    QTest::newRow("sale of 3 with on-hand 2 refused") << 1 << "P002" << "3" << false << "";
    QTest::newRow("sale of 2 with on-hand 2 passes") << 1 << "P002" << "2" << true << "45.5";
    QTest::newRow("not stock-tracked passes any quantity") << 1 << "P003" << "99" << true << "296";
    QTest::newRow("quantity 10 takes level 2 in a sale") << 1 << "P001" << "10" << true << "24";
    QTest::newRow("purchase keeps the buying price") << 3 << "P001" << "10" << true << "18";
    QTest::newRow("quotation never fails") << 9 << "P002" << "50" << true << "45.5";
    QTest::newRow("quantity not a number") << 1 << "P001" << "1,5" << false << "";
}

void TestDocumentController::stockCheckOnAccept()
{
    QFETCH(int, mode);
    QFETCH(QString, product);
    QFETCH(QString, qty);
    QFETCH(bool, accepted);
    QFETCH(QString, price);
    Window w = open(mode);
    DocumentController &c = *w.c;
    QVERIFY(c.add());
    QVERIFY(c.beginNewLine());
    c.lineEntry().codeText = product;
    QVERIFY(c.lookupProduct());
    c.lineEntry().quantityText = qty;
    c.quantityConfirmed();
    QCOMPARE(c.acceptLine(), accepted);
    if (accepted) {
        QCOMPARE(Registers::plainNumber(c.document().line(0).unitPrice), price);
        const int mark = modeInfo(mode)->stockMark;
        QCOMPARE(c.document().line(0).stkPost.value_or(0), product == "P003" ? 0.0 : double(mark));
    } else {
        QCOMPARE(c.document().lineCount(), 0);
        QCOMPARE(m_prompt.messages.size(), 1);
    }
}

QTEST_GUILESS_MAIN(TestDocumentController)
#include "tst_documentcontroller.moc"

void TestDocumentController::deleteLine_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<int>("linesLeft");
    const QStringList none;
    QTest::newRow("new document, Yes: plain-delete notice, line gone") << "new" << true << QStringList{Messages::deletePlain()} << 1;
    QTest::newRow("new document, No: kept") << "new" << false << none << 2;
    QTest::newRow("saved document edited, Yes: no notice, line gone") << "edit" << true << none << 1;
    QTest::newRow("browsing, Yes: nothing deleted") << "browse" << true << none << 2;
}

void TestDocumentController::deleteLine()
{
    QFETCH(QString, state);
    QFETCH(bool, yes);
    QFETCH(QStringList, notices);
    QFETCH(int, linesLeft);
    Window w = open(1);
    DocumentController &c = *w.c;
    fillNew(c);
    QVERIFY(addProductLine(c, "P002", "1"));
    const qint64 withBoth = c.totals().sum;
    if (state != "new") {
        m_prompt.inputAnswers.enqueue(QString("000001"));
        QVERIFY(c.save().saved);
        if (state == "edit")
            QVERIFY(c.edit());
    }
    m_prompt.clear();
    m_prompt.answers.enqueue(yes);
    c.deleteLine(1);
    QCOMPARE(m_prompt.questions, QStringList{Messages::deleteLineQuestion()});
    QCOMPARE(m_prompt.messages, notices);
    QCOMPARE(c.document().lineCount(), linesLeft);
    QCOMPARE(c.totals().sum < withBoth, linesLeft == 1);
}

void TestDocumentController::codeBoxThenLookup_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("indicator");  // on entering the code box
    QTest::addColumn<QString>("quantity");
    using I = LineEntry::Indicator;
    QTest::newRow("sale: blue, quantity 1") << 1 << int(I::Blue) << "1";
    QTest::newRow("vat purchase: blue, quantity 1") << 4 << int(I::Blue) << "1";
    QTest::newRow("purchase order: green until looked up") << 5 << int(I::Green) << "1";
    QTest::newRow("quotation: left as it was") << 9 << int(I::None) << "";
}

void TestDocumentController::codeBoxThenLookup()
{
    QFETCH(int, mode);
    QFETCH(int, indicator);
    QFETCH(QString, quantity);
    Window w = open(mode);
    DocumentController &c = *w.c;
    QVERIFY(c.add());
    QVERIFY(c.beginNewLine());
    c.lineEntry().cursorName = "ยาสีฟัน";
    c.codeBoxEntered();
    QCOMPARE(int(c.lineEntry().indicator), indicator);
    QCOMPARE(c.lineEntry().quantityText, quantity);
    QCOMPARE(c.lineEntry().nameText, mode == 9 ? QString() : QString("ยาสีฟัน"));
    c.lineEntry().codeText = "P001";
    QVERIFY(c.lookupProduct());
    QCOMPARE(c.lineEntry().indicator, LineEntry::Indicator::Blue);
    QCOMPARE(c.lineEntry().stockFlag, QString("1"));
    c.lineEntry().quantityText = "2";
    QVERIFY(c.acceptLine());
    QCOMPARE(c.document().line(0).stkPost, std::optional<double>(modeInfo(mode)->stockMark));
}

void TestDocumentController::freeTextLine()
{
    QVERIFY(addProduct(db(), "P010", "ค่าติดตั้ง", 500, 0, 0, "1", 10));
    Window w = open(2);
    DocumentController &c = *w.c;
    QVERIFY(c.add());
    QVERIFY(c.beginNewLine());
    c.lineEntry().cursorCode = "P010";  // where the product list stands
    c.lineEntry().codeText.clear();
    QVERIFY(c.lookupProduct());
    QCOMPARE(c.lineEntry().kind, LineEntry::Kind::FreeText);
    QVERIFY(!c.lineEntry().stockBoxesShown);
    QVERIFY(!c.lineEntry().listEnabled);
    QCOMPARE(c.lineEntry().indicatorText(), QString(" ไม่ปรับ Stock สินค้า"));
    c.nameBoxEntered();
    QVERIFY(c.lineEntry().priceText.isEmpty());
    c.lineEntry().nameText = "ค่าแรงช่าง";
    c.confirmFreeName();
    c.codeBoxEntered();  // back through the code box: still no stock check
    QVERIFY(c.acceptLine());
    const LineValues &l = c.document().line(0);
    QCOMPARE(l.proNo, QString());
    QCOMPARE(l.proName, QString("ค่าแรงช่าง"));
    QCOMPARE(l.proQty, 1.0);
    QCOMPARE(l.unitPrice, 1.0);
    QCOMPARE(l.proUnit, QString());
    QVERIFY(!l.stkPost);
    QCOMPARE(l.taxRate, 10.0);
    QCOMPARE(c.totals().tax, qint64(1000));
}

void TestDocumentController::byNameWritesCode()
{
    Window w = open(1);
    DocumentController &c = *w.c;
    QVERIFY(c.add());
    QVERIFY(c.beginNewLine());
    c.lineEntry().searchByName = true;
    c.lineEntry().codeText = "ยาสีฟัน";
    QVERIFY(c.lookupProduct());
    c.lineEntry().quantityText = "1";
    QVERIFY(c.acceptLine());
    QCOMPARE(c.document().line(0).proNo, QString("P002"));
    QCOMPARE(c.document().line(0).proName, QString("ยาสีฟัน"));
}

void TestDocumentController::acceptRefused_data()
{
    QTest::addColumn<QString>("code");  // empty: never looked up
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("price");  // empty: as proposed
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QStringList>("messages");
    const QString bad = Messages::badNumber();
    QTest::newRow("never looked up") << "" << "1" << "" << "0" << QStringList{Messages::nothingLookedUp()};
    QTest::newRow("code not found") << "X99" << "1" << "" << "0"
                                    << QStringList{Messages::productNotFound(), Messages::nothingLookedUp()};
    QTest::newRow("price not a number") << "P001" << "1" << "2 5" << "0" << QStringList{bad};
    QTest::newRow("discount not a number") << "P001" << "1" << "" << "ten" << QStringList{bad};
    QTest::newRow("price emptied below the first level") << "P001" << "0.5" << "" << "0" << QStringList{bad};
}

void TestDocumentController::acceptRefused()
{
    QFETCH(QString, code);
    QFETCH(QString, quantity);
    QFETCH(QString, price);
    QFETCH(QString, discount);
    QFETCH(QStringList, messages);
    Window w = open(1);
    DocumentController &c = *w.c;
    QVERIFY(c.add());
    QVERIFY(c.beginNewLine());
    c.lineEntry().codeText = code.isEmpty() ? QString("P001") : code;
    if (!code.isEmpty())
        c.lookupProduct();
    c.lineEntry().quantityText = quantity;
    c.quantityConfirmed();
    if (!price.isEmpty())
        c.lineEntry().priceText = price;
    c.lineEntry().discountText = discount;
    QVERIFY(!c.acceptLine());
    QCOMPARE(m_prompt.messages, messages);
    QVERIFY(c.panelOpen());
    QCOMPARE(c.document().lineCount(), 0);
}

void TestDocumentController::stockWhileEditing_data()
{
    QTest::addColumn<bool>("append");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("filed line of 2 kept at 2 with on-hand 0") << false << "2" << true;
    QTest::newRow("filed line raised to 3: refused, panel stays") << false << "3" << false;
    QTest::newRow("line appended in the edit has nothing filed") << true << "1" << false;
}

void TestDocumentController::stockWhileEditing()
{
    QFETCH(bool, append);
    QFETCH(QString, quantity);
    QFETCH(bool, accepted);
    Window w = open(1);
    DocumentController &c = *w.c;
    QVERIFY(c.add());
    QCOMPARE(c.enterPartyCode("00012"), PartyCodeResult::Found);
    c.setSalesperson("001");
    QVERIFY(addProductLine(c, "P002", "2"));  // on-hand 2
    m_prompt.inputAnswers.enqueue(QString("000001"));
    QVERIFY(c.save().saved);
    QVERIFY(c.edit());
    QVERIFY(append ? c.beginNewLine() : c.beginEditLine(0));
    c.lineEntry().codeText = "P002";
    QVERIFY(c.lookupProduct());
    QCOMPARE(c.lineEntry().previousQuantity, append ? 0.0 : 2.0);
    c.lineEntry().quantityText = quantity;
    QCOMPARE(c.acceptLine(), accepted);
    QCOMPARE(m_prompt.messages, accepted ? QStringList{} : QStringList{Messages::notEnoughStock()});
    QCOMPARE(c.panelOpen(), !accepted && !append);
    QCOMPARE(c.document().lineCount(), 1);
}

void TestDocumentController::cellTypedReprices_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("price");
    QTest::newRow("quantity 3") << 3 << "3" << 136.5;
    QTest::newRow("unit price 40") << 5 << "40" << 40.0;
    QTest::newRow("discount 10") << 6 << "10" << 40.95;
    QTest::newRow("quantity not a number refused") << 3 << "x" << 45.5;
}

void TestDocumentController::cellTypedReprices()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(double, price);
    Window w = open(1);
    DocumentController &c = *w.c;
    QVERIFY(c.add());
    QCOMPARE(c.enterPartyCode("00012"), PartyCodeResult::Found);
    c.setSalesperson("001");
    QVERIFY(addProductLine(c, "P002", "1"));
    const bool number = Text::ReadDouble(text).has_value();
    QCOMPARE(c.setCell(0, column, text), number);
    QCOMPARE(m_prompt.messages, number ? QStringList{} : QStringList{Messages::badNumber()});
    QCOMPARE(c.document().line(0).price, price);
    QCOMPARE(c.totals().sum, fromStored(price));
    m_prompt.inputAnswers.enqueue(QString("000001"));
    QVERIFY(c.save().saved);
    QString error;
    QCOMPARE(Data::Sql::scalar(db(), "SELECT SUM_TOTAL FROM Invoice", {}, &error)->toDouble(), price);
}

void TestDocumentController::unreadableBillDiscount_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("emptied box") << "";
    QTest::newRow("letter in the number") << "4o";
}

void TestDocumentController::unreadableBillDiscount()
{
    QFETCH(QString, text);
    Window w = open(1);
    DocumentController &c = *w.c;
    fillNew(c);
    const Totals before = c.totals();
    c.billDiscountTyped(text);
    m_prompt.clear();
    const SaveOutcome r = c.save();
    QVERIFY(!r.saved);
    QCOMPARE(r.focus, SaveField::BillDiscount);
    QCOMPARE(m_prompt.messages, QStringList{Messages::billDiscountUnreadable()});
    QCOMPARE(c.totals(), before);
    QCOMPARE(c.action(), Action::Add);
    QCOMPARE(count(db(), "SELECT count(*) FROM Invoice"), 0);
    c.billDiscountTyped("4");
    m_prompt.inputAnswers.enqueue(QString("000001"));
    QVERIFY(c.save().saved);
}
