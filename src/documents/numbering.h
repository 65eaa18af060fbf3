#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QRandomGenerator;

namespace Documents {

constexpr int numberLength = 11;
constexpr int headLength = 5;
constexpr int sequenceLength = 6;

enum class NextNumberStatus { Ok, AskFirst, Failed };

struct NextNumber
{
    NextNumberStatus status = NextNumberStatus::Failed;
    QString number;  // set when Ok
};

// From the head and the highest number filed under it (none: the first
// document, whose sequence the user gives). Refuses anything that would not
// give an eleven-character number with a six-digit sequence.
NextNumber nextNumber(const QString &head, const std::optional<QString> &lastUnderHead);

struct FirstSequence
{
    std::optional<QString> number;  // head + answer when accepted
    QStringList messages;           // shown in this order when refused
};

// The answer of the first-number box; nullopt (Cancel) means the default.
FirstSequence firstSequence(const QString &head, const std::optional<QString> &answer);

// "TEMP" and 0..999998 without leading zeros; never a valid filed number.
QString temporaryNumber(QRandomGenerator &random);
bool isTemporaryNumber(const QString &number);

// Upper bound (exclusive) of the numbers under a head, for index range scans.
QString headUpperBound(const QString &head);

} // namespace Documents
