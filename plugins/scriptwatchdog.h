#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QScriptEngine;
class QTimer;

// Stops a script that keeps the engine busy without ever yielding. Plugin
// calls run in the GUI thread, so an endless loop would otherwise freeze the
// program for good. Time spent inside a blocking host call (a page download
// waiting for its reply) does not count: it processes events and the script
// itself is not running. The clock starts again after every such wait.
class ScriptWatchdog final : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultLimitMs = 10000;

    explicit ScriptWatchdog(QScriptEngine *engine, int limitMs = defaultLimitMs);
    ~ScriptWatchdog() override;

    bool hasAborted() const { return m_aborted; }
    QString reason() const { return m_reason; }

    // Marks a blocking host call of a script of this engine for its lifetime.
    class WaitGuard final
    {
    public:
        explicit WaitGuard(QScriptEngine *engine);
        ~WaitGuard();

    private:
        Q_DISABLE_COPY(WaitGuard)
        ScriptWatchdog *m_watchdog;
    };

private:
    Q_DISABLE_COPY(ScriptWatchdog)
    void check();
    static ScriptWatchdog *of(QScriptEngine *engine);

    QScriptEngine *m_engine;
    QTimer *m_timer;
    QElapsedTimer m_running;
    int m_limitMs;
    int m_waitDepth = 0;
    bool m_aborted = false;
    QString m_reason;
};
