#pragma once

#include "data/businesssettings.h"
#include "data/connection.h"
#include "data/settingsstore.h"

#include <QHash>
#include <QWidget>

#include <optional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace Data {

// The business settings window: the one Orvansys record on two tabs, with
// browse and edit states, and the check of the sale series.
class TRef_Pos : public QWidget
{
    Q_OBJECT
public:
    enum class Mode { Browse, Edit };

    explicit TRef_Pos(QWidget *parent = nullptr);

    // Opens the record; done at the first showing, callable earlier.
    bool openData();
    Mode mode() const { return m_mode; }

public Q_SLOTS:
    void editRecord();
    void refreshRecord();
    void cancelEdit();
    void saveRecord();
    void closeWindow();
    void pasteLogo();
    void checkSeries();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildBusinessTab();
    QWidget *buildSystemTab();
    QLineEdit *addBox(QWidget *parent, const char *field);
    QButtonGroup *addChoice(QWidget *parent, const char *field, const QStringList &captions, int firstValue);
    void setMode(Mode mode);
    void showRecord();
    BusinessSettings gatherRecord(QString *prnTopText, QString *prnLeftText) const;
    void showLogo();
    bool loadRecord();

    std::optional<Connection> m_connection;
    std::optional<SettingsStore> m_store;
    bool m_opened = false;
    Mode m_mode = Mode::Browse;
    BusinessSettings m_record;   // as last read or saved
    QByteArray m_logo;           // as shown, saved with the record

    QTabWidget *m_tabs = nullptr;
    QHash<QString, QLineEdit *> m_boxes;         // by field name
    QHash<QString, QButtonGroup *> m_choices;    // by field name
    QLabel *m_samples[10] = {};                  // by series 1..9
    QLabel *m_logoBox = nullptr;
    QHash<QObject *, QWidget *> m_enterNext;
    QPushButton *m_edit = nullptr;
    QPushButton *m_refresh = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace Data
