#include "registers/partyregister.h"

#include "registers/terms.h"

#include <QComboBox>
#include <QLineEdit>

namespace Registers {

PartyRegister::PartyRegister(const QString &owner, const TableDef &def, const QString &caption,
                             const QString &codeLabel, const QString &nameLabel, QWidget *parent)
    : RegisterWindow(owner, def, caption, parent)
{
    QList<QWidget *> order;
    order << addLineBox(QStringLiteral("CUST_NO"), codeLabel, QStringLiteral("( ไม่เกิน 5 หลัก )"));
    order << addLineBox(QStringLiteral("CUST_NAME"), nameLabel);
    placeSearchButton(QStringLiteral("CUST_NAME"));
    order << addLineBox(QStringLiteral("CUST_ADD1"), QStringLiteral("ที่อยู่"));
    order << addLineBox(QStringLiteral("CUST_ADD2"), QString());
    order << addLineBox(QStringLiteral("CUST_ADD4"), QStringLiteral("จังหวัด"));
    order << addLineBox(QStringLiteral("CUST_ZIP"), QStringLiteral("รหัสไปรษณีย์"));
    order << addLineBox(QStringLiteral("CUST_TEL"), QStringLiteral("โทร."));
    order << addLineBox(QStringLiteral("CUST_FAX"), QStringLiteral("FAX"));
    m_credit = addListBox(QStringLiteral("CUST_CRE"), QStringLiteral("เครดิต"), creditTerms(), true);
    order << m_credit;
    QLineEdit *grade = addLineBox(QStringLiteral("CUST_GROUP"), QStringLiteral("เกรด"), QStringLiteral("( 1 หลัก )"));
    order << grade;
    order << addLineBox(QStringLiteral("CUST_BIRTH"), QStringLiteral("ว.ด.ป.เกิด"));
    order << addLineBox(QStringLiteral("CUST_CARD"), QStringLiteral("เลขบัตรประชาชน"));
    setEnterOrder(order);
    connect(m_credit, &QComboBox::activated, this, [grade] { grade->setFocus(Qt::OtherFocusReason); });
}

} // namespace Registers
