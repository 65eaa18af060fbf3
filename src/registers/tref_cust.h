#pragma once

#include "registers/partyregister.h"

namespace App {
class AppState;
}

namespace Registers {

// The customer register, with its four-way search and the envelope.
class TRef_Cust : public PartyRegister
{
    Q_OBJECT
public:
    explicit TRef_Cust(App::AppState &state, QWidget *parent = nullptr);

public Q_SLOTS:
    void printEnvelope();
    void searchNow();

protected:
    void startSearch() override;

private:
    void chooseSearch(int choice);
    void showGrid();
};

} // namespace Registers
