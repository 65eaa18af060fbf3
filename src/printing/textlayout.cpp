#include "printing/textlayout.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace Printing {

namespace {

constexpr double referenceDpi = 1200;

const QPaintDevice *referenceDevice()
{
    static const QImage device = [] {
        QImage img(1, 1, QImage::Format_Mono);
        const int dpm = qRound(referenceDpi / 0.0254);
        img.setDotsPerMeterX(dpm);
        img.setDotsPerMeterY(dpm);
        return img;
    }();
    return &device;
}

// Building a font and its metrics costs more than measuring a short text;
// forms measure many, in a handful of fonts. Layout runs on one thread.
const QFontMetricsF &metricsOf(const Font &font)
{
    struct Entry
    {
        QString family;
        double pointSize;
        bool bold;
        bool italic;
        QFontMetricsF metrics;
    };
    // Never freed: metrics must not outlive the application's font engines.
    static auto &cache = *new QList<Entry>;
    const QString family = familyOf(font);
    for (const Entry &e : cache) {
        if (e.pointSize == font.pointSize && e.bold == font.bold && e.italic == font.italic && e.family == family)
            return e.metrics;
    }
    if (cache.size() >= 64)
        cache.removeFirst();
    cache.append(Entry{family, font.pointSize, font.bold, font.italic, QFontMetricsF(toQFont(font), referenceDevice())});
    return cache.last().metrics;
}

double toMm(double deviceUnits) { return deviceUnits * 25.4 / referenceDpi; }

QList<qsizetype> boundaries(const QString &text, QTextBoundaryFinder::BoundaryType type)
{
    QList<qsizetype> out;
    QTextBoundaryFinder finder(type, text);
    for (qsizetype p = finder.toNextBoundary(); p > 0; p = finder.toNextBoundary())
        out.append(p);
    return out;
}

void wrapParagraph(const QString &text, const QFontMetricsF &fm, double maxWidth, QStringList &lines)
{
    if (text.isEmpty()) {
        lines.append(QString());
        return;
    }
    // Qt finds no break between a space and the Thai word after it; add one.
    QList<qsizetype> breaks = boundaries(text, QTextBoundaryFinder::Line);
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i).isSpace() && !text.at(i + 1).isSpace())
            breaks.append(i + 1);
    }
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    auto widthOf = [&](qsizetype from, qsizetype to) {
        QString s = text.mid(from, to - from);
        while (!s.isEmpty() && s.back().isSpace())
            s.chop(1);
        return fm.horizontalAdvance(s);
    };
    auto push = [&](qsizetype from, qsizetype to) {
        QString s = text.mid(from, to - from);
        while (!s.isEmpty() && s.back().isSpace())
            s.chop(1);
        lines.append(s);
    };

    qsizetype start = 0;
    qsizetype lastFit = -1;
    for (qsizetype b : breaks) {
        if (widthOf(start, b) <= maxWidth) {
            lastFit = b;
            continue;
        }
        if (lastFit > start) {
            push(start, lastFit);
            start = lastFit;
            if (widthOf(start, b) <= maxWidth) {
                lastFit = b;
                continue;
            }
        }
        // One word wider than the line: cut it between grapheme clusters.
        const QString word = text.mid(start, b - start);
        qsizetype pieceStart = 0;
        qsizetype previous = 0;
        for (qsizetype c : boundaries(word, QTextBoundaryFinder::Grapheme)) {
            if (previous > pieceStart && fm.horizontalAdvance(word.mid(pieceStart, c - pieceStart)) > maxWidth) {
                lines.append(word.mid(pieceStart, previous - pieceStart));
                pieceStart = previous;
            }
            previous = c;
        }
        start += pieceStart;
        lastFit = b;
    }
    if (start < text.size() || lines.isEmpty())
        push(start, text.size());
}

} // namespace

double textWidthMm(const QString &text, const Font &font)
{
    return toMm(metricsOf(font).horizontalAdvance(text));
}

double lineHeightMm(const Font &font)
{
    return toMm(metricsOf(font).lineSpacing());
}

QStringList wrapText(const QString &text, const Font &font, double widthMm)
{
    const QFontMetricsF fm = metricsOf(font);
    const double maxWidth = widthMm * referenceDpi / 25.4;
    QStringList lines;
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (const QString &p : paragraphs)
        wrapParagraph(p, fm, maxWidth, lines);
    return lines;
}

double wrappedHeightMm(const QString &text, const Font &font, double widthMm)
{
    return wrapText(text, font, widthMm).size() * lineHeightMm(font);
}

} // namespace Printing
