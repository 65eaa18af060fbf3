#include "registers/registerwindow.h"

#include "printing/pagesink.h"
#include "printing/printpreview.h"
#include "registers/messages.h"
#include "registers/pricelevels.h"
#include "text/prompt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace Registers {
namespace {

RegisterWindow::PageShower &pageShower()
{
    static RegisterWindow::PageShower shower = [](const Printing::PageSource &source, const QString &title,
                                                  QWidget *parent) { Printing::previewPages(source, title, parent); };
    return shower;
}

bool isEnter(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

void RegisterWindow::setPageShower(PageShower shower)
{
    pageShower() = std::move(shower);
}

void RegisterWindow::showPages(const Printing::PageSource &source, const QString &title, QWidget *parent)
{
    pageShower()(source, title, parent);
}

RegisterWindow::RegisterWindow(const QString &owner, const TableDef &def, const QString &caption, QWidget *parent)
    : QWidget(parent), m_owner(owner), m_def(def)
{
    setWindowTitle(caption);
    auto *outer = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    outer->addLayout(top, 1);

    m_form = new QWidget(this);
    m_grid = new QGridLayout(m_form);
    m_grid->setColumnStretch(1, 1);
    top->addWidget(m_form, 3);
    m_side = new QVBoxLayout;
    top->addLayout(m_side, 2);

    m_buttonRow = new QHBoxLayout;
    outer->addLayout(m_buttonRow);
    const char *navTexts[] = {"|<", "<", ">", ">|"};
    for (const char *t : navTexts) {
        auto *b = new QToolButton(this);
        b->setText(QString::fromLatin1(t));
        m_buttonRow->addWidget(b);
        m_navigator.append(b);
    }
    connect(m_navigator[0], &QToolButton::clicked, this, &RegisterWindow::firstRecord);
    connect(m_navigator[1], &QToolButton::clicked, this, &RegisterWindow::priorRecord);
    connect(m_navigator[2], &QToolButton::clicked, this, &RegisterWindow::nextRecord);
    connect(m_navigator[3], &QToolButton::clicked, this, &RegisterWindow::lastRecord);
    m_buttonRow->addSpacing(12);

    auto button = [this](const QString &text, const char *name) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        m_buttonRow->addWidget(b);
        return b;
    };
    m_add = button(QStringLiteral("เ&พิ่ม"), "addButton");
    m_edit = button(QStringLiteral("แ&ก้ไข"), "editButton");
    m_save = button(QStringLiteral("บัน&ทึก"), "saveButton");
    m_cancel = button(QStringLiteral("&ยกเลิก"), "cancelButton");
    m_delete = button(QStringLiteral("ล&บ"), "deleteButton");
    m_refresh = button(QStringLiteral("Refresh"), "refreshButton");
    m_exit = button(QStringLiteral("เ&ลิก"), "exitButton");
    m_buttonRow->addStretch(1);
    m_search = new QPushButton(QStringLiteral("?"), this);
    m_search->setObjectName(QStringLiteral("searchButton"));
    m_search->setAutoDefault(false);
    m_search->setFixedWidth(28);

    connect(m_add, &QPushButton::clicked, this, &RegisterWindow::addRecord);
    connect(m_edit, &QPushButton::clicked, this, &RegisterWindow::editRecord);
    connect(m_save, &QPushButton::clicked, this, &RegisterWindow::saveRecord);
    connect(m_cancel, &QPushButton::clicked, this, &RegisterWindow::cancelEditing);
    connect(m_delete, &QPushButton::clicked, this, &RegisterWindow::deleteRecord);
    connect(m_refresh, &QPushButton::clicked, this, &RegisterWindow::refreshRecords);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_search, &QPushButton::clicked, this, [this] { startSearch(); });
}

QLineEdit *RegisterWindow::makeLineBox(const QString &field, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(field);
    if (const FieldDef *f = m_def.field(field); f && !f->isNumber())
        box->setMaxLength(f->width);
    m_editors.insert(field, box);
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, [this] {
        if (!m_filling)
            shownChanged();
    });
    return box;
}

QLineEdit *RegisterWindow::addLineBox(const QString &field, const QString &label, const QString &note)
{
    const int row = m_grid->rowCount();
    auto *l = new QLabel(label, m_form);
    QLineEdit *box = makeLineBox(field, m_form);
    m_grid->addWidget(l, row, 0);
    m_grid->addWidget(box, row, 1);
    if (!note.isEmpty())
        m_grid->addWidget(new QLabel(note, m_form), row, 2);
    m_labels.insert(field, l);
    return box;
}

QComboBox *RegisterWindow::addListBox(const QString &field, const QString &label, const QStringList &entries,
                                      bool editable)
{
    const int row = m_grid->rowCount();
    auto *l = new QLabel(label, m_form);
    auto *box = new QComboBox(m_form);
    box->setObjectName(field);
    box->setEditable(editable);
    box->addItems(entries);
    box->setMaxVisibleItems(entries.size());
    if (editable) {
        box->setInsertPolicy(QComboBox::NoInsert);
        if (const FieldDef *f = m_def.field(field))
            box->lineEdit()->setMaxLength(f->width);
        box->lineEdit()->installEventFilter(this);
    }
    box->installEventFilter(this);
    m_grid->addWidget(l, row, 0);
    m_grid->addWidget(box, row, 1);
    m_editors.insert(field, box);
    m_labels.insert(field, l);
    return box;
}

void RegisterWindow::addExtraRow(QWidget *left, QWidget *right)
{
    const int row = m_grid->rowCount();
    if (left)
        m_grid->addWidget(left, row, 0);
    if (right)
        m_grid->addWidget(right, row, 1, 1, 2);
}

void RegisterWindow::placeSearchButton(const QString &besideField)
{
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        QLayoutItem *item = m_grid->itemAtPosition(row, 1);
        if (item && item->widget() == m_editors.value(besideField)) {
            m_grid->addWidget(m_search, row, 3);
            return;
        }
    }
}

void RegisterWindow::setSearchPanel(SearchPanel *panel)
{
    m_panel = panel;
    m_side->addWidget(panel);
    panel->hide();
}

void RegisterWindow::enableFollowingSearch(const QStringList &columns)
{
    m_following = true;
    auto *panel = new SearchPanel(QString(), {}, columns, QStringLiteral("OK"), this);
    setSearchPanel(panel);
    panel->caption()->setText(QStringLiteral("ชื่อที่ต้องการค้นหา"));
    const QStringList gridFields{m_def.keyField, m_def.nameField};
    auto refreshGrid = [this, panel, gridFields] {
        if (m_current)
            panel->showRows(m_store->around(RegisterStore::Order::Name, *m_current, 5, 15).rows, gridFields,
                            m_def.keyField, m_current->text(m_def.keyField));
    };
    connect(panel->box(), &QLineEdit::textEdited, this, [this, refreshGrid](const QString &text) {
        if (!m_store)
            return;
        if (moveTo(m_store->seek(RegisterStore::Order::Name, text)))
            m_remembered = m_current->text(m_def.keyField);
        refreshGrid();
    });
    connect(panel, &SearchPanel::rowClicked, this, [this, panel, refreshGrid](int row) {
        const QString key = panel->keyOfRow(row);
        if (!moveTo(m_store->byCode(key)))
            return;
        m_remembered = key;
        panel->box()->setText(m_current->text(m_def.nameField));
        refreshGrid();
    });
    auto finish = [this, panel] {
        if (!m_remembered.isNull())
            moveTo(m_store->byCode(m_remembered));
        setMode(Mode::Browse);
        panel->hide();
    };
    connect(panel, &SearchPanel::enterPressed, this, finish);
    connect(panel->closeButton(), &QPushButton::clicked, this, finish);
}

void RegisterWindow::startSearch()
{
    if (!m_following || !m_panel || !m_store)
        return;
    m_remembered = m_current ? m_current->text(m_def.keyField) : QString();
    m_panel->box()->clear();
    m_panel->show();
    if (m_current)
        m_panel->showRows(m_store->around(RegisterStore::Order::Name, *m_current, 5, 15).rows,
                          {m_def.keyField, m_def.nameField}, m_def.keyField, m_current->text(m_def.keyField));
    m_panel->box()->setFocus(Qt::OtherFocusReason);
}

void RegisterWindow::addBrowseButton(QPushButton *button)
{
    button->setAutoDefault(false);
    m_browseButtons.append(button);
    applyMode();
}

QString RegisterWindow::fieldText(const QString &field) const
{
    QWidget *w = m_editors.value(field);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentText();
    return QString();
}

void RegisterWindow::setBoxText(QWidget *box, const QString &text)
{
    if (auto *e = qobject_cast<QLineEdit *>(box)) {
        e->setText(text);
        e->setCursorPosition(0);
    } else if (auto *c = qobject_cast<QComboBox *>(box)) {
        const int i = c->findText(text, Qt::MatchExactly);
        if (c->isEditable())
            c->setEditText(text);
        else
            c->setCurrentIndex(i < 0 ? 0 : i);
    }
}

void RegisterWindow::showRecord(const std::optional<Record> &record)
{
    m_filling = true;
    const Record r = record.value_or(Record{});
    for (const FieldDef &f : m_def.fields) {
        QWidget *box = m_editors.value(f.name);
        if (!box)
            continue;
        setBoxText(box, f.isNumber() ? (r.number(f.name) ? plainNumber(*r.number(f.name)) : QString())
                                     : r.text(f.name));
    }
    m_filling = false;
    shownChanged();
}

bool RegisterWindow::readForm(Record *record)
{
    Record r = m_mode == Mode::Editing && m_current ? *m_current : Record{};
    for (const FieldDef &f : m_def.fields) {
        if (!m_editors.contains(f.name))
            continue;
        const QString text = fieldText(f.name);
        if (f.isNumber()) {
            std::optional<double> value;
            if (!parseNumberText(text, &value)) {
                Prompt::warning(Messages::notANumber(m_labels.value(f.name) ? m_labels.value(f.name)->text() : f.name));
                focusField(f.name);
                return false;
            }
            r.setNumber(f.name, value);
        } else {
            r.set(f.name, text);
        }
    }
    *record = r;
    return true;
}

void RegisterWindow::setMode(Mode mode)
{
    m_mode = mode;
    applyMode();
}

void RegisterWindow::applyMode()
{
    const bool browsing = m_mode == Mode::Browse;
    for (QPushButton *b : {m_add, m_edit, m_delete, m_refresh, m_exit, m_search})
        b->setEnabled(browsing);
    for (QPushButton *b : std::as_const(m_browseButtons))
        b->setEnabled(browsing);
    m_save->setEnabled(!browsing);
    m_cancel->setEnabled(!browsing);
    for (QToolButton *b : std::as_const(m_navigator))
        b->setEnabled(browsing);
    // Typing never starts editing; only Add and Edit do.
    for (QWidget *w : std::as_const(m_editors)) {
        if (auto *e = qobject_cast<QLineEdit *>(w))
            e->setReadOnly(browsing);
        else
            w->setEnabled(!browsing);
    }
}

bool RegisterWindow::ensureOpen()
{
    if (m_store)
        return true;
    QString error;
    m_connection = Data::Connection::open(m_owner, &error);
    if (!m_connection) {
        Prompt::warning(Messages::cannotOpen(error));
        return false;
    }
    m_store = std::make_unique<RegisterStore>(m_connection->db(), m_def);
    return true;
}

void RegisterWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    setMode(Mode::Browse);
    if (!ensureOpen())
        return;
    opened();
    lastRecord();
}

bool RegisterWindow::moveTo(const Fetched &fetched)
{
    if (fetched.failed()) {
        Prompt::warning(Messages::databaseError(fetched.error));
        return false;
    }
    if (!fetched.record)
        return false;
    m_current = fetched.record;
    showRecord(m_current);
    return true;
}

void RegisterWindow::firstRecord()
{
    if (m_store && m_mode == Mode::Browse)
        moveTo(m_store->first());
}

void RegisterWindow::lastRecord()
{
    if (!m_store || m_mode != Mode::Browse)
        return;
    const Fetched f = m_store->last();
    if (!moveTo(f) && !f.failed()) {
        m_current.reset();
        showRecord(std::nullopt);
    }
}

void RegisterWindow::nextRecord()
{
    if (m_store && m_mode == Mode::Browse && m_current)
        moveTo(m_store->next(*m_current));
}

void RegisterWindow::priorRecord()
{
    if (m_store && m_mode == Mode::Browse && m_current)
        moveTo(m_store->prior(*m_current));
}

void RegisterWindow::addRecord()
{
    if (m_mode != Mode::Browse || !ensureOpen())
        return;
    setMode(Mode::Inserting);
    showRecord(blankRecord());
    focusField(m_def.keyField);
}

void RegisterWindow::editRecord()
{
    if (m_mode != Mode::Browse || !m_current)
        return;
    setMode(Mode::Editing);
    focusField(m_def.keyField);
}

void RegisterWindow::saveRecord()
{
    if (m_mode == Mode::Browse || !m_store)
        return;
    Record r;
    if (!readForm(&r))
        return;
    if (const std::optional<Refusal> refusal = check(r)) {
        Prompt::warning(refusal->message);
        focusField(refusal->field);
        return;
    }
    const bool isNew = m_mode == Mode::Inserting;
    const QString code = r.text(m_def.keyField);
    const QString oldCode = isNew ? QString() : m_current->text(m_def.keyField);
    // Asked of the table now, so a code saved a moment ago (here or by
    // another user) is seen even when Enter was never pressed in the code box.
    if (isNew || code != oldCode) {
        QString error;
        const std::optional<bool> taken = m_store->codeTaken(code, codeIgnoresCase(), &error);
        if (!taken) {
            Prompt::warning(Messages::databaseError(error));
            return;
        }
        const bool sameRecordOtherCase = !isNew && code.compare(oldCode, Qt::CaseInsensitive) == 0;
        if (*taken && !sameRecordOtherCase) {
            Prompt::warning(Messages::duplicateCode());
            focusField(m_def.keyField);
            return;
        }
    }
    prepareForSave(r, isNew);
    const Written w = isNew ? m_store->insert(r) : m_store->update(oldCode, r);
    if (!w.ok) {
        Prompt::warning(w.duplicate ? Messages::duplicateCode() : Messages::databaseError(w.error));
        focusField(m_def.keyField);
        return;
    }
    setMode(Mode::Browse);
    const Fetched back = m_store->byCode(code);
    if (!moveTo(back))
        lastRecord();
}

void RegisterWindow::cancelEditing()
{
    if (m_mode == Mode::Browse)
        return;
    setMode(Mode::Browse);
    showRecord(m_current);
}

void RegisterWindow::deleteRecord()
{
    if (m_mode != Mode::Browse || !m_current || !m_store)
        return;
    if (!Prompt::question(Messages::deleteQuestion()))
        return;
    const Record gone = *m_current;
    const Written w = m_store->remove(gone.text(m_def.keyField));
    if (!w.ok) {
        Prompt::warning(Messages::databaseError(w.error));
        return;
    }
    // The record after it becomes current, or the one before at the end.
    Fetched f = m_store->next(gone);
    if (!f.failed() && !f.record)
        f = m_store->prior(gone);
    if (!moveTo(f)) {
        m_current.reset();
        showRecord(std::nullopt);
    }
}

void RegisterWindow::refreshRecords()
{
    if (m_mode != Mode::Browse || !m_store)
        return;
    if (m_current) {
        const Fetched f = m_store->byCode(m_current->text(m_def.keyField));
        if (moveTo(f) || f.failed())
            return;
    }
    lastRecord();
}

void RegisterWindow::focusField(const QString &field)
{
    if (QWidget *w = m_editors.value(field)) {
        w->setFocus(Qt::OtherFocusReason);
        if (auto *e = qobject_cast<QLineEdit *>(w))
            e->selectAll();
    }
}

void RegisterWindow::focusNext(QWidget *from)
{
    const int i = m_enterOrder.indexOf(from);
    if (i < 0 || m_enterOrder.isEmpty())
        return;
    QWidget *next = m_enterOrder.at((i + 1) % m_enterOrder.size());
    next->setFocus(Qt::OtherFocusReason);
    if (auto *e = qobject_cast<QLineEdit *>(next))
        e->selectAll();
}

void RegisterWindow::duplicateCheck()
{
    const QString code = fieldText(m_def.keyField);
    QString error;
    const std::optional<bool> taken = m_store ? m_store->codeTaken(code, codeIgnoresCase(), &error) : std::nullopt;
    if (!taken) {
        Prompt::warning(Messages::databaseError(error));
        return;
    }
    if (*taken) {
        Prompt::warning(Messages::duplicateCode());
        focusField(m_def.keyField);
        return;
    }
    focusField(m_def.nameField);
}

bool RegisterWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (!isEnter(event))
        return QWidget::eventFilter(watched, event);
    QWidget *box = qobject_cast<QWidget *>(watched);
    // An editable list's own line edit stands for the list.
    if (auto *combo = qobject_cast<QComboBox *>(box ? box->parentWidget() : nullptr); combo && m_editors.key(combo).size())
        box = combo;
    if (!m_enterOrder.contains(box))
        return QWidget::eventFilter(watched, event);
    if (m_mode == Mode::Browse) {
        focusNext(box);
        return true;
    }
    if (box == m_editors.value(m_def.keyField) && m_mode == Mode::Inserting) {
        duplicateCheck();
        return true;
    }
    if (!enterIn(box))
        focusNext(box);
    return true;
}

SearchPanel::SearchPanel(const QString &choiceTitle, const QStringList &choices, const QStringList &columns,
                         const QString &closeCaption, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!choices.isEmpty()) {
        auto *group = new QGroupBox(choiceTitle, this);
        auto *g = new QHBoxLayout(group);
        for (int i = 0; i < choices.size(); ++i) {
            auto *r = new QRadioButton(choices[i], group);
            g->addWidget(r);
            m_choices.append(r);
            connect(r, &QRadioButton::clicked, this, [this, i] {
                m_choice = i;
                Q_EMIT choiceChanged(i);
            });
        }
        m_choices.first()->setChecked(true);
        layout->addWidget(group);
    }
    m_caption = new QLabel(this);
    layout->addWidget(m_caption);
    m_box = new QLineEdit(this);
    m_box->setObjectName(QStringLiteral("searchBox"));
    m_box->installEventFilter(this);
    layout->addWidget(m_box);
    m_grid = new QTableWidget(0, columns.size(), this);
    m_grid->setHorizontalHeaderLabels(columns);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_grid, 1);
    connect(m_grid, &QTableWidget::cellClicked, this, [this](int row, int) { Q_EMIT rowClicked(row); });
    m_close = new QPushButton(closeCaption, this);
    // A search ends with the focus here; the next Enter presses it.
    m_close->setAutoDefault(true);
    layout->addWidget(m_close);
}

void SearchPanel::setChoice(int index)
{
    m_choice = index;
    if (index >= 0 && index < m_choices.size())
        m_choices[index]->setChecked(true);
}

void SearchPanel::showRows(const QList<Record> &rows, const QStringList &fields, const QString &keyField,
                           const QString &currentKey)
{
    m_grid->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < fields.size(); ++c) {
            auto *item = new QTableWidgetItem(rows[r].text(fields[c]));
            if (c == 0)
                item->setData(Qt::UserRole, rows[r].text(keyField));
            m_grid->setItem(r, c, item);
        }
        if (rows[r].text(keyField) == currentKey) {
            m_grid->selectRow(r);
            m_grid->scrollToItem(m_grid->item(r, 0));
        }
    }
    // Every column as wide as its header and texts (the header's own measure
    // falls a little short of a Thai caption's last vowel); the grid scrolls
    // sideways.
    m_grid->resizeColumnsToContents();
    for (int c = 0; c < m_grid->columnCount(); ++c)
        m_grid->setColumnWidth(c, m_grid->columnWidth(c) + 8);
}

QString SearchPanel::keyOfRow(int row) const
{
    const QTableWidgetItem *item = m_grid->item(row, 0);
    return item ? item->data(Qt::UserRole).toString() : QString();
}

bool SearchPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box && isEnter(event)) {
        Q_EMIT enterPressed();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Registers
