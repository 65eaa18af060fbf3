#include "data/settingsrules.h"

#include "data/settingsmessages.h"

#include <QLocale>

#include <cmath>

namespace Data::SettingsRules {

QList<int> checkedPrefixSeries()
{
    // Every prefix that numbers documents: another length would move the type
    // digit out of the fifth position that billing and reports read.
    return {1, 2, 3, 4, 6, 7, 8, 9};
}

QStringList layoutCaptions()
{
    return {
        QStringLiteral("แบบที่  1  กระดาษสั้น (รหัส) 8.5 * 5.5 นิ้ว "),
        QStringLiteral("แบบที่  2  กระดาษยาว (รหัส) 8.5 * 11 นิ้ว "),
        QStringLiteral("แบบที่  3  กระดาษสั้น (ลำดับ) 8.5 * 5.5 นิ้ว "),
        QStringLiteral("แบบที่  4  กระดาษยาว (ลำดับ) 8.5 * 11 นิ้ว "),
        QStringLiteral("แบบที่  5  กระดาษยาว (รหัส) 8.5 * 11 นิ้ว "),
        QStringLiteral("แบบที่  6  กระดาษยาว (ลำดับ) 8.5 * 11 นิ้ว "),
        QStringLiteral("แบบที่  7  ลูกค้าสั่งทำพิเศษ "),
    };
}

QString initialSample(int series)
{
    return QStringLiteral("-%1-000001").arg(series);
}

std::optional<double> parseOffset(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return 0.0;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

namespace {

std::optional<double> offsetInRange(const QString &text, double max)
{
    const std::optional<double> v = parseOffset(text);
    // Compared at the two decimals the box shows.
    if (!v || std::round(*v * 100.0) < 0.0 || std::round(*v * 100.0) > max * 100.0)
        return std::nullopt;
    return v;
}

} // namespace

std::optional<SaveProblem> checkForSave(const SaveInput &input, BusinessSettings *out)
{
    for (int series : checkedPrefixSeries()) {
        if (input.settings.prefixOf(series).size() != 4)
            return SaveProblem{SettingsMessages::prefixNotFour(), QStringLiteral("PREFIX%1").arg(series)};
    }
    const std::optional<double> top = offsetInRange(input.prnTopText, kMaxPrnTop);
    if (!top)
        return SaveProblem{SettingsMessages::prnTopOutOfRange(), QStringLiteral("PRN_TOP")};
    const std::optional<double> left = offsetInRange(input.prnLeftText, kMaxPrnLeft);
    if (!left)
        return SaveProblem{SettingsMessages::prnLeftOutOfRange(), QStringLiteral("PRN_LEFT")};
    if (out) {
        *out = input.settings;
        out->prnTop = *top;
        out->prnLeft = *left;
    }
    return std::nullopt;
}

QString seriesHead(const QString &prefix1Text)
{
    return prefix1Text + QLatin1Char('1');
}

SeriesCheck seriesCheckResult(const QString &head, bool headHasDocuments, const QString &highestInvNo)
{
    if (headHasDocuments)
        return {highestInvNo, highestInvNo.left(kQueInvNWidth)};
    return {head, QString(head + QStringLiteral("1000000")).left(kQueInvNWidth)};
}

} // namespace Data::SettingsRules
