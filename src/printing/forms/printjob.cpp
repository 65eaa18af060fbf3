#include "printing/forms/printjob.h"

#include "data/settingsstore.h"
#include "printing/forms/formsstore.h"
#include "printing/forms/formtexts.h"

namespace Forms {

Preparation prepareForm(const QSqlDatabase &db, const PrintRequest &request)
{
    Preparation out;
    const QString docNo = request.docNo.trimmed();
    // Only a document the window shows is printed; a new one has none yet.
    if (docNo.isEmpty())
        return out;

    QString error;
    const auto settings = Data::SettingsStore(db).load(&error);
    if (!settings) {
        out.message = Tx::LoadFailed.arg(error);
        return out;
    }
    const auto choice = chooseForm(request.printMode, request.kind, settings->line5, settings->view1);
    if (!choice)
        return out;

    const auto data = FormsStore(db).load(docNo, tablesForPrintMode(request.printMode), &error);
    if (!data) {
        out.message = error.isEmpty() ? Tx::DocumentNotFound.arg(docNo) : Tx::LoadFailed.arg(error);
        return out;
    }
    FormContent content = buildContent(choice->form, *data, request.printMode, request.kind);
    if (!content.amountsValid) {
        out.message = Tx::AmountOutOfRange;
        return out;
    }
    QString name = content.title.isEmpty() ? formClassName(choice->form) : content.title;
    name += QLatin1Char(' ') + content.number;
    out.form = PreparedForm{*choice, std::move(content), name};
    return out;
}

} // namespace Forms
