#pragma once

#include <QMainWindow>
#include <QPointer>

#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QAction;

namespace App {

class AppState;
class WindowCatalog;

// The frame of the program: an MDI parent whose menu bar opens every other
// window and whose menus follow the logged-in user's level.
class TMAIN : public QMainWindow
{
    Q_OBJECT
public:
    TMAIN(AppState &state, const WindowCatalog &catalog, QWidget *parent = nullptr);

    // How shell pages are opened; tests replace it to see which file was asked for.
    void setShellOpener(std::function<void(const QString &path)> opener) { m_shellOpen = std::move(opener); }
    // Folder the shell pages and the About text are read from.
    void setPageFolder(const QString &folder) { m_pageFolder = folder; }
    QString pageFolder() const { return m_pageFolder; }

    QMdiArea *mdiArea() const { return m_mdi; }

    static QString caption();
    static QString backupReminder();
    static QString docWindowBusyMessage();

public Q_SLOTS:
    void applyMenuStates(int userLevel);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    enum class Guard { None, DocWindow, HpWindow };

    void buildMenus();
    QMenu *addMenu(QMenu *parent, const char *name, const QString &caption);
    QAction *addCommand(QMenu *menu, const char *name, const QString &caption, std::function<void()> run);

    // The five opening patterns.
    void openGuarded(Guard guard, const QString &className, int docMode, bool refuseWhenOpen);
    QMdiSubWindow *openPlain(const QString &className);
    void openPreview(const QString &className);
    void openPage(const QString &relativePath);
    void exitProgram();

    AppState &m_state;
    const WindowCatalog &m_catalog;
    QMdiArea *m_mdi = nullptr;
    QPointer<QMdiSubWindow> m_docWindow;
    QPointer<QMdiSubWindow> m_hpWindow;
    std::function<void(const QString &)> m_shellOpen;
    QString m_pageFolder;
    bool m_reminded = false;
};

} // namespace App
