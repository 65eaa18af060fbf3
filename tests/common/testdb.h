#pragma once

#include "data/connection.h"

#include <QString>
#include <QTemporaryDir>
#include <QtTest/qtestcase.h>

#include <memory>
#include <optional>

// A fresh database for one test executable, on the engine named by
// VELMORA_TEST_ENGINE (sqlite, the default, or postgres through
// VELMORA_TEST_PG). It becomes the alias (VELM30) for the whole process, with
// every table and the initial records. Start it in initTestCase():
//
//     void initTestCase() { VELMORA_START_TESTDB(m_db); }
//     void init() { QVERIFY2(m_db.reset(), qPrintable(m_db.error())); }
class TestDb
{
public:
    enum class Status { Ready, Skip, Fail };

    TestDb() = default;
    ~TestDb();
    TestDb(const TestDb &) = delete;
    TestDb &operator=(const TestDb &) = delete;

    Status start();
    QString error() const { return m_error; }

    // Empties every table and writes the initial records again.
    bool reset();

    Data::Engine engine() const { return m_target.engine; }
    // What VELM30 is set to: the SQLite path or the postgresql:// URI.
    QString location() const { return m_target.location; }
    const Data::AliasTarget &target() const { return m_target; }
    // A connection of the fixture itself, open while the database lives.
    Data::Connection &connection() { return *m_conn; }

    // A second empty database of the same engine without any table (for
    // velmora-admin init and damaged-schema tests); dropped with the fixture.
    std::optional<Data::AliasTarget> createEmpty(QString *error);

private:
    std::optional<Data::AliasTarget> newDatabase(const QString &name, QString *error);

    Data::AliasTarget m_target;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::optional<Data::Connection> m_conn;
    QStringList m_pgDatabases;
    QString m_pgBase;
    QString m_error;
    int m_emptyCount = 0;
};

#define VELMORA_START_TESTDB(db)                                          \
    do {                                                                  \
        const TestDb::Status s_ = (db).start();                           \
        if (s_ == TestDb::Status::Skip)                                   \
            QSKIP(qPrintable((db).error()));                              \
        else if (s_ == TestDb::Status::Fail)                              \
            QFAIL(qPrintable((db).error()));                              \
    } while (false)
