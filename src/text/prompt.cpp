#include "text/prompt.h"

#include <QDebug>

namespace Prompt {
namespace {

class StderrHandler final : public Handler
{
public:
    void message(const QString &text, Kind) override { qWarning().noquote() << text; }
    bool question(const QString &text) override
    {
        qWarning().noquote() << text;
        return false;
    }
    std::optional<QString> input(const QString &, const QString &label, const QString &) override
    {
        qWarning().noquote() << label;
        return std::nullopt;
    }
};

StderrHandler g_default;
Handler *g_handler = &g_default;

} // namespace

void setHandler(Handler *h) { g_handler = h ? h : &g_default; }
Handler &handler() { return *g_handler; }

void message(const QString &text, Kind kind) { g_handler->message(text, kind); }
void warning(const QString &text) { g_handler->message(text, Kind::Warning); }
bool question(const QString &text) { return g_handler->question(text); }
std::optional<QString> input(const QString &caption, const QString &label, const QString &initial)
{
    return g_handler->input(caption, label, initial);
}

} // namespace Prompt
