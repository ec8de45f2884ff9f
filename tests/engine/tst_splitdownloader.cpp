#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include "applicationinfo.h"
#include "appsettings.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"
#include "aptvoresumestate.h"
#include "enginetestkit.h"
#include "settingsstore.h"
#include "testsupport.h"

using namespace EngineTestKit;

namespace {
constexpr qint64 MiB = 1024 * 1024;
}

// Split downloads against a real nginx on loopback. Rate limits per
// connection keep every connection busy long enough to be seen.
class TstSplitDownloader : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void automaticSplitUsesFiveConnections();
    void smallFileStaysOnFirstConnection();
    void customSplitOfTen();
    void mirrorsGetOneConnectionEach();
    void previewReadyFlag_data();
    void previewReadyFlag();
    void stopAndStartContinues();
    void deleteFileFlagRemovesFile();

private:
    ApTvoDownloadTaskThread *addTask(ApTvoManager &manager, const QString &path,
                                     const QString &saveName, const QStringList &mirrors = {});
    int requestsFor(const QString &path, bool ranged) const;
    QStringList rangesFor(const QString &path) const;

    QTemporaryDir m_root;
    QTemporaryDir m_out;
    LocalNginx m_nginx;
    ApplicationInfo m_info;
    QHash<QString, QByteArray> m_sha1;
};

void TstSplitDownloader::initTestCase()
{
    QVERIFY(m_root.isValid() && m_out.isValid());
    const struct { const char *name; qint64 size; } files[] = {
        {"big.bin", 100 * MiB}, {"small.bin", 1 * MiB}, {"mid.bin", 40 * MiB},
        {"clip.mp4", 8 * MiB}, {"clip.bin", 8 * MiB}, {"m0/f.bin", 24 * MiB}, {"slow.bin", 16 * MiB}};
    quint32 seed = 1;
    for (const auto &f : files) {
        const QString path = m_root.filePath(QLatin1String(f.name));
        QDir().mkpath(QFileInfo(path).path());
        QVERIFY(writeRandomFile(path, f.size, seed++));
        m_sha1.insert(QLatin1String(f.name), sha1OfFile(path));
    }
    // Mirrors: the same file under other paths.
    for (const char *m : {"m1", "m2"}) {
        QDir(m_root.path()).mkpath(QLatin1String(m));
        QVERIFY(QFile::link(m_root.filePath(QStringLiteral("m0/f.bin")),
                            m_root.filePath(QLatin1String(m) + QStringLiteral("/f.bin"))));
    }
    const QString extra = QStringLiteral(
        "location /paced/ { alias %1/; limit_rate 30m; }\n"
        "    location /slow/ { alias %1/; limit_rate 1m; }")
        .arg(m_root.path());
    if (!m_nginx.start(m_root.path(), extra))
        QFAIL(qPrintable(QStringLiteral("nginx did not start: ") + m_nginx.error()));
}

void TstSplitDownloader::init()
{
    SettingsStore s;
    s->clear();
}

ApTvoDownloadTaskThread *TstSplitDownloader::addTask(ApTvoManager &manager, const QString &path,
                                                     const QString &saveName,
                                                     const QStringList &mirrors)
{
    EngineTaskInput input;
    input.id = 1;
    input.url = m_nginx.url(path);
    for (const QString &m : mirrors)
        input.mirrors << m_nginx.url(m);
    input.urlCount = input.mirrors.size() + 1;
    input.savePath = m_out.filePath(saveName);
    input.state = 0;
    return manager.addTask(input, true);
}

int TstSplitDownloader::requestsFor(const QString &path, bool ranged) const
{
    int n = 0;
    for (const QString &line : m_nginx.accessLog()) {
        const QStringList f = line.split(QLatin1Char('|'));
        if (f.value(0) == QStringLiteral("GET %1 HTTP/1.1").arg(path)
            && (f.value(1) != QLatin1String("-")) == ranged)
            ++n;
    }
    return n;
}

QStringList TstSplitDownloader::rangesFor(const QString &path) const
{
    QStringList ranges;
    for (const QString &line : m_nginx.accessLog()) {
        const QStringList f = line.split(QLatin1Char('|'));
        if (f.value(0) == QStringLiteral("GET %1 HTTP/1.1").arg(path) && f.value(1) != QLatin1String("-"))
            ranges << f.value(1);
    }
    return ranges;
}

void TstSplitDownloader::automaticSplitUsesFiveConnections()
{
    ApTvoManager manager(nullptr, &m_info);
    manager.readSettings();
    ApTvoDownloadTaskThread *t = addTask(manager, QStringLiteral("/paced/big.bin"), QStringLiteral("big.bin"));
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 90000);
    QCOMPARE(t->task().total.load(), 100 * MiB);
    QCOMPARE(t->task().failedConnections.load(), 0);
    QVERIFY(t->task().headerReceived.load());
    QCOMPARE(t->task().sizeUnknown.load(), 0);
    QCOMPARE(t->task().state.load(), 1);
    QCOMPARE(t->connectionCount(), 5);
    QCOMPARE(connectionsUsed(t), 5);
    QCOMPARE(sha1OfFile(t->task().savePath), m_sha1.value(QStringLiteral("big.bin")));
    // The four added connections each took half of the largest range at
    // the first response (ties go to the earlier connection).
    // nginx logs a request once it sees the connection end.
    QTRY_VERIFY_WITH_TIMEOUT(rangesFor(QStringLiteral("/paced/big.bin")).size() >= 4, 5000);
    const QStringList ranges = rangesFor(QStringLiteral("/paced/big.bin"));
    for (qint64 first : {50 * MiB, 25 * MiB, 75 * MiB, 25 * MiB / 2})
        QVERIFY2(ranges.contains(QStringLiteral("bytes=%1-").arg(first)), qPrintable(QString::number(first)));
    QCOMPARE(requestsFor(QStringLiteral("/paced/big.bin"), false), 1);
    t->stopTask();
}

void TstSplitDownloader::smallFileStaysOnFirstConnection()
{
    ApTvoManager manager(nullptr, &m_info);
    manager.readSettings();
    ApTvoDownloadTaskThread *t = addTask(manager, QStringLiteral("/paced/small.bin"), QStringLiteral("small.bin"));
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 30000);
    QCOMPARE(connectionsUsed(t), 1);
    // The added connections found nothing above the split threshold.
    QCOMPARE(t->connectionCount(), 5);
    const auto snapshots = t->connectionSnapshots();
    for (int i = 1; i < snapshots.size(); ++i) {
        QCOMPARE(snapshots.at(i).state, 0);
        QCOMPARE(snapshots.at(i).end, qint64(0));
    }
    QCOMPARE(requestsFor(QStringLiteral("/paced/small.bin"), true), 0);
    QCOMPARE(sha1OfFile(t->task().savePath), m_sha1.value(QStringLiteral("small.bin")));
    t->stopTask();
}

void TstSplitDownloader::customSplitOfTen()
{
    {
        SettingsStore s;
        s->setValue(SettingsKeys::MaxSplitNumRadioGroup, 1);
        s->setValue(SettingsKeys::MaxSplitNum, 10);
    }
    ApTvoManager manager(nullptr, &m_info);
    manager.readSettings();
    QCOMPARE(manager.settingsValues().splitBound, 9);
    ApTvoDownloadTaskThread *t = addTask(manager, QStringLiteral("/paced/mid.bin"), QStringLiteral("mid.bin"));
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 90000);
    QCOMPARE(t->connectionCount(), 10);
    QCOMPARE(connectionsUsed(t), 10);
    QCOMPARE(sha1OfFile(t->task().savePath), m_sha1.value(QStringLiteral("mid.bin")));
    t->stopTask();
}

void TstSplitDownloader::mirrorsGetOneConnectionEach()
{
    ApTvoManager manager(nullptr, &m_info);
    manager.readSettings();
    ApTvoDownloadTaskThread *t =
        addTask(manager, QStringLiteral("/paced/m0/f.bin"), QStringLiteral("mirrored.bin"),
                {QStringLiteral("/paced/m1/f.bin"), QStringLiteral("/paced/m2/f.bin")});
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 90000);
    QCOMPARE(t->connectionCount(), 3);
    QCOMPARE(connectionsUsed(t), 3);
    // nginx logs a request once it sees the connection end.
    QTRY_VERIFY_WITH_TIMEOUT(requestsFor(QStringLiteral("/paced/m1/f.bin"), true) >= 1, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(requestsFor(QStringLiteral("/paced/m2/f.bin"), true) >= 1, 5000);
    QCOMPARE(requestsFor(QStringLiteral("/paced/m1/f.bin"), false), 0);
    QCOMPARE(sha1OfFile(t->task().savePath), m_sha1.value(QStringLiteral("m0/f.bin")));
    t->stopTask();
}

void TstSplitDownloader::previewReadyFlag_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("ready");
    QTest::newRow("media file") << QStringLiteral("clip.mp4") << true;
    QTest::newRow("other file") << QStringLiteral("clip.bin") << false;
}

void TstSplitDownloader::previewReadyFlag()
{
    QFETCH(QString, name);
    QFETCH(bool, ready);
    ApTvoManager manager(nullptr, &m_info);
    manager.readSettings();
    ApTvoDownloadTaskThread *t = addTask(manager, QStringLiteral("/paced/") + name, name);
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 30000);
    QCOMPARE(t->task().previewReady.load(), ready);
    // The first connection's slices cover the beginning of the file.
    const QVector<int> slices = t->sliceUnion();
    QCOMPARE(slices.size(), 200);
    QCOMPARE(slices.count(1), 200);
    QCOMPARE(sha1OfFile(t->task().savePath), m_sha1.value(name));
    t->stopTask();
}

void TstSplitDownloader::stopAndStartContinues()
{
    ApTvoManager manager(nullptr, &m_info);
    manager.readSettings();
    ApTvoDownloadTaskThread *t = addTask(manager, QStringLiteral("/slow/slow.bin"), QStringLiteral("slow.bin"));
    QTRY_VERIFY_WITH_TIMEOUT(t->task().completed.load() > 2 * MiB, 30000);
    // The file got its full length before the first write.
    QCOMPARE(QFileInfo(t->task().savePath).size(), 16 * MiB);
    t->stopTask();
    QVERIFY(t->isFinished());
    // Until it runs again, the task shows what its record keeps.
    ApTvoResumeState kept;
    QVERIFY(kept.load(t->task().savePath));
    QCOMPARE(t->task().completed.load(), kept.done.bytes());
    QCOMPARE(t->task().total.load(), 16 * MiB);
    QCOMPARE(t->task().activeConnections.load(), 0);
    QVERIFY(!t->task().headerReceived.load());
    QCOMPARE(t->connectionCount(), 0);
    const int floor = t->task().percentFloor.load();
    QVERIFY2(floor > 0 && floor < 100, qPrintable(QString::number(floor)));
    QVERIFY(QFile::exists(t->task().savePath));

    // The run left its record of finished ranges beside the file.
    ApTvoResumeState record;
    QVERIFY(record.load(t->task().savePath));
    QCOMPARE(record.size, 16 * MiB);
    QVERIFY(record.done.bytes() > 2 * MiB);

    t->startTask();
    QTRY_VERIFY_WITH_TIMEOUT(taskDone(t), 60000);
    QCOMPARE(sha1OfFile(t->task().savePath), m_sha1.value(QStringLiteral("slow.bin")));
    // One request for the whole file, in the first run only: the second
    // run continues with ranges, and the record goes with completion.
    QTRY_COMPARE(requestsFor(QStringLiteral("/slow/slow.bin"), false), 1);
    QVERIFY(!QFile::exists(ApTvoResumeState::pathFor(t->task().savePath)));
    t->stopTask();
}

void TstSplitDownloader::deleteFileFlagRemovesFile()
{
    ApTvoManager manager(nullptr, &m_info);
    manager.readSettings();
    ApTvoDownloadTaskThread *t = addTask(manager, QStringLiteral("/slow/slow.bin"), QStringLiteral("doomed.bin"));
    QTRY_VERIFY_WITH_TIMEOUT(t->task().completed.load() > 0, 30000);
    QVERIFY(QFile::exists(t->task().savePath));
    t->setDeleteFile(true);
    t->stopTask();
    QVERIFY(!QFile::exists(t->task().savePath));
}

ENGINE_TEST_MAIN(TstSplitDownloader)
#include "tst_splitdownloader.moc"
