#include "data/trefpos.h"

#include "data/schema.h"
#include "data/settingsmessages.h"
#include "data/settingsrules.h"
#include "text/prompt.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QButtonGroup>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Data {
namespace {

QString f(const char *name) { return QString::fromLatin1(name); }

QString prefixField(int series) { return QStringLiteral("PREFIX%1").arg(series); }

QString offsetText(double mm) { return QString::number(mm, 'f', 2); }

// The option groups: field, caption, option captions, value of the first.
struct ChoiceDef
{
    const char *field;
    QString caption;
    QStringList options;
    int firstValue;
};

} // namespace

TRef_Pos::TRef_Pos(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TRef_Pos"));
    setWindowTitle(QStringLiteral(" ข้อมูลอ้างอิง ระบบ / สถานประกอบการ"));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    m_tabs->addTab(buildBusinessTab(), QStringLiteral("สถานประกอบการ"));
    m_tabs->addTab(buildSystemTab(), QStringLiteral("ระบบ"));

    m_edit = new QPushButton(QStringLiteral("แ&ก้ไข"), this);
    m_edit->setObjectName(QStringLiteral("EditButton"));
    m_refresh = new QPushButton(QStringLiteral("Refresh"), this);
    m_refresh->setObjectName(QStringLiteral("RefreshButton"));
    m_cancel = new QPushButton(QStringLiteral("&ยกเลิก"), this);
    m_cancel->setObjectName(QStringLiteral("CancelButton"));
    m_save = new QPushButton(QStringLiteral("บัน&ทึก"), this);
    m_save->setObjectName(QStringLiteral("SaveButton"));
    m_close = new QPushButton(QStringLiteral("เ&ลิก"), this);
    m_close->setObjectName(QStringLiteral("CloseButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {m_edit, m_refresh, m_cancel, m_save, m_close}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(90);
        buttons->addWidget(b);
    }

    auto *lay = new QVBoxLayout(this);
    lay->addWidget(m_tabs, 1);
    lay->addLayout(buttons);

    connect(m_edit, &QPushButton::clicked, this, &TRef_Pos::editRecord);
    connect(m_refresh, &QPushButton::clicked, this, &TRef_Pos::refreshRecord);
    connect(m_cancel, &QPushButton::clicked, this, &TRef_Pos::cancelEdit);
    connect(m_save, &QPushButton::clicked, this, &TRef_Pos::saveRecord);
    connect(m_close, &QPushButton::clicked, this, &TRef_Pos::closeWindow);

    m_tabs->setCurrentIndex(0);
    setMode(Mode::Browse);
}

QLineEdit *TRef_Pos::addBox(QWidget *parent, const char *field)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(f(field));
    if (const int w = SettingsStore::width(field); w > 0)
        e->setMaxLength(w);
    e->installEventFilter(this);
    m_boxes.insert(f(field), e);
    return e;
}

QButtonGroup *TRef_Pos::addChoice(QWidget *parent, const char *field, const QStringList &captions, int firstValue)
{
    auto *group = new QButtonGroup(parent);
    group->setObjectName(f(field));
    for (int i = 0; i < captions.size(); ++i) {
        auto *r = new QRadioButton(captions[i], parent);
        r->setObjectName(QStringLiteral("%1_%2").arg(f(field)).arg(firstValue + i));
        group->addButton(r, firstValue + i);
    }
    m_choices.insert(f(field), group);
    return group;
}

QWidget *TRef_Pos::buildBusinessTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    int row = 0;
    const auto line = [&](const QString &caption, const char *field, int span = 3) {
        if (!caption.isNull())
            grid->addWidget(new QLabel(caption, page), row, 0);
        grid->addWidget(addBox(page, field), row, 1, 1, span);
        ++row;
    };
    line(QStringLiteral("ชื่อสถานประกอบการ"), Field::OF_NAME);
    line(QStringLiteral("เลขประจำตัวผู้เสียภาษี"), Field::OF_TAXID, 1);
    line(QStringLiteral("ที่อยู่"), Field::OF_ADD1);
    line(QString(), Field::OF_ADD2);
    line(QStringLiteral("จังหวัด"), Field::OF_ADD4, 1);
    line(QStringLiteral("รหัสไปรษณีย์"), Field::OF_ZIP, 1);
    grid->addWidget(new QLabel(QStringLiteral("โทร."), page), row, 0);
    grid->addWidget(addBox(page, Field::OF_TEL), row, 1);
    grid->addWidget(new QLabel(QStringLiteral("แฟกซ์"), page), row, 2, Qt::AlignRight);
    grid->addWidget(addBox(page, Field::OF_FAX), row, 3);
    ++row;
    line(QStringLiteral("อีเมล์"), Field::OF_EMAIL);
    line(QStringLiteral(" เลขที่บัญชีธนาคาร"), Field::APP_AC);

    m_logoBox = new QLabel(page);
    m_logoBox->setObjectName(f(Field::OF_LOGO));
    m_logoBox->setFixedSize(220, 130);
    m_logoBox->setFrameShape(QFrame::Box);
    m_logoBox->setAlignment(Qt::AlignCenter);
    m_logoBox->setToolTip(QStringLiteral("คลิกเพื่อวางรูปโลโก้จากคลิปบอร์ด (เมื่อกด แก้ไข)"));
    m_logoBox->installEventFilter(this);
    grid->addWidget(new QLabel(QStringLiteral("โลโก้"), page), row, 0, Qt::AlignTop);
    grid->addWidget(m_logoBox, row, 1, 1, 3, Qt::AlignLeft);
    ++row;
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    const char *order[] = {Field::OF_NAME, Field::OF_TAXID, Field::OF_ADD1, Field::OF_ADD2, Field::OF_ADD4,
                           Field::OF_ZIP, Field::OF_TEL, Field::OF_FAX, Field::OF_EMAIL, Field::OF_NAME};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        m_enterNext.insert(m_boxes.value(f(order[i])), m_boxes.value(f(order[i + 1])));
    m_enterNext.insert(m_boxes.value(f(Field::APP_AC)), m_boxes.value(f(Field::OF_NAME)));
    return page;
}

QWidget *TRef_Pos::buildSystemTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);

    const auto groupBox = [&](const ChoiceDef &c, bool vertical) {
        auto *box = new QGroupBox(c.caption, page);
        box->setObjectName(f(c.field) + QStringLiteral("_Group"));
        QBoxLayout *l = vertical ? static_cast<QBoxLayout *>(new QVBoxLayout(box)) : new QHBoxLayout(box);
        QButtonGroup *g = addChoice(box, c.field, c.options, c.firstValue);
        for (QAbstractButton *b : g->buttons())
            l->addWidget(b);
        l->addStretch();
        return box;
    };
    auto *left = new QVBoxLayout;
    left->addWidget(groupBox({Field::LINE1, QStringLiteral("  การพิมพ์ ใบสำคัญซื้อ / ใบสำคัญขาย  "),
                              {QStringLiteral("ฟอร์ม"), QStringLiteral("กระดาษเปล่า")}, 0}, false));
    left->addWidget(groupBox({Field::LINE5, QStringLiteral("   รูปแบบใบสำคัญ (สด-เครดิต)"), SettingsRules::layoutCaptions(), 0}, true));
    left->addWidget(groupBox({Field::LINE4, QStringLiteral("  โลโก้  "),
                              {QStringLiteral("ไม่มีโลโก้"), QStringLiteral("มีโลโก้")}, 0}, false));
    left->addStretch();

    auto *right = new QVBoxLayout;
    auto *row1 = new QHBoxLayout;
    row1->addWidget(groupBox({Field::VIEW1, QStringLiteral("ใบสำคัญ"),
                              {QStringLiteral("ดูก่อนพิมพ์"), QStringLiteral("พิมพ์เลย")}, 0}, false));
    row1->addWidget(groupBox({Field::COM_PORT, QStringLiteral("  ลิ้นชักเก็บเงิน ต่อที่ COM PORT "),
                              {QStringLiteral("1"), QStringLiteral("2")}, 1}, false));
    right->addLayout(row1);
    right->addWidget(groupBox({Field::PRINT_DAY, QStringLiteral("  พิมพ์วันที่ครบกำหนดชำระในใบสำคัญขาย  (สด-เครดิต)  "),
                               {QStringLiteral("ไม่พิมพ์"), QStringLiteral("พิมพ์")}, 0}, false));

    auto *prefixes = new QGroupBox(QStringLiteral("[ หมวดนำหน้าใบสำคัญ  ]"), page);
    prefixes->setObjectName(QStringLiteral("PrefixGroup"));
    auto *pg = new QGridLayout(prefixes);
    const struct { int series; const char *caption; int row; int col; } rows[] = {
        {1, "ขาย (เหมาจ่าย)", 0, 0},        {2, "ขาย (ใบกำกับภาษี)", 0, 1},
        {3, "ซื้อ (เหมาจ่าย)", 1, 0},       {4, "ซื้อ (ใบกำกับภาษี)", 1, 1},
        {6, "ขายผ่อน (เหมาจ่าย)", 2, 0},    {7, "ขายผ่อน (ใบกำกับภาษี)", 2, 1},
        {8, "ขายผ่อน (เหมาจ่าย)", 3, 0},    {9, "ขายผ่อน (ใบกำกับภาษี)", 3, 1},
    };
    for (const auto &r : rows) {
        const QByteArray field = prefixField(r.series).toLatin1();
        QLineEdit *box = addBox(prefixes, field.constData());
        box->setFixedWidth(60);
        auto *sample = new QLabel(SettingsRules::initialSample(r.series), prefixes);
        sample->setObjectName(QStringLiteral("SAMPLE%1").arg(r.series));
        sample->setMinimumWidth(90);
        m_samples[r.series] = sample;
        pg->addWidget(new QLabel(QString::fromUtf8(r.caption), prefixes), r.row, r.col * 3);
        pg->addWidget(box, r.row, r.col * 3 + 1);
        pg->addWidget(sample, r.row, r.col * 3 + 2);
    }
    right->addWidget(prefixes);

    auto *offsets = new QGridLayout;
    offsets->addWidget(new QLabel(QStringLiteral("ตั้งระยะพิมพ์กั้นบน  ( 0.00-50.00 )"), page), 0, 0);
    QLineEdit *top = addBox(page, Field::PRN_TOP);
    top->setMaxLength(6);
    top->setFixedWidth(80);
    offsets->addWidget(top, 0, 1);
    offsets->addWidget(new QLabel(QStringLiteral("ตั้งระยะพิมพ์กั้นซ้าย ( 0.00-30.00 )"), page), 1, 0);
    QLineEdit *leftBox = addBox(page, Field::PRN_LEFT);
    leftBox->setMaxLength(6);
    leftBox->setFixedWidth(80);
    offsets->addWidget(leftBox, 1, 1);
    offsets->setColumnStretch(2, 1);
    right->addLayout(offsets);
    right->addStretch();
    m_enterNext.insert(top, leftBox);
    m_enterNext.insert(leftBox, top);

    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

bool TRef_Pos::openData()
{
    if (m_opened)
        return true;
    QString error;
    m_connection = Connection::open(QStringLiteral("TRef_Pos"), &error);
    if (!m_connection) {
        Prompt::message(SettingsMessages::loadFailed() + QStringLiteral("\n") + error, Prompt::Kind::Error);
        m_edit->setEnabled(false);
        return false;
    }
    m_store.emplace(m_connection->db());
    m_opened = true;
    setMode(Mode::Browse);
    return loadRecord();
}

bool TRef_Pos::loadRecord()
{
    QString error;
    std::optional<BusinessSettings> s = m_store->load(&error);
    if (!s) {
        Prompt::message(SettingsMessages::loadFailed() + QStringLiteral("\n") + error, Prompt::Kind::Error);
        return false;
    }
    m_record = *s;
    showRecord();
    return true;
}

void TRef_Pos::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_opened) {
        m_tabs->setCurrentIndex(0);
        openData();
    }
}

void TRef_Pos::showRecord()
{
    const BusinessSettings &s = m_record;
    const QList<std::pair<const char *, QString>> texts = {
        {Field::OF_NAME, s.name},   {Field::OF_TAXID, s.taxId}, {Field::OF_ADD1, s.address1},
        {Field::OF_ADD2, s.address2}, {Field::OF_ADD4, s.province}, {Field::OF_ZIP, s.zip},
        {Field::OF_TEL, s.tel},     {Field::OF_FAX, s.fax},     {Field::OF_EMAIL, s.email},
        {Field::APP_AC, s.bankAccount}, {Field::PRN_TOP, offsetText(s.prnTop)},
        {Field::PRN_LEFT, offsetText(s.prnLeft)},
    };
    for (const auto &[field, value] : texts)
        m_boxes.value(f(field))->setText(value);
    for (int series : SettingsRules::checkedPrefixSeries())
        m_boxes.value(prefixField(series))->setText(s.prefixOf(series));

    const QList<std::pair<const char *, QString>> choices = {
        {Field::LINE1, s.line1}, {Field::LINE5, s.line5}, {Field::LINE4, s.line4},
        {Field::VIEW1, s.view1}, {Field::COM_PORT, s.comPort}, {Field::PRINT_DAY, s.printDay},
    };
    for (const auto &[field, value] : choices) {
        QButtonGroup *g = m_choices.value(f(field));
        bool ok = false;
        const int id = value.toInt(&ok);
        g->setExclusive(false);
        for (QAbstractButton *b : g->buttons())
            b->setChecked(ok && g->id(b) == id);
        g->setExclusive(true);
    }
    m_logo = s.logo;
    showLogo();
}

void TRef_Pos::showLogo()
{
    QPixmap pm;
    if (!m_logo.isEmpty() && pm.loadFromData(m_logo))
        m_logoBox->setPixmap(pm.scaled(m_logoBox->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        m_logoBox->setPixmap(QPixmap());
}

BusinessSettings TRef_Pos::gatherRecord(QString *prnTopText, QString *prnLeftText) const
{
    // Starts from the stored record so the fields the window does not show
    // are written back unchanged.
    BusinessSettings s = m_record;
    const auto text = [this](const char *field) { return m_boxes.value(f(field))->text(); };
    s.name = text(Field::OF_NAME);
    s.taxId = text(Field::OF_TAXID);
    s.address1 = text(Field::OF_ADD1);
    s.address2 = text(Field::OF_ADD2);
    s.province = text(Field::OF_ADD4);
    s.zip = text(Field::OF_ZIP);
    s.tel = text(Field::OF_TEL);
    s.fax = text(Field::OF_FAX);
    s.email = text(Field::OF_EMAIL);
    s.bankAccount = text(Field::APP_AC);
    for (int series : SettingsRules::checkedPrefixSeries())
        s.prefixOf(series) = m_boxes.value(prefixField(series))->text();
    const auto choice = [this](const char *field, QString *out) {
        const int id = m_choices.value(f(field))->checkedId();
        if (id >= 0)
            *out = QString::number(id);
    };
    choice(Field::LINE1, &s.line1);
    choice(Field::LINE5, &s.line5);
    choice(Field::LINE4, &s.line4);
    choice(Field::VIEW1, &s.view1);
    choice(Field::COM_PORT, &s.comPort);
    choice(Field::PRINT_DAY, &s.printDay);
    s.logo = m_logo;
    *prnTopText = text(Field::PRN_TOP);
    *prnLeftText = text(Field::PRN_LEFT);
    return s;
}

void TRef_Pos::setMode(Mode mode)
{
    m_mode = mode;
    const bool editing = mode == Mode::Edit;
    m_edit->setEnabled(!editing && m_opened);
    m_close->setEnabled(!editing);
    // Re-reading while editing would throw away what was typed.
    m_refresh->setEnabled(!editing);
    m_cancel->setEnabled(editing);
    m_save->setEnabled(editing);
    for (QLineEdit *e : std::as_const(m_boxes))
        e->setReadOnly(!editing);
    for (QButtonGroup *g : std::as_const(m_choices))
        for (QAbstractButton *b : g->buttons())
            b->setEnabled(editing);
}

void TRef_Pos::editRecord()
{
    if (!m_opened && !openData())
        return;
    setMode(Mode::Edit);
    if (m_tabs->currentIndex() == 0)
        m_boxes.value(f(Field::OF_NAME))->setFocus();
    else
        m_boxes.value(prefixField(1))->setFocus();
}

void TRef_Pos::refreshRecord()
{
    if (m_mode == Mode::Edit || !m_opened)
        return;
    loadRecord();
}

void TRef_Pos::cancelEdit()
{
    if (m_mode != Mode::Edit)
        return;
    showRecord();
    setMode(Mode::Browse);
}

void TRef_Pos::saveRecord()
{
    if (m_mode != Mode::Edit)
        return;
    try {
        SettingsRules::SaveInput in;
        in.settings = gatherRecord(&in.prnTopText, &in.prnLeftText);
        BusinessSettings checked;
        if (const auto problem = SettingsRules::checkForSave(in, &checked)) {
            Prompt::warning(problem->message);
            if (QLineEdit *box = m_boxes.value(problem->field)) {
                for (int i = 0; i < m_tabs->count(); ++i)
                    if (m_tabs->widget(i)->isAncestorOf(box))
                        m_tabs->setCurrentIndex(i);
                box->setFocus();
                box->selectAll();
            }
            return;
        }
        QString error;
        if (!m_store->save(checked, &error)) {
            Prompt::message(SettingsMessages::saveFailed() + QStringLiteral("\n") + error, Prompt::Kind::Error);
            return;
        }
        m_record = checked;
        showRecord();
        setMode(Mode::Browse);
        Prompt::message(SettingsMessages::restartNeeded());
    } catch (const std::exception &e) {
        Prompt::message(QString::fromLocal8Bit(e.what()), Prompt::Kind::Error);
    }
}

void TRef_Pos::closeWindow()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void TRef_Pos::pasteLogo()
{
    if (m_mode != Mode::Edit)
        return;
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) {
        Prompt::message(SettingsMessages::noPictureOnClipboard());
        return;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        Prompt::message(SettingsMessages::noPictureOnClipboard());
        return;
    }
    m_logo = png;
    showLogo();
}

void TRef_Pos::checkSeries()
{
    if (!m_opened && !openData())
        return;
    QString error;
    const auto r = m_store->checkSeries(m_boxes.value(prefixField(1))->text(), &error);
    if (!r) {
        Prompt::message(SettingsMessages::seriesCheckFailed() + QStringLiteral("\n") + error, Prompt::Kind::Error);
        return;
    }
    m_samples[1]->setText(r->sample);
}

bool TRef_Pos::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_logoBox && event->type() == QEvent::MouseButtonPress) {
        pasteLogo();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter in these three boxes checks the sale series (PREFIX1's).
            for (int series : {1, 6, 8}) {
                if (watched == m_boxes.value(prefixField(series))) {
                    checkSeries();
                    return true;
                }
            }
            if (QWidget *next = m_enterNext.value(watched)) {
                next->setFocus();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Data
