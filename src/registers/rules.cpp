#include "registers/rules.h"

#include "registers/messages.h"
#include "registers/terms.h"

#include <QLocale>

#include <cmath>

namespace Registers {
namespace {

const QString levelPriceFields[] = {QStringLiteral("PRO_SP2"), QStringLiteral("PRO_SP3"),
                                    QStringLiteral("PRO_SP4"), QStringLiteral("PRO_SP5")};

} // namespace

std::optional<Refusal> checkCustomer(const Record &record)
{
    if (record.text(QStringLiteral("CUST_NO")).isEmpty())
        return Refusal{Messages::noCustomerCode(), QStringLiteral("CUST_NO")};
    if (!isCreditTerm(record.text(QStringLiteral("CUST_CRE"))))
        return Refusal{Messages::creditTermInvalid(), QStringLiteral("CUST_CRE")};
    return std::nullopt;
}

std::optional<Refusal> checkSalesperson(const Record &record)
{
    if (record.text(QStringLiteral("SALE_NO")).isEmpty())
        return Refusal{Messages::noCustomerCode(), QStringLiteral("SALE_NO")};
    return std::nullopt;
}

std::optional<Refusal> checkProduct(const Record &record)
{
    if (record.text(QStringLiteral("PRO_NO")).isEmpty())
        return Refusal{Messages::productIncomplete(), QStringLiteral("PRO_NO")};
    return std::nullopt;
}

Record newProduct()
{
    Record r;
    r.setNumber(QStringLiteral("PRO_RORDER"), 0.0);
    r.setNumber(QStringLiteral("PRO_SPRICE"), 0.0);
    r.setNumber(QStringLiteral("PRO_BPRICE"), 0.0);
    r.setNumber(QStringLiteral("TAX_RATE"), 7.0);
    r.set(QStringLiteral("CUT_STOCK"), QStringLiteral("1"));
    return r;
}

bool copyLevelOnePrice(Record &record)
{
    const std::optional<double> price = record.number(QStringLiteral("PRO_SPRICE"));
    if (!price)
        return false;
    for (const QString &f : levelPriceFields)
        record.setNumber(f, price);
    return true;
}

void completeProductForSave(Record &record, bool isNew)
{
    if (isNew) {
        const std::optional<double> price = record.number(QStringLiteral("PRO_SPRICE"));
        for (const QString &f : levelPriceFields) {
            if (!record.number(f))
                record.setNumber(f, price);
        }
    }
    static const QString zeroFields[] = {
        QStringLiteral("PRO_TOTAL"), QStringLiteral("PRO_BPRICE"), QStringLiteral("PRO_SPRICE"),
        QStringLiteral("PRO_SP2"),   QStringLiteral("PRO_SP3"),    QStringLiteral("PRO_SP4"),
        QStringLiteral("PRO_SP5"),   QStringLiteral("PRO_RORDER")};
    for (const QString &f : zeroFields) {
        if (!record.number(f))
            record.setNumber(f, 0.0);
    }
}

bool parseNumberText(const QString &text, std::optional<double> *value)
{
    QString t = text.trimmed();
    t.remove(QLatin1Char(','));
    if (t.isEmpty()) {
        *value = std::nullopt;
        return true;
    }
    bool ok = false;
    const double d = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(d))
        return false;
    *value = d;
    return true;
}

} // namespace Registers
