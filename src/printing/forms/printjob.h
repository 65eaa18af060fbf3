#pragma once

#include "printing/forms/formchoice.h"
#include "printing/forms/formcontent.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace Forms {

// The print request as the document window leaves it.
struct PrintRequest
{
    QString docNo;      // CurrentDocNo: the document the window shows
    int printMode = 0;  // DocPrintMode
    int kind = 0;       // DocKind
};

// A form ready to be laid out, with where it goes.
struct PreparedForm
{
    FormChoice choice;
    FormContent content;
    QString documentName; // for the preview caption and the printer queue
};

// The result of preparing a print: a form, or a message to show, or neither
// (the command does nothing, as with no document shown or an unknown layout).
struct Preparation
{
    std::optional<PreparedForm> form;
    QString message;
};

Preparation prepareForm(const QSqlDatabase &db, const PrintRequest &request);

} // namespace Forms
