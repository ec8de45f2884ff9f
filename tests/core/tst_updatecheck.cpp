#include <QCoreApplication>
#include <QProcess>
#include <QSharedMemory>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstring>

#include "updatecheck.h"
#include "testsupport.h"

namespace {

QString uniqueKey()
{
    static int n = 0;
    return QStringLiteral("/tmp/zantor-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++n)
        + QStringLiteral("updaterNotifyMemory");
}

qint32 readSegment(const QString &key)
{
    QSharedMemory segment(key);
    if (!segment.attach(QSharedMemory::ReadOnly))
        return INT_MIN;
    qint32 v;
    segment.lock();
    std::memcpy(&v, segment.constData(), sizeof v);
    segment.unlock();
    segment.detach();
    return v;
}

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void keyIsFolderThenName()
    {
        QCOMPARE(UpdateNotify::segmentKey(QStringLiteral("/opt/zantor")),
                 QStringLiteral("/opt/zantorupdaterNotifyMemory"));
    }

    void statusTexts()
    {
        QCOMPARE(UpdateNotify::statusText(0), QStringLiteral("No update"));
        QCOMPARE(UpdateNotify::statusText(1), QStringLiteral("Update available."));
        QCOMPARE(UpdateNotify::statusText(2), QStringLiteral("Update cancelled"));
        QCOMPARE(UpdateNotify::statusText(3), QStringLiteral("Update failed - cannot connect to server."));
        QVERIFY(UpdateNotify::statusText(-1).isEmpty());
    }

    void eachFinalStatusReportedOnce_data()
    {
        QTest::addColumn<int>("status");
        for (int s = 0; s <= 3; ++s)
            QTest::newRow(qPrintable(QString::number(s))) << s;
    }

    void eachFinalStatusReportedOnce()
    {
        QFETCH(int, status);
        const QString key = uniqueKey();
        ApUpdateCheck check(key);
        QVERIFY(check.start());
        QVERIFY(check.isRunning());
        QCOMPARE(readSegment(key), -1);
        QCOMPARE(check.poll(), -1);  // the updater has not answered yet
        QCOMPARE(check.poll(), -1);

        QVERIFY(UpdateNotify::writeStatus(key, status));
        QCOMPARE(check.poll(), status);
        QVERIFY(!check.isRunning());
        QCOMPARE(check.poll(), -1);  // released: never reported twice
        // Nobody holds the segment any more; a late writer finds nothing.
        QVERIFY(!UpdateNotify::writeStatus(key, status));
    }

    void otherValuesAreIgnored()
    {
        const QString key = uniqueKey();
        ApUpdateCheck check(key);
        QVERIFY(check.start());
        QVERIFY(UpdateNotify::writeStatus(key, 7));
        QCOMPARE(check.poll(), -1);
        QVERIFY(check.isRunning());
        QVERIFY(UpdateNotify::writeStatus(key, 0));
        QCOMPARE(check.poll(), 0);
    }

    void restartResetsTheSegment()
    {
        const QString key = uniqueKey();
        ApUpdateCheck check(key);
        QVERIFY(check.start());
        QVERIFY(UpdateNotify::writeStatus(key, 9));
        QVERIFY(check.start());  // a new check while the old one never finished
        QCOMPARE(readSegment(key), -1);
    }

    void staleSegmentOfKilledProcessIsTakenOver()
    {
        const QString key = uniqueKey();
        QProcess holder;
        holder.setProgram(QCoreApplication::applicationFilePath());
        holder.setArguments({QStringLiteral("--hold-segment"), key});
        holder.start();
        QVERIFY(holder.waitForReadyRead(10000));  // "ready" once the segment exists
        QCOMPARE(readSegment(key), 3);
        ::kill(holder.processId(), SIGKILL);
        QVERIFY(holder.waitForFinished(5000));

        ApUpdateCheck check(key);
        QVERIFY(check.start());
        QCOMPARE(readSegment(key), -1);
        QVERIFY(UpdateNotify::writeStatus(key, 2));
        QCOMPARE(check.poll(), 2);
    }
};

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--hold-segment") == 0) {
        // Child: leave a finished status behind, then wait to be killed.
        QCoreApplication app(argc, argv);
        static QSharedMemory segment(QString::fromLocal8Bit(argv[2]));
        if (!segment.create(4))
            return 1;
        const qint32 v = 3;
        std::memcpy(segment.data(), &v, sizeof v);
        fputs("ready\n", stdout);
        fflush(stdout);
        QThread::sleep(60);
        return 0;
    }
    TestSupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestUpdateCheck test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_updatecheck.moc"
