#pragma once

#include "registers/registerwindow.h"

class QComboBox;

namespace Registers {

// The customer and supplier registers: the same table layout, boxes, Enter
// order and save tests.
class PartyRegister : public RegisterWindow
{
    Q_OBJECT
protected:
    PartyRegister(const QString &owner, const TableDef &def, const QString &caption, const QString &codeLabel,
                  const QString &nameLabel, QWidget *parent);
    std::optional<Refusal> check(const Record &record) const override { return checkCustomer(record); }
    QComboBox *creditBox() const { return m_credit; }

private:
    QComboBox *m_credit = nullptr;
};

} // namespace Registers
