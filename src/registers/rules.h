#pragma once

#include "registers/record.h"

#include <QString>

#include <optional>

namespace Registers {

// Why a save was refused, and the field the focus goes back to.
struct Refusal
{
    QString message;
    QString field;
};

std::optional<Refusal> checkCustomer(const Record &record);     // also suppliers
std::optional<Refusal> checkSalesperson(const Record &record);
std::optional<Refusal> checkProduct(const Record &record);

// The values a new product starts with.
Record newProduct();

// Copies the level-1 price into levels 2 to 5 (Enter in the level-1 box while
// adding). False when the level-1 price is blank.
bool copyLevelOnePrice(Record &record);

// Before a product is written: a new product's blank level 2-5 prices take the
// level-1 price, so no level ever sells at 0 because a box was skipped; then
// every blank price, the reorder point and the stock figure become 0.
void completeProductForSave(Record &record, bool isNew);

// A number typed in a box: blank gives an empty optional, text that is not a
// number gives false. Thousands separators are allowed.
bool parseNumberText(const QString &text, std::optional<double> *value);

} // namespace Registers
