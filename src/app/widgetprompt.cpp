#include "app/widgetprompt.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace App {
namespace {
QWidget *owner() { return QApplication::activeWindow(); }
QString title() { return QStringLiteral("Velmora 3.0"); }
} // namespace

void WidgetPrompt::message(const QString &text, Prompt::Kind kind)
{
    switch (kind) {
    case Prompt::Kind::Information: QMessageBox::information(owner(), title(), text); break;
    case Prompt::Kind::Warning: QMessageBox::warning(owner(), title(), text); break;
    case Prompt::Kind::Error: QMessageBox::critical(owner(), title(), text); break;
    }
}

bool WidgetPrompt::question(const QString &text)
{
    return QMessageBox::question(owner(), title(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

std::optional<QString> WidgetPrompt::input(const QString &caption, const QString &label, const QString &initial)
{
    bool ok = false;
    const QString value = QInputDialog::getText(owner(), caption, label, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace App
