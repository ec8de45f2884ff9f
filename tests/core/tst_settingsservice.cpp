// The settings service against the real file, QSettings in this process and
// the real toolbelt program writing the same file.

#include <QtTest>
#include <QSettings>

#include <atomic>
#include <ctime>
#include <sys/stat.h>
#include <thread>

#include "settingsservice.h"
#include "settingsstore.h"
#include "testsupport.h"

namespace {

int fileMode(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 07777);
}

double processCpuSeconds()
{
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Runs mount(8); false when this process may not mount.
bool mountCommand(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral("mount"), arguments);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A QSettings that reads the file as it is on disk now.
std::unique_ptr<QSettings> onDisk(const QString &path)
{
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    settings->sync();
    return settings;
}

} // namespace

class TestSettingsService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameValuesAsQSettings_data();
    void sameValuesAsQSettings();
    void damagedValuesReadAsNothing_data();
    void damagedValuesReadAsNothing();
    void freshStoreIsPrivateBeforeAnyWrite();
    void writesAreCoalesced();
    void unchangedValueWritesNothing();
    void mergesWhatAnotherWriterChanged();
    void recordsReadFromTheFileBehaveLikeOthers();
    void threadsAndToolbeltLoseNothing();
    void readOnlyFolderKeepsChangesWithoutSpinning();
    void multiLineValueSurvivesWrites_data();
    void multiLineValueSurvivesWrites();
    void linkedOrReadOnlyFile_data();
    void linkedOrReadOnlyFile();

private:
    QString freshFile(const QString &name);
    QTemporaryDir m_dir;
};

void TestSettingsService::initTestCase()
{
    TestSupport::isolateUserFolders();
    QVERIFY(m_dir.isValid());
}

QString TestSettingsService::freshFile(const QString &name)
{
    const QString path = m_dir.path() + QLatin1Char('/') + name + QStringLiteral(".conf");
    QFile::remove(path);
    return path;
}

// Every kind of value the suite stores, under awkward key names: what one
// side writes, the other reads back unchanged, both ways round.
void TestSettingsService::sameValuesAsQSettings_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("text") << "Language" << QVariant(QStringLiteral("german"));
    QTest::newRow("empty text") << "DownloadTasks/1/Referer" << QVariant(QString());
    QTest::newRow("separators") << "Config/Content/Keywords" << QVariant(QStringLiteral("a;b,c=d \"q\" \\ end"));
    QTest::newRow("outer spaces") << "Config/Proxy/Search/Password" << QVariant(QStringLiteral("  pass word "));
    QTest::newRow("non-ascii") << "DownloadTasks/2/SavePathName" << QVariant(QStringLiteral("/tmp/Übergrößen 中文.zip"));
    QTest::newRow("controls") << "DownloadTasks/3/Description" << QVariant(QStringLiteral("line1\nline2\ttab\r\x01"));
    QTest::newRow("at sign") << "ToolbarSearch/Query" << QVariant(QStringLiteral("@Variant(not really)"));
    QTest::newRow("int") << "Config/General/SpeedPanelBandwidth" << QVariant(300);
    QTest::newRow("int64") << "DownloadTasks/4/Size" << QVariant(qint64(9000000000123LL));
    QTest::newRow("list") << "Config/General/DownloadedToHistory"
                          << QVariant(QStringList{QStringLiteral("/a, b"), QStringLiteral("/c;d"), QString()});
    QTest::newRow("one-item list") << "DownloadTasks/5/MirrorURLs" << QVariant(QStringList{QStringLiteral("http://m/x")});
    QTest::newRow("empty list") << "DownloadTasks/6/MirrorURLs" << QVariant(QStringList());
    QTest::newRow("rect") << "UI/MainWindowGeometry" << QVariant(QRect(10, -20, 800, 600));
    QTest::newRow("point") << "UI/FloatingWindowPosition" << QVariant(QPoint(1700, 120));
    QTest::newRow("size") << "UI/Size" << QVariant(QSize(3, 4));
    QTest::newRow("bytes") << "Config/Content/Phrase" << QVariant(QByteArray("\x00\x01\xff()=;", 8));
    QTest::newRow("date-time") << "Config/Content/TimeStamp"
                               << QVariant(QDateTime(QDate(2024, 3, 4), QTime(10, 11, 12), Qt::UTC));
    QTest::newRow("group named General") << "General/Key" << QVariant(QStringLiteral("x"));
    QTest::newRow("odd key") << "Odd Group%/key with space/ä" << QVariant(7);
    // Written by QSettings in its binary form, as another program may.
    QTest::newRow("map") << "Other/Map"
                         << QVariant(QVariantMap{{QStringLiteral("a"), 1}, {QStringLiteral("b"), QStringList{QStringLiteral("x")}}});
    QTest::newRow("nested list") << "Other/Nested"
                                 << QVariant(QVariantList{QVariantList{1, QStringLiteral("two")}, QVariantList{}});
}

// A damaged file must not take the program down: a binary value whose list
// claims more elements than it can hold, or an escape far too long for a
// character, reads as no value, and the keys around it stay readable.
void TestSettingsService::damagedValuesReadAsNothing_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("readable");  // some text comes back rather than nothing
    QTest::newRow("list of two billion") << QByteArray("Key=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)") << false;
    QTest::newRow("nested list of four billion")
        << QByteArray("Key=@Variant(\\0\\0\\0\\t\\0\\0\\0\\x1\\0\\0\\0\\t\\xff\\xff\\xff\\xf0)") << false;
    QTest::newRow("map of four billion") << QByteArray("Key=@Variant(\\0\\0\\0\\b\\xff\\xff\\xff\\xff)") << false;
    QTest::newRow("a type of no program") << QByteArray("Key=@Variant(\\0\\0\\0G\\0\\0\\0\\x1)") << false;
    QTest::newRow("endless octal escape") << QByteArray("Key=\\0777777777777777777777") << true;
    QTest::newRow("endless hex escape") << QByteArray("Key=\\xfffffffffffffffffffff") << true;
}

void TestSettingsService::damagedValuesReadAsNothing()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, readable);
    const QString path = freshFile(QStringLiteral("damaged-") + QString::number(qHash(line)));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\nBefore=1\n" + line + "\nZLast=z\n");
    file.close();
    SettingsService &reader = SettingsService::forFile(path);
    QCOMPARE(reader.value(QStringLiteral("Key")).isValid(), readable);
    QCOMPARE(reader.value(QStringLiteral("Before")).toInt(), 1);
    QCOMPARE(reader.value(QStringLiteral("ZLast")).toString(), QStringLiteral("z"));
}

void TestSettingsService::sameValuesAsQSettings()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'));

    // QSettings writes, the service reads.
    const QString fromQt = freshFile(QStringLiteral("qt-") + tag);
    {
        QSettings qt(fromQt, QSettings::IniFormat);
        qt.setValue(QStringLiteral("Other/Before"), 1);
        qt.setValue(key, value);
        qt.setValue(QStringLiteral("ZLast"), QStringLiteral("z"));
    }
    SettingsService &reader = SettingsService::forFile(fromQt);
    QCOMPARE(onDisk(fromQt)->value(key), reader.value(key));
    QCOMPARE(reader.value(key).toString(), value.toString());
    if (value.userType() == QMetaType::QStringList)
        QCOMPARE(reader.value(key).toStringList(), value.toStringList());
    QCOMPARE(reader.value(QStringLiteral("ZLast")).toString(), QStringLiteral("z"));

    // The service writes, QSettings reads.
    const QString fromService = freshFile(QStringLiteral("svc-") + tag);
    SettingsService &writer = SettingsService::forFile(fromService);
    writer.setValue(QStringLiteral("Other/Before"), 1);
    writer.setValue(key, value);
    writer.setValue(QStringLiteral("ZLast"), QStringLiteral("z"));
    QVERIFY(writer.flush());
    const auto qt = onDisk(fromService);
    QCOMPARE(qt->status(), QSettings::NoError);
    const QVariant back = qt->value(key);
    if (value.userType() == QMetaType::QDateTime || value.userType() == QMetaType::QByteArray
        || value.userType() == QMetaType::QRect || value.userType() == QMetaType::QPoint
        || value.userType() == QMetaType::QSize)
        QCOMPARE(back, value);
    QCOMPARE(back.toString(), value.toString());
    if (value.userType() == QMetaType::QStringList)
        QCOMPARE(back.toStringList(), value.toStringList());
    QCOMPARE(qt->value(QStringLiteral("ZLast")).toString(), QStringLiteral("z"));
    QCOMPARE(qt->allKeys().size(), 3);
    // Byte for byte what QSettings itself would write for the same values.
    QFile mine(fromService);
    QFile theirs(fromQt);
    QVERIFY(mine.open(QIODevice::ReadOnly) && theirs.open(QIODevice::ReadOnly));
    const QList<QByteArray> mineLines = mine.readAll().split('\n');
    const QList<QByteArray> theirLines = theirs.readAll().split('\n');
    QCOMPARE(QSet<QByteArray>(mineLines.begin(), mineLines.end()),
             QSet<QByteArray>(theirLines.begin(), theirLines.end()));
}

void TestSettingsService::freshStoreIsPrivateBeforeAnyWrite()
{
    const QString path = SettingsStore::filePath(SettingsStore::organisation, SettingsStore::application);
    QFile::remove(path);
    QVERIFY(!QFileInfo::exists(path));
    {
        SettingsStore store;
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(QFileInfo(path).size(), qint64(0));
        QCOMPARE(fileMode(path), 0600);
        store->setValue(QStringLiteral("Config/Proxy/Search/Password"), QStringLiteral("secret"));
    }
    QCOMPARE(fileMode(path), 0600);
    QCOMPARE(onDisk(path)->value(QStringLiteral("Config/Proxy/Search/Password")).toString(), QStringLiteral("secret"));
    // No temporary file is left beside it.
    const QStringList left = QFileInfo(path).dir().entryList(QDir::Files);
    QCOMPARE(left, QStringList{QStringLiteral("zantor.conf")});
}

void TestSettingsService::writesAreCoalesced()
{
    const QString path = freshFile(QStringLiteral("coalesced"));
    SettingsService &service = SettingsService::forFile(path);
    service.setWriteDelay(300);
    const quint64 before = service.writeCount();
    for (int i = 0; i < 500; ++i)
        service.setValue(QStringLiteral("DownloadTasks/1/CompletedSize"), i);
    QCOMPARE(service.value(QStringLiteral("DownloadTasks/1/CompletedSize")).toInt(), 499);
    QTRY_VERIFY_WITH_TIMEOUT(onDisk(path)->value(QStringLiteral("DownloadTasks/1/CompletedSize")).toInt() == 499, 10000);
    QVERIFY(service.writeCount() - before <= 2);
}

void TestSettingsService::unchangedValueWritesNothing()
{
    const QString path = freshFile(QStringLiteral("unchanged"));
    SettingsService &service = SettingsService::forFile(path);
    service.setValue(QStringLiteral("DownloadTasks/1/State"), 4);
    QVERIFY(service.flush());
    const quint64 writes = service.writeCount();
    const QDateTime modified = QFileInfo(path).lastModified();
    for (int i = 0; i < 100; ++i) {
        service.setValue(QStringLiteral("DownloadTasks/1/State"), 4);
        service.setValue(QStringLiteral("DownloadTasks/1/State"), QStringLiteral("4"));
    }
    QVERIFY(service.flush());
    QCOMPARE(service.writeCount(), writes);
    QCOMPARE(QFileInfo(path).lastModified(), modified);
}

void TestSettingsService::mergesWhatAnotherWriterChanged()
{
    const QString path = freshFile(QStringLiteral("merge"));
    SettingsService &service = SettingsService::forFile(path);
    service.setValue(QStringLiteral("DownloadTasks/1/URL"), QStringLiteral("http://a/1"));
    service.setValue(QStringLiteral("DownloadTasks/2/URL"), QStringLiteral("http://a/2"));
    QVERIFY(service.flush());
    // Pending here, not yet on disk.
    service.setValue(QStringLiteral("DownloadTasks/1/State"), 1);
    service.remove(QStringLiteral("DownloadTasks/2"));
    {
        QSettings other(path, QSettings::IniFormat);
        other.setValue(QStringLiteral("DownloadTasks/1/FileHash"), QStringLiteral("abc"));
        other.setValue(QStringLiteral("DownloadTasks/2/FileHash"), QStringLiteral("def"));
    }
    QVERIFY(service.flush());
    const auto disk = onDisk(path);
    QCOMPARE(disk->value(QStringLiteral("DownloadTasks/1/FileHash")).toString(), QStringLiteral("abc"));
    QCOMPARE(disk->value(QStringLiteral("DownloadTasks/1/State")).toInt(), 1);
    QCOMPARE(disk->value(QStringLiteral("DownloadTasks/1/URL")).toString(), QStringLiteral("http://a/1"));
    // The group removed here stays removed: the other writer only added a key.
    disk->beginGroup(QStringLiteral("DownloadTasks"));
    QCOMPARE(disk->childGroups(), QStringList{QStringLiteral("1")});
    // And this process sees the other writer's value too.
    QCOMPARE(service.value(QStringLiteral("DownloadTasks/1/FileHash")).toString(), QStringLiteral("abc"));
}

// Records as another program wrote them, read and changed here: every
// way of looking at them agrees with QSettings, before and after a change.
void TestSettingsService::recordsReadFromTheFileBehaveLikeOthers()
{
    const QString path = freshFile(QStringLiteral("records"));
    {
        QSettings qt(path, QSettings::IniFormat);
        for (int id = 1; id <= 3; ++id) {
            const QString group = QStringLiteral("DownloadTasks/%1/").arg(id);
            qt.setValue(group + QStringLiteral("URL"), QStringLiteral("http://h/%1, x;y").arg(id));
            qt.setValue(group + QStringLiteral("State"), id);
            qt.setValue(group + QStringLiteral("MirrorURLs"), QStringList{QStringLiteral("http://m/a"), QStringLiteral("http://m/b")});
            qt.setValue(group + QStringLiteral("Extra/Deep Key"), id * 10);
        }
        qt.setValue(QStringLiteral("DownloadTasks/Plain"), 1);
    }
    SettingsService &service = SettingsService::forFile(path);
    const auto check = [&](const QString &context) {
        const auto qt = onDisk(path);
        QCOMPARE(service.childGroups(QStringLiteral("DownloadTasks")), qt->childGroups().isEmpty() ? QStringList()
                 : [&] { qt->beginGroup(QStringLiteral("DownloadTasks")); QStringList g = qt->childGroups(); qt->endGroup(); return g; }());
        for (int id = 1; id <= 3; ++id) {
            const QString group = QStringLiteral("DownloadTasks/%1").arg(id);
            qt->beginGroup(group);
            const QStringList keys = qt->allKeys();
            const QStringList mine = service.allKeys(group);
            QVERIFY2(QSet<QString>(mine.begin(), mine.end()) == QSet<QString>(keys.begin(), keys.end()),
                     qPrintable(context));
            for (const QString &key : keys) {
                QVERIFY2(service.contains(group + QLatin1Char('/') + key), qPrintable(context + key));
                QCOMPARE(service.value(group + QLatin1Char('/') + key).toString(), qt->value(key).toString());
                if (qt->value(key).userType() == QMetaType::QStringList)
                    QCOMPARE(service.value(group + QLatin1Char('/') + key).toStringList(), qt->value(key).toStringList());
            }
            QCOMPARE(service.childKeys(group), qt->childKeys());
            QCOMPARE(service.childGroups(group), qt->childGroups());
            qt->endGroup();
        }
        QCOMPARE(service.value(QStringLiteral("DownloadTasks/Plain")).toInt(), 1);
    };
    check(QStringLiteral("as read: "));
    QVERIFY(service.containsGroup(QStringLiteral("DownloadTasks/2")));
    QVERIFY(!service.contains(QStringLiteral("DownloadTasks/2/Missing")));
    QCOMPARE(service.value(QStringLiteral("DownloadTasks/2/Extra/Deep Key")).toInt(), 20);

    service.setValue(QStringLiteral("DownloadTasks/1/State"), 7);
    service.remove(QStringLiteral("DownloadTasks/2/Extra"));
    service.remove(QStringLiteral("DownloadTasks/3"));
    QVERIFY(service.flush());
    QVERIFY(!service.containsGroup(QStringLiteral("DownloadTasks/3")));
    check(QStringLiteral("changed: "));
    const auto qt = onDisk(path);
    QCOMPARE(qt->value(QStringLiteral("DownloadTasks/1/State")).toInt(), 7);
    QCOMPARE(qt->value(QStringLiteral("DownloadTasks/1/Extra/Deep Key")).toInt(), 10);
    QVERIFY(!qt->contains(QStringLiteral("DownloadTasks/2/Extra/Deep Key")));
    QCOMPARE(qt->value(QStringLiteral("DownloadTasks/2/URL")).toString(), QStringLiteral("http://h/2, x;y"));
}

// Three threads write a thousand values through the service of the main
// store while the real toolbelt program adds file hashes to the same file.
void TestSettingsService::threadsAndToolbeltLoseNothing()
{
    const QString path = SettingsStore::filePath(SettingsStore::organisation, SettingsStore::application);
    QFile::remove(path);
    SettingsService &service = SettingsService::main();
    service.refresh();
    service.setWriteDelay(5);  // as many file writes as possible to race with
    const QString task = QStringLiteral("DownloadTasks/1700000001");
    service.setValue(task + QStringLiteral("/URL"), QStringLiteral("http://127.0.0.1/a.zip"));
    QVERIFY(service.flush());

    // Each run hashes another file, so each run changes the value.
    QStringList payloads;
    QStringList hashes;
    for (int run = 0; run < 4; ++run) {
        const QString name = m_dir.path() + QStringLiteral("/payload%1").arg(run);
        const QByteArray bytes(100000 + run, char('a' + run));
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        payloads << name;
        hashes << QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
    }

    const int threadCount = 3;
    const int perThread = 334;  // 1002 values
    std::atomic<bool> go{false};
    struct Threads : std::vector<std::thread>
    {
        ~Threads()
        {
            for (std::thread &thread : *this) {
                if (thread.joinable())
                    thread.join();
            }
        }
    } threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([&, t] {
            while (!go.load()) {
            }
            for (int i = 0; i < perThread; ++i) {
                const QString key = QStringLiteral("DownloadTasks/%1/CompletedSize").arg(1800000000 + t * 1000 + i);
                service.setValue(key, qint64(t) * 1000000 + i);
                if (i % 50 == 0)
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
    }
    go.store(true);
    int toolbeltRuns = 0;
    for (int run = 0; run < 4; ++run) {
        QProcess toolbelt;
        toolbelt.start(QStringLiteral(TOOLBELT_PATH),
                       {QStringLiteral("/file-sha1"), payloads.at(run), QStringLiteral("1700000001")});
        QVERIFY(toolbelt.waitForFinished(60000));
        QCOMPARE(toolbelt.exitCode(), 0);
        ++toolbeltRuns;
        // This process sees each run's value as soon as it looks.
        service.refresh();
        QCOMPARE(service.value(task + QStringLiteral("/FileHash")).toString(), hashes.at(run));
    }
    for (std::thread &thread : threads)
        thread.join();
    QVERIFY(service.flush());
    service.setWriteDelay(1000);

    QCOMPARE(fileMode(path), 0600);
    const auto disk = onDisk(path);
    QCOMPARE(disk->status(), QSettings::NoError);
    QCOMPARE(disk->value(task + QStringLiteral("/FileHash")).toString(), hashes.last());
    for (int t = 0; t < threadCount; ++t) {
        for (int i = 0; i < perThread; ++i) {
            const QString key = QStringLiteral("DownloadTasks/%1/CompletedSize").arg(1800000000 + t * 1000 + i);
            QCOMPARE(disk->value(key).toLongLong(), qint64(t) * 1000000 + i);
        }
    }
    // Nothing doubled: every key is on exactly one line.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QSet<QByteArray> seen;
    int keyLines = 0;
    for (const QByteArray &line : lines) {
        if (!line.contains('='))
            continue;
        ++keyLines;
        const QByteArray key = line.left(line.indexOf('='));
        QVERIFY2(!seen.contains(key), key.constData());
        seen.insert(key);
    }
    QCOMPARE(keyLines, threadCount * perThread + 2);
    QCOMPARE(toolbeltRuns, 4);
}

// A settings folder that turns read-only (a read-only mount: permission
// bits do not stop root): the writer waits between attempts instead of
// spinning, tells once, keeps the change and writes it once it can.
void TestSettingsService::readOnlyFolderKeepsChangesWithoutSpinning()
{
    const QString folder = m_dir.path() + QStringLiteral("/readonly");
    QVERIFY(QDir().mkpath(folder));
    if (!mountCommand({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), QStringLiteral("size=1m"),
                       QStringLiteral("tmpfs"), folder}))
        QSKIP("mounting a tmpfs is not permitted here: a read-only folder cannot be made for root");
    auto unmount = qScopeGuard([folder] { QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), folder}); });
    const QString path = folder + QStringLiteral("/zantor.conf");
    SettingsService &service = SettingsService::forFile(path);
    service.setWriteDelay(50);
    service.setRetryDelay(400);
    std::atomic<int> told{0};
    SettingsService::setWriteFailureHandler([&told, path](const QString &failed) {
        if (failed == path)
            ++told;
    });
    auto noHandler = qScopeGuard([] { SettingsService::setWriteFailureHandler({}); });
    service.setValue(QStringLiteral("Config/General/MaxSplitNum"), 7);
    QVERIFY(service.flush());
    QVERIFY(mountCommand({QStringLiteral("-o"), QStringLiteral("remount,ro"), folder}));

    service.setValue(QStringLiteral("Config/General/MaxSplitNum"), 9);
    const double cpuBefore = processCpuSeconds();
    const quint64 attemptsBefore = service.writeAttempts();
    QTest::qWait(2000);
    const double cpu = processCpuSeconds() - cpuBefore;
    const quint64 attempts = service.writeAttempts() - attemptsBefore;
    qInfo("read-only folder: %.3f s of CPU and %llu write attempts in 2 s", cpu, attempts);
    QVERIFY2(cpu < 0.2, qPrintable(QString::number(cpu)));
    QVERIFY2(attempts >= 1 && attempts <= 4, qPrintable(QString::number(attempts)));
    QCOMPARE(told.load(), 1);
    QCOMPARE(service.value(QStringLiteral("Config/General/MaxSplitNum")).toInt(), 9);
    QCOMPARE(onDisk(path)->value(QStringLiteral("Config/General/MaxSplitNum")).toInt(), 7);

    QVERIFY(mountCommand({QStringLiteral("-o"), QStringLiteral("remount,rw"), folder}));
    QTRY_COMPARE_WITH_TIMEOUT(onDisk(path)->value(QStringLiteral("Config/General/MaxSplitNum")).toInt(), 9, 10000);
    QCOMPARE(told.load(), 1);
}

void TestSettingsService::multiLineValueSurvivesWrites_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("quoted line break") << QByteArray("5\\Description=\"first line\nsecond=line\"");
    QTest::newRow("backslash continuation") << QByteArray("5\\Description=first line \\\nsecond=line");
}

// A hand-edited record holds a value of two lines: writes of other values
// keep its text and add no keys made of its second line.
void TestSettingsService::multiLineValueSurvivesWrites()
{
    QFETCH(QByteArray, line);
    const QString path = freshFile(QStringLiteral("multiline%1").arg(QTest::currentDataTag()[0] == 'q'));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[DownloadTasks]\n" + line + "\n5\\TaskType=3\n5\\URL=http://example.com/x\n");
    }
    const QVariant before = onDisk(path)->value(QStringLiteral("DownloadTasks/5/Description"));
    SettingsService &service = SettingsService::forFile(path);
    QCOMPARE(service.value(QStringLiteral("DownloadTasks/5/Description")), before);
    service.setValue(QStringLiteral("DownloadTasks/6/State"), 1);
    QVERIFY(service.flush());
    service.setValue(QStringLiteral("DownloadTasks/5/State"), 4);
    QVERIFY(service.flush());
    service.setValue(QStringLiteral("DownloadTasks/6/State"), 3);
    QVERIFY(service.flush());

    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY2(f.readAll().contains(line), "the value's text changed");
    auto disk = onDisk(path);
    disk->beginGroup(QStringLiteral("DownloadTasks/5"));
    QCOMPARE(disk->childKeys(), (QStringList{QStringLiteral("Description"), QStringLiteral("State"),
                                             QStringLiteral("TaskType"), QStringLiteral("URL")}));
    QCOMPARE(disk->value(QStringLiteral("Description")), before);
}

void TestSettingsService::linkedOrReadOnlyFile_data()
{
    QTest::addColumn<bool>("link");
    QTest::newRow("symbolic link to the file") << true;
    QTest::newRow("file made read-only (0400)") << false;
}

// A link is followed and stays a link; a file the user made read-only is
// not rewritten (even by root), and the failure is told.
void TestSettingsService::linkedOrReadOnlyFile()
{
    QFETCH(bool, link);
    const QString real = m_dir.path() + QStringLiteral("/real-%1/zantor.conf").arg(link);
    QVERIFY(QDir().mkpath(QFileInfo(real).absolutePath()));
    QFile::remove(real);
    {
        QSettings s(real, QSettings::IniFormat);
        s.setValue(QStringLiteral("Language"), QStringLiteral("german"));
    }
    QString path = real;
    if (link) {
        path = freshFile(QStringLiteral("linked"));
        QVERIFY(QFile::link(real, path));
    } else {
        QVERIFY(::chmod(QFile::encodeName(real).constData(), 0400) == 0);
    }
    QFile original(real);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();

    std::atomic<int> told{0};
    SettingsService::setWriteFailureHandler([&told, path](const QString &failed) {
        if (failed == path)
            ++told;
    });
    auto noHandler = qScopeGuard([] { SettingsService::setWriteFailureHandler({}); });
    SettingsService &service = SettingsService::forFile(path);
    service.setWriteDelay(50);
    service.setRetryDelay(300);
    service.setValue(QStringLiteral("Language"), QStringLiteral("portuguese"));
    if (link) {
        QVERIFY(service.flush());
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(QFileInfo(path).symLinkTarget(), real);
        QCOMPARE(onDisk(real)->value(QStringLiteral("Language")).toString(), QStringLiteral("portuguese"));
        QCOMPARE(fileMode(real), 0600);
    } else {
        QTRY_COMPARE(told.load(), 1);
        QVERIFY(!service.flush());
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(original.readAll(), before);
        QCOMPARE(fileMode(real), 0400);
        QCOMPARE(service.value(QStringLiteral("Language")).toString(), QStringLiteral("portuguese"));
        QVERIFY(::chmod(QFile::encodeName(real).constData(), 0600) == 0);
        QTRY_COMPARE_WITH_TIMEOUT(onDisk(real)->value(QStringLiteral("Language")).toString(),
                                  QStringLiteral("portuguese"), 15000);
    }
}

QTEST_GUILESS_MAIN(TestSettingsService)
#include "tst_settingsservice.moc"
