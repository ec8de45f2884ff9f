#include <QtTest>

#include "appsettings.h"
#include "settingsstore.h"
#include "testsupport.h"

namespace {
const QString TaskId = QStringLiteral("1700000000");
}

class TestToolbelt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void hostIp_data();
    void hostIp();
    void fileSha1_data();
    void fileSha1();
    void badInputWritesNothing_data();
    void badInputWritesNothing();

private:
    struct Result
    {
        int exitCode = -1;
        QString error;
    };
    Result run(const QStringList &arguments);
    QString taskValue(const QString &key);
    QByteArray storeBytes() const;
    QTemporaryDir m_dir;
};

void TestToolbelt::initTestCase()
{
    TestSupport::isolateUserFolders();
    QVERIFY(m_dir.isValid());
}

// Every case starts from a store with one task and one unrelated value.
void TestToolbelt::init()
{
    QFile::remove(SettingsStore::filePath(SettingsStore::organisation, SettingsStore::application));
    SettingsStore store;
    store->setValue(SettingsKeys::DownloadTasks + QLatin1Char('/') + TaskId + QStringLiteral("/URL"),
                    QStringLiteral("http://127.0.0.1/a.zip"));
    store->setValue(SettingsKeys::SpeedPanelBandwidth, 512);
}

TestToolbelt::Result TestToolbelt::run(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(TOOLBELT_PATH), arguments);
    Result result;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.error = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

QString TestToolbelt::taskValue(const QString &key)
{
    SettingsStore store;
    return store->value(SettingsKeys::DownloadTasks + QLatin1Char('/') + TaskId + QLatin1Char('/') + key).toString();
}

QByteArray TestToolbelt::storeBytes() const
{
    QFile file(SettingsStore::filePath(SettingsStore::organisation, SettingsStore::application));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestToolbelt::hostIp_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("address");

    QTest::newRow("address literal") << "127.0.0.1" << "127.0.0.1";
    QTest::newRow("localhost") << "localhost" << "127.0.0.1";
}

void TestToolbelt::hostIp()
{
    QFETCH(QString, host);
    QFETCH(QString, address);

    const Result result = run({QStringLiteral("/host-ip"), host, TaskId});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(taskValue(SettingsKeys::TaskURLHostIP), address);
    QCOMPARE(taskValue(QStringLiteral("URL")), QStringLiteral("http://127.0.0.1/a.zip"));
    QCOMPARE(SettingsStore()->value(SettingsKeys::SpeedPanelBandwidth).toInt(), 512);
}

void TestToolbelt::fileSha1_data()
{
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("The quick brown fox\n");
    QByteArray big(3 * 1024 * 1024 + 17, '\0');
    for (int i = 0; i < big.size(); ++i)
        big[i] = char(i * 31 + (i >> 11));
    QTest::newRow("several megabytes") << big;
}

void TestToolbelt::fileSha1()
{
    QFETCH(QByteArray, content);

    const QString path = m_dir.filePath(QStringLiteral("file with spaces.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), qint64(content.size()));
    file.close();

    const QString sha1sum = TestSupport::findProgram(QStringLiteral("sha1sum"));
    if (sha1sum.isEmpty())
        QSKIP("sha1sum is not installed");
    QProcess reference;
    reference.start(sha1sum, {path});
    QVERIFY(reference.waitForFinished(30000));
    const QString expected = QString::fromLatin1(reference.readAllStandardOutput()).section(QLatin1Char(' '), 0, 0);
    QCOMPARE(expected.size(), 40);

    const Result result = run({QStringLiteral("/file-sha1"), path, TaskId});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(taskValue(SettingsKeys::TaskFileHash), expected);
}

void TestToolbelt::badInputWritesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");

    const QString readable = QCoreApplication::applicationFilePath();
    QTest::newRow("no arguments") << QStringList{};
    QTest::newRow("missing task id") << QStringList{"/host-ip", "127.0.0.1"};
    QTest::newRow("too many") << QStringList{"/host-ip", "127.0.0.1", TaskId, "x"};
    QTest::newRow("unknown command") << QStringList{"/host-name", "127.0.0.1", TaskId};
    QTest::newRow("empty host") << QStringList{"/host-ip", "", TaskId};
    QTest::newRow("task id with path") << QStringList{"/host-ip", "127.0.0.1", TaskId + "/../x"};
    QTest::newRow("task id not a number") << QStringList{"/host-ip", "127.0.0.1", "General"};
    QTest::newRow("deleted task, host") << QStringList{"/host-ip", "127.0.0.1", "1700000001"};
    QTest::newRow("deleted task, file") << QStringList{"/file-sha1", readable, "1700000001"};
    QTest::newRow("IPv6 only host") << QStringList{"/host-ip", "::1", TaskId};
    QTest::newRow("missing file") << QStringList{"/file-sha1", m_dir.filePath("missing.bin"), TaskId};
    QTest::newRow("folder") << QStringList{"/file-sha1", m_dir.path(), TaskId};
    QTest::newRow("unreadable file") << QStringList{"/file-sha1", "/proc/1/mem", TaskId};
}

void TestToolbelt::badInputWritesNothing()
{
    QFETCH(QStringList, arguments);

    const QByteArray before = storeBytes();
    const Result result = run(arguments);
    QVERIFY2(result.exitCode > 0, qPrintable(QString::number(result.exitCode)));
    QVERIFY(result.error.startsWith(QStringLiteral("toolbelt: ")));
    QCOMPARE(storeBytes(), before);
    SettingsStore store;
    store->beginGroup(SettingsKeys::DownloadTasks);
    QCOMPARE(store->childGroups(), QStringList{TaskId});
}

QTEST_GUILESS_MAIN(TestToolbelt)
#include "tst_toolbelt.moc"
