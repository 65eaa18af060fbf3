#pragma once

#include <QObject>
#include <QString>

namespace App {

// Values the windows of one run hand to each other. One instance lives as long
// as the main window; every window gets it in its constructor.
class AppState : public QObject
{
    Q_OBJECT
public:
    explicit AppState(QObject *parent = nullptr) : QObject(parent) {}

    int docMode = 0;           // 1-5, 9 document window; 6, 7 hire purchase
    QString payMode;           // "6" or "7", for the installment-payment window
    QString lastContractNo;    // published by the hire-purchase window
    QString bookSelector;      // "0" purchase book, "1" sales book
    bool docWindowOpen = false;
    bool hpWindowOpen = false;

    // Print request, set by the document window just before it creates a form.
    QString currentDocNo;
    int docPrintMode = 0;
    int docKind = 0;

    int userLevel() const { return m_userLevel; }

    // Every login attempt and every Logout goes through here, also when the
    // level stays the same, so open windows always re-apply their rights.
    void setUserLevel(int level)
    {
        m_userLevel = (level >= 1 && level <= 5) ? level : 0;
        Q_EMIT userLevelChanged(m_userLevel);
    }

Q_SIGNALS:
    void userLevelChanged(int level);

private:
    int m_userLevel = 0;
};

} // namespace App
