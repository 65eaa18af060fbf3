#include "registers/tref_sale.h"

#include "registers/messages.h"

#include <QLineEdit>

namespace Registers {

TRef_Sale::TRef_Sale(App::AppState &, QWidget *parent)
    : RegisterWindow(QStringLiteral("ref_sale"), salespersonTable(), Messages::salespersonCaption(), parent)
{
    setObjectName(QStringLiteral("TRef_Sale"));
    QList<QWidget *> order;
    order << addLineBox(QStringLiteral("SALE_NO"), QStringLiteral("รหัสพนักงานขาย"), QStringLiteral("( ไม่เกิน 5 หลัก )"));
    order << addLineBox(QStringLiteral("SALE_NAME"), QStringLiteral("ชื่อพนักงานขาย"));
    placeSearchButton(QStringLiteral("SALE_NAME"));
    order << addLineBox(QStringLiteral("SALE_ADD1"), QStringLiteral("ที่อยู่"));
    order << addLineBox(QStringLiteral("SALE_ADD2"), QString());
    order << addLineBox(QStringLiteral("SALE_ADD4"), QStringLiteral("จังหวัด"));
    order << addLineBox(QStringLiteral("SALE_ZIP"), QStringLiteral("รหัสไปรษณีย์"));
    order << addLineBox(QStringLiteral("SALE_TEL"), QStringLiteral("โทร."));
    order << addLineBox(QStringLiteral("SALE_COM"), QStringLiteral("คอมมิสชั่น"));
    order << addLineBox(QStringLiteral("SALARY"), QStringLiteral("เงินเดือน"));
    setEnterOrder(order);
    enableFollowingSearch({QStringLiteral("รหัสพนักงานขาย"), QStringLiteral("ชื่อพนักงานขาย")});
}

} // namespace Registers
