#pragma once

#include "registers/partyregister.h"

namespace App {
class AppState;
}

namespace Registers {

// The supplier register: the customer register without the envelope, with a
// name search that follows the typing.
class TRef_Supply : public PartyRegister
{
    Q_OBJECT
public:
    explicit TRef_Supply(App::AppState &state, QWidget *parent = nullptr);
};

} // namespace Registers
