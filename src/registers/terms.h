#pragma once

#include <QStringList>

namespace Registers {

// The credit terms a customer or supplier may carry, in list order.
const QStringList &creditTerms();
// Exactly one of the list entries; an empty text is not a term.
bool isCreditTerm(const QString &text);

// The warranty list of the product register, its first entry empty.
const QStringList &warrantyTerms();

} // namespace Registers
