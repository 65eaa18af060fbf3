#pragma once

#include "documents/document.h"
#include "documents/modes.h"
#include "documents/records.h"

#include <QString>

#include <optional>

namespace Documents {

// What the line-entry panel holds while one line is entered.
struct LineEntry
{
    enum class Kind { None, Product, FreeText };
    enum class Indicator { None, Blue, Green, Red };

    // Typed by the user.
    bool searchByName = false;
    QString codeText;
    QString nameText;
    QString attrib;
    QString attrib2;
    QString warranty;
    QString quantityText;
    QString priceText = QStringLiteral("0");
    QString discountText = QStringLiteral("0");
    // The product the product list stands on; a free-text line takes its
    // tax rate from it.
    QString cursorCode;
    QString cursorName;

    // Worked out by look-ups.
    Kind kind = Kind::None;          // Accept needs a product or a confirmed free-text line
    QString stockFlag = QStringLiteral("0");
    std::optional<ProductRecord> product;  // the product at the cursor
    double previousQuantity = 0;
    double onHand = 0;
    QString onHandText;
    QString unitLabel;
    Indicator indicator = Indicator::None;
    // The words beside the indicator follow from its colour.
    QString indicatorText() const;
    bool detailsShown = true;
    bool stockBoxesShown = true;  // on-hand and warranty boxes
    bool listEnabled = true;
};

// The stock check of Accept: whether the line may be written.
bool stockCheckPasses(int mode, const QString &stockFlag, const QString &cutStock, double onHand,
                      double previousQuantity, double newQuantity);

// Unit price proposed for a sale quantity by the price levels; empty when the
// quantity reaches no level.
QString proposedPrice(const std::array<std::optional<double>, 5> &scale, const ProductRecord &product, double quantity);

// The line written from the panel, with today's date for the warranty end.
LineValues makeLine(const ModeInfo &mode, const LineEntry &entry, double quantity, double price, double discount,
                    const QString &today, const LineValues &base);

QString plainQuantity(double value);

// Enter in the line grid walks the first six columns and wraps to the first.
constexpr int nextGridColumn(int column) { return column >= 0 && column < 5 ? column + 1 : 0; }

} // namespace Documents
