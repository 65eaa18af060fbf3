#pragma once

#include "data/businesssettings.h"

#include <QStringList>

#include <optional>

namespace Data {

// The settings window's rules, free of widgets and SQL.
namespace SettingsRules {

constexpr double kMaxPrnTop = 50.0;
constexpr double kMaxPrnLeft = 30.0;

// Series whose prefixes number documents, in the order the save checks them.
QList<int> checkedPrefixSeries();

// The seven captions of the LINE5 group; index i is the value "i".
QStringList layoutCaptions();

// "-1-000001" and so on: what stands beside a prefix box before any check.
QString initialSample(int series);

// An offset box's text as millimetres; empty means 0. Nullopt when it is not
// a number.
std::optional<double> parseOffset(const QString &text);

// What the user typed that is not already a field of BusinessSettings.
struct SaveInput
{
    BusinessSettings settings;  // prefixes as typed
    QString prnTopText;
    QString prnLeftText;
};

struct SaveProblem
{
    QString message;
    QString field;  // the field whose box takes the focus
};

// The first reason the record may not be saved, checked in the order the user
// sees the boxes; nullopt when it may. On success the parsed offsets are
// written to `out` (when given).
std::optional<SaveProblem> checkForSave(const SaveInput &input, BusinessSettings *out = nullptr);

// The head of the sale series under flat-rate tax: the PREFIX1 text and "1".
QString seriesHead(const QString &prefix1Text);

struct SeriesCheck
{
    QString sample;    // shown beside PREFIX1
    QString queInvN;   // stored in Que.QUE_INV_N, never longer than 11
};

// highestInvNo: the highest INV_NO in Invoice of any series; empty when the
// head has no documents (then it is not consulted).
SeriesCheck seriesCheckResult(const QString &head, bool headHasDocuments, const QString &highestInvNo);

constexpr int kQueInvNWidth = 11;

} // namespace SettingsRules
} // namespace Data
