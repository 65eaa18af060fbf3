#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <memory>
#include <optional>
#include <variant>

namespace Printing {

enum class Symbology { Code39, Ean13 };

// An encoded symbol as vectors in module units (one unit = the narrowest bar),
// quiet zones included, ready to be scaled into any box.
struct BarcodeSymbol
{
    struct Label
    {
        QPointF position;    // baseline point of the text, by alignment
        double fontSize = 0; // module units
        QString text;
        Qt::Alignment alignment = Qt::AlignHCenter;
    };

    Symbology symbology = Symbology::Code39;
    QString data;            // what was encoded (Code 39 upper-cased)
    QString humanText;       // what the library would print under the bars
    QSizeF size;
    QList<QRectF> bars;
    QList<Label> labels;     // empty when drawn without text
};

// Why a code cannot be printed in a symbology, in Thai; nothing when it can.
std::optional<QString> barcodeProblem(Symbology symbology, const QString &data);

// The check digit an EAN-13 code should end with, from its first 12 digits.
std::optional<int> ean13CheckDigit(const QString &first12);

struct BarcodeResult
{
    std::shared_ptr<const BarcodeSymbol> symbol; // set on success
    QString error;                               // Thai message otherwise

    bool ok() const { return symbol != nullptr; }
};

// Code 39 gets its start and stop characters and the mod-43 check character.
BarcodeResult encodeBarcode(Symbology symbology, const QString &data, bool withText);

} // namespace Printing
