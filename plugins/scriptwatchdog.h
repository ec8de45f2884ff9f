#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QScriptEngine;
class QTimer;

// Stops a script that keeps the engine busy. Plugin calls run in the GUI
// thread, so an endless loop would otherwise freeze the program for good.
// Two bounds apply:
// - the script's own running time, summed over the whole call: time spent
//   inside a blocking host call (a page download waiting for its reply) is
//   left out, but the sum is never reset, so a loop of calls that each end
//   at once is stopped like any other loop;
// - the whole call, waits included, so that a script cannot keep the
//   program waiting on the network for ever either. Reaching it also ends
//   the wait in progress.
class ScriptWatchdog final : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultLimitMs = 10000;
    static constexpr int defaultOverallLimitMs = 120000;

    explicit ScriptWatchdog(QScriptEngine *engine, int limitMs = defaultLimitMs,
                            int overallLimitMs = defaultOverallLimitMs);
    ~ScriptWatchdog() override;

    bool hasAborted() const { return m_aborted; }
    QString reason() const { return m_reason; }
    // Whether the watchdog of this engine has stopped its script; host calls
    // then return at once instead of starting work.
    static bool hasStopped(QScriptEngine *engine);

    // Marks a blocking host call of a script of this engine for its
    // lifetime. `cancel` ends the wait early when the call's bound is reached.
    class WaitGuard final
    {
    public:
        explicit WaitGuard(QScriptEngine *engine, std::function<void()> cancel = {});
        ~WaitGuard();

    private:
        Q_DISABLE_COPY(WaitGuard)
        friend class ScriptWatchdog;
        ScriptWatchdog *m_watchdog;
        std::function<void()> m_cancel;
    };

private:
    Q_DISABLE_COPY(ScriptWatchdog)
    void check();
    void stop(const QString &reason);
    qint64 runningMs() const;
    static ScriptWatchdog *of(QScriptEngine *engine);

    QScriptEngine *m_engine;
    QTimer *m_timer;
    QElapsedTimer m_segment;  // the stretch of script time since the last wait
    QElapsedTimer m_overall;
    // Script time before the current stretch, in nanoseconds: a loop of
    // calls that each return within a millisecond would add nothing if it
    // were summed in whole milliseconds.
    qint64 m_runningNs = 0;
    int m_limitMs;
    int m_overallLimitMs;
    int m_waitDepth = 0;
    QList<WaitGuard *> m_waits;
    bool m_aborted = false;
    QString m_reason;
};
