#pragma once

#include "text/prompt.h"

#include <QQueue>
#include <QStringList>

// Installs itself as the prompt handler for its lifetime. Records every text
// shown and answers questions and input boxes from queues (No and Cancel when
// a queue runs dry).
class ScriptedPrompt final : public Prompt::Handler
{
public:
    ScriptedPrompt() { Prompt::setHandler(this); }
    ~ScriptedPrompt() override { Prompt::setHandler(nullptr); }

    QStringList messages;   // information, warning and error texts, in order
    QStringList questions;  // question texts, in order
    QStringList inputs;     // input-box labels, in order
    QQueue<bool> answers;
    QQueue<std::optional<QString>> inputAnswers;

    void message(const QString &text, Prompt::Kind) override { messages.append(text); }
    bool question(const QString &text) override
    {
        questions.append(text);
        return answers.isEmpty() ? false : answers.dequeue();
    }
    std::optional<QString> input(const QString &, const QString &label, const QString &) override
    {
        inputs.append(label);
        return inputAnswers.isEmpty() ? std::nullopt : inputAnswers.dequeue();
    }
    void clear() { messages.clear(); questions.clear(); inputs.clear(); }
};
