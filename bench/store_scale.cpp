// store_scale N [--zantor PATH] [--stopped M] [--settle SECONDS] [--idle SECONDS] [--timeout SECONDS] [--keep]
//
// How the main program copes with a long task history: writes N completed
// tasks and M (default 100) stopped ones into the settings file of a
// throw-away home folder, starts the real `zantor` there and prints
//   - the time from its start until the main window is shown (the program's
//     own "main window ready" line),
//   - its CPU use while idle, over the given seconds (default 20), from the
//     given settle time (default 10 s, past the one-time work of start-up
//     such as the location table) after the window is shown,
//   - the duration of the policing loop's progress passes meanwhile,
//   - its peak resident memory.
// The file is written with QSettings, as any other program would write it.
// Run it with a display (DISPLAY, e.g. under xvfb-run) or with
// QT_QPA_PLATFORM=offscreen. Never touches the real user's files.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <csignal>
#include <unistd.h>

namespace {

QTextStream out(stdout);

// utime + stime in clock ticks, from /proc/PID/stat.
qint64 cpuTicks(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = file.readAll();
    const int close = line.lastIndexOf(')');
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    // fields[0] is the state (field 3); utime is field 14, stime field 15.
    if (fields.size() < 13)
        return -1;
    return fields.at(11).toLongLong() + fields.at(12).toLongLong();
}

qint64 peakRssKb(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void writeTasks(const QString &path, int completed, int stopped, const QString &downloads)
{
    QSettings s(path, QSettings::IniFormat);
    s.setValue(QStringLiteral("Language"), QStringLiteral("null"));
    s.setValue(QStringLiteral("Config/General/AutoUpdateFlag"), 0);
    s.setValue(QStringLiteral("Config/General/AutoStartupFlag"), 0);
    s.setValue(QStringLiteral("Config/General/MonitorClipboardFlag"), 0);
    s.setValue(QStringLiteral("Config/General/ShowFloatingWindowFlag"), 0);
    const qint64 firstId = 1600000000;
    for (int i = 0; i < completed + stopped; ++i) {
        const bool done = i < completed;
        const QString name = QStringLiteral("archive-%1.zip").arg(i, 6, 10, QLatin1Char('0'));
        s.beginGroup(QStringLiteral("DownloadTasks/%1").arg(firstId + i));
        s.setValue(QStringLiteral("TaskType"), 3);
        // Port 9 on the loopback: a stopped task never connects anywhere.
        s.setValue(QStringLiteral("URL"), QStringLiteral("http://127.0.0.1:9/mirror/releases/files/") + name);
        s.setValue(QStringLiteral("Referer"), QString());
        s.setValue(QStringLiteral("SavePathName"), downloads + QLatin1Char('/') + name);
        s.setValue(QStringLiteral("Description"), QString());
        s.setValue(QStringLiteral("MirrorURLs"), QStringList());
        s.setValue(QStringLiteral("State"), done ? 5 : 4);
        s.setValue(QStringLiteral("Size"), 10485760 + i);
        s.setValue(QStringLiteral("CompletedSize"), done ? 10485760 + i : 4096 * i);
        s.setValue(QStringLiteral("CreationTime"), QStringLiteral("Mon Mar 4 10:%1:00 2024").arg(i % 60, 2, 10, QLatin1Char('0')));
        if (done)
            s.setValue(QStringLiteral("FileHash"), QStringLiteral("3f786850e387550fdab836ed7e6dc881de23001b"));
        s.setValue(QStringLiteral("URLHostIP"), QStringLiteral("127.0.0.1"));
        s.endGroup();
    }
    s.sync();
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    auto option = [&](const QString &name, const QString &fallback) {
        const int i = args.indexOf(name);
        if (i < 0 || i + 1 >= args.size())
            return fallback;
        const QString value = args.at(i + 1);
        args.removeAt(i + 1);
        args.removeAt(i);
        return value;
    };
    const QString zantor = option(QStringLiteral("--zantor"), QCoreApplication::applicationDirPath() + "/zantor");
    const int stopped = option(QStringLiteral("--stopped"), QStringLiteral("100")).toInt();
    const int idleSeconds = option(QStringLiteral("--idle"), QStringLiteral("20")).toInt();
    const int settleSeconds = option(QStringLiteral("--settle"), QStringLiteral("10")).toInt();
    const int timeoutSeconds = option(QStringLiteral("--timeout"), QStringLiteral("120")).toInt();
    const bool keep = args.removeAll(QStringLiteral("--keep")) > 0;
    bool ok = false;
    const int count = args.value(0).toInt(&ok);
    if (!ok || count < 0) {
        QTextStream(stderr) << "usage: store_scale N [--zantor PATH] [--stopped M] [--settle SECONDS] [--idle SECONDS] "
                               "[--timeout SECONDS] [--keep]\n";
        return 2;
    }

    QTemporaryDir home;
    home.setAutoRemove(!keep);
    const QString config = home.path() + "/config";
    const QString downloads = home.path() + "/downloads";
    QDir().mkpath(config + "/Zantor");
    QDir().mkpath(downloads);
    const QString store = config + "/Zantor/zantor.conf";

    QElapsedTimer timer;
    timer.start();
    writeTasks(store, count, stopped, downloads);
    if (keep)
        out << "home: " << home.path() << "\n";
    out << "tasks: " << count << " completed + " << stopped << " stopped; file " << QFileInfo(store).size() / 1024
        << " KiB, written in " << timer.elapsed() << " ms\n";
    out.flush();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", config);
    env.insert("XDG_DATA_HOME", home.path() + "/data");
    env.insert("XDG_CACHE_HOME", home.path() + "/cache");
    env.insert("XDG_RUNTIME_DIR", home.path() + "/runtime");
    QDir().mkpath(home.path() + "/runtime");
    QFile::setPermissions(home.path() + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env.insert("QT_LOGGING_RULES", "zantor.startup.debug=true\nzantor.policing.debug=true");

    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setWorkingDirectory(home.path());
    timer.restart();
    process.start(zantor, QStringList());
    if (!process.waitForStarted(10000)) {
        out << "cannot start " << zantor << "\n";
        return 1;
    }
    const qint64 pid = process.processId();

    QByteArray log;
    qint64 shownMs = -1;
    QList<double> passes;
    const QRegularExpression passLine(QStringLiteral("progress pass (\\d+) tasks ([0-9.]+) ms"));
    auto readLog = [&] {
        log += process.readAllStandardError();
        int newline;
        while ((newline = log.indexOf('\n')) >= 0) {
            const QString line = QString::fromLocal8Bit(log.left(newline));
            log.remove(0, newline + 1);
            if (shownMs < 0 && line.contains(QLatin1String("main window ready")))
                shownMs = timer.elapsed();
            const QRegularExpressionMatch m = passLine.match(line);
            if (m.hasMatch() && shownMs >= 0)
                passes.append(m.captured(2).toDouble());
        }
    };
    while (shownMs < 0 && timer.elapsed() < timeoutSeconds * 1000 && process.state() == QProcess::Running) {
        process.waitForReadyRead(100);
        readLog();
    }
    if (shownMs < 0) {
        out << "window not shown within " << timeoutSeconds << " s (cpu "
            << cpuTicks(pid) * 1000 / sysconf(_SC_CLK_TCK) << " ms so far, peak RSS " << peakRssKb(pid) / 1024
            << " MB)\n";
        process.kill();
        process.waitForFinished(10000);
        return 1;
    }
    out << "window shown after: " << shownMs << " ms\n";
    out.flush();

    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < settleSeconds * 1000 && process.state() == QProcess::Running) {
        process.waitForReadyRead(200);
        readLog();
    }
    // Idle: the window is up and nothing runs; measure over idleSeconds.
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    const qint64 ticksBefore = cpuTicks(pid);
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < idleSeconds * 1000 && process.state() == QProcess::Running) {
        process.waitForReadyRead(200);
        readLog();
    }
    const qint64 ticksAfter = cpuTicks(pid);
    const double idleCpu = 100.0 * double(ticksAfter - ticksBefore) / ticksPerSecond / (idle.elapsed() / 1000.0);
    out << "idle CPU over " << idle.elapsed() / 1000.0 << " s (from " << settleSeconds << " s after): " << QString::number(idleCpu, 'f', 2) << " %\n";
    if (!passes.isEmpty()) {
        double worst = 0, sum = 0;
        for (double p : qAsConst(passes)) {
            worst = qMax(worst, p);
            sum += p;
        }
        out << "progress passes: " << passes.size() << ", mean " << QString::number(sum / passes.size(), 'f', 2)
            << " ms, worst " << QString::number(worst, 'f', 2) << " ms\n";
    } else {
        out << "progress passes: none logged\n";
    }
    out << "peak RSS: " << peakRssKb(pid) / 1024 << " MB\n";
    out.flush();

    ::kill(pid_t(pid), SIGTERM);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished(5000);
    }
    if (keep)
        out << "kept: " << home.path() << "\n";
    return 0;
}
