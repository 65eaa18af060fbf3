#pragma once

#include "data/connection.h"

#include <QWidget>

#include <optional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace App {
class AppState;
}

namespace Registers {

// The price-level thresholds window.
class Tfscale : public QWidget
{
    Q_OBJECT
public:
    explicit Tfscale(App::AppState &state, QWidget *parent = nullptr);

    bool isEditing() const { return m_editing; }
    QLineEdit *levelBox(int level) const { return m_boxes[level - 1]; }
    QPlainTextEdit *helpText() const { return m_help; }

public Q_SLOTS:
    void editLevels();
    void saveLevels();
    void cancelEditing();
    void refreshLevels();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setEditing(bool editing);
    void load();

    std::optional<Data::Connection> m_connection;
    bool m_opened = false;
    bool m_editing = false;
    bool m_filling = false;
    QPlainTextEdit *m_help = nullptr;
    QLineEdit *m_boxes[5] = {};
    QPushButton *m_edit = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_refresh = nullptr;
    QPushButton *m_exit = nullptr;
};

} // namespace Registers
