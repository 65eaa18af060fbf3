#pragma once

#include "data/connection.h"
#include "registers/record.h"
#include "registers/registerstore.h"
#include "registers/rules.h"

#include <QHash>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QToolButton;
class QVBoxLayout;

namespace Printing {
class PageSource;
}

namespace Registers {

// What every register window shares: the browse and editing states, the
// buttons and record navigator, Enter moving through a fixed order, the
// duplicate-code check, the delete question, and saving through a store that
// reads one record at a time.
class SearchPanel;

class RegisterWindow : public QWidget
{
    Q_OBJECT
public:
    enum class Mode { Browse, Inserting, Editing };

    Mode mode() const { return m_mode; }
    bool hasRecord() const { return m_current.has_value(); }
    std::optional<Record> currentRecord() const { return m_current; }
    // The text a box shows (for a list, its edit text).
    QString fieldText(const QString &field) const;
    QWidget *editor(const QString &field) const { return m_editors.value(field); }

    // Shows printouts; tests replace it so no modal preview opens.
    using PageShower = std::function<void(const Printing::PageSource &, const QString &title, QWidget *parent)>;
    static void setPageShower(PageShower shower);
    static void showPages(const Printing::PageSource &source, const QString &title, QWidget *parent);

public Q_SLOTS:
    void addRecord();
    void editRecord();
    void saveRecord();
    void cancelEditing();
    void deleteRecord();
    void refreshRecords();
    void firstRecord();
    void priorRecord();
    void nextRecord();
    void lastRecord();

protected:
    RegisterWindow(const QString &owner, const TableDef &def, const QString &caption, QWidget *parent);

    // Building the form, in screen order.
    QLineEdit *addLineBox(const QString &field, const QString &label, const QString &note = QString());
    // A box the window places itself.
    QLineEdit *makeLineBox(const QString &field, QWidget *parent);
    QComboBox *addListBox(const QString &field, const QString &label, const QStringList &entries, bool editable);
    void addExtraRow(QWidget *left, QWidget *right);
    void setEnterOrder(const QList<QWidget *> &order) { m_enterOrder = order; }
    // Buttons that, like Add, are usable only while browsing.
    void addBrowseButton(QPushButton *button);
    QHBoxLayout *buttonRow() const { return m_buttonRow; }
    QVBoxLayout *sideArea() const { return m_side; }
    QWidget *formArea() const { return m_form; }
    QLabel *fieldLabel(const QString &field) const { return m_labels.value(field); }
    QPushButton *searchButton() const { return m_search; }
    void placeSearchButton(const QString &besideField);
    // The search by name that follows the typing (suppliers, salespeople).
    void enableFollowingSearch(const QStringList &columns);
    SearchPanel *searchPanel() const { return m_panel; }
    void setSearchPanel(SearchPanel *panel);

    // Hooks.
    virtual std::optional<Refusal> check(const Record &record) const = 0;
    virtual bool codeIgnoresCase() const { return false; }
    virtual Record blankRecord() const { return Record{}; }
    virtual void prepareForSave(Record &record, bool isNew) const {}
    virtual void opened() {}
    // Called after the boxes show another record or one of them changes.
    virtual void shownChanged() {}
    // Enter in a box; true when the window handled it itself.
    virtual bool enterIn(QWidget *box) { return false; }
    virtual void startSearch();

    void focusNext(QWidget *from);
    void focusField(const QString &field);
    void showRecord(const std::optional<Record> &record);
    bool readForm(Record *record);
    void setMode(Mode mode);
    bool ensureOpen();
    RegisterStore *store() const { return m_store.get(); }
    const TableDef &def() const { return m_def; }
    Data::Connection *connection() { return m_connection ? &*m_connection : nullptr; }
    // A fetched record becomes current; a failure is shown and changes nothing.
    bool moveTo(const Fetched &fetched);
    void duplicateCheck();

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setBoxText(QWidget *box, const QString &text);
    void applyMode();

    QString m_owner;
    TableDef m_def;
    std::optional<Data::Connection> m_connection;
    std::unique_ptr<RegisterStore> m_store;
    std::optional<Record> m_current;
    Mode m_mode = Mode::Browse;
    bool m_opened = false;
    bool m_filling = false;

    QHash<QString, QWidget *> m_editors;
    QHash<QString, QLabel *> m_labels;
    QList<QWidget *> m_enterOrder;
    QList<QPushButton *> m_browseButtons;

    QWidget *m_form = nullptr;
    QGridLayout *m_grid = nullptr;
    QHBoxLayout *m_buttonRow = nullptr;
    QVBoxLayout *m_side = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_refresh = nullptr;
    QPushButton *m_exit = nullptr;
    QPushButton *m_search = nullptr;
    QList<QToolButton *> m_navigator;
    SearchPanel *m_panel = nullptr;
    QString m_remembered;
    bool m_following = false;
};

// The search panel beside a register: an optional choice of what to search
// by, a caption over the search box, a read-only grid and one closing button.
class SearchPanel : public QWidget
{
    Q_OBJECT
public:
    SearchPanel(const QString &choiceTitle, const QStringList &choices, const QStringList &columns,
                const QString &closeCaption, QWidget *parent);

    QLineEdit *box() const { return m_box; }
    QLabel *caption() const { return m_caption; }
    QTableWidget *grid() const { return m_grid; }
    QPushButton *closeButton() const { return m_close; }
    int choice() const { return m_choice; }
    void setChoice(int index);
    // Fills the grid; the row whose key equals `currentKey` is selected.
    void showRows(const QList<Record> &rows, const QStringList &fields, const QString &keyField,
                  const QString &currentKey);
    QString keyOfRow(int row) const;

Q_SIGNALS:
    void choiceChanged(int index);
    void enterPressed();
    void rowClicked(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QRadioButton *> m_choices;
    QLabel *m_caption = nullptr;
    QLineEdit *m_box = nullptr;
    QTableWidget *m_grid = nullptr;
    QPushButton *m_close = nullptr;
    int m_choice = 0;
};

} // namespace Registers
