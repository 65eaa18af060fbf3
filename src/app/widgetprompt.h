#pragma once

#include "text/prompt.h"

namespace App {

// Shows the seam's messages, questions and input boxes as real dialogs.
class WidgetPrompt final : public Prompt::Handler
{
public:
    void message(const QString &text, Prompt::Kind kind) override;
    bool question(const QString &text) override;
    std::optional<QString> input(const QString &caption, const QString &label, const QString &initial) override;
};

} // namespace App
