#include "documents/numbering.h"

#include "documents/messages.h"

#include <QRandomGenerator>

namespace Documents {
namespace {

bool asciiDigits(const QString &s)
{
    if (s.isEmpty())
        return false;
    for (const QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

NextNumber nextNumber(const QString &head, const std::optional<QString> &lastUnderHead)
{
    if (head.size() != headLength)
        return {};
    if (!lastUnderHead)
        return {NextNumberStatus::AskFirst, {}};
    const QString &last = *lastUnderHead;
    if (last.size() != numberLength || !last.startsWith(head))
        return {};
    const QString seq = last.mid(headLength);
    if (!asciiDigits(seq))
        return {};
    const int next = seq.toInt() + 1;
    if (next > 999999)
        return {};
    return {NextNumberStatus::Ok, head + QStringLiteral("%1").arg(next, sequenceLength, 10, QLatin1Char('0'))};
}

FirstSequence firstSequence(const QString &head, const std::optional<QString> &answer)
{
    FirstSequence r;
    const QString text = answer.value_or(Messages::firstNumberDefault());
    if (!asciiDigits(text))
        r.messages.append(Messages::firstNotDigits());
    if (text.size() != sequenceLength)
        r.messages.append(Messages::firstNotSix());
    if (!r.messages.isEmpty())
        return r;
    if (head.size() != headLength) {
        r.messages.append(Messages::numberingFailed());
        return r;
    }
    r.number = head + text;
    return r;
}

QString temporaryNumber(QRandomGenerator &random)
{
    return QStringLiteral("TEMP") + QString::number(random.bounded(999999));
}

bool isTemporaryNumber(const QString &number)
{
    return number.startsWith(QLatin1String("TEMP"));
}

QString headUpperBound(const QString &head)
{
    // Above every character a number may hold, in code-point order.
    return head + QChar(0xFFFF);
}

} // namespace Documents
