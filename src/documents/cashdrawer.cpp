#include "documents/cashdrawer.h"

#include <QSerialPort>

namespace Documents {

CashDrawer::CashDrawer(const QString &device) : m_device(device), m_port(std::make_unique<QSerialPort>()) {}

CashDrawer::~CashDrawer()
{
    close();
}

bool CashDrawer::open(QString *error)
{
    close();
    m_port->setPortName(m_device);
    if (!m_port->open(QIODevice::ReadWrite)) {
        *error = m_port->errorString();
        return false;
    }
    const bool ok = m_port->setBaudRate(QSerialPort::Baud9600) && m_port->setDataBits(QSerialPort::Data8)
        && m_port->setParity(QSerialPort::NoParity) && m_port->setStopBits(QSerialPort::OneStop)
        && m_port->setFlowControl(QSerialPort::SoftwareControl);
    m_port->setReadBufferSize(4096);
    if (!ok) {
        *error = m_port->errorString();
        m_port->close();
        return false;
    }
    return true;
}

void CashDrawer::close()
{
    if (m_port && m_port->isOpen())
        m_port->close();
}

bool CashDrawer::isOpen() const
{
    return m_port->isOpen();
}

bool CashDrawer::kick(QString *error)
{
    if (!m_port->isOpen()) {
        *error = QStringLiteral("port not open");
        return false;
    }
    const char byte = 0x30;
    if (m_port->write(&byte, 1) != 1) {
        *error = m_port->errorString();
        return false;
    }
    // The write is asynchronous: wait until the byte has left the buffer.
    while (m_port->bytesToWrite() > 0) {
        if (!m_port->waitForBytesWritten(100)) {
            *error = m_port->errorString();
            return false;
        }
    }
    return true;
}

bool CashDrawer::kickOnce(const QString &device, QString *error, bool *opened)
{
    CashDrawer d(device);
    const bool isOpen = d.open(error);
    if (opened)
        *opened = isOpen;
    if (!isOpen)
        return false;
    const bool ok = d.kick(error);
    d.close();
    return ok;
}

} // namespace Documents
