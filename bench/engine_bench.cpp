// engine_bench URL OUTPUT_PATH [--split N] [--mirror URL]... [--keep] [--no-hash]
//                                [--limit KBPS [--seconds S]] [--tasks N] [--cacert PEM]
//
// Drives the download manager and one task thread headlessly on one URL and
// prints bytes, seconds, MB/s, connections used, peak RSS, user and system
// CPU seconds of the download and the SHA-1 of the result. Exits 0 only when
// the task completed. Settings are set on the manager directly, so the
// user's settings store is never read.
//   --keep     continue a partial OUTPUT_PATH (with its resume record)
//              instead of removing it first;
//   --no-hash  skip the SHA-1, for runs timed or measured from outside;
//   --limit    a download limit in KB/s: with one task its own limit, with
//              --tasks N > 1 the global limit shared by N tasks that fetch
//              the same URL into OUTPUT_PATH.1 ... OUTPUT_PATH.N. Prints the
//              bytes of every second and, per task, the average rate and
//              the largest one-second window after the first second; the
//              run ends after S seconds (20) unless it completes before;
//   --cacert   verify HTTPS servers against the authorities in PEM (a
//              private test authority) instead of the system's.

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QTimer>

#include <sys/resource.h>

#include "applicationinfo.h"
#include "aptvodownloadtaskthread.h"
#include "aptvomanager.h"

namespace {
constexpr int PollMs = 10;
constexpr qint64 StallMs = 30000;

QByteArray sha1Of(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData(&f);
    return h.result().toHex();
}

long peakRssKiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        err << "usage: engine_bench URL OUTPUT_PATH [--split N] [--mirror URL]...\n";
        return 2;
    }
    int split = 0;
    bool keep = false;
    bool hash = true;
    qint64 limitKBps = 0;
    int taskCount = 1;
    int limitSeconds = 20;
    QStringList mirrors;
    QString caFile;
    for (int i = 3; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--split") && i + 1 < args.size()) {
            split = args.at(++i).toInt();
        } else if (args.at(i) == QLatin1String("--mirror") && i + 1 < args.size()) {
            mirrors << args.at(++i);
        } else if (args.at(i) == QLatin1String("--cacert") && i + 1 < args.size()) {
            caFile = args.at(++i);
        } else if (args.at(i) == QLatin1String("--keep")) {
            keep = true;
        } else if (args.at(i) == QLatin1String("--no-hash")) {
            hash = false;
        } else if (args.at(i) == QLatin1String("--limit") && i + 1 < args.size()) {
            limitKBps = args.at(++i).toLongLong();
        } else if (args.at(i) == QLatin1String("--tasks") && i + 1 < args.size()) {
            taskCount = qMax(1, args.at(++i).toInt());
        } else if (args.at(i) == QLatin1String("--seconds") && i + 1 < args.size()) {
            limitSeconds = qMax(2, args.at(++i).toInt());
        } else {
            err << "unknown argument " << args.at(i) << "\n";
            return 2;
        }
    }

    ApplicationInfo info;
    ApTvoManager manager(nullptr, &info);
    manager.settings().update([split, caFile](ApTvoSettingsValues &v) {
        v.splitBound = split > 0 ? split - 1 : 4;
        v.caFile = caFile;
        v.proxyType = 0;
    });

    EngineTaskInput input;
    input.id = 1;
    input.url = args.at(1);
    input.protocol = input.url.startsWith(QLatin1String("ftp"), Qt::CaseInsensitive) ? EngineTaskInput::Ftp
                                                                                     : EngineTaskInput::Http;
    input.mirrors = mirrors;
    input.urlCount = mirrors.size() + 1;
    input.savePath = args.at(2);
    input.state = 0;

    if (taskCount > 1)
        manager.setGlobalSpeedLimit(limitKBps * 1024);
    QList<ApTvoDownloadTaskThread *> tasks;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < taskCount; ++i) {
        EngineTaskInput in = input;
        in.id = i + 1;
        if (taskCount > 1)
            in.savePath = input.savePath + QLatin1Char('.') + QString::number(i + 1);
        if (!keep)
            QFile::remove(in.savePath);
        if (taskCount == 1)
            in.speedLimit = limitKBps * 1024;
        tasks << manager.addTask(in, true);
    }

    int connections = 0;
    bool ok = false;
    qint64 lastCompleted = -1;
    qint64 lastProgressMs = 0;
    // Bytes of every task at each whole second, for the limit figures.
    QVector<QVector<qint64>> perSecond(taskCount);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        qint64 completed = 0;
        bool allDone = true;
        bool failed = false;
        for (int i = 0; i < tasks.size(); ++i) {
            const ApTvoTask &t = tasks.at(i)->task();
            completed += t.completed.load();
            allDone = allDone && t.total.load() > 0 && t.completed.load() == t.total.load();
            failed = failed || (t.failedConnections.load() >= t.urlCount && t.activeConnections.load() == 0);
            if (perSecond[i].size() <= clock.elapsed() / 1000)
                perSecond[i].append(t.completed.load());
        }
        if (completed != lastCompleted) {
            lastCompleted = completed;
            lastProgressMs = clock.elapsed();
        }
        if (allDone) {
            ok = true;
        } else if (limitKBps > 0 && clock.elapsed() >= limitSeconds * 1000) {
            ok = true;
        } else if (failed) {
            ok = false;
        } else if (clock.elapsed() - lastProgressMs < StallMs) {
            return;
        }
        for (ApTvoDownloadTaskThread *task : tasks) {
            for (const ApTvoConnectionSnapshot &c : task->connectionSnapshots())
                if (c.bytesReceived > 0)
                    ++connections;
        }
        app.quit();
    });
    poll.start(PollMs);
    app.exec();
    const double seconds = clock.nsecsElapsed() / 1e9;
    qint64 bytes = 0;
    for (ApTvoDownloadTaskThread *task : tasks) {
        bytes += task->task().completed.load();
        task->stopTask();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double userCpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6;
    const double systemCpu = usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;

    const QByteArray sha1 = hash && taskCount == 1 ? sha1Of(input.savePath) : QByteArray("-");
    const double mbps = seconds > 0 ? bytes / seconds / 1e6 : 0;
    out << "bytes: " << bytes << "\n"
        << "seconds: " << QString::number(seconds, 'f', 3) << "\n"
        << "MB/s: " << QString::number(mbps, 'f', 1) << "\n"
        << "connections: " << connections << "\n"
        << "peak RSS: " << QString::number(peakRssKiB() / 1024.0, 'f', 1) << " MiB\n"
        << "cpu user: " << QString::number(userCpu, 'f', 3) << "\n"
        << "cpu system: " << QString::number(systemCpu, 'f', 3) << "\n"
        << "sha1: " << sha1 << "\n";
    if (limitKBps > 0) {
        const double limit = limitKBps * 1024.0;
        for (int i = 0; i < taskCount; ++i) {
            const QVector<qint64> &s = perSecond.at(i);
            QStringList rates;
            double worst = 0;
            for (int k = 1; k < s.size(); ++k) {
                rates << QString::number(s.at(k) - s.at(k - 1));
                if (k >= 2)
                    worst = qMax(worst, double(s.at(k) - s.at(k - 1)));
            }
            const int last = s.size() - 1;
            const double average = last > 1 ? double(s.at(last) - s.at(1)) / (last - 1) : 0;
            out << "task " << i + 1 << " bytes per second: " << rates.join(QLatin1Char(' ')) << "\n"
                << "task " << i + 1 << " average after the first second: " << QString::number(average, 'f', 0)
                << " B/s (" << QString::number(average / (taskCount > 1 ? limit / taskCount : limit), 'f', 3)
                << " x its share)\n"
                << "task " << i + 1 << " largest one-second window after the first: "
                << QString::number(worst / (taskCount > 1 ? limit / taskCount : limit), 'f', 3) << " x its share\n";
        }
    }
    out << "result: " << (ok ? "completed" : "failed") << "\n";
    return ok ? 0 : 1;
}
