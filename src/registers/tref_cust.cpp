#include "registers/tref_cust.h"

#include "data/businesssettings.h"
#include "printing/pagesink.h"
#include "registers/envelope.h"
#include "registers/messages.h"
#include "text/prompt.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace Registers {
namespace {

const QString searchFields[] = {QStringLiteral("CUST_NO"), QStringLiteral("CUST_NAME"), QStringLiteral("CUST_CARD"),
                                QStringLiteral("CUST_TEL")};
const QString searchCaptions[] = {QStringLiteral("รหัสที่ต้องการค้นหา"), QStringLiteral("ชื่อที่ต้องการค้นหา"),
                                  QStringLiteral("เลขบัตรประชาชนที่ต้องการค้นหา"),
                                  QStringLiteral("เลขโทรศัพท์ที่ต้องการค้นหา")};

} // namespace

TRef_Cust::TRef_Cust(App::AppState &, QWidget *parent)
    : PartyRegister(QStringLiteral("ref_cust"), customerTable(), Messages::customerCaption(),
                    QStringLiteral("รหัสลูกค้า"), QStringLiteral("ชื่อลูกค้า"), parent)
{
    setObjectName(QStringLiteral("TRef_Cust"));
    auto *envelope = new QPushButton(QStringLiteral("ซอง จม."), this);
    envelope->setObjectName(QStringLiteral("envelopeButton"));
    envelope->setToolTip(QStringLiteral("พิมพ์ซอง"));
    buttonRow()->insertWidget(buttonRow()->count() - 1, envelope);
    addBrowseButton(envelope);
    connect(envelope, &QPushButton::clicked, this, &TRef_Cust::printEnvelope);

    auto *panel = new SearchPanel(QStringLiteral("  ค้นหาโดย  "),
                                  {QStringLiteral("รหัส"), QStringLiteral("ชื่อ"), QStringLiteral("เลขบัตรประชาชน"),
                                   QStringLiteral("เลขโทรศัพท์")},
                                  {QStringLiteral("รหัสลูกค้า"), QStringLiteral("ชื่อลูกค้า"),
                                   QStringLiteral("เลขบัตรประชาชน"), QStringLiteral("เลขโทรศัพท์")},
                                  QStringLiteral("กลับ"), this);
    setSearchPanel(panel);
    connect(panel, &SearchPanel::choiceChanged, this, &TRef_Cust::chooseSearch);
    connect(panel, &SearchPanel::enterPressed, this, &TRef_Cust::searchNow);
    connect(panel, &SearchPanel::rowClicked, this, [this, panel](int row) {
        if (!moveTo(store()->byCode(panel->keyOfRow(row))))
            return;
        if (panel->choice() < 3)
            panel->box()->setText(currentRecord()->text(searchFields[panel->choice()]));
    });
    connect(panel->closeButton(), &QPushButton::clicked, this, [this, panel] {
        searchNow();
        setMode(Mode::Browse);
        panel->hide();
    });
}

void TRef_Cust::startSearch()
{
    SearchPanel *panel = searchPanel();
    if (!store())
        return;
    panel->show();
    panel->setChoice(1);
    chooseSearch(1);
    panel->box()->clear();
    showGrid();
}

void TRef_Cust::chooseSearch(int choice)
{
    SearchPanel *panel = searchPanel();
    panel->caption()->setText(searchCaptions[qBound(0, choice, 3)]);
    panel->box()->setFocus(Qt::OtherFocusReason);
}

void TRef_Cust::showGrid()
{
    SearchPanel *panel = searchPanel();
    const std::optional<Record> current = currentRecord();
    if (!current)
        return;
    panel->showRows(store()->around(RegisterStore::Order::Code, *current, 10, 30).rows,
                    {QStringLiteral("CUST_NO"), QStringLiteral("CUST_NAME"), QStringLiteral("CUST_CARD"),
                     QStringLiteral("CUST_TEL")},
                    QStringLiteral("CUST_NO"), current->text(QStringLiteral("CUST_NO")));
}

void TRef_Cust::searchNow()
{
    SearchPanel *panel = searchPanel();
    if (!store())
        return;
    const QString text = panel->box()->text();
    const int choice = panel->choice();
    // No match leaves the register where it was.
    const Fetched f = choice == 0 ? store()->byCodeIgnoringCase(text)
                                  : store()->firstWithPrefix(searchFields[qBound(1, choice, 3)], text);
    if (moveTo(f))
        showGrid();
    panel->closeButton()->setFocus(Qt::OtherFocusReason);
}

void TRef_Cust::printEnvelope()
{
    const std::optional<Record> shown = currentRecord();
    if (!shown || !connection())
        return;
    // Read again: another user may have changed the address meanwhile.
    const Fetched customer = store()->byCode(shown->text(QStringLiteral("CUST_NO")));
    if (customer.failed() || !customer.record) {
        if (customer.failed())
            Prompt::warning(Messages::databaseError(customer.error));
        return;
    }
    QSqlQuery q(connection()->db());
    if (!q.exec(QStringLiteral("SELECT OF_NAME, OF_ADD1, OF_ADD2, OF_ADD4, OF_ZIP FROM Orvansys LIMIT 1"))) {
        Prompt::warning(Messages::databaseError(q.lastError().text()));
        return;
    }
    Data::BusinessSettings business;
    if (q.next()) {
        business.name = q.value(0).toString();
        business.address1 = q.value(1).toString();
        business.address2 = q.value(2).toString();
        business.province = q.value(3).toString();
        business.zip = q.value(4).toString();
    }
    const Printing::PageList pages({envelopePage(envelopeContent(business, *customer.record))});
    showPages(pages, QStringLiteral("พิมพ์ซอง"), this);
}

} // namespace Registers
