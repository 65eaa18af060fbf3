#pragma once

#include <QApplication>

namespace App {

// Keeps an exception that slipped out of an event handler from ending the
// program: the user sees it and the action stops there.
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // The user-interface font, fixed so that every machine looks the same.
    static QFont uiFont();
};

} // namespace App
