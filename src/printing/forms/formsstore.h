#pragma once

#include "printing/forms/documentdata.h"

#include <QSqlDatabase>

#include <optional>

namespace Forms {

// Which tables a print mode's document lives in.
enum class DocumentTables { Sales, PurchaseOrder, Quotation };

DocumentTables tablesForPrintMode(int printMode);

// Loads a saved document, its party and the settings for printing.
class FormsStore
{
public:
    explicit FormsStore(QSqlDatabase db) : m_db(std::move(db)) {}

    // nullopt with *error on a failed query; a number that matches no saved
    // document gives nullopt with *error empty. Lines come in entry order.
    std::optional<DocumentData> load(const QString &invNo, DocumentTables tables, QString *error) const;

private:
    QSqlDatabase m_db;
};

} // namespace Forms
