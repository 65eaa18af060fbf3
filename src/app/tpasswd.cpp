#include "app/tpasswd.h"

#include "app/appstate.h"
#include "app/loginmessages.h"
#include "text/prompt.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace App {
namespace {

// Password boxes show each character as "x".
class XPasswordStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return 'x';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QLineEdit *makeBox(QWidget *parent, const char *name, int maxLength, bool masked, QStyle *maskStyle)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    if (masked) {
        e->setEchoMode(QLineEdit::Password);
        e->setStyle(maskStyle);
    }
    return e;
}

} // namespace

Tpasswd::Tpasswd(AppState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("Tpasswd"));
    setWindowTitle(LoginMessages::caption());
    buildLogin();
    buildPanel();

    auto *lay = new QVBoxLayout(this);
    auto *loginBox = new QWidget(this);
    auto *grid = new QGridLayout(loginBox);
    grid->addWidget(new QLabel(QStringLiteral("Login Name"), loginBox), 0, 0);
    grid->addWidget(m_user, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Password"), loginBox), 1, 0);
    grid->addWidget(m_password, 1, 1);
    grid->addWidget(m_greeting, 2, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_login);
    buttons->addWidget(m_go);
    buttons->addWidget(m_logout);
    buttons->addStretch();
    grid->addLayout(buttons, 3, 0, 1, 2);
    lay->addWidget(loginBox);
    lay->addWidget(m_panel);
    lay->addStretch();
    lay->setSizeConstraint(QLayout::SetMinimumSize);
    // Wide enough for the caption that advertises the default account. Set on
    // the content: the layout's minimum would override the window's own.
    loginBox->setMinimumWidth(520);

    // Opening state: the panel and "เข้าที่ทำงาน" wait for a login here.
    m_go->hide();
    m_panel->hide();
    m_greeting->clear();

    // Any level change anywhere closes the panel in every login window; the
    // window where a level-1 login succeeded reopens its own afterwards.
    connect(&m_state, &AppState::userLevelChanged, this, [this] { hideAccountPanel(); });
}

void Tpasswd::buildLogin()
{
    auto *mask = new XPasswordStyle;
    mask->setParent(this);
    m_user = makeBox(this, "Edit1", 16, false, nullptr);
    m_password = makeBox(this, "Edit2", 64, true, mask);
    m_greeting = new QLabel(this);
    m_greeting->setObjectName(QStringLiteral("Greeting"));
    m_login = new QPushButton(QStringLiteral("Login"), this);
    m_login->setObjectName(QStringLiteral("LoginButton"));
    m_go = new QPushButton(QStringLiteral("เข้าที่ทำงาน"), this);
    m_go->setObjectName(QStringLiteral("GoButton"));
    m_logout = new QPushButton(QStringLiteral("Logout"), this);
    m_logout->setObjectName(QStringLiteral("LogoutButton"));
    // Enter leads to "Login" and a login to "เข้าที่ทำงาน"; Enter on a focused
    // button presses it.
    for (QPushButton *b : {m_login, m_go, m_logout})
        b->setAutoDefault(true);

    connect(m_login, &QPushButton::clicked, this, &Tpasswd::login);
    connect(m_go, &QPushButton::clicked, this, &Tpasswd::goToWork);
    connect(m_logout, &QPushButton::clicked, this, &Tpasswd::logout);
    m_user->installEventFilter(this);
    m_password->installEventFilter(this);
}

void Tpasswd::buildPanel()
{
    auto *mask = new XPasswordStyle;
    mask->setParent(this);
    m_panel = new QGroupBox(QStringLiteral(" เพิ่ม - แก้ไข ข้อมูลผู้ใช้งาน "), this);
    m_panel->setObjectName(QStringLiteral("AccountPanel"));
    m_name = makeBox(m_panel, "NAME", 40, false, nullptr);
    m_accUser = makeBox(m_panel, "USRNAME", 16, false, nullptr);
    m_accPassword = makeBox(m_panel, "PASSWD", 64, true, mask);
    m_accPassword2 = makeBox(m_panel, "PASSWD2", 64, true, mask);

    m_level = new QButtonGroup(m_panel);
    auto *levels = new QHBoxLayout;
    for (int i = 1; i <= 5; ++i) {
        auto *r = new QRadioButton(QString::number(i), m_panel);
        r->setObjectName(QStringLiteral("AC1_%1").arg(i));
        m_level->addButton(r, i);
        levels->addWidget(r);
    }
    levels->addStretch();

    m_add = new QPushButton(QStringLiteral("เพิ่ม"), m_panel);
    m_add->setObjectName(QStringLiteral("AddButton"));
    m_edit = new QPushButton(QStringLiteral("แก้ไข"), m_panel);
    m_edit->setObjectName(QStringLiteral("EditButton"));
    m_save = new QPushButton(QStringLiteral("บันทึก"), m_panel);
    m_save->setObjectName(QStringLiteral("SaveButton"));
    m_cancel = new QPushButton(QStringLiteral("ยกเลิก"), m_panel);
    m_cancel->setObjectName(QStringLiteral("CancelButton"));
    m_prior = new QToolButton(m_panel);
    m_prior->setObjectName(QStringLiteral("NavPrior"));
    m_prior->setArrowType(Qt::LeftArrow);
    m_next = new QToolButton(m_panel);
    m_next->setObjectName(QStringLiteral("NavNext"));
    m_next->setArrowType(Qt::RightArrow);
    for (QPushButton *b : {m_add, m_edit, m_save, m_cancel})
        b->setAutoDefault(false);

    auto *grid = new QGridLayout(m_panel);
    grid->addWidget(new QLabel(QStringLiteral("ชื่อตำแหน่ง"), m_panel), 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("User Name"), m_panel), 1, 0);
    grid->addWidget(m_accUser, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Password"), m_panel), 2, 0);
    grid->addWidget(m_accPassword, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Password (อีกครั้ง)"), m_panel), 3, 0);
    grid->addWidget(m_accPassword2, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("ระดับ"), m_panel), 4, 0);
    grid->addLayout(levels, 4, 1);
    auto *note = new QLabel(LoginMessages::levelNote(), m_panel);
    note->setObjectName(QStringLiteral("LevelNote"));
    grid->addWidget(note, 5, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_prior);
    buttons->addWidget(m_next);
    buttons->addSpacing(12);
    for (QPushButton *b : {m_add, m_edit, m_save, m_cancel})
        buttons->addWidget(b);
    buttons->addStretch();
    grid->addLayout(buttons, 6, 0, 1, 2);

    connect(m_add, &QPushButton::clicked, this, &Tpasswd::addAccount);
    connect(m_edit, &QPushButton::clicked, this, &Tpasswd::editAccount);
    connect(m_save, &QPushButton::clicked, this, &Tpasswd::saveAccount);
    connect(m_cancel, &QPushButton::clicked, this, &Tpasswd::cancelAccount);
    connect(m_prior, &QToolButton::clicked, this, &Tpasswd::previousAccount);
    connect(m_next, &QToolButton::clicked, this, &Tpasswd::nextAccount);
    for (QLineEdit *e : {m_name, m_accUser, m_accPassword, m_accPassword2})
        e->installEventFilter(this);
    setEditing(false);
}

bool Tpasswd::openData()
{
    if (m_opened)
        return true;
    QString error;
    m_connection = Data::Connection::open(QStringLiteral("Tpasswd"), &error);
    if (!m_connection) {
        Prompt::message(LoginMessages::accountsUnavailable() + QStringLiteral("\n") + error, Prompt::Kind::Error);
        return false;
    }
    m_service.emplace(m_connection->db());
    m_opened = true;
    return true;
}

bool Tpasswd::accountPanelShown() const
{
    return !m_panel->isHidden();
}

void Tpasswd::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
            sub->move(placement());
        m_login->setEnabled(true);
        m_user->setFocus();
        openData();
    }
}

bool Tpasswd::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            QWidget *next = nullptr;
            if (watched == m_user)
                next = m_password;
            else if (watched == m_password)
                next = m_login;
            else if (watched == m_name)
                next = m_accUser;
            else if (watched == m_accUser)
                next = m_accPassword;
            else if (watched == m_accPassword)
                next = m_accPassword2;
            else if (watched == m_accPassword2)
                next = m_level->checkedButton() ? m_level->checkedButton() : m_level->button(1);
            if (next) {
                next->setFocus();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Tpasswd::guarded(const std::function<void()> &action)
{
    try {
        action();
    } catch (const std::exception &e) {
        Prompt::message(QString::fromLocal8Bit(e.what()), Prompt::Kind::Error);
    }
}

void Tpasswd::login()
{
    guarded([this] {
        if (!openData())
            return;
        QString error;
        const std::optional<LoginDecision> d =
            m_service->login(m_user->text(), m_password->text(), m_state.userLevel(), &error);
        if (!d) {
            Prompt::message(LoginMessages::accountsUnavailable() + QStringLiteral("\n") + error, Prompt::Kind::Error);
            return;
        }
        // The typed password is not kept on screen after an attempt.
        m_password->clear();
        switch (d->outcome) {
        case LoginOutcome::UnknownUser:
            break;
        case LoginOutcome::WrongPassword:
            m_greeting->clear();
            m_go->hide();
            m_user->setFocus();
            break;
        case LoginOutcome::Accepted:
            m_logout->setEnabled(true);
            m_go->show();
            m_greeting->setText(d->greeting);
            m_go->setFocus();
            break;
        }
        m_state.setUserLevel(d->level);
        if (d->showAccountPanel)
            showAccountPanel();
    });
}

void Tpasswd::closeWindow()
{
    // Inside the main window the frame closes too, not only its contents.
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void Tpasswd::goToWork()
{
    closeWindow();
}

void Tpasswd::logout()
{
    m_state.setUserLevel(0);
    closeWindow();
}

void Tpasswd::hideAccountPanel()
{
    if (m_editing)
        setEditing(false);
    m_adding = false;
    m_accPassword->clear();
    m_accPassword2->clear();
    m_panel->hide();
    fitFrame();
}

void Tpasswd::fitFrame()
{
    layout()->activate();
    adjustSize();
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->adjustSize();
}

void Tpasswd::showAccountPanel()
{
    guarded([this] {
        if (!reloadAccounts(QString()))
            return;
        setEditing(false);
        m_panel->show();
        fitFrame();
    });
}

bool Tpasswd::reloadAccounts(const QString &positionOn)
{
    QString error;
    std::optional<QList<Account>> all = m_service->accounts(&error);
    if (!all) {
        Prompt::message(LoginMessages::accountsUnavailable() + QStringLiteral("\n") + error, Prompt::Kind::Error);
        return false;
    }
    m_accounts = *all;
    m_current = m_accounts.isEmpty() ? -1 : 0;
    for (int i = 0; i < m_accounts.size(); ++i)
        if (m_accounts[i].userName == positionOn)
            m_current = i;
    showCurrentAccount();
    return true;
}

void Tpasswd::showCurrentAccount()
{
    const Account *a = m_current >= 0 && m_current < m_accounts.size() ? &m_accounts[m_current] : nullptr;
    m_name->setText(a ? a->positionName : QString());
    m_accUser->setText(a ? a->userName : QString());
    // Passwords are never shown; the boxes only take a new one.
    m_accPassword->clear();
    m_accPassword2->clear();
    const int level = a ? levelOf(a->level) : 0;
    m_level->setExclusive(false);
    for (QAbstractButton *b : m_level->buttons())
        b->setChecked(m_level->id(b) == level);
    m_level->setExclusive(true);
}

void Tpasswd::setEditing(bool editing)
{
    m_editing = editing;
    m_add->setEnabled(!editing);
    m_edit->setEnabled(!editing);
    m_prior->setEnabled(!editing);
    m_next->setEnabled(!editing);
    m_save->setEnabled(editing);
    m_cancel->setEnabled(editing);
    for (QLineEdit *e : {m_name, m_accUser, m_accPassword, m_accPassword2})
        e->setReadOnly(!editing);
    for (QAbstractButton *b : m_level->buttons())
        b->setEnabled(editing);
}

void Tpasswd::addAccount()
{
    m_adding = true;
    setEditing(true);
    for (QLineEdit *e : {m_name, m_accUser, m_accPassword, m_accPassword2})
        e->clear();
    // The least-privileged level unless the administrator picks another.
    m_level->button(5)->setChecked(true);
    m_name->setFocus();
}

void Tpasswd::editAccount()
{
    if (m_current < 0)
        return;
    m_adding = false;
    setEditing(true);
    showCurrentAccount();
    if (!m_level->checkedButton())
        m_level->button(5)->setChecked(true);
    m_name->setFocus();
}

QLineEdit *Tpasswd::boxFor(AccountField field) const
{
    switch (field) {
    case AccountField::PositionName: return m_name;
    case AccountField::UserName: return m_accUser;
    case AccountField::Password: return m_accPassword;
    case AccountField::None: break;
    }
    return nullptr;
}

void Tpasswd::saveAccount()
{
    guarded([this] {
        if (!m_editing || !m_service)
            return;
        AccountEdit edit;
        edit.positionName = m_name->text();
        edit.userName = m_accUser->text();
        edit.password = m_accPassword->text();
        edit.passwordAgain = m_accPassword2->text();
        edit.level = m_level->checkedId() > 0 ? m_level->checkedId() : 5;
        const std::optional<QString> original =
            m_adding ? std::nullopt : std::optional<QString>(m_accounts.value(m_current).userName);
        const LoginService::SaveResult r = m_service->saveAccount(edit, original);
        if (r.problem) {
            if (!r.problem->message.isEmpty())
                Prompt::warning(r.problem->message);
            if (QLineEdit *box = boxFor(r.problem->field))
                box->setFocus();
            return;
        }
        if (!r.saved) {
            Prompt::message(LoginMessages::saveFailed() + QStringLiteral("\n") + r.error, Prompt::Kind::Error);
            return;
        }
        m_adding = false;
        setEditing(false);
        reloadAccounts(edit.userName);
    });
}

void Tpasswd::cancelAccount()
{
    m_adding = false;
    setEditing(false);
    showCurrentAccount();
}

void Tpasswd::previousAccount()
{
    if (m_editing || m_current <= 0)
        return;
    --m_current;
    showCurrentAccount();
}

void Tpasswd::nextAccount()
{
    if (m_editing || m_current < 0 || m_current + 1 >= m_accounts.size())
        return;
    ++m_current;
    showCurrentAccount();
}

} // namespace App
