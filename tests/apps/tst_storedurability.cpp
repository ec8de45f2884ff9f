// The real program killed and terminated while it writes its task store:
// the settings file must always parse and hold every task.

#include <QtTest>
#include <QRandomGenerator>
#include <QSettings>

#include <csignal>
#include <sys/stat.h>

#include "nginxfixture.h"
#include "testsupport.h"

namespace {

const qint64 FirstId = 1600000000;

QString storePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Zantor/zantor.conf");
}

// Tasks as another run of the program would have left them: completed
// ones, and downloading ones that resume at start-up.
void writeStore(int completed, const QStringList &downloadUrls, const QString &folder, bool withCreationTime)
{
    QFile::remove(storePath());
    QDir().mkpath(QFileInfo(storePath()).absolutePath());
    QSettings s(storePath(), QSettings::IniFormat);
    s.setValue(QStringLiteral("Language"), QStringLiteral("null"));
    s.setValue(QStringLiteral("Config/General/AutoUpdateFlag"), 0);
    s.setValue(QStringLiteral("Config/General/AutoStartupFlag"), 0);
    s.setValue(QStringLiteral("Config/General/MonitorClipboardFlag"), 0);
    s.setValue(QStringLiteral("Config/General/ShowFloatingWindowFlag"), 0);
    const int total = completed + downloadUrls.size();
    for (int i = 0; i < total; ++i) {
        const bool done = i < completed;
        s.beginGroup(QStringLiteral("DownloadTasks/%1").arg(FirstId + i));
        s.setValue(QStringLiteral("TaskType"), 3);
        s.setValue(QStringLiteral("URL"), done ? QStringLiteral("http://127.0.0.1:9/done-%1.bin").arg(i)
                                               : downloadUrls.at(i - completed));
        s.setValue(QStringLiteral("SavePathName"), folder + QStringLiteral("/file-%1.bin").arg(i));
        s.setValue(QStringLiteral("State"), done ? 5 : 1);
        s.setValue(QStringLiteral("Size"), done ? 1000 : 0);
        s.setValue(QStringLiteral("CompletedSize"), done ? 1000 : 0);
        s.setValue(QStringLiteral("URLHostIP"), QStringLiteral("127.0.0.1"));
        if (withCreationTime)
            s.setValue(QStringLiteral("CreationTime"), QStringLiteral("Mon Mar 4 10:00:00 2024"));
        s.endGroup();
    }
    s.sync();
    QFile::setPermissions(storePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// Checks that the file parses and lists every task with its keys.
QString storeProblem(int total)
{
    QSettings s(storePath(), QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        return QStringLiteral("the file does not parse");
    s.beginGroup(QStringLiteral("DownloadTasks"));
    const QStringList groups = s.childGroups();
    if (groups.size() != total)
        return QStringLiteral("%1 task groups instead of %2").arg(groups.size()).arg(total);
    for (int i = 0; i < total; ++i) {
        const QString group = QString::number(FirstId + i);
        if (s.value(group + QStringLiteral("/TaskType")).toInt() != 3
            || !s.value(group + QStringLiteral("/URL")).toString().startsWith(QLatin1String("http://")))
            return QStringLiteral("task %1 lost its record").arg(group);
    }
    struct stat st;
    if (::stat(QFile::encodeName(storePath()).constData(), &st) != 0 || (st.st_mode & 0777) != 0600)
        return QStringLiteral("the file is not owner-only");
    return QString();
}

class Zantor final
{
public:
    Zantor()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("zantor.startup.debug=true"));
        m_process.setProcessEnvironment(env);
        QObject::connect(&m_process, &QProcess::readyReadStandardError,
                         [this] { m_log += m_process.readAllStandardError(); });
    }
    ~Zantor()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }
    void start() { m_process.start(QStringLiteral(ZANTOR_PATH), QStringList()); }
    bool isReady() const { return m_log.contains("main window ready"); }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    QByteArray m_log;
};

} // namespace

class TestStoreDurability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedWhileDownloadingKeepsEveryTask();
    void terminatedRightAfterABurstKeepsTheLastValues();

private:
    QTemporaryDir m_dir;
};

void TestStoreDurability::initTestCase()
{
    TestSupport::isolateUserFolders();
    QVERIFY(m_dir.isValid());
}

// Twenty SIGKILLs at random moments while three tasks download from a
// slow server and the policing loop writes their progress.
void TestStoreDurability::killedWhileDownloadingKeepsEveryTask()
{
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    const QString served = m_dir.path() + QStringLiteral("/served");
    QDir().mkpath(served);
    {
        QFile big(served + QStringLiteral("/big.bin"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write(QByteArray(4 * 1024 * 1024, 'z'));
    }
    NginxFixture nginx;
    QVERIFY2(nginx.start(served, QStringLiteral("limit_rate 64k;")), qPrintable(nginx.errorString()));

    const QString downloads = m_dir.path() + QStringLiteral("/downloads");
    QDir().mkpath(downloads);
    const QStringList urls{nginx.url(QStringLiteral("/big.bin")), nginx.url(QStringLiteral("/big.bin?b")),
                           nginx.url(QStringLiteral("/big.bin?c"))};
    const int completed = 500;  // a file of some size, so a write takes a moment
    writeStore(completed, urls, downloads, false);
    const int total = completed + urls.size();

    // Most kills land at start-up and while the rows are listed (with their
    // "CreationTime" writes); the rest around the first progress write of
    // the downloads, three to four seconds in.
    QRandomGenerator random(20240304);
    QElapsedTimer clock;
    clock.start();
    int kills = 0;
    while (kills < 20) {
        Zantor zantor;
        zantor.start();
        QVERIFY(zantor.process().waitForStarted(20000));
        const int delay = kills % 3 == 2 ? 2800 + int(random.bounded(2000)) : int(random.bounded(1500));
        QElapsedTimer alive;
        alive.start();
        while (alive.elapsed() < delay && zantor.process().state() == QProcess::Running)
            zantor.process().waitForFinished(20);
        QCOMPARE(zantor.process().state(), QProcess::Running);
        ::kill(pid_t(zantor.process().processId()), SIGKILL);
        QVERIFY(zantor.process().waitForFinished(10000));
        ++kills;
        const QString problem = storeProblem(total);
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("after kill %1 at %2 ms: %3")
                                                   .arg(kills).arg(delay).arg(problem)));
    }

    // The next start lists every task again, resumes the downloads and
    // writes their progress; quitting leaves all of it on disk.
    Zantor last;
    last.start();
    QTRY_VERIFY_WITH_TIMEOUT(last.isReady(), 60000);
    const auto progress = [&] {
        QSettings s(storePath(), QSettings::IniFormat);
        qint64 sum = 0;
        for (int i = completed; i < total; ++i)
            sum += s.value(QStringLiteral("DownloadTasks/%1/CompletedSize").arg(FirstId + i)).toLongLong();
        return sum;
    };
    QTRY_VERIFY_WITH_TIMEOUT(progress() > 0, 30000);
    ::kill(pid_t(last.process().processId()), SIGTERM);
    QVERIFY(last.process().waitForFinished(30000));
    QVERIFY(storeProblem(total).isEmpty());
    qInfo("%d kills in %lld ms", kills, clock.elapsed());
}

// Start-up gives every listed task its "CreationTime" in a burst of writes;
// a SIGTERM right away must still leave all of them on disk.
void TestStoreDurability::terminatedRightAfterABurstKeepsTheLastValues()
{
    const int total = 1500;
    writeStore(total, {}, m_dir.path(), false);
    Zantor zantor;
    zantor.start();
    QTRY_VERIFY_WITH_TIMEOUT(zantor.isReady(), 60000);
    ::kill(pid_t(zantor.process().processId()), SIGTERM);
    QVERIFY(zantor.process().waitForFinished(30000));
    QCOMPARE(zantor.process().exitStatus(), QProcess::NormalExit);
    QVERIFY(storeProblem(total).isEmpty());
    QSettings s(storePath(), QSettings::IniFormat);
    for (int i = 0; i < total; ++i) {
        const QString created = s.value(QStringLiteral("DownloadTasks/%1/CreationTime").arg(FirstId + i)).toString();
        QVERIFY2(!created.isEmpty() && created != QLatin1String("-1"), qPrintable(QString::number(i)));
    }
}

QTEST_GUILESS_MAIN(TestStoreDurability)
#include "tst_storedurability.moc"
