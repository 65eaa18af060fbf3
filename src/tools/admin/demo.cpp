#include "adminmessages.h"
#include "commands.h"

#include "data/connection.h"
#include "documents/demodata.h"

#include <QElapsedTimer>
#include <QSqlQuery>

namespace Admin {

// demo [--documents N] [--products N]: fills an empty database on the alias.
int runDemo(const QStringList &args)
{
    Documents::DemoOptions options;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if ((a == QLatin1String("--documents") || a == QLatin1String("--products")) && i + 1 < args.size()) {
            bool ok = false;
            const int n = args[++i].toInt(&ok);
            if (!ok || n < 0 || (a == QLatin1String("--products") && (n < 1 || n > 999999))) {
                err(QStringLiteral("demo: %1 ต้องเป็นจำนวนเต็มบวก / must be a positive whole number").arg(a));
                return 2;
            }
            (a == QLatin1String("--documents") ? options.documents : options.products) = n;
        } else {
            err(QStringLiteral("demo: ไม่รู้จัก / unknown argument %1").arg(a));
            return 2;
        }
    }
    QString error;
    auto conn = Data::Connection::open(QStringLiteral("demo"), &error);
    if (!conn) {
        err(error);
        return 1;
    }
    if (conn->engine() == Data::Engine::Sqlite) {
        // Demo data is reproducible: no need to wait for the disk on every commit.
        QSqlQuery(conn->db()).exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    }
    QElapsedTimer timer;
    timer.start();
    const Documents::DemoResult r = Documents::fillDemo(conn->db(), conn->engine(), options, [&](int done) {
        if (done % 10000 == 0)
            out(QStringLiteral("demo: %1 documents, %2 s").arg(done).arg(timer.elapsed() / 1000.0, 0, 'f', 1));
    });
    if (!r.ok) {
        err(QStringLiteral("demo: ") + r.error);
        return 1;
    }
    out(QStringLiteral("demo: %1 documents, %2 lines, %3 products in %4 s")
            .arg(r.documents).arg(r.lines).arg(options.products).arg(timer.elapsed() / 1000.0, 0, 'f', 1));
    return 0;
}

} // namespace Admin
