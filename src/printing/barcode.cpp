#include "printing/barcode.h"

#include "printing/messages.h"

#include <zint.h>

#include <memory>

namespace Printing {

namespace {

bool isCode39Character(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')
        || u == ' ' || u == '-' || u == '.' || u == '$' || u == '/' || u == '+' || u == '%';
}

struct SymbolDeleter
{
    void operator()(zint_symbol *s) const { ZBarcode_Delete(s); }
};

} // namespace

std::optional<int> ean13CheckDigit(const QString &first12)
{
    if (first12.size() != 12)
        return std::nullopt;
    int sum = 0;
    for (int i = 0; i < 12; ++i) {
        const char16_t u = first12.at(i).unicode();
        if (u < '0' || u > '9')
            return std::nullopt;
        sum += (u - '0') * (i % 2 == 0 ? 1 : 3);
    }
    return (10 - sum % 10) % 10;
}

std::optional<QString> barcodeProblem(Symbology symbology, const QString &data)
{
    if (data.trimmed().isEmpty())
        return Messages::barcodeEmpty();
    if (symbology == Symbology::Code39) {
        for (QChar c : data) {
            if (!isCode39Character(c))
                return Messages::code39BadCharacters();
        }
        // The library's limit is 85 characters; the check character takes one.
        if (data.size() > 80)
            return Messages::code39TooLong();
        return std::nullopt;
    }
    if (data.size() != 13)
        return Messages::ean13NotThirteenDigits();
    for (QChar c : data) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return Messages::ean13NotThirteenDigits();
    }
    const int expected = *ean13CheckDigit(data.left(12));
    if (data.at(12).unicode() - '0' != expected)
        return Messages::ean13WrongCheckDigit(expected);
    return std::nullopt;
}

BarcodeResult encodeBarcode(Symbology symbology, const QString &data, bool withText)
{
    BarcodeResult result;
    if (const auto problem = barcodeProblem(symbology, data)) {
        result.error = *problem;
        return result;
    }

    std::unique_ptr<zint_symbol, SymbolDeleter> zs(ZBarcode_Create());
    if (!zs) {
        result.error = Messages::barcodeRefused(QStringLiteral("out of memory"));
        return result;
    }
    const QString encoded = symbology == Symbology::Code39 ? data.toUpper() : data;
    zs->symbology = symbology == Symbology::Code39 ? BARCODE_CODE39 : BARCODE_EANX;
    if (symbology == Symbology::Code39)
        zs->option_2 = 1; // mod-43 check character
    zs->show_hrt = withText ? 1 : 0;
    zs->output_options |= BARCODE_QUIET_ZONES;
    zs->height = 50;
    const QByteArray bytes = encoded.toLatin1();
    const int rc = ZBarcode_Encode_and_Buffer_Vector(
        zs.get(), reinterpret_cast<const unsigned char *>(bytes.constData()), int(bytes.size()), 0);
    if (rc >= ZINT_ERROR || !zs->vector) {
        result.error = Messages::barcodeRefused(QString::fromUtf8(zs->errtxt));
        return result;
    }

    auto symbol = std::make_shared<BarcodeSymbol>();
    symbol->symbology = symbology;
    symbol->data = encoded;
    symbol->humanText = QString::fromUtf8(reinterpret_cast<const char *>(zs->text));
    symbol->size = QSizeF(zs->vector->width, zs->vector->height);
    for (auto *r = zs->vector->rectangles; r; r = r->next) {
        // Rectangles in the background colour would be white marks; none are asked for.
        if (r->colour == -1 || r->colour == 7)
            symbol->bars.append(QRectF(r->x, r->y, r->width, r->height));
    }
    for (auto *s = zs->vector->strings; s; s = s->next) {
        BarcodeSymbol::Label label;
        label.position = QPointF(s->x, s->y);
        label.fontSize = s->fsize;
        label.text = QString::fromUtf8(reinterpret_cast<const char *>(s->text), s->length);
        label.alignment = s->halign == 1 ? Qt::AlignLeft : s->halign == 2 ? Qt::AlignRight : Qt::AlignHCenter;
        symbol->labels.append(label);
    }
    if (symbol->bars.isEmpty()) {
        result.error = Messages::barcodeRefused(QStringLiteral("empty symbol"));
        return result;
    }
    result.symbol = std::move(symbol);
    return result;
}

} // namespace Printing
