#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include <functional>

namespace App {

class AppState;

// Makes the child windows that menu commands open, by class name. A name with
// no factory yet makes nothing, so its command does nothing.
class WindowCatalog
{
public:
    using Factory = std::function<QWidget *(AppState &)>;

    WindowCatalog();  // registers every window the program has

    void add(const QString &className, Factory factory) { m_factories.insert(className, std::move(factory)); }
    bool has(const QString &className) const { return m_factories.contains(className); }
    QWidget *create(const QString &className, AppState &state) const;

private:
    QHash<QString, Factory> m_factories;
};

} // namespace App
