#pragma once

#include "registers/registerwindow.h"

namespace App {
class AppState;
}

namespace Registers {

// The salesperson register.
class TRef_Sale : public RegisterWindow
{
    Q_OBJECT
public:
    explicit TRef_Sale(App::AppState &state, QWidget *parent = nullptr);

protected:
    std::optional<Refusal> check(const Record &record) const override { return checkSalesperson(record); }
};

} // namespace Registers
