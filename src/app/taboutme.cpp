#include "app/taboutme.h"

#include "text/prompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace App {

QString TAboutMe::defaultTextFile()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("velmoralc30.txt"));
}

TAboutMe::TAboutMe(const QString &textFile, QWidget *parent)
    : QWidget(parent), m_textFile(textFile.isEmpty() ? defaultTextFile() : textFile)
{
    setObjectName(QStringLiteral("TAboutMe"));
    setWindowTitle(QStringLiteral("เกี่ยวกับโปรแกรม"));
    // Fixed border, no title-bar buttons.
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(460, 360);

    auto *title = new QLabel(QStringLiteral("<b>Orvanta Velmora 3.0</b><br>โปรแกรมขาย เงินสด - เงินผ่อน"), this);
    title->setAlignment(Qt::AlignCenter);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Memo1"));
    m_text->setReadOnly(true);

    auto *owner = new QLabel(QStringLiteral("ลิขสิทธิ์ของผู้พัฒนา Orvanta  ·  www.orvanta.example"), this);
    owner->setAlignment(Qt::AlignCenter);

    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0xb0, 0x20, 0x20), 4));
        p.drawLine(8, 8, 24, 24);
        p.drawLine(24, 8, 8, 24);
    }
    auto *closer = new QToolButton(this);
    closer->setObjectName(QStringLiteral("Image2"));
    closer->setIcon(QIcon(pm));
    closer->setIconSize(pm.size());
    closer->setAutoRaise(true);
    closer->setToolTip(QStringLiteral("เลิก... ครับ"));
    connect(closer, &QToolButton::clicked, this, &QWidget::close);

    auto *lay = new QVBoxLayout(this);
    lay->addWidget(title);
    lay->addWidget(m_text, 1);
    lay->addWidget(owner);
    lay->addWidget(closer, 0, Qt::AlignHCenter);

    loadText();
}

QString TAboutMe::text() const { return m_text->toPlainText(); }

void TAboutMe::loadText()
{
    QFile f(m_textFile);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        Prompt::message(QStringLiteral("ไม่พบแฟ้ม %1").arg(QDir::toNativeSeparators(m_textFile)), Prompt::Kind::Error);
        return;
    }
    m_text->setPlainText(QString::fromUtf8(f.readAll()));
}

void TAboutMe::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_firstShow)
        return;
    m_firstShow = false;
    // Centred on the screen, which inside the MDI area means centred in it.
    QWidget *frame = qobject_cast<QMdiSubWindow *>(parentWidget()) ? parentWidget() : this;
    if (QWidget *area = frame->parentWidget()) {
        const QRect r = area->rect();
        frame->move(r.center() - QPoint(frame->width() / 2, frame->height() / 2));
    }
}

} // namespace App
