#pragma once

#include <QString>

#include <memory>

class QSerialPort;

namespace Documents {

// The cash drawer on a serial line: 9600 baud, 8N1, XON/XOFF; one byte 0x30
// opens it. A byte counts as sent only once the port has written it.
class CashDrawer
{
public:
    explicit CashDrawer(const QString &device);
    ~CashDrawer();

    QString device() const { return m_device; }
    bool open(QString *error);
    void close();
    bool isOpen() const;
    bool kick(QString *error);

    // Open, send, close: the document window's drawer button. *opened tells
    // a port that would not open from a write that failed.
    static bool kickOnce(const QString &device, QString *error, bool *opened = nullptr);

private:
    QString m_device;
    std::unique_ptr<QSerialPort> m_port;
};

} // namespace Documents
