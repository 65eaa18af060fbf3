#include "registers/tref_part.h"

#include "printing/pagesink.h"
#include "registers/messages.h"
#include "registers/scalestore.h"
#include "registers/terms.h"
#include "text/prompt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Registers {

TRef_Part::TRef_Part(App::AppState &, QWidget *parent)
    : RegisterWindow(QStringLiteral("ref_part"), productTable(), Messages::productCaption(), parent)
{
    setObjectName(QStringLiteral("TRef_Part"));
    QList<QWidget *> order;
    QLineEdit *code = addLineBox(QStringLiteral("PRO_NO"), QStringLiteral("รหัสสินค้า"), QStringLiteral("( ไม่เกิน 13 หลัก )"));
    code->setMaxLength(13);
    placeSearchButton(QStringLiteral("PRO_NO"));
    order << code;
    order << addLineBox(QStringLiteral("PRO_NAME"), QStringLiteral("ชื่อสินค้า"));
    order << addLineBox(QStringLiteral("ATTRIB"), QStringLiteral("SN : / IMEI"));
    QLineEdit *unit = addLineBox(QStringLiteral("PRO_UNIT"), QStringLiteral("หน่วยนับ"));
    order << unit;
    order << addLineBox(QStringLiteral("PRO_GROUP"), QStringLiteral("กลุ่มสินค้า"));
    QLineEdit *tax = addLineBox(QStringLiteral("TAX_RATE"), QStringLiteral("อัตราภาษี"));
    tax->setMaxLength(5);
    order << tax;
    order << addLineBox(QStringLiteral("CUT_STOCK"), QStringLiteral("ตัด Stock"), QStringLiteral("0 = ไม่ตัด  1 =  ตัด"));
    order << addLineBox(QStringLiteral("PRO_BPRICE"), QStringLiteral("ราคาซื้อ"));

    // Five price boxes side by side, each under its threshold caption.
    auto *prices = new QWidget(formArea());
    auto *pg = new QGridLayout(prices);
    pg->setContentsMargins(0, 0, 0, 0);
    const QString priceFields[] = {QStringLiteral("PRO_SPRICE"), QStringLiteral("PRO_SP2"), QStringLiteral("PRO_SP3"),
                                   QStringLiteral("PRO_SP4"), QStringLiteral("PRO_SP5")};
    for (int i = 0; i < 5; ++i) {
        m_thresholds[i] = new QLabel(QStringLiteral("x  1"), prices);
        m_thresholds[i]->setObjectName(QStringLiteral("threshold%1").arg(i + 1));
        QLineEdit *box = makeLineBox(priceFields[i], prices);
        pg->addWidget(m_thresholds[i], 0, i);
        pg->addWidget(box, 1, i);
        order << box;
    }
    m_levelOne = qobject_cast<QLineEdit *>(editor(QStringLiteral("PRO_SPRICE")));
    m_levelTwo = qobject_cast<QLineEdit *>(editor(QStringLiteral("PRO_SP2")));
    addExtraRow(new QLabel(QStringLiteral("ราคาขาย"), formArea()), prices);

    order << addLineBox(QStringLiteral("PRO_RORDER"), QStringLiteral("จำนวนต่ำสุดที่ต้องสั่งซื้อ"));
    QComboBox *warranty = addListBox(QStringLiteral("WARN_TERM"), QStringLiteral("เวลารับประกัน"), warrantyTerms(), false);
    order << warranty;
    setEnterOrder(order);
    connect(warranty, &QComboBox::activated, this, [this] { focusField(QStringLiteral("PRO_NO")); });

    auto *stockTitle = new QLabel(QStringLiteral("จำนวนคงเหลือ"), this);
    m_onHand = new QLabel(QStringLiteral("0"), this);
    m_onHand->setObjectName(QStringLiteral("onHand"));
    QFont big = m_onHand->font();
    big.setPointSize(big.pointSize() * 2 + 4);
    big.setBold(true);
    m_onHand->setFont(big);
    m_unit = new QLabel(this);
    auto *stockRow = new QHBoxLayout;
    stockRow->addWidget(m_onHand);
    stockRow->addWidget(m_unit);
    stockRow->addStretch(1);
    sideArea()->addWidget(stockTitle);
    sideArea()->addLayout(stockRow);
    connect(unit, &QLineEdit::textChanged, m_unit, &QLabel::setText);

    auto *code39 = new QPushButton(QStringLiteral("พิมพ์บาร์โค๊ด"), this);
    code39->setObjectName(QStringLiteral("code39Button"));
    code39->setAutoDefault(false);
    auto *ean13 = new QPushButton(QStringLiteral("พิมพ์บาร์โค๊ด Ean 13"), this);
    ean13->setObjectName(QStringLiteral("ean13Button"));
    ean13->setAutoDefault(false);
    sideArea()->addWidget(code39);
    sideArea()->addWidget(ean13);
    connect(code39, &QPushButton::clicked, this, &TRef_Part::printCode39Labels);
    connect(ean13, &QPushButton::clicked, this, &TRef_Part::printEan13Labels);

    auto *panel = new SearchPanel(QStringLiteral("ค้นหาโดย"), {QStringLiteral("รหัส"), QStringLiteral("ชื่อ")},
                                  {QStringLiteral("รหัส"), QStringLiteral("ชื่อ")}, QStringLiteral("ตกลง"), this);
    panel->caption()->setText(QStringLiteral("พิมพ์รายการที่ค้นหา"));
    setSearchPanel(panel);
    sideArea()->addStretch(1);
    connect(panel, &SearchPanel::choiceChanged, this, [panel] { panel->box()->setFocus(Qt::OtherFocusReason); });
    connect(panel->box(), &QLineEdit::textChanged, this, [this, panel](const QString &text) {
        if (store() && panel->isVisible() && moveTo(store()->seek(searchOrder(), text)))
            searchMoved();
    });
    connect(panel, &SearchPanel::rowClicked, this, [this, panel](int row) {
        const Fetched f = store()->byCode(panel->keyOfRow(row));
        if (!f.record)
            return;
        // Copying the text moves the register through the incremental search.
        panel->box()->setText(f.record->text(searchOrder() == RegisterStore::Order::Code ? QStringLiteral("PRO_NO")
                                                                                        : QStringLiteral("PRO_NAME")));
        moveTo(f);
        searchMoved();
    });
    auto finish = [this, panel] {
        setMode(Mode::Browse);
        panel->hide();
    };
    connect(panel, &SearchPanel::enterPressed, this, finish);
    connect(panel->closeButton(), &QPushButton::clicked, this, finish);
}

RegisterStore::Order TRef_Part::searchOrder() const
{
    return searchPanel()->choice() == 1 ? RegisterStore::Order::Name : RegisterStore::Order::Code;
}

void TRef_Part::searchMoved()
{
    if (const std::optional<Record> r = currentRecord())
        searchPanel()->showRows(store()->around(searchOrder(), *r, 5, 15).rows,
                                {QStringLiteral("PRO_NO"), QStringLiteral("PRO_NAME")}, QStringLiteral("PRO_NO"),
                                r->text(QStringLiteral("PRO_NO")));
}

void TRef_Part::startSearch()
{
    if (!store())
        return;
    SearchPanel *panel = searchPanel();
    panel->setChoice(0);
    panel->box()->blockSignals(true);
    panel->box()->clear();
    panel->box()->blockSignals(false);
    panel->show();
    searchMoved();
    panel->box()->setFocus(Qt::OtherFocusReason);
}

void TRef_Part::opened()
{
    m_stock = std::make_unique<StockStore>(connection()->db());
    QString error;
    const std::optional<PriceThresholds> t = ScaleStore(connection()->db()).read(&error);
    if (!t) {
        Prompt::warning(Messages::databaseError(error));
        return;
    }
    for (int i = 0; i < 5; ++i)
        m_thresholds[i]->setText(thresholdCaption(t->scale[i]));
}

void TRef_Part::shownChanged()
{
    m_unit->setText(fieldText(QStringLiteral("PRO_UNIT")));
    if (!m_stock)
        return;
    QString error;
    const std::optional<double> q = m_stock->onHand(fieldText(QStringLiteral("PRO_NO")), &error);
    m_onHand->setText(q ? plainNumber(*q) : QString());
}

QString TRef_Part::onHandText() const
{
    return m_onHand->text();
}

QString TRef_Part::thresholdCaptionText(int level) const
{
    return m_thresholds[level - 1]->text();
}

bool TRef_Part::enterIn(QWidget *box)
{
    if (box != m_levelOne)
        return false;
    if (mode() == Mode::Inserting && !m_levelOne->text().trimmed().isEmpty()) {
        std::optional<double> price;
        if (!parseNumberText(m_levelOne->text(), &price)) {
            Prompt::warning(Messages::notANumber(QStringLiteral("ราคาขาย")));
            return true;
        }
        const QString text = plainNumber(*price);
        for (const char *f : {"PRO_SP2", "PRO_SP3", "PRO_SP4", "PRO_SP5"})
            qobject_cast<QLineEdit *>(editor(QString::fromLatin1(f)))->setText(text);
    }
    m_levelTwo->setFocus(Qt::OtherFocusReason);
    m_levelTwo->selectAll();
    return true;
}

Tools::LabelSheet TRef_Part::labelSheet(Tools::LabelKind kind) const
{
    return Tools::labelSheet(kind, fieldText(QStringLiteral("PRO_NO")), fieldText(QStringLiteral("PRO_NAME")));
}

void TRef_Part::printLabels(Tools::LabelKind kind)
{
    Tools::LabelSheet sheet = labelSheet(kind);
    if (!sheet.page) {
        Prompt::warning(sheet.error);
        return;
    }
    const Printing::PageList pages({std::move(*sheet.page)});
    showPages(pages, Tools::sheetCaption(kind), this);
}

void TRef_Part::printCode39Labels()
{
    printLabels(Tools::LabelKind::Code39);
}

void TRef_Part::printEan13Labels()
{
    if (fieldText(QStringLiteral("PRO_NO")).size() != 13) {
        Prompt::warning(Messages::ean13Only13());
        return;
    }
    printLabels(Tools::LabelKind::Ean13);
}

} // namespace Registers
