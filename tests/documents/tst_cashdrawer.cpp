#include "documents/cashdrawer.h"

#include <QtTest>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

using Documents::CashDrawer;

// A pseudo-terminal pair stands in for the drawer: the program opens the
// slave end, the test reads what arrives on the master.
class TestCashDrawer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        char name[256] = {};
        QVERIFY(openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0);
        m_slaveName = QString::fromLocal8Bit(name);
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    }
    void cleanup()
    {
        ::close(m_master);
        ::close(m_slave);
    }

    void oneBytePerPress_data()
    {
        QTest::addColumn<int>("presses");
        QTest::newRow("one press") << 1;
        QTest::newRow("three presses") << 3;
    }
    void oneBytePerPress()
    {
        QFETCH(int, presses);
        CashDrawer drawer(m_slaveName);
        QString error;
        QVERIFY2(drawer.open(&error), qPrintable(error));
        for (int i = 0; i < presses; ++i)
            QVERIFY2(drawer.kick(&error), qPrintable(error));

        termios t {};
        QCOMPARE(tcgetattr(m_slave, &t), 0);
        QCOMPARE(cfgetospeed(&t), speed_t(B9600));
        QCOMPARE(t.c_cflag & CSIZE, tcflag_t(CS8));
        QVERIFY(!(t.c_cflag & PARENB));
        QVERIFY(!(t.c_cflag & CSTOPB));
        QVERIFY(t.c_iflag & IXON);
        QVERIFY(t.c_iflag & IXOFF);
        drawer.close();

        QByteArray got;
        char buf[64];
        for (int tries = 0; tries < 50 && got.size() < presses; ++tries) {
            const ssize_t n = ::read(m_master, buf, sizeof buf);
            if (n > 0)
                got.append(buf, int(n));
            else
                QTest::qWait(10);
        }
        QTest::qWait(20);
        const ssize_t extra = ::read(m_master, buf, sizeof buf);
        if (extra > 0)
            got.append(buf, int(extra));
        QCOMPARE(got, QByteArray(presses, '\x30'));
    }

    void missingPortIsReported()
    {
        QString error;
        QVERIFY(!CashDrawer::kickOnce(QStringLiteral("/dev/velmora-no-such-port"), &error));
        QVERIFY(!error.isEmpty());
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slaveName;
};

QTEST_GUILESS_MAIN(TestCashDrawer)
#include "tst_cashdrawer.moc"
