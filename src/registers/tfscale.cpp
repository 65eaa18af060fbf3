#include "registers/tfscale.h"

#include "registers/messages.h"
#include "registers/pricelevels.h"
#include "registers/rules.h"
#include "registers/scalestore.h"
#include "text/prompt.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Registers {

Tfscale::Tfscale(App::AppState &, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Tfscale"));
    setWindowTitle(Messages::priceLevelCaption());
    auto *layout = new QVBoxLayout(this);
    m_help = new QPlainTextEdit(this);
    m_help->setReadOnly(true);
    m_help->setPlainText(QStringList{QStringLiteral("ราคาขายกำหนดได้ 5 ระดับ เช่น "),
                                     QStringLiteral("       ระดับที่ 1 = 1 หน่วย  "),
                                     QStringLiteral("       ระดับที่ 2 = 6 หน่วย"),
                                     QStringLiteral("       ระดับที่ 3 = 12 หน่วย"),
                                     QStringLiteral("       ระดับที่ 4 = 24 หน่วย"),
                                     QStringLiteral("       ระดับที่ 5 = 48 หน่วย"),
                                     QString(),
                                     QStringLiteral("จำนวนนี้จะไปกำหนดในข้อมูลอ้างอิง - สินค้า ในส่วนของ"),
                                     QStringLiteral("จำนวนสินค้าต่อราคาขาย")}
                             .join(QLatin1Char('\n')));
    m_help->setFixedHeight(150);
    layout->addWidget(m_help);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("ระดับที่"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("จำนวนหน่วย"), this), 0, 1);
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(new QLabel(QString::number(i + 1), this), i + 1, 0, Qt::AlignHCenter);
        m_boxes[i] = new QLineEdit(this);
        m_boxes[i]->setObjectName(QStringLiteral("SCALE%1").arg(i + 1));
        m_boxes[i]->installEventFilter(this);
        grid->addWidget(m_boxes[i], i + 1, 1);
        // Typing starts editing by itself.
        connect(m_boxes[i], &QLineEdit::textEdited, this, [this] {
            if (!m_editing)
                setEditing(true);
        });
    }
    layout->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    auto button = [&](const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    m_edit = button(QStringLiteral("แ&ก้ไข "));
    m_save = button(QStringLiteral("บัน&ทึก"));
    m_cancel = button(QStringLiteral("&ยกเลิก"));
    m_refresh = button(QStringLiteral("Refresh"));
    m_exit = button(QStringLiteral("เลิก"));
    layout->addLayout(buttons);
    connect(m_edit, &QPushButton::clicked, this, &Tfscale::editLevels);
    connect(m_save, &QPushButton::clicked, this, &Tfscale::saveLevels);
    connect(m_cancel, &QPushButton::clicked, this, &Tfscale::cancelEditing);
    connect(m_refresh, &QPushButton::clicked, this, &Tfscale::refreshLevels);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
    setEditing(false);
}

void Tfscale::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    QString error;
    m_connection = Data::Connection::open(QStringLiteral("scale"), &error);
    if (!m_connection) {
        Prompt::warning(Messages::cannotOpen(error));
        return;
    }
    load();
    m_help->setFocus(Qt::OtherFocusReason);
}

void Tfscale::load()
{
    if (!m_connection)
        return;
    QString error;
    const std::optional<PriceThresholds> t = ScaleStore(m_connection->db()).read(&error);
    if (!t) {
        Prompt::warning(Messages::databaseError(error));
        return;
    }
    m_filling = true;
    for (int i = 0; i < 5; ++i)
        m_boxes[i]->setText(t->scale[i] ? plainNumber(*t->scale[i]) : QString());
    m_filling = false;
}

void Tfscale::setEditing(bool editing)
{
    m_editing = editing;
    m_edit->setEnabled(!editing);
    m_exit->setEnabled(!editing);
    m_refresh->setEnabled(!editing);
    m_save->setEnabled(editing);
    m_cancel->setEnabled(editing);
}

void Tfscale::editLevels()
{
    setEditing(true);
    m_boxes[0]->setFocus(Qt::OtherFocusReason);
    m_boxes[0]->selectAll();
}

void Tfscale::saveLevels()
{
    if (!m_editing || !m_connection)
        return;
    std::array<double, 5> values{};
    for (int i = 0; i < 5; ++i) {
        std::optional<double> v;
        if (m_boxes[i]->text().trimmed().isEmpty()) {
            Prompt::warning(Messages::priceLevelsIncomplete());
            m_boxes[i]->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (!parseNumberText(m_boxes[i]->text(), &v)) {
            Prompt::warning(Messages::notANumber(QStringLiteral("จำนวนหน่วย")));
            m_boxes[i]->setFocus(Qt::OtherFocusReason);
            return;
        }
        values[i] = *v;
    }
    QString error;
    if (!ScaleStore(m_connection->db()).write(values, &error)) {
        Prompt::warning(Messages::databaseError(error));
        return;
    }
    setEditing(false);
    load();
    m_help->setFocus(Qt::OtherFocusReason);
}

void Tfscale::cancelEditing()
{
    setEditing(false);
    load();
    m_help->setFocus(Qt::OtherFocusReason);
}

void Tfscale::refreshLevels()
{
    if (!m_editing)
        load();
}

bool Tfscale::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            for (int i = 0; i < 5; ++i) {
                if (watched == m_boxes[i]) {
                    m_boxes[(i + 1) % 5]->setFocus(Qt::OtherFocusReason);
                    m_boxes[(i + 1) % 5]->selectAll();
                    return true;
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Registers
