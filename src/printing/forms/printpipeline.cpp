#include "printing/forms/printpipeline.h"

#include "app/appstate.h"
#include "data/connection.h"
#include "printing/forms/formlayout.h"
#include "printing/forms/formtexts.h"
#include "printing/printerout.h"
#include "printing/printpreview.h"
#include "text/prompt.h"

#include <exception>

namespace Forms {

PrintOutputs defaultOutputs()
{
    PrintOutputs o;
    o.preview = [](const Printing::PageSource &source, const QString &title, QWidget *parent) {
        Printing::previewPages(source, title, parent);
    };
    o.print = [](const Printing::PageSource &source, const QString &name, QString *error) {
        return Printing::printToDefaultPrinter(source, name, error);
    };
    return o;
}

PrintOutcome runPrintRequest(const PrintRequest &request, QWidget *parent, const PrintOutputs &outputs)
{
    if (request.docNo.trimmed().isEmpty())
        return PrintOutcome::Nothing;
    QString error;
    auto connection = Data::Connection::open(QStringLiteral("forms-print"), &error);
    if (!connection) {
        Prompt::warning(Tx::LoadFailed.arg(error));
        return PrintOutcome::Refused;
    }
    const Preparation prepared = prepareForm(connection->db(), request);
    if (!prepared.form) {
        if (prepared.message.isEmpty())
            return PrintOutcome::Nothing;
        Prompt::warning(prepared.message);
        return PrintOutcome::Refused;
    }
    const PreparedForm &form = *prepared.form;
    const FormContent content = form.content;
    const Printing::PageProducer source([content](Printing::PageSink &sink) { layoutForm(content, sink); });
    if (form.choice.output == Output::Preview) {
        outputs.preview(source, form.documentName, parent);
        return PrintOutcome::Previewed;
    }
    if (!outputs.print(source, form.documentName, &error)) {
        Prompt::warning(Tx::PrintFailed.arg(error));
        return PrintOutcome::Refused;
    }
    return PrintOutcome::Printed;
}

void printRequested(App::AppState &state, QWidget *parent)
{
    try {
        runPrintRequest(PrintRequest{state.currentDocNo, state.docPrintMode, state.docKind}, parent);
    } catch (const std::exception &e) {
        Prompt::warning(Tx::PrintFailed.arg(QString::fromUtf8(e.what())));
    }
}

} // namespace Forms
