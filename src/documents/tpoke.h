#pragma once

#include <QWidget>

#include <memory>

class QPushButton;

namespace App {
class AppState;
}
namespace Documents {
class CashDrawer;
}

// The cash-drawer window: the port stays open while the window is open, and
// each press sends one byte.
class TPoke : public QWidget
{
    Q_OBJECT
public:
    explicit TPoke(App::AppState &state, QWidget *parent = nullptr);
    ~TPoke() override;

    // Mostly for tests: the device the settings chose.
    QString device() const;
    bool portOpen() const;
    int bytesSent() const { return m_sent; }
    void openDrawer();

private:
    std::unique_ptr<Documents::CashDrawer> m_drawer;
    QPushButton *m_button = nullptr;
    int m_sent = 0;
    int m_port = 1;
};
