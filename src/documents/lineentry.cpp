#include "documents/lineentry.h"

#include "documents/totals.h"

#include "registers/pricelevels.h"
#include "text/thaitext.h"

namespace Documents {

bool stockCheckPasses(int mode, const QString &stockFlag, const QString &cutStock, double onHand,
                      double previousQuantity, double newQuantity)
{
    if (stockFlag == QLatin1String("0") || cutStock != QLatin1String("1"))
        return true;
    switch (mode) {
    case 1:
    case 2:
        return onHand + previousQuantity - newQuantity >= 0;
    case 3:
    case 4:
        // Taking more goods in can only help, even while stock is negative.
        if (newQuantity >= previousQuantity)
            return true;
        return onHand - previousQuantity + newQuantity >= 0;
    default:
        return true;
    }
}

QString proposedPrice(const std::array<std::optional<double>, 5> &scale, const ProductRecord &product, double quantity)
{
    Registers::PriceLevels levels;
    levels.thresholds.scale = scale;
    levels.prices = product.sellPrices;
    const int level = Registers::levelForQuantity(levels.thresholds, quantity);
    if (level == 0)
        return QString();
    return Registers::plainNumber(product.sellPrices[level - 1].value_or(0.0));
}

LineValues makeLine(const ModeInfo &mode, const LineEntry &e, double q, double p, double d, const QString &today,
                    const LineValues &base)
{
    LineValues l = base;
    const ProductRecord product = e.product.value_or(ProductRecord{});
    const bool productLine = mode.isPurchase() ? e.stockFlag == QLatin1String("1") : e.stockFlag != QLatin1String("0");
    // A product that is not stock-tracked never carries a mark, whatever the flag says.
    if (productLine && e.kind == LineEntry::Kind::Product && product.cutStock == QLatin1String("1")) {
        l.proNo = product.code;
        l.proName = product.name;
        l.proUnit = product.unit;
        l.stkPost = double(mode.stockMark);
    } else {
        // Found by name or not stock-tracked: keep the product's code, never the name.
        l.proNo = e.kind == LineEntry::Kind::Product ? product.code : e.codeText;
        l.proName = e.kind == LineEntry::Kind::Product ? product.name : e.nameText;
        l.proUnit = product.unit;
        l.stkPost.reset();
    }
    const QString warranty = e.kind == LineEntry::Kind::FreeText ? e.warranty.trimmed() : e.warranty;
    l.warnDate = Text::WarrantyEnd(today, warranty);
    l.unitPrice = roundTo4(p);
    l.discount = d;
    l.price = linePrice(q, p, d);
    l.proQty = q;
    if (e.unitLabel.isEmpty())
        l.proUnit.clear();
    l.attrib = e.attrib;
    l.attrib2 = e.attrib2;
    l.taxRate = product.taxRate;
    l.cutStock = product.cutStock;
    return l;
}

QString LineEntry::indicatorText() const
{
    switch (indicator) {
    case Indicator::Blue: return QStringLiteral(" ปรับ Stock สินค้า");
    case Indicator::Green: return QStringLiteral(" ยังไม่ปรับ Stock สินค้า");
    case Indicator::Red: return QStringLiteral(" ไม่ปรับ Stock สินค้า");
    case Indicator::None: break;
    }
    return QString();
}

QString plainQuantity(double value)
{
    return Registers::plainNumber(value);
}

} // namespace Documents
