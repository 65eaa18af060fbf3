#pragma once

#include "printing/forms/printjob.h"
#include "printing/pagesink.h"

#include <functional>

class QWidget;

namespace App {
class AppState;
}

namespace Forms {

// Where a prepared form goes; tests replace both.
struct PrintOutputs
{
    std::function<void(const Printing::PageSource &, const QString &title, QWidget *parent)> preview;
    std::function<bool(const Printing::PageSource &, const QString &name, QString *error)> print;
};

PrintOutputs defaultOutputs();

enum class PrintOutcome { Nothing, Previewed, Printed, Refused };

// Prepares the form of a request on the alias and previews or prints it;
// messages go through the prompt seam.
PrintOutcome runPrintRequest(const PrintRequest &request, QWidget *parent,
                             const PrintOutputs &outputs = defaultOutputs());

// The document window's print hook: reads the print request from the
// application state and runs it. Never throws.
void printRequested(App::AppState &state, QWidget *parent);

} // namespace Forms
