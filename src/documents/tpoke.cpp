#include "documents/tpoke.h"

#include "data/connection.h"
#include "data/sql.h"
#include "documents/cashdrawer.h"
#include "documents/messages.h"
#include "documents/payment.h"
#include "text/prompt.h"

#include <QPushButton>
#include <QVBoxLayout>

using namespace Documents;

TPoke::TPoke(App::AppState &, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TPoke"));
    setWindowTitle(QStringLiteral("Orvanta_CashDrawer"));
    auto *v = new QVBoxLayout(this);
    m_button = new QPushButton(QStringLiteral("เปิดลิ้นชัก"), this);
    m_button->setMinimumSize(180, 48);
    v->addWidget(m_button);
    setFixedSize(240, 100);
    connect(m_button, &QPushButton::clicked, this, &TPoke::openDrawer);

    QString comPort;
    QString error;
    if (auto conn = Data::Connection::open(QStringLiteral("poke"), &error)) {
        const auto v = Data::Sql::scalar(conn->db(), QStringLiteral("SELECT COM_PORT FROM Orvansys LIMIT 1"), {}, &error);
        if (v)
            comPort = v->toString();
    }
    m_port = drawerPort(comPort);
    m_drawer = std::make_unique<CashDrawer>(Data::serialDevice(m_port));
    if (!m_drawer->open(&error))
        Prompt::warning(Messages::drawerOpenFailed(QStringLiteral("COM%1 (%2)").arg(m_port).arg(m_drawer->device()), error));
}

TPoke::~TPoke() = default;

QString TPoke::device() const
{
    return m_drawer->device();
}

bool TPoke::portOpen() const
{
    return m_drawer->isOpen();
}

void TPoke::openDrawer()
{
    QString error;
    const QString port = QStringLiteral("COM%1 (%2)").arg(m_port).arg(m_drawer->device());
    if (!m_drawer->isOpen() && !m_drawer->open(&error)) {
        Prompt::warning(Messages::drawerOpenFailed(port, error));
        return;
    }
    if (!m_drawer->kick(&error)) {
        Prompt::warning(Messages::drawerWriteFailed(port, error));
        return;
    }
    ++m_sent;
}
