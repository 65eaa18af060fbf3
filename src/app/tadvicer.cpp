#include "app/tadvicer.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace App {

TAdvicer::TAdvicer(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TAdvicer"));
    setWindowTitle(QStringLiteral("ติดต่อฝ่ายบริการ"));
    auto *text = new QLabel(QStringLiteral(
        "<h3>ฝ่ายบริการลูกค้า Orvanta</h3>"
        "<p>สอบถามการใช้งานโปรแกรม Velmora 3.0 ได้ทุกวันทำการ<br>"
        "เวลา 08.30 - 17.30 น.</p>"
        "<p>โทร. 0-2000-3030<br>"
        "อีเมล์ support@orvanta.example</p>"
        "<p>ก่อนติดต่อ กรุณาเตรียมชื่อผู้ใช้ และข้อความที่โปรแกรมแจ้ง</p>"), this);
    text->setTextFormat(Qt::RichText);
    auto *close = new QPushButton(QStringLiteral("ปิด"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(text);
    lay->addWidget(close, 0, Qt::AlignRight);
}

} // namespace App
