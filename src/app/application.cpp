#include "app/application.h"

#include "text/prompt.h"

#include <QFont>

#include <exception>

namespace App {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Orvanta Velmora 3.0"));
    setOrganizationName(QStringLiteral("velmora"));
    setApplicationVersion(QStringLiteral("3.0"));
    setFont(uiFont());
}

QFont Application::uiFont()
{
    QFont f(QStringLiteral("Loma"));
    f.setPointSizeF(10);
    return f;
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        Prompt::message(QStringLiteral("เกิดข้อผิดพลาด: %1").arg(QString::fromUtf8(e.what())), Prompt::Kind::Error);
    } catch (...) {
        Prompt::message(QStringLiteral("เกิดข้อผิดพลาดที่ไม่ทราบสาเหตุ"), Prompt::Kind::Error);
    }
    return false;
}

} // namespace App
