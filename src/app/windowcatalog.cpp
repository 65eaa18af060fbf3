#include "app/windowcatalog.h"

#include "app/appstate.h"
#include "app/tadvicer.h"
#include "app/taboutme.h"
#include "documents/tmobile.h"
#include "documents/tpoke.h"
#include "printing/forms/printpipeline.h"
#include "registers/tfscale.h"
#include "registers/tref_cust.h"
#include "registers/tref_part.h"
#include "registers/tref_sale.h"
#include "registers/tref_supply.h"
#include "app/tpasswd.h"
#include "data/trefpos.h"

namespace App {

WindowCatalog::WindowCatalog()
{
    add(QStringLiteral("TAboutMe"), [](AppState &) { return new TAboutMe; });
    add(QStringLiteral("TAdvicer"), [](AppState &) { return new TAdvicer; });
    add(QStringLiteral("Tmobile"), [](AppState &s) {
        auto *w = new Tmobile(s);
        w->setPrintHook(&Forms::printRequested);
        return w;
    });
    add(QStringLiteral("TPoke"), [](AppState &s) { return new TPoke(s); });
    add(QStringLiteral("TRef_Cust"), [](AppState &s) { return new Registers::TRef_Cust(s); });
    add(QStringLiteral("TRef_Supply"), [](AppState &s) { return new Registers::TRef_Supply(s); });
    add(QStringLiteral("TRef_Sale"), [](AppState &s) { return new Registers::TRef_Sale(s); });
    add(QStringLiteral("TRef_Part"), [](AppState &s) { return new Registers::TRef_Part(s); });
    add(QStringLiteral("Tfscale"), [](AppState &s) { return new Registers::Tfscale(s); });
    add(QStringLiteral("Tpasswd"), [](AppState &s) { return new Tpasswd(s); });
    add(QStringLiteral("TRef_Pos"), [](AppState &) { return new Data::TRef_Pos; });
}

QWidget *WindowCatalog::create(const QString &className, AppState &state) const
{
    const auto it = m_factories.constFind(className);
    return it == m_factories.constEnd() ? nullptr : (*it)(state);
}

} // namespace App
