#pragma once

#include "documents/document.h"
#include "documents/modes.h"

#include <QList>
#include <QtGlobal>

namespace Documents {

// The four running amounts, in whole ten-thousandths.
struct Totals
{
    qint64 net = 0;       // sum of line nets, TOTAL
    qint64 tax = 0;       // sum of rounded line taxes, TAX
    qint64 discount = 0;  // bill discount, DISCOUNT
    qint64 sum = 0;       // grand total, SUM_TOTAL

    bool operator==(const Totals &) const = default;
};

// Halves to even, on a value formed in extended precision.
qint64 roundHalfEven(long double value);
double toStored(qint64 tenThousandths);
qint64 fromStored(double value);

Totals computeTotals(const QList<LineValues> &lines, Regime regime, double billDiscountPercent);

// PRICE of a line: q x p less d percent of it, rounded once to 4 decimals.
double linePrice(double quantity, double unitPrice, double discountPercent);
double roundTo4(double value);

// "0" + due year (2) + due month (2) + mode digit + party code.
QString billingKey(const QString &dueDate, const QString &invNo, const QString &custNo);

} // namespace Documents
