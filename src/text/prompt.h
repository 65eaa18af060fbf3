#pragma once

#include <QString>

#include <optional>

// The one seam through which every message box, Yes/No question and input box
// passes. The program installs a handler that shows real dialogs; tests install
// one that records the texts and answers from a script. Headless code (text
// routines, stores) calls these free functions and never needs a widget.
namespace Prompt {

enum class Kind { Information, Warning, Error };

class Handler
{
public:
    virtual ~Handler() = default;
    virtual void message(const QString &text, Kind kind) = 0;
    // true means Yes.
    virtual bool question(const QString &text) = 0;
    // std::nullopt means the user cancelled.
    virtual std::optional<QString> input(const QString &caption, const QString &label,
                                         const QString &initial) = 0;
};

// Installs a handler (not owned); nullptr restores the default, which writes
// messages to stderr, answers No and cancels input.
void setHandler(Handler *handler);
Handler &handler();

void message(const QString &text, Kind kind = Kind::Information);
void warning(const QString &text);
bool question(const QString &text);
std::optional<QString> input(const QString &caption, const QString &label,
                             const QString &initial = QString());

} // namespace Prompt
