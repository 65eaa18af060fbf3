#include "registers/tref_supply.h"

#include "registers/messages.h"

namespace Registers {

TRef_Supply::TRef_Supply(App::AppState &, QWidget *parent)
    : PartyRegister(QStringLiteral("ref_supply"), supplierTable(), Messages::supplierCaption(),
                    QStringLiteral("รหัสผู้ขาย"), QStringLiteral("ชื่อผู้ขาย"), parent)
{
    setObjectName(QStringLiteral("TRef_Supply"));
    enableFollowingSearch({QStringLiteral("รหัสผู้ขาย"), QStringLiteral("ชื่อผู้ขาย")});
}

} // namespace Registers
