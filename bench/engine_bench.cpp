// engine_bench URL OUTPUT_PATH [--split N] [--mirror URL]...
//
// Drives the download manager and one task thread headlessly on one URL and
// prints bytes, seconds, MB/s, connections used, peak RSS and the SHA-1 of
// the result. Exits 0 only when the task completed. Settings are set on the
// manager directly, so the user's settings store is never read.

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
    QStringList mirrors;
    for (int i = 3; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--split") && i + 1 < args.size()) {
            split = args.at(++i).toInt();
        } else if (args.at(i) == QLatin1String("--mirror") && i + 1 < args.size()) {
            mirrors << args.at(++i);
        } else {
            err << "unknown argument " << args.at(i) << "\n";
            return 2;
        }
    }

    ApplicationInfo info;
    ApTvoManager manager(nullptr, &info);
    manager.settings().update([split](ApTvoSettingsValues &v) {
        v.splitBound = split > 0 ? split - 1 : 4;
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
    QFile::remove(input.savePath);

    QElapsedTimer clock;
    clock.start();
    ApTvoDownloadTaskThread *task = manager.addTask(input, true);

    int connections = 0;
    bool ok = false;
    qint64 lastCompleted = -1;
    qint64 lastProgressMs = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        const ApTvoTask &t = task->task();
        const qint64 total = t.total.load();
        const qint64 completed = t.completed.load();
        if (completed != lastCompleted) {
            lastCompleted = completed;
            lastProgressMs = clock.elapsed();
        }
        if (total > 0 && completed == total) {
            ok = true;
        } else if (t.failedConnections.load() >= t.urlCount && t.activeConnections.load() == 0) {
            ok = false;
        } else if (clock.elapsed() - lastProgressMs < StallMs) {
            return;
        }
        for (const ApTvoConnectionSnapshot &c : task->connectionSnapshots())
            if (c.bytesReceived > 0)
                ++connections;
        app.quit();
    });
    poll.start(PollMs);
    app.exec();
    const double seconds = clock.nsecsElapsed() / 1e9;
    const qint64 bytes = task->task().completed.load();
    task->stopTask();

    const QByteArray sha1 = sha1Of(input.savePath);
    const double mbps = seconds > 0 ? bytes / seconds / 1e6 : 0;
    out << "bytes: " << bytes << "\n"
        << "seconds: " << QString::number(seconds, 'f', 3) << "\n"
        << "MB/s: " << QString::number(mbps, 'f', 1) << "\n"
        << "connections: " << connections << "\n"
        << "peak RSS: " << QString::number(peakRssKiB() / 1024.0, 'f', 1) << " MiB\n"
        << "sha1: " << sha1 << "\n"
        << "result: " << (ok ? "completed" : "failed") << "\n";
    return ok ? 0 : 1;
}
