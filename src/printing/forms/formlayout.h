#pragma once

#include "printing/forms/formcontent.h"
#include "printing/page.h"
#include "printing/pagesink.h"

#include <QList>

namespace Forms {

// Paper, margins and offsets of a form.
Printing::PageSetup pageSetupOf(const FormContent &content);

// Lays a form out in bands: the page header and the totals footer on every
// page, one detail band per line. Pages go to the sink as they fill.
void layoutForm(const FormContent &content, Printing::PageSink &sink);

// All pages at once, for tests and the preview.
QList<Printing::Page> formPages(const FormContent &content);

} // namespace Forms
