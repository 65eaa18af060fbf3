#pragma once

#include "app/loginrules.h"
#include "app/loginservice.h"
#include "data/connection.h"

#include <QWidget>

#include <functional>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace App {

class AppState;

// The login window: sets the user level and, for an administrator who logged
// in here, adds and edits the accounts.
class Tpasswd : public QWidget
{
    Q_OBJECT
public:
    explicit Tpasswd(AppState &state, QWidget *parent = nullptr);

    // Opens the account table; done at the first showing, callable earlier.
    bool openData();

    bool accountPanelShown() const;
    bool editing() const { return m_editing; }

    static QPoint placement() { return {150, 100}; }

public Q_SLOTS:
    void login();
    void goToWork();
    void logout();
    void addAccount();
    void editAccount();
    void saveAccount();
    void cancelAccount();
    void previousAccount();
    void nextAccount();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLogin();
    void buildPanel();
    void closeWindow();
    void fitFrame();
    void hideAccountPanel();
    void showAccountPanel();
    bool reloadAccounts(const QString &positionOn);
    void showCurrentAccount();
    void setEditing(bool editing);
    QLineEdit *boxFor(AccountField field) const;
    void guarded(const std::function<void()> &action);

    AppState &m_state;
    std::optional<Data::Connection> m_connection;
    std::optional<LoginService> m_service;
    bool m_opened = false;
    bool m_placed = false;

    QLineEdit *m_user = nullptr;      // Edit1
    QLineEdit *m_password = nullptr;  // Edit2
    QLabel *m_greeting = nullptr;
    QPushButton *m_login = nullptr;
    QPushButton *m_go = nullptr;
    QPushButton *m_logout = nullptr;

    QGroupBox *m_panel = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_accUser = nullptr;
    QLineEdit *m_accPassword = nullptr;
    QLineEdit *m_accPassword2 = nullptr;
    QButtonGroup *m_level = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
    QToolButton *m_prior = nullptr;
    QToolButton *m_next = nullptr;

    QList<Account> m_accounts;
    int m_current = -1;
    bool m_editing = false;
    bool m_adding = false;
};

} // namespace App
