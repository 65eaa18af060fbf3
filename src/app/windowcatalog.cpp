#include "app/windowcatalog.h"

#include "app/appstate.h"
#include "app/tadvicer.h"
#include "app/taboutme.h"

namespace App {

WindowCatalog::WindowCatalog()
{
    add(QStringLiteral("TAboutMe"), [](AppState &) { return new TAboutMe; });
    add(QStringLiteral("TAdvicer"), [](AppState &) { return new TAdvicer; });
}

QWidget *WindowCatalog::create(const QString &className, AppState &state) const
{
    const auto it = m_factories.constFind(className);
    return it == m_factories.constEnd() ? nullptr : (*it)(state);
}

} // namespace App
