#pragma once

#include "documents/document.h"
#include "documents/modes.h"
#include "documents/records.h"

#include "data/schema.h"

#include <QSqlDatabase>
#include <QString>

#include <memory>
#include <optional>

class QSqlQuery;
class QSqlQueryModel;

namespace Documents {

enum class SaveStatus { Saved, NeedFirstNumber, NumberingFailed, Conflict, Failed };

struct SaveResult
{
    SaveStatus status = SaveStatus::Failed;
    QString number;  // the number filed
    QString error;   // engine text, for the log
    int attempts = 0;
};

// All SQL of the document window. Reads go straight to the tables; a save
// files header and lines in one transaction, numbering included.
class DocumentRepository
{
public:
    DocumentRepository(const QSqlDatabase &db, Data::Engine engine);
    ~DocumentRepository();

    QSqlDatabase db() const { return m_db; }
    bool isPostgres() const { return m_postgres; }
    QString lastError() const { return m_error; }

    // Browsing under one head. Each returns false on an engine error; *out
    // is empty when there is no such document.
    bool hasDocuments(const ModeInfo &mode, const QString &head, bool *out);
    bool lastNumber(const ModeInfo &mode, const QString &head, std::optional<QString> *out);
    bool firstNumber(const ModeInfo &mode, const QString &head, std::optional<QString> *out);
    bool nextAfter(const ModeInfo &mode, const QString &head, const QString &number, std::optional<QString> *out);
    bool priorBefore(const ModeInfo &mode, const QString &head, const QString &number, std::optional<QString> *out);
    bool nearestAtOrAfter(const ModeInfo &mode, const QString &head, const QString &text, std::optional<QString> *out);
    bool load(const ModeInfo &mode, const QString &number, std::optional<Document> *out);
    // Header rows from `from` on, in number order (number, date, name).
    bool fillSearchModel(QSqlQueryModel &model, const ModeInfo &mode, const QString &head, const QString &from);

    // Registers.
    bool findParty(const ModeInfo &mode, const QString &code, std::optional<PartyRecord> *out);
    bool lastPartyCode(const ModeInfo &mode, QString *out);
    bool insertParty(const ModeInfo &mode, const PartyRecord &party);
    // Code, name, address, card ordered by code or name; rowOf gives the row
    // of the nearest party at or after the text.
    bool fillPartyModel(QSqlQueryModel &model, const ModeInfo &mode, bool byName);
    bool partyRowOf(const ModeInfo &mode, bool byName, const QString &text, int *row);
    bool salespeople(QList<SalespersonRecord> *out);
    bool findProduct(const QString &key, bool byName, std::optional<ProductRecord> *out);
    bool fillProductModel(QSqlQueryModel &model, bool byName);
    bool productRowOf(bool byName, const QString &text, int *row);
    bool onHand(const QString &productCode, double *out);
    bool readSettings(WindowSettings *out);

    // Files the document. A new one gets its number inside the transaction,
    // under a lock that serialises saves of the head; firstNumber is the
    // user's answer for an empty head. An edit is filed only while the stored
    // document still equals what was read.
    SaveResult save(const ModeInfo &mode, const QString &head, const Document &document,
                    const std::optional<QString> &firstNumber, int maxAttempts = 5);

private:
    bool exec(QSqlQuery &q);
    bool oneText(QSqlQuery &q, std::optional<QString> *out);
    bool insertHeader(const ModeInfo &mode, const HeaderValues &h);
    bool insertLine(const ModeInfo &mode, const LineValues &l);
    bool updateLine(const ModeInfo &mode, const LineValues &l);
    bool readStored(const ModeInfo &mode, const QString &number, bool forUpdate, std::optional<Document> *out);
    SaveResult saveNew(const ModeInfo &mode, const QString &head, const Document &document,
                       const std::optional<QString> &firstNumber, int maxAttempts);
    SaveResult saveEdit(const ModeInfo &mode, const QString &head, const Document &document);

    QSqlDatabase m_db;
    Data::Engine m_engine;
    bool m_postgres = false;
    QString m_error;
    bool m_uniqueViolation = false;
    std::unique_ptr<QSqlQuery> m_lineInsert;
    QString m_lineInsertTable;
};

// Cuts a text copied into a header or line field to that field's width.
QString fitField(const QString &table, const QString &field, const QString &text);

} // namespace Documents
