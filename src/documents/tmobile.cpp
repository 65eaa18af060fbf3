#include "documents/tmobile.h"

#include "app/appstate.h"
#include "data/connection.h"
#include "documents/cashdrawer.h"
#include "documents/messages.h"
#include "documents/payment.h"
#include "registers/pricelevels.h"
#include "registers/terms.h"
#include "text/money.h"
#include "text/prompt.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQueryModel>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Documents;

namespace {

QLineEdit *box(QWidget *parent, int maxLength = 0, bool readOnly = false)
{
    auto *e = new QLineEdit(parent);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    e->setReadOnly(readOnly);
    return e;
}

void setCircle(QLabel *l, const char *colour)
{
    l->setFixedSize(14, 14);
    l->setStyleSheet(QStringLiteral("border-radius: 7px; background: %1; border: 1px solid #666;").arg(colour));
}

QString circleColour(Action a)
{
    return a == Action::Add ? QStringLiteral("#1e5bd8") : a == Action::Edit ? QStringLiteral("#1d9a3a") : QStringLiteral("#f2d21b");
}

} // namespace

Tmobile::Tmobile(App::AppState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    m_mode = modeInfo(state.docMode) ? state.docMode : 1;
    setObjectName(QStringLiteral("Tmobile"));
    build();
    setWindowTitle(modeInfo(m_mode)->caption);
}

Tmobile::~Tmobile()
{
    if (!m_activationPending)
        m_state.docWindowOpen = false;
    m_controller.reset();
    m_repo.reset();
    m_docModel->clear();
    m_partyModel->clear();
    m_productModel->clear();
}

void Tmobile::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_activationPending)
        activateWindow();
}

void Tmobile::closeEvent(QCloseEvent *event)
{
    m_state.docWindowOpen = false;
    QWidget::closeEvent(event);
}

bool Tmobile::activateWindow()
{
    if (!m_activationPending)
        return true;
    m_activationPending = false;
    m_payment->hide();
    QString error;
    auto conn = Data::Connection::open(QStringLiteral("Light"), &error);
    if (!conn) {
        Prompt::warning(error);
        return false;
    }
    m_connection = std::make_unique<Data::Connection>(std::move(*conn));
    m_repo = std::make_unique<DocumentRepository>(m_connection->db(), m_connection->engine());
    m_controller = std::make_unique<DocumentController>(m_mode, m_state.userLevel(), *m_repo);
    connect(m_controller.get(), &DocumentController::changed, this, &Tmobile::refresh);
    connect(&m_state, &App::AppState::userLevelChanged, m_controller.get(), &DocumentController::setUserLevel);
    m_state.docWindowOpen = true;
    m_state.docPrintMode = m_mode;
    const ModeInfo &mode = *modeInfo(m_mode);
    if (!mode.picture.isEmpty()) {
        const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(mode.picture);
        if (QFile::exists(path))
            m_picture->setPixmap(QPixmap(path).scaledToHeight(48));
    }
    const bool ok = m_controller->activate();
    m_salesperson->blockSignals(true);
    m_salesperson->clear();
    m_salesperson->addItem(QString(), QString());
    for (const SalespersonRecord &s : m_controller->salespeople())
        m_salesperson->addItem(s.name, s.code);
    m_salesperson->blockSignals(false);
    productSearchOrder();
    refresh();
    m_number->setFocus();
    return ok;
}

void Tmobile::build()
{
    const ModeInfo &mode = *modeInfo(m_mode);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);

    m_toolbar = new QWidget(this);
    auto *tb = new QHBoxLayout(m_toolbar);
    tb->setContentsMargins(0, 0, 0, 0);
    auto button = [&](const QString &text, const QString &name) {
        auto *b = new QPushButton(text, m_toolbar);
        b->setObjectName(name);
        b->setAutoDefault(false);
        tb->addWidget(b);
        return b;
    };
    m_add = button(QStringLiteral("เ&พิ่ม"), "add");
    m_edit = button(QStringLiteral("แ&ก้ไข"), "edit");
    m_delete = button(QStringLiteral("&ลบ"), "delete");
    m_delete->hide();  // documents are never deleted here
    m_save = button(QStringLiteral("บัน&ทึก"), "save");
    m_dontSave = button(QStringLiteral("ไ&ม่บันทึก"), "dontSave");
    tb->addSpacing(8);
    m_first = button(QStringLiteral("|◀"), "first");
    m_prior = button(QStringLiteral("◀"), "prior");
    m_next = button(QStringLiteral("▶"), "next");
    m_last = button(QStringLiteral("▶|"), "last");
    m_refreshButton = button(QStringLiteral("↻"), "refresh");
    for (QPushButton *b : {m_first, m_prior, m_next, m_last, m_refreshButton})
        b->setFixedWidth(34);
    m_search = button(QStringLiteral("ค้นหา"), "search");
    tb->addSpacing(8);
    for (int i = 0; i < 3; ++i)
        m_print[i] = button(mode.print[i].caption, QStringLiteral("print%1").arg(i + 1));
    m_payButton = button(QStringLiteral("รวม"), "payment");
    m_payButton->setToolTip(QStringLiteral("เครื่องคิดเลข"));
    tb->addStretch();
    m_exit = button(QStringLiteral("เ&ลิก"), "exit");
    outer->addWidget(m_toolbar);

    m_pages = new QStackedWidget(this);
    m_mainPage = buildMainPage();
    m_searchPage = buildSearchPage();
    m_partyPage = buildPartyPage();
    m_quickPage = buildQuickAddPage();
    for (QWidget *p : {m_mainPage, m_searchPage, m_partyPage, m_quickPage})
        m_pages->addWidget(p);
    outer->addWidget(m_pages, 1);

    connect(m_add, &QPushButton::clicked, this, &Tmobile::addDocument);
    connect(m_edit, &QPushButton::clicked, this, &Tmobile::editDocument);
    connect(m_save, &QPushButton::clicked, this, &Tmobile::saveDocument);
    connect(m_dontSave, &QPushButton::clicked, this, &Tmobile::dontSaveDocument);
    connect(m_first, &QPushButton::clicked, this, [this] { m_controller->moveFirst(); });
    connect(m_prior, &QPushButton::clicked, this, [this] { m_controller->movePrior(); });
    connect(m_next, &QPushButton::clicked, this, [this] { m_controller->moveNext(); });
    connect(m_last, &QPushButton::clicked, this, [this] { m_controller->moveLast(); });
    connect(m_refreshButton, &QPushButton::clicked, this, [this] { m_controller->refresh(); });
    connect(m_search, &QPushButton::clicked, this, &Tmobile::openDocumentSearch);
    for (int i = 0; i < 3; ++i)
        connect(m_print[i], &QPushButton::clicked, this, [this, i] { printDocument(i); });
    connect(m_payButton, &QPushButton::clicked, this, [this] { openPayment(true); });
    connect(m_exit, &QPushButton::clicked, this, [this] {
        if (QWidget *w = parentWidget(); w && w->inherits("QMdiSubWindow"))
            w->close();
        else
            close();
    });
    applyMode();
}

QWidget *Tmobile::buildMainPage()
{
    const ModeInfo &mode = *modeInfo(m_mode);
    auto *page = new QWidget(this);
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);

    auto *head = new QFrame(page);
    head->setFrameShape(QFrame::StyledPanel);
    auto *g = new QGridLayout(head);
    auto label = [&](const QString &t, int r, int c) {
        auto *l = new QLabel(t, head);
        g->addWidget(l, r, c, Qt::AlignRight);
        return l;
    };
    m_picture = new QLabel(head);
    m_headerState = new QLabel(head);
    m_lineState = new QLabel(head);
    setCircle(m_headerState, "#f2d21b");
    setCircle(m_lineState, "#f2d21b");
    auto *states = new QHBoxLayout;
    states->addWidget(m_picture);
    states->addStretch();
    states->addWidget(m_headerState);
    states->addWidget(m_lineState);
    g->addLayout(states, 0, 0, 1, 6);

    m_codeLabel = label(mode.partyCodeLabel, 1, 0);
    m_partyCode = box(head, 13);
    m_partyCode->setObjectName("partyCode");
    m_partyCode->setToolTip(QStringLiteral("ใส่รหัสลูกค้าที่ทราบ หรือ Enter (ว่าง)  สำหรับค้นหา   หรือ กด + แล้วตามด้วย Enter เพิ่มข้อมูลลูกค้าใหม่"));
    g->addWidget(m_partyCode, 1, 1);
    label(QStringLiteral("ใบสำคัญเลขที่"), 1, 4);
    m_number = box(head, 11, true);
    m_number->setObjectName("number");
    g->addWidget(m_number, 1, 5);

    m_nameLabel = label(mode.partyNameLabel, 2, 0);
    m_partyName = box(head, 0, true);
    g->addWidget(m_partyName, 2, 1, 1, 3);
    label(QStringLiteral("วันที่"), 2, 4);
    m_date = box(head, 10);
    m_date->setObjectName("date");
    m_date->setInputMask(QString());
    g->addWidget(m_date, 2, 5);

    label(QStringLiteral("       ที่อยู่"), 3, 0);
    m_address1 = box(head, 0, true);
    g->addWidget(m_address1, 3, 1, 1, 3);
    label(QStringLiteral("การชำระเงิน"), 3, 4);
    m_term = new QComboBox(head);
    m_term->setObjectName("term");
    m_term->setEditable(true);
    m_term->addItems(Registers::creditTerms());
    m_term->addItem(QString());
    g->addWidget(m_term, 3, 5);

    m_address2 = box(head, 0, true);
    g->addWidget(m_address2, 4, 1, 1, 3);
    label(QStringLiteral("วันครบชำระ"), 4, 4);
    m_due = box(head, 10, true);
    m_due->setObjectName("due");
    g->addWidget(m_due, 4, 5);

    label(QStringLiteral("   จังหวัด"), 5, 0);
    m_province = box(head, 0, true);
    g->addWidget(m_province, 5, 1);
    label(QStringLiteral("รหัสไปรษณีย์"), 5, 2);
    m_zip = box(head, 0, true);
    g->addWidget(m_zip, 5, 3);
    m_staffLabel = label(mode.staffLabel, 5, 4);
    m_salesperson = new QComboBox(head);
    m_salesperson->setObjectName("salesperson");
    g->addWidget(m_salesperson, 5, 5);

    label(QStringLiteral("       โทร."), 6, 0);
    m_tel = box(head, 0, true);
    g->addWidget(m_tel, 6, 1);
    label(QStringLiteral("โทร. / Fax"), 6, 2);
    m_fax = box(head, 0, true);
    g->addWidget(m_fax, 6, 3);
    m_referenceLabel = label(mode.referenceLabel, 6, 4);
    m_reference = box(head, 20);
    m_reference->setObjectName("reference");
    g->addWidget(m_reference, 6, 5);

    m_billDiscountLabel = label(QStringLiteral("ส่วนลดรวม %"), 7, 4);
    m_billDiscount = box(head, 8);
    m_billDiscount->setObjectName("billDiscount");
    g->addWidget(m_billDiscount, 7, 5);
    // Party and address boxes get the room; the right-hand boxes hold short texts.
    g->setColumnStretch(1, 3);
    g->setColumnStretch(3, 3);
    g->setColumnStretch(5, 2);
    v->addWidget(head);

    m_lineButtons = new QFrame(page);
    m_lineButtons->setStyleSheet(QStringLiteral("QFrame { background: #fff6a8; }"));
    auto *lb = new QHBoxLayout(m_lineButtons);
    lb->setContentsMargins(4, 2, 4, 2);
    m_lineAdd = new QPushButton(QStringLiteral("เพิ่ม"), m_lineButtons);
    m_lineAdd->setObjectName("lineAdd");
    m_lineAdd->setToolTip(QStringLiteral("เพิ่มรายการ"));
    m_lineDelete = new QPushButton(QStringLiteral("ลบ"), m_lineButtons);
    m_lineDelete->setToolTip(QStringLiteral("ลบรายการ"));
    m_lineEdit = new QPushButton(QStringLiteral("&แก้ไข"), m_lineButtons);
    for (QPushButton *b : {m_lineAdd, m_lineDelete, m_lineEdit}) {
        b->setAutoDefault(false);
        lb->addWidget(b);
    }
    lb->addStretch();
    v->addWidget(m_lineButtons);

    auto *middle = new QWidget(page);
    auto *mg = new QGridLayout(middle);
    mg->setContentsMargins(0, 0, 0, 0);
    m_grid = new QTableWidget(0, 10, middle);
    m_grid->setObjectName("lines");
    m_grid->setHorizontalHeaderLabels({QStringLiteral("รหัสสินค้า"), QStringLiteral("ชื่อสินค้า"), QStringLiteral("รายละเอียด / SN"),
                                       QStringLiteral("จำนวน"), QStringLiteral("หน่วยนับ"), QStringLiteral("ราคา/หน่วย"),
                                       QStringLiteral("ลด%"), QStringLiteral("เป็นเงิน"), QStringLiteral("ระยะประกัน"),
                                       QStringLiteral("รายละเอียด 2")});
    m_grid->setColumnHidden(8, true);
    m_grid->setColumnHidden(9, true);
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    mg->addWidget(m_grid, 0, 0);
    buildLinePanel(middle);
    mg->addWidget(m_panel, 0, 0, Qt::AlignCenter);
    buildPaymentPanel(middle);
    mg->addWidget(m_payment, 0, 0, Qt::AlignRight | Qt::AlignBottom);
    v->addWidget(middle, 1);

    auto *bar = new QFrame(page);
    bar->setFrameShape(QFrame::StyledPanel);
    auto *bl = new QHBoxLayout(bar);
    auto group = [&](const QString &caption, QLabel **amount) {
        auto *w = new QWidget(bar);
        auto *h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(new QLabel(caption, w));
        *amount = new QLabel(w);
        (*amount)->setMinimumWidth(110);
        (*amount)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        (*amount)->setStyleSheet(QStringLiteral("background: white; border: 1px solid #999; padding: 2px;"));
        h->addWidget(*amount);
        h->addWidget(new QLabel(QStringLiteral("บาท"), w));
        bl->addWidget(w);
        return w;
    };
    group(QStringLiteral("ส่วนลดรวม"), &m_discountAmount);
    m_netGroup = group(QStringLiteral("มูลค่าก่อนรวมภาษี"), &m_netAmount);
    m_taxGroup = group(QStringLiteral("ภาษี"), &m_taxAmount);
    auto *sum = new QWidget(bar);
    auto *sh = new QHBoxLayout(sum);
    sh->setContentsMargins(0, 0, 0, 0);
    m_sumWord = new QToolButton(sum);
    m_sumWord->setText(QStringLiteral("รวม"));
    m_sumWord->setObjectName("sumWord");
    m_sumWord->setAutoRaise(true);
    m_sumWord->setToolTip(QStringLiteral("เครื่องคิดเลข"));
    sh->addWidget(m_sumWord);
    m_sumAmount = new QLabel(sum);
    m_sumAmount->setObjectName("sum");
    m_sumAmount->setMinimumWidth(120);
    m_sumAmount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_sumAmount->setStyleSheet(QStringLiteral("background: white; border: 1px solid #999; padding: 2px; font-weight: bold;"));
    sh->addWidget(m_sumAmount);
    sh->addWidget(new QLabel(QStringLiteral("บาท"), sum));
    bl->addWidget(sum);
    v->addWidget(bar);

    connect(m_partyCode, &QLineEdit::returnPressed, this, &Tmobile::partyCodeEntered);
    connect(m_date, &QLineEdit::returnPressed, this, [this] {
        if (m_controller->dateEntered(m_date->text()))
            m_term->setFocus();
    });
    m_date->installEventFilter(this);
    m_billDiscount->installEventFilter(this);
    m_grid->installEventFilter(this);
    connect(m_term, &QComboBox::currentTextChanged, this, [this](const QString &t) {
        if (!m_refreshing)
            m_controller->setTerm(t);
    });
    connect(m_term, &QComboBox::activated, this, [this] { m_salesperson->setFocus(); });
    connect(m_salesperson, &QComboBox::activated, this, &Tmobile::salespersonChosen);
    connect(m_reference, &QLineEdit::textEdited, this, [this](const QString &t) { m_controller->setReference(t); });
    connect(m_billDiscount, &QLineEdit::returnPressed, this, [this] {
        if (m_controller->setBillDiscountText(m_billDiscount->text()))
            m_reference->setFocus();
    });
    connect(m_lineAdd, &QPushButton::clicked, this, &Tmobile::newLine);
    connect(m_lineEdit, &QPushButton::clicked, this, &Tmobile::editLine);
    connect(m_lineDelete, &QPushButton::clicked, this, &Tmobile::deleteLine);
    connect(m_grid, &QTableWidget::cellChanged, this, &Tmobile::cellEdited);
    connect(m_sumWord, &QToolButton::clicked, this, [this] { openPayment(false); });
    return page;
}

void Tmobile::buildLinePanel(QWidget *parent)
{
    const ModeInfo &mode = *modeInfo(m_mode);
    m_panel = new QFrame(parent);
    m_panel->setObjectName("linePanel");
    m_panel->setFrameShape(QFrame::Box);
    m_panel->setAutoFillBackground(true);
    m_panel->setStyleSheet(QStringLiteral("QFrame#linePanel { background: #eef3fb; }"));
    auto *g = new QGridLayout(m_panel);
    g->addWidget(new QLabel(QStringLiteral("ค้นหาโดย"), m_panel), 0, 0);
    m_byCode = new QRadioButton(QStringLiteral("รหัสสินค้า"), m_panel);
    m_byName = new QRadioButton(QStringLiteral("ชื่อสินค้า"), m_panel);
    m_byCode->setChecked(true);
    auto *choice = new QHBoxLayout;
    choice->addWidget(m_byCode);
    choice->addWidget(m_byName);
    choice->addStretch();
    g->addLayout(choice, 0, 1, 1, 3);
    m_codeBoxLabel = new QLabel(QStringLiteral("รหัสสินค้า "), m_panel);
    g->addWidget(m_codeBoxLabel, 1, 0);
    m_lineCode = box(m_panel, 50);
    m_lineCode->setObjectName("lineCode");
    g->addWidget(m_lineCode, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("( กด Enter  'ว่าง' เพื่อใส่สินค้าที่ไม่ต้องการตัด Stock )"), m_panel), 1, 2, 1, 2);
    m_indicator = new QLabel(m_panel);
    m_indicator->setObjectName("indicator");
    g->addWidget(m_indicator, 2, 0, 1, 2);
    m_attribLabel = new QLabel(QStringLiteral("หมายเลข / SN : "), m_panel);
    m_attrib = box(m_panel, 20);
    m_attrib->setObjectName("attrib");
    m_attrib2Label = new QLabel(QStringLiteral("รายละเอียด 2"), m_panel);
    m_attrib2 = box(m_panel, 20);
    m_attrib2->setObjectName("attrib2");
    g->addWidget(m_attribLabel, 3, 0);
    g->addWidget(m_attrib, 3, 1);
    g->addWidget(m_attrib2Label, 3, 2);
    g->addWidget(m_attrib2, 3, 3);
    m_productList = new QTableView(m_panel);
    m_productModel = new QSqlQueryModel(this);
    m_productList->setModel(m_productModel);
    m_productList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_productList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_productList->horizontalHeader()->setStretchLastSection(true);
    m_productList->setMinimumHeight(110);
    g->addWidget(m_productList, 4, 0, 1, 4);
    auto *nameCaption = new QLabel(QStringLiteral("ชื่อสินค้า/บริการ"), m_panel);
    g->addWidget(nameCaption, 5, 0);
    m_freeName = box(m_panel, 50);
    m_freeName->setObjectName("freeName");
    g->addWidget(m_freeName, 5, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral(" ( ตรงนี้จะไม่ปรับ Stock )"), m_panel), 5, 3);
    m_onHandLabel = new QLabel(QStringLiteral("คงเหลือ"), m_panel);
    m_onHand = box(m_panel, 0, true);
    m_onHand->setObjectName("onHand");
    m_warrantyLabel = new QLabel(QStringLiteral("รับประกัน"), m_panel);
    m_warranty = new QComboBox(m_panel);
    m_warranty->setEditable(true);
    m_warranty->addItems(Registers::warrantyTerms());
    g->addWidget(m_onHandLabel, 6, 0);
    g->addWidget(m_onHand, 6, 1);
    g->addWidget(m_warrantyLabel, 6, 2);
    g->addWidget(m_warranty, 6, 3);
    m_qtyLabel = new QLabel(mode.quantityCaption, m_panel);
    m_qtyLabel->setObjectName("quantityCaption");
    m_quantity = box(m_panel, 16);
    m_quantity->setObjectName("quantity");
    m_unitLabel = new QLabel(QStringLiteral("หน่วยนับ"), m_panel);
    g->addWidget(m_qtyLabel, 7, 0);
    g->addWidget(m_quantity, 7, 1);
    g->addWidget(m_unitLabel, 7, 2);
    m_priceLabel = new QLabel(mode.priceCaption, m_panel);
    m_priceLabel->setObjectName("priceCaption");
    m_price = box(m_panel, 16);
    m_price->setObjectName("price");
    g->addWidget(m_priceLabel, 8, 0);
    g->addWidget(m_price, 8, 1);
    g->addWidget(new QLabel(QStringLiteral("ลด %"), m_panel), 8, 2);
    m_discount = box(m_panel, 8);
    m_discount->setObjectName("discount");
    g->addWidget(m_discount, 8, 3);
    m_cancel = new QPushButton(QStringLiteral("ยกเลิก"), m_panel);
    m_accept = new QPushButton(QStringLiteral("ตกลง"), m_panel);
    m_accept->setObjectName("accept");
    // Enter on a focused button presses it: the panel's Enter order ends on "ตกลง".
    m_cancel->setAutoDefault(true);
    m_accept->setAutoDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_accept);
    g->addLayout(buttons, 9, 0, 1, 4);
    m_panel->hide();

    connect(m_byCode, &QRadioButton::toggled, this, &Tmobile::productSearchOrder);
    connect(m_lineCode, &QLineEdit::returnPressed, this, &Tmobile::lineCodeEntered);
    connect(m_lineCode, &QLineEdit::textEdited, this, &Tmobile::productTyped);
    connect(m_productList, &QTableView::clicked, this, &Tmobile::productPicked);
    connect(m_productList, &QTableView::activated, this, &Tmobile::productPicked);
    connect(m_freeName, &QLineEdit::returnPressed, this, &Tmobile::freeNameEntered);
    connect(m_attrib, &QLineEdit::returnPressed, this, [this] { m_attrib2->setFocus(); });
    connect(m_attrib2, &QLineEdit::returnPressed, this, [this] { m_quantity->setFocus(); });
    connect(m_quantity, &QLineEdit::returnPressed, this, &Tmobile::quantityEntered);
    m_quantity->installEventFilter(this);
    m_lineCode->installEventFilter(this);
    m_freeName->installEventFilter(this);
    connect(m_price, &QLineEdit::returnPressed, this, [this] { m_discount->setFocus(); });
    connect(m_discount, &QLineEdit::returnPressed, this, [this] { m_accept->setFocus(); });
    connect(m_accept, &QPushButton::clicked, this, &Tmobile::acceptLine);
    connect(m_cancel, &QPushButton::clicked, this, &Tmobile::cancelLine);
}

void Tmobile::buildPaymentPanel(QWidget *parent)
{
    m_payment = new QFrame(parent);
    m_payment->setObjectName("paymentPanel");
    m_payment->setFrameShape(QFrame::Box);
    m_payment->setAutoFillBackground(true);
    m_payment->setStyleSheet(QStringLiteral("QFrame#paymentPanel { background: #fdf3e1; }"));
    auto *g = new QGridLayout(m_payment);
    g->addWidget(new QLabel(QStringLiteral("มูลค่าสินค้า"), m_payment), 0, 0);
    m_goods = new QLabel(m_payment);
    m_goods->setObjectName("goods");
    g->addWidget(m_goods, 0, 1, Qt::AlignRight);
    m_moneyLabel = new QLabel(QStringLiteral("รับเงินมา"), m_payment);
    m_moneyLabel->setObjectName("moneyCaption");
    g->addWidget(m_moneyLabel, 1, 0);
    m_money = box(m_payment, 16);
    m_money->setObjectName("money");
    g->addWidget(m_money, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("เงินทอน"), m_payment), 2, 0);
    m_change = new QLabel(m_payment);
    m_change->setObjectName("change");
    m_goods->setMinimumWidth(120);
    m_change->setMinimumWidth(120);
    m_goods->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_change->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(m_change, 2, 1, Qt::AlignRight);
    m_closePayment = new QPushButton(QStringLiteral("ปิด"), m_payment);
    m_drawer = new QPushButton(QStringLiteral("ลิ้นชักเก็บเงิน"), m_payment);
    m_drawer->setObjectName("drawer");
    // Enter in the money box moves to the drawer button, Enter there opens it.
    m_closePayment->setAutoDefault(true);
    m_drawer->setAutoDefault(true);
    g->addWidget(m_closePayment, 3, 0);
    g->addWidget(m_drawer, 3, 1);
    m_payment->hide();
    connect(m_money, &QLineEdit::returnPressed, this, &Tmobile::workOutChange);
    connect(m_closePayment, &QPushButton::clicked, m_payment, &QWidget::hide);
    connect(m_drawer, &QPushButton::clicked, this, &Tmobile::openDrawer);
}

QWidget *Tmobile::buildSearchPage()
{
    auto *page = new QWidget(this);
    auto *v = new QVBoxLayout(page);
    auto *h = new QHBoxLayout;
    h->addWidget(new QLabel(QStringLiteral("ข้อมูลการค้นหา"), page));
    m_docSearch = box(page, 11);
    m_docSearch->setObjectName("documentSearch");
    h->addWidget(m_docSearch);
    auto *back = new QPushButton(QStringLiteral("กลับรายการหลัก"), page);
    back->setAutoDefault(false);
    h->addWidget(back);
    v->addLayout(h);
    m_docList = new QTableView(page);
    m_docModel = new QSqlQueryModel(this);
    m_docList->setModel(m_docModel);
    m_docList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_docList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_docList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_docList->horizontalHeader()->setStretchLastSection(true);
    v->addWidget(m_docList, 1);
    connect(m_docSearch, &QLineEdit::textEdited, this, &Tmobile::searchDocuments);
    connect(back, &QPushButton::clicked, this, &Tmobile::setMainPage);
    return page;
}

QWidget *Tmobile::buildPartyPage()
{
    auto *page = new QWidget(this);
    auto *v = new QVBoxLayout(page);
    auto *h = new QHBoxLayout;
    h->addWidget(new QLabel(QStringLiteral("ค้นหาโดย"), page));
    m_partyByCode = new QRadioButton(QStringLiteral("รหัส"), page);
    m_partyByName = new QRadioButton(QStringLiteral("ชื่อ"), page);
    m_partyByName->setChecked(true);
    h->addWidget(m_partyByCode);
    h->addWidget(m_partyByName);
    h->addWidget(new QLabel(QStringLiteral("ข้อมูลการค้นหา"), page));
    m_partySearch = box(page, 100);
    m_partySearch->setObjectName("partySearch");
    h->addWidget(m_partySearch, 1);
    v->addLayout(h);
    m_partyList = new QTableView(page);
    m_partyModel = new QSqlQueryModel(this);
    m_partyList->setModel(m_partyModel);
    m_partyList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_partyList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_partyList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_partyList->horizontalHeader()->setStretchLastSection(true);
    v->addWidget(m_partyList, 1);
    auto *b = new QHBoxLayout;
    b->addStretch();
    m_useParty = new QPushButton(QStringLiteral("ใช้ข้อมูลนี้"), page);
    auto *cancel = new QPushButton(QStringLiteral("ยกเลิก"), page);
    m_useParty->setAutoDefault(false);
    cancel->setAutoDefault(false);
    b->addWidget(m_useParty);
    b->addWidget(cancel);
    v->addLayout(b);
    connect(m_partyByCode, &QRadioButton::toggled, this, &Tmobile::partySearchOrder);
    connect(m_partySearch, &QLineEdit::textEdited, this, &Tmobile::searchParties);
    connect(m_partySearch, &QLineEdit::returnPressed, m_useParty, qOverload<>(&QWidget::setFocus));
    connect(m_partyList, &QTableView::clicked, this, [this](const QModelIndex &i) {
        m_partySearch->setText(m_partyModel->index(i.row(), m_partyByName->isChecked() ? 1 : 0).data().toString());
    });
    connect(m_partyList, &QTableView::doubleClicked, this, &Tmobile::usePickedParty);
    connect(m_useParty, &QPushButton::clicked, this, &Tmobile::usePickedParty);
    connect(cancel, &QPushButton::clicked, this, [this] {
        setMainPage();
        m_partyCode->setFocus();
    });
    return page;
}

QWidget *Tmobile::buildQuickAddPage()
{
    const ModeInfo &mode = *modeInfo(m_mode);
    auto *page = new QWidget(this);
    auto *g = new QGridLayout(page);
    m_quickTitle = new QLabel(mode.quickAddTitle, page);
    QFont f = m_quickTitle->font();
    f.setPointSize(f.pointSize() + 3);
    f.setBold(true);
    m_quickTitle->setFont(f);
    g->addWidget(m_quickTitle, 0, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("รหัสสุดท้าย"), page), 0, 2, Qt::AlignRight);
    m_lastCode = new QLabel(page);
    m_lastCode->setObjectName("lastCode");
    g->addWidget(m_lastCode, 0, 3);
    const QStringList captions{mode.quickAddCodeLabel, mode.quickAddNameLabel, QStringLiteral("เลขบัตรประชาชน"),
                               QStringLiteral("วันเกิด"), QStringLiteral("เกรด"), QStringLiteral("       ที่อยู่"),
                               QString(), QStringLiteral("   จังหวัด"), QStringLiteral("รหัสไปรษณีย์"),
                               QStringLiteral("       โทร."), QStringLiteral("โทร. / Fax")};
    const int widths[11] = {5, 100, 13, 10, 1, 80, 80, 80, 5, 25, 25};
    int row = 1;
    for (int i = 0; i < 11; ++i) {
        auto *l = new QLabel(captions[i], page);
        if (i == 0)
            m_quickCodeLabel = l;
        if (i == 1)
            m_quickNameLabel = l;
        g->addWidget(l, row, 0, Qt::AlignRight);
        m_quick[i] = box(page, widths[i]);
        g->addWidget(m_quick[i], row, 1, 1, 3);
        ++row;
        if (i == 4) {
            g->addWidget(new QLabel(QStringLiteral("การชำระเงิน"), page), row, 0, Qt::AlignRight);
            m_quickTerm = new QComboBox(page);
            m_quickTerm->addItem(QString());
            m_quickTerm->addItems(Registers::creditTerms());
            g->addWidget(m_quickTerm, row, 1);
            ++row;
        }
    }
    m_quick[0]->setObjectName("quickCode");
    m_quick[1]->setObjectName("quickName");
    for (int i = 0; i < 10; ++i) {
        QLineEdit *next = m_quick[i + 1];
        if (i == 4) {
            connect(m_quick[i], &QLineEdit::returnPressed, m_quickTerm, qOverload<>(&QWidget::setFocus));
            continue;
        }
        connect(m_quick[i], &QLineEdit::returnPressed, next, qOverload<>(&QWidget::setFocus));
    }
    connect(m_quickTerm, &QComboBox::activated, m_quick[5], qOverload<>(&QWidget::setFocus));
    auto *save = new QPushButton(QStringLiteral("กลับ / บันทึกเข้าระบบ"), page);
    save->setObjectName("quickSave");
    auto *cancel = new QPushButton(QStringLiteral("กลับ/ไม่บันทึก"), page);
    save->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(m_quick[10], &QLineEdit::returnPressed, save, qOverload<>(&QWidget::setFocus));
    g->addWidget(save, row, 1);
    g->addWidget(cancel, row, 2);
    g->setRowStretch(row + 1, 1);
    connect(save, &QPushButton::clicked, this, &Tmobile::quickAddSave);
    connect(cancel, &QPushButton::clicked, this, &Tmobile::quickAddCancel);
    return page;
}

void Tmobile::applyMode()
{
    const ModeInfo &mode = *modeInfo(m_mode);
    for (int i = 0; i < 3; ++i)
        m_print[i]->setVisible(mode.print[i].shown);
    m_billDiscountLabel->setVisible(mode.billDiscountShown);
    m_billDiscount->setVisible(mode.billDiscountShown);
    m_netGroup->setVisible(mode.isVat());
    m_taxGroup->setVisible(mode.isVat());
}

void Tmobile::setMainPage()
{
    m_pages->setCurrentWidget(m_mainPage);
    m_toolbar->show();
}

bool Tmobile::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_grid->currentRow() >= 0) {
            m_grid->setCurrentCell(m_grid->currentRow(), nextGridColumn(m_grid->currentColumn()));
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn && m_controller && !m_refreshing && m_controller->panelOpen()) {
        // Coming back from a message box or another window is no new entry.
        const Qt::FocusReason why = static_cast<QFocusEvent *>(event)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason) {
            if (watched == m_lineCode) {
                gatherPanel();
                m_controller->codeBoxEntered();
            } else if (watched == m_freeName && m_controller->lineEntry().kind == LineEntry::Kind::FreeText) {
                gatherPanel();
                m_controller->nameBoxEntered();
            }
        }
    }
    if (event->type() == QEvent::FocusOut && m_controller && !m_refreshing) {
        if (watched == m_date && m_controller->action() != Action::Normal && m_pages->currentWidget() == m_mainPage
            && !m_date->isReadOnly()) {
            if (!m_controller->dateLeft(m_date->text()))
                QMetaObject::invokeMethod(m_date, qOverload<>(&QWidget::setFocus), Qt::QueuedConnection);
        } else if (watched == m_billDiscount && m_controller->action() != Action::Normal) {
            // Save and Don't save deal with the box themselves; no second message.
            QWidget *to = QApplication::focusWidget();
            if (to == m_save || to == m_dontSave)
                m_controller->billDiscountTyped(m_billDiscount->text());
            else
                m_controller->setBillDiscountText(m_billDiscount->text());
        } else if (watched == m_quantity && m_controller->panelOpen()) {
            gatherPanel();
            m_controller->quantityConfirmed();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Tmobile::refresh()
{
    if (!m_controller)
        return;
    m_refreshing = true;
    DocumentController &c = *m_controller;
    const ButtonSet b = c.buttons();
    m_add->setEnabled(b.add);
    m_edit->setVisible(b.editVisible);
    m_edit->setEnabled(b.edit);
    m_exit->setEnabled(b.exit);
    m_search->setEnabled(b.search);
    m_save->setEnabled(b.save);
    m_dontSave->setEnabled(b.dontSave);
    for (QPushButton *n : {m_first, m_prior, m_next, m_last, m_refreshButton})
        n->setEnabled(b.navigator);
    m_payButton->setEnabled(b.payment);
    for (int i = 0; i < 3; ++i) {
        m_print[i]->setVisible(b.printShown[i]);
        m_print[i]->setEnabled(b.printEnabled[i]);
    }
    m_lineButtons->setVisible(b.lineButtons);
    const bool editable = b.headerEditable;
    m_partyCode->setReadOnly(!editable);
    m_date->setReadOnly(!editable);
    m_reference->setReadOnly(!editable);
    m_billDiscount->setReadOnly(!editable);
    m_salesperson->setEnabled(editable);
    m_term->setEnabled(editable);
    setCircle(m_headerState, qPrintable(circleColour(c.action())));
    setCircle(m_lineState, c.panelOpen() ? (c.action() == Action::Add ? "#1e5bd8" : "#1d9a3a") : "#f2d21b");

    const HeaderValues &h = c.document().header();
    m_number->setText(h.invNo);
    m_date->setText(h.invDate);
    m_due->setText(h.dueDate);
    m_reference->setText(h.refOrder);
    if (!m_billDiscount->hasFocus())
        m_billDiscount->setText(c.billDiscountText());
    const PartyRecord &p = c.shownParty();
    m_partyCode->setText(p.code);
    m_partyName->setText(p.name);
    m_address1->setText(p.address1);
    m_address2->setText(p.address2);
    m_province->setText(p.province);
    m_zip->setText(p.zip);
    m_tel->setText(p.tel);
    m_fax->setText(p.fax);
    m_term->setCurrentText(c.term().isEmpty() && c.action() == Action::Normal && h.invNo.isEmpty() ? QStringLiteral("    ")
                                                                                                  : c.term());
    const int s = m_salesperson->findData(h.saleNo);
    m_salesperson->setCurrentIndex(s >= 0 ? s : 0);

    m_grid->blockSignals(true);
    const int n = c.document().lineCount();
    m_grid->setRowCount(n);
    for (int r = 0; r < n; ++r) {
        const LineValues &l = c.document().line(r);
        const QStringList cells{l.proNo, l.proName, l.attrib,
                                Text::FormatDouble(l.proQty, u"##,###,###,##0.00"), l.proUnit,
                                Text::FormatDouble(l.unitPrice, u"###,###,##0.00"), Registers::plainNumber(l.discount),
                                Text::FormatDouble(l.price, u"###,###,##0.00"), l.warnDate, l.attrib2};
        for (int col = 0; col < cells.size(); ++col) {
            auto *item = new QTableWidgetItem(cells[col]);
            if (col == 3 || col == 5 || col == 6 || col == 7)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (col == 6)
                item->setForeground(Qt::red);
            if (col == 7) {
                item->setBackground(QColor("#7a7a7a"));
                item->setForeground(Qt::white);
            }
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (editable && col <= 6 && col != 7)
                flags |= Qt::ItemIsEditable;
            item->setFlags(flags);
            m_grid->setItem(r, col, item);
        }
    }
    m_grid->blockSignals(false);

    const Totals &t = c.totals();
    m_discountAmount->setText(formatAmount(t.discount));
    m_netAmount->setText(formatAmount(t.net));
    m_taxAmount->setText(formatAmount(t.tax));
    m_sumAmount->setText(formatAmount(t.sum));
    if (c.action() == Action::Normal)
        m_state.currentDocNo = h.invNo;
    refreshPanel();
    m_refreshing = false;
}

void Tmobile::refreshPanel()
{
    DocumentController &c = *m_controller;
    m_panel->setVisible(c.panelOpen());
    if (!c.panelOpen())
        return;
    const LineEntry &e = c.lineEntry();
    const ModeInfo &mode = c.mode();
    m_lineCode->setText(e.codeText);
    m_freeName->setText(e.kind == LineEntry::Kind::FreeText ? m_freeName->text() : e.nameText);
    const bool free = e.kind == LineEntry::Kind::FreeText;
    m_freeName->setReadOnly(!free);
    m_freeName->setStyleSheet(free ? QString() : QStringLiteral("background: #ddd;"));
    m_onHand->setText(e.onHandText);
    for (QWidget *w : {static_cast<QWidget *>(m_onHand), static_cast<QWidget *>(m_onHandLabel),
                       static_cast<QWidget *>(m_warranty), static_cast<QWidget *>(m_warrantyLabel)})
        w->setVisible(e.stockBoxesShown);
    m_productList->setEnabled(e.listEnabled && !m_lineCode->isReadOnly());
    m_unitLabel->setText(e.unitLabel.isEmpty() && e.kind == LineEntry::Kind::None ? QStringLiteral("หน่วยนับ") : e.unitLabel);
    if (m_quantity->text() != e.quantityText)
        m_quantity->setText(e.quantityText);
    m_price->setText(e.priceText);
    m_discount->setText(e.discountText);
    m_attrib->setText(e.attrib);
    m_attrib2->setText(e.attrib2);
    m_warranty->setCurrentText(e.warranty);
    for (QWidget *w : {static_cast<QWidget *>(m_attrib), static_cast<QWidget *>(m_attrib2),
                       static_cast<QWidget *>(m_attribLabel), static_cast<QWidget *>(m_attrib2Label)})
        w->setVisible(e.detailsShown);
    const char *colour = e.indicator == LineEntry::Indicator::Blue ? "#1e5bd8"
        : e.indicator == LineEntry::Indicator::Green ? "#1d9a3a"
        : e.indicator == LineEntry::Indicator::Red ? "#d81e1e" : "#bbb";
    m_indicator->setText(QStringLiteral("<span style='background:%1'>&nbsp;&nbsp;&nbsp;&nbsp;</span>%2")
                             .arg(QLatin1String(colour), e.indicatorText().toHtmlEscaped()));
    m_qtyLabel->setText(mode.quantityCaption);
    m_priceLabel->setText(mode.priceCaption);
}

void Tmobile::addDocument()
{
    if (!m_controller->add())
        return;
    m_freeName->clear();
    m_partyCode->setFocus();
}

void Tmobile::editDocument()
{
    if (m_controller->edit())
        m_salesperson->setFocus();
}

void Tmobile::saveDocument()
{
    // What is typed counts even when its box was never left.
    m_controller->setDateText(m_date->text());
    m_controller->setReference(m_reference->text());
    // The save reads the bill discount and refuses it once if unreadable.
    if (m_billDiscount->isVisible())
        m_controller->billDiscountTyped(m_billDiscount->text());
    if (m_term->currentText() != m_controller->term())
        m_controller->setTerm(m_term->currentText());
    setMainPage();
    const SaveOutcome r = m_controller->save();
    if (r.saved) {
        m_number->setFocus();
        return;
    }
    switch (r.focus) {
    case SaveField::Salesperson: m_salesperson->setFocus(); break;
    case SaveField::Date: m_date->setFocus(); break;
    case SaveField::Term: m_term->setFocus(); break;
    case SaveField::Party: m_partyCode->setFocus(); break;
    case SaveField::BillDiscount: m_billDiscount->setFocus(); break;
    case SaveField::None: break;
    }
}

void Tmobile::dontSaveDocument()
{
    setMainPage();
    m_controller->dontSave();
    m_partyCode->setFocus();
}

void Tmobile::partyCodeEntered()
{
    if (m_partyCode->isReadOnly())
        return;
    switch (m_controller->enterPartyCode(m_partyCode->text().trimmed())) {
    case PartyCodeResult::OpenSearch: openPartySearch(); break;
    case PartyCodeResult::OpenQuickAdd: openQuickAdd(); break;
    case PartyCodeResult::Found: m_salesperson->setFocus(); break;
    case PartyCodeResult::NotFound:
        m_partyCode->clear();
        m_partyCode->setFocus();
        break;
    case PartyCodeResult::Ignored: break;
    }
}

void Tmobile::salespersonChosen()
{
    m_controller->setSalesperson(m_salesperson->currentData().toString());
    if (m_controller->action() == Action::Add)
        newLine();
}

void Tmobile::openDocumentSearch()
{
    m_toolbar->hide();
    m_pages->setCurrentWidget(m_searchPage);
    m_docSearch->clear();
    searchDocuments(m_controller->currentNumber());
    m_docSearch->setFocus();
}

void Tmobile::searchDocuments(const QString &text)
{
    const QString from = text.isEmpty() ? m_controller->head() : text;
    if (!m_repo->fillSearchModel(*m_docModel, m_controller->mode(), m_controller->head(), from))
        return;
    m_docModel->setHeaderData(0, Qt::Horizontal, QStringLiteral("เลขใบสำคัญ"));
    m_docModel->setHeaderData(1, Qt::Horizontal, QStringLiteral("วันที่"));
    m_docModel->setHeaderData(2, Qt::Horizontal, QStringLiteral("ชื่อ"));
    disconnect(m_docList->selectionModel(), nullptr, this, nullptr);
    connect(m_docList->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &Tmobile::documentPicked);
    if (m_docModel->rowCount() > 0)
        m_docList->setCurrentIndex(m_docModel->index(0, 0));
}

void Tmobile::documentPicked()
{
    const QModelIndex i = m_docList->currentIndex();
    if (i.isValid())
        m_controller->showDocument(m_docModel->index(i.row(), 0).data().toString());
}

void Tmobile::openPartySearch()
{
    m_toolbar->hide();
    m_pages->setCurrentWidget(m_partyPage);
    m_partyByName->setChecked(true);
    partySearchOrder();
}

void Tmobile::partySearchOrder()
{
    const bool byName = m_partyByName->isChecked();
    m_repo->fillPartyModel(*m_partyModel, m_controller->mode(), byName);
    const QStringList headers{QStringLiteral("รหัส"), QStringLiteral("ชื่อ"), QStringLiteral("ที่อยู่"),
                              QStringLiteral("เลขบัตรประชาชน")};
    for (int i = 0; i < headers.size(); ++i)
        m_partyModel->setHeaderData(i, Qt::Horizontal, headers[i]);
    m_partySearch->clear();
    m_partySearch->setFocus();
}

void Tmobile::searchParties(const QString &text)
{
    int row = 0;
    if (!m_repo->partyRowOf(m_controller->mode(), m_partyByName->isChecked(), text, &row))
        return;
    while (m_partyModel->rowCount() <= row && m_partyModel->canFetchMore())
        m_partyModel->fetchMore();
    row = qMin(row, m_partyModel->rowCount() - 1);
    if (row >= 0) {
        m_partyList->setCurrentIndex(m_partyModel->index(row, 0));
        m_partyList->scrollTo(m_partyModel->index(row, 0), QAbstractItemView::PositionAtTop);
    }
}

void Tmobile::usePickedParty()
{
    const QModelIndex i = m_partyList->currentIndex();
    setMainPage();
    if (i.isValid() && m_controller->useParty(m_partyModel->index(i.row(), 0).data().toString()))
        m_salesperson->setFocus();
    else
        m_partyCode->setFocus();
}

void Tmobile::openQuickAdd()
{
    m_lastCode->setText(m_controller->lastPartyCode());
    for (QLineEdit *e : m_quick)
        e->clear();
    m_quickTerm->setCurrentIndex(0);
    m_toolbar->hide();
    m_pages->setCurrentWidget(m_quickPage);
    m_quick[0]->setFocus();
}

void Tmobile::quickAddSave()
{
    PartyRecord p;
    p.code = m_quick[0]->text();
    p.name = m_quick[1]->text();
    p.card = m_quick[2]->text();
    p.birth = m_quick[3]->text();
    p.group = m_quick[4]->text();
    p.credit = m_quickTerm->currentText();
    p.address1 = m_quick[5]->text();
    p.address2 = m_quick[6]->text();
    p.province = m_quick[7]->text();
    p.zip = m_quick[8]->text();
    p.tel = m_quick[9]->text();
    p.fax = m_quick[10]->text();
    if (!m_controller->quickAdd(p))
        return;  // the page stays open
    setMainPage();
    m_partyCode->setText(p.code.trimmed());
    m_partyCode->setFocus();
}

void Tmobile::quickAddCancel()
{
    setMainPage();
    m_partyCode->clear();
    m_partyCode->setFocus();
}

void Tmobile::newLine()
{
    if (!m_controller->beginNewLine())
        return;
    m_byCode->setChecked(true);
    m_freeName->clear();
    m_lineCode->setReadOnly(false);
    m_productList->setEnabled(true);
    m_productList->show();
    m_lineCode->setFocus();
}

void Tmobile::editLine()
{
    const int row = m_grid->currentRow();
    if (!m_controller->beginEditLine(row))
        return;
    m_lineCode->setReadOnly(true);
    m_productList->hide();
    m_quantity->setFocus();
}

void Tmobile::deleteLine()
{
    const int row = m_grid->currentRow();
    if (row < 0)
        return;
    m_controller->deleteLine(row);
    // The product list is left in name order, whatever was answered.
    const QSignalBlocker block(m_byCode);
    m_byName->setChecked(true);
    loadProductList();
}

void Tmobile::gatherPanel()
{
    LineEntry &e = m_controller->lineEntry();
    e.searchByName = m_byName->isChecked();
    e.codeText = m_lineCode->text();
    if (e.kind == LineEntry::Kind::FreeText)
        e.nameText = m_freeName->text();
    e.attrib = m_attrib->text();
    e.attrib2 = m_attrib2->text();
    e.warranty = m_warranty->currentText();
    e.quantityText = m_quantity->text();
    e.priceText = m_price->text();
    e.discountText = m_discount->text();
    const QModelIndex at = m_productList->currentIndex();
    e.cursorCode = at.isValid() ? m_productModel->index(at.row(), 0).data().toString() : QString();
    e.cursorName = at.isValid() ? m_productModel->index(at.row(), 1).data().toString() : QString();
}

void Tmobile::lineCodeEntered()
{
    gatherPanel();
    LineEntry &e = m_controller->lineEntry();
    if (e.searchByName) {
        const QModelIndex i = m_productList->currentIndex();
        if (i.isValid() && !e.codeText.isEmpty())
            e.codeText = m_productModel->index(i.row(), 1).data().toString();
    }
    if (m_controller->lookupProduct()) {
        if (m_controller->lineEntry().kind == LineEntry::Kind::FreeText) {
            m_freeName->clear();
            m_freeName->setFocus();
        } else {
            showProductInList();
            m_attrib->isVisible() ? m_attrib->setFocus() : m_quantity->setFocus();
        }
    }
}

void Tmobile::productPicked()
{
    const QModelIndex i = m_productList->currentIndex();
    if (!i.isValid() || m_lineCode->isReadOnly())
        return;
    m_lineCode->setText(m_productModel->index(i.row(), m_byName->isChecked() ? 1 : 0).data().toString());
    gatherPanel();
    if (m_controller->lookupProduct() && m_controller->mode().isSale())
        m_controller->lineEntry().quantityText = QStringLiteral("1"), refreshPanel();
}

void Tmobile::showProductInList()
{
    // The list stands on the product looked up, as a later free-text line expects.
    const LineEntry &e = m_controller->lineEntry();
    if (!e.product)
        return;
    const bool byName = m_byName->isChecked();
    moveProductList(byName, byName ? e.product->name : e.product->code, QAbstractItemView::EnsureVisible);
}

void Tmobile::moveProductList(bool byName, const QString &text, QAbstractItemView::ScrollHint hint)
{
    // The nearest product at or after the text; rows are fetched only up to it.
    int row = 0;
    if (!m_repo->productRowOf(byName, text, &row))
        return;
    while (m_productModel->rowCount() <= row && m_productModel->canFetchMore())
        m_productModel->fetchMore();
    row = qMin(row, m_productModel->rowCount() - 1);
    if (row >= 0) {
        m_productList->setCurrentIndex(m_productModel->index(row, 0));
        m_productList->scrollTo(m_productModel->index(row, 0), hint);
    }
}

void Tmobile::productSearchOrder()
{
    loadProductList();
    m_lineCode->setFocus();
}

void Tmobile::loadProductList()
{
    const bool byName = m_byName->isChecked();
    m_codeBoxLabel->setText(byName ? QStringLiteral("ชื่อสินค้า ") : QStringLiteral("รหัสสินค้า "));
    m_repo->fillProductModel(*m_productModel, byName);
    m_productModel->setHeaderData(0, Qt::Horizontal, QStringLiteral("รหัสสินค้า"));
    m_productModel->setHeaderData(1, Qt::Horizontal, QStringLiteral("ชื่อสินค้า"));
}

void Tmobile::productTyped(const QString &text)
{
    if (m_byName->isChecked())
        moveProductList(true, text, QAbstractItemView::PositionAtTop);
}

void Tmobile::freeNameEntered()
{
    gatherPanel();
    m_controller->confirmFreeName();
    m_quantity->setFocus();
}

void Tmobile::quantityEntered()
{
    gatherPanel();
    m_controller->quantityConfirmed();
    m_price->setFocus();
}

void Tmobile::acceptLine()
{
    gatherPanel();
    if (m_controller->acceptLine())
        m_grid->setFocus();
}

void Tmobile::cancelLine()
{
    m_controller->cancelLine();
    m_grid->setFocus();
}

void Tmobile::cellEdited(int row, int column)
{
    if (m_refreshing)
        return;
    const QString text = m_grid->item(row, column) ? m_grid->item(row, column)->text() : QString();
    if (!m_controller->setCell(row, column, text))
        refresh();
}

void Tmobile::printDocument(int button)
{
    const ModeInfo &mode = m_controller->mode();
    if (!m_controller->buttons().printEnabled[button])
        return;
    m_state.docKind = button == 0 ? 1 : button == 1 ? 2 : 0;
    m_state.docPrintMode = mode.mode == 9 ? 6 : mode.mode;
    m_state.currentDocNo = m_controller->currentNumber();
    if (m_printHook)
        m_printHook(m_state, this);
    // The window's own mode stays; only the print request said 6.
    m_state.docPrintMode = mode.mode;
}

void Tmobile::openPayment(bool fromButton)
{
    const ModeInfo &mode = m_controller->mode();
    if (fromButton && (!mode.paymentButtonActs || !m_controller->buttons().payment))
        return;
    if (fromButton)
        m_moneyLabel->setText(mode.moneyCaption);
    m_goods->setText(formatPanelAmount(m_controller->totals().sum));
    m_change->setText(QStringLiteral("0"));
    m_money->setText(QStringLiteral("0"));
    m_payment->show();
    m_payment->raise();
    m_money->setFocus();
    m_money->selectAll();
}

void Tmobile::workOutChange()
{
    const std::optional<qint64> change = changeDue(m_money->text(), m_controller->totals().sum);
    if (!change) {
        Prompt::message(Messages::badNumber());
        return;
    }
    m_change->setText(formatPanelAmount(*change));
    m_drawer->setFocus();
}

void Tmobile::openDrawer()
{
    const int port = drawerPort(m_controller->settings().comPort);
    const QString device = Data::serialDevice(port);
    const QString name = QStringLiteral("COM%1 (%2)").arg(port).arg(device);
    QString error;
    bool opened = false;
    if (!CashDrawer::kickOnce(device, &error, &opened))
        Prompt::warning(opened ? Messages::drawerWriteFailed(name, error) : Messages::drawerOpenFailed(name, error));
    m_closePayment->setFocus();
}
