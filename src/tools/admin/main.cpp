#include "adminmessages.h"
#include "commands.h"

namespace Admin {
int runDemo(const QStringList &args);
}

#include <QCoreApplication>

namespace {

struct Command
{
    const char *name;
    int (*run)(const QStringList &args);
};

// Every subcommand is one row here.
constexpr Command kCommands[] = {
    {"init", Admin::runInit},
    {"check", Admin::runCheck},
    {"backup", Admin::runBackup},
    {"demo", Admin::runDemo},
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmora-admin"));
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("help") || args.first() == QLatin1String("--help")) {
        Admin::out(Admin::Messages::usage());
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (const Command &c : kCommands)
        if (name == QLatin1String(c.name))
            return c.run(args);
    Admin::err(Admin::Messages::unknownCommand(name));
    Admin::err(Admin::Messages::usage());
    return 2;
}
