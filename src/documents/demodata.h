#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <functional>

#include "data/schema.h"

namespace Documents {

struct DemoOptions
{
    int documents = 2000;      // sales and purchases together
    int products = 500;
    int customers = 300;
    int suppliers = 40;
    int salespeople = 8;
    int linesMin = 2;
    int linesMax = 6;
    quint32 seed = 2549;
    int firstYear = 2563;      // Buddhist era; documents spread over five years
    // Share of the documents per mode, in the order 1, 2, 3, 4.
    QList<double> modeShares{0.55, 0.25, 0.12, 0.08};
};

struct DemoResult
{
    bool ok = false;
    QString error;
    int documents = 0;
    int lines = 0;
};

// Fills an empty database with reproducible Thai demo data. The registers
// go in one transaction; every document is filed through the document
// repository, numbered under the heads of the settings, as the window files it.
DemoResult fillDemo(const QSqlDatabase &db, Data::Engine engine, const DemoOptions &options,
                    const std::function<void(int done)> &progress = {});

} // namespace Documents
