// Saves documents in a loop under one head, as one workstation would; used by
// the reliability tests. Arguments: count (0: until killed).
#include "data/connection.h"
#include "documents/documentrepository.h"
#include "documents/modes.h"
#include "documents/totals.h"

#include <QCoreApplication>

using namespace Documents;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? atoi(argv[1]) : 0;
    QString error;
    auto conn = Data::Connection::open(QStringLiteral("saver"), &error);
    if (!conn) {
        fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    DocumentRepository repo(conn->db(), conn->engine());
    const ModeInfo &mode = *modeInfo(1);
    for (int n = 0; count == 0 || n < count; ++n) {
        HeaderValues h;
        h.invNo = QStringLiteral("TEMP%1").arg(n);
        h.invType = "1";
        h.invDate = "15/02/2568";
        h.dueDate = "15/02/2568";
        h.custNo = "00012";
        h.custCre = QStringLiteral("สด");
        h.saleNo = "001";
        Document d = Document::fresh(h);
        for (int i = 0; i < 3; ++i) {
            LineValues l;
            l.invNo = h.invNo;
            l.proNo = QStringLiteral("P00%1").arg(i + 1);
            l.proQty = 1;
            l.unitPrice = 10;
            l.price = 10;
            d.appendLine(l);
        }
        const SaveResult r = repo.save(mode, "SALE1", d, QStringLiteral("SALE1000001"), 50);
        if (r.status != SaveStatus::Saved) {
            fprintf(stderr, "save failed: %s\n", qPrintable(r.error));
            return 2;
        }
    }
    return 0;
}
