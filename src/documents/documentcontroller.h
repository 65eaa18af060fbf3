#pragma once

#include "documents/document.h"
#include "documents/documentrepository.h"
#include "documents/lineentry.h"
#include "documents/modes.h"
#include "documents/records.h"
#include "documents/totals.h"

#include <QObject>
#include <QRandomGenerator>

#include <array>
#include <optional>

namespace Documents {

enum class Action { Normal, Add, Edit };

// Which toolbar controls are on, by state and mode.
struct ButtonSet
{
    bool add = false;
    bool edit = false;
    bool editVisible = false;
    bool exit = false;
    bool search = false;
    bool dontSave = false;
    bool save = false;
    bool navigator = false;
    bool payment = false;
    std::array<bool, 3> printShown{};
    std::array<bool, 3> printEnabled{};
    bool lineButtons = false;  // "เพิ่ม", "ลบ", "&แก้ไข" and their highlight
    bool headerEditable = false;

    bool operator==(const ButtonSet &) const = default;
};

enum class PartyCodeResult { Ignored, OpenSearch, OpenQuickAdd, Found, NotFound };
enum class SaveField { None, Salesperson, Date, Term, Party, BillDiscount };

struct SaveOutcome
{
    bool saved = false;
    SaveField focus = SaveField::None;
};

// The document window without widgets: state, button sets, the document in
// memory, header entry, lines and saving. The window shows what this holds
// and forwards the user's events; tests drive it directly.
class DocumentController : public QObject
{
    Q_OBJECT
public:
    DocumentController(int mode, int userLevel, DocumentRepository &repository, QObject *parent = nullptr);
    // A login or Logout elsewhere changes who may edit.
    void setUserLevel(int level);

    // Reads the settings and opens on the last document of the head.
    bool activate();

    const ModeInfo &mode() const { return *m_mode; }
    QString head() const { return m_head; }
    const WindowSettings &settings() const { return m_settings; }
    DocumentRepository &repository() { return m_repo; }
    Action action() const { return m_action; }
    ButtonSet buttons() const;
    bool hasDocuments() const { return m_hasDocuments; }

    // Browsing.
    bool moveFirst();
    bool movePrior();
    bool moveNext();
    bool moveLast();
    bool refresh();
    bool showDocument(const QString &number);
    bool findDocument(const QString &text);  // nearest at or after
    QString currentNumber() const { return m_doc.header().invNo; }

    const Document &document() const { return m_doc; }
    const Totals &totals() const { return m_totals; }
    const PartyRecord &shownParty() const { return m_shown; }
    const std::optional<PartyRecord> &confirmedParty() const { return m_party; }
    QString term() const { return m_term; }
    QString dateText() const { return m_doc.header().invDate; }
    QString dueDate() const { return m_doc.header().dueDate; }
    QString temporaryNumber() const { return m_temporary; }
    const QList<SalespersonRecord> &salespeople() const { return m_salespeople; }
    QString billDiscountText() const { return m_billDiscountText; }

    // Add, edit, save, don't save.
    bool add();
    bool edit();
    void dontSave();
    SaveOutcome save();

    // Header entry.
    PartyCodeResult enterPartyCode(const QString &text);
    bool useParty(const QString &code);
    QString lastPartyCode();
    // Stores a quick-added party at once; an empty term becomes "สด".
    bool quickAdd(PartyRecord party);
    void setDateText(const QString &text);
    bool dateEntered(const QString &text);
    bool dateLeft(const QString &text);
    void setTerm(const QString &term);
    void setSalesperson(const QString &code);
    void setReference(const QString &text);
    bool setBillDiscountText(const QString &text);
    // The box as typed, kept for the save to read; nothing is worked out yet.
    void billDiscountTyped(const QString &text);

    // Lines.
    LineEntry &lineEntry() { return m_entry; }
    bool panelOpen() const { return m_panel != PanelState::Closed; }
    bool beginNewLine();
    bool beginEditLine(int index);
    // The code box received the focus.
    void codeBoxEntered();
    // Enter in the code box (or a pick from the product list): look the text
    // up by code or by name; an empty box starts a free-text line.
    bool lookupProduct();
    // The name box of a free-text line received the focus; Enter in it.
    void nameBoxEntered();
    void confirmFreeName();
    // Enter in, or leaving, the quantity box: the price by level in sales.
    void quantityConfirmed();
    bool acceptLine();
    void cancelLine();
    bool deleteLine(int index);
    // A value typed into a grid cell: the line is priced again at once.
    bool setCell(int index, int column, const QString &text);

    bool recomputeTotals();

Q_SIGNALS:
    void changed();

private:
    enum class PanelState { Closed, NewLine, EditLine };

    bool show(const std::optional<QString> &number);
    void recomputeDue();
    bool askFirstNumber(std::optional<QString> *number);

    const ModeInfo *m_mode;
    int m_userLevel;
    DocumentRepository &m_repo;
    WindowSettings m_settings;
    QString m_head;
    QList<SalespersonRecord> m_salespeople;

    Action m_action = Action::Normal;
    bool m_hasDocuments = false;
    bool m_exitEnabled = true;
    Document m_doc;
    Totals m_totals;
    PartyRecord m_shown;
    std::optional<PartyRecord> m_party;
    QString m_term;
    QString m_billDiscountText = QStringLiteral("0");
    QString m_temporary;
    QRandomGenerator m_random;

    LineEntry m_entry;
    PanelState m_panel = PanelState::Closed;
    int m_editIndex = -1;
};

} // namespace Documents
