#include "scriptwatchdog.h"

#include <QPointer>
#include <QScriptEngine>
#include <QTimer>

namespace {
const char watchdogProperty[] = "zantorScriptWatchdog";
// How often the engine hands control to the event loop while a script runs,
// and how often the watchdog looks at the clock.
const int processEventsIntervalMs = 100;
} // namespace

ScriptWatchdog::ScriptWatchdog(QScriptEngine *engine, int limitMs, int overallLimitMs)
    : QObject(nullptr)
    , m_engine(engine)
    , m_timer(new QTimer(this))
    , m_limitMs(limitMs)
    , m_overallLimitMs(overallLimitMs)
{
    m_engine->setProperty(watchdogProperty, QVariant::fromValue<QObject *>(this));
    m_engine->setProcessEventsInterval(processEventsIntervalMs);
    m_segment.start();
    m_overall.start();
    m_timer->setInterval(processEventsIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &ScriptWatchdog::check);
    m_timer->start();
}

ScriptWatchdog::~ScriptWatchdog()
{
    for (WaitGuard *wait : qAsConst(m_waits))
        wait->m_watchdog = nullptr;
    m_engine->setProperty(watchdogProperty, QVariant());
}

ScriptWatchdog *ScriptWatchdog::of(QScriptEngine *engine)
{
    if (!engine)
        return nullptr;
    return qobject_cast<ScriptWatchdog *>(engine->property(watchdogProperty).value<QObject *>());
}

bool ScriptWatchdog::hasStopped(QScriptEngine *engine)
{
    const ScriptWatchdog *watchdog = of(engine);
    return watchdog && watchdog->m_aborted;
}

qint64 ScriptWatchdog::runningMs() const
{
    return (m_runningNs + (m_waitDepth > 0 ? 0 : m_segment.nsecsElapsed())) / 1000000;
}

void ScriptWatchdog::check()
{
    if (m_aborted || !m_engine->isEvaluating())
        return;
    if (m_overall.elapsed() > m_overallLimitMs) {
        stop(tr("the plugin call took more than %n seconds", nullptr, m_overallLimitMs / 1000));
        return;
    }
    if (runningMs() > m_limitMs)
        stop(tr("the script ran for more than %n seconds", nullptr, m_limitMs / 1000));
}

void ScriptWatchdog::stop(const QString &reason)
{
    m_aborted = true;
    m_reason = reason;
    m_timer->stop();
    m_engine->abortEvaluation();
    // The script goes on only once the host call it waits in returns.
    const QList<WaitGuard *> waits = m_waits;
    for (WaitGuard *wait : waits) {
        if (wait->m_cancel)
            wait->m_cancel();
    }
}

ScriptWatchdog::WaitGuard::WaitGuard(QScriptEngine *engine, std::function<void()> cancel)
    : m_watchdog(ScriptWatchdog::of(engine))
    , m_cancel(std::move(cancel))
{
    if (!m_watchdog)
        return;
    if (m_watchdog->m_waitDepth++ == 0)
        m_watchdog->m_runningNs += m_watchdog->m_segment.nsecsElapsed();
    m_watchdog->m_waits.append(this);
}

ScriptWatchdog::WaitGuard::~WaitGuard()
{
    if (!m_watchdog)
        return;
    m_watchdog->m_waits.removeOne(this);
    if (--m_watchdog->m_waitDepth == 0)
        m_watchdog->m_segment.restart();
}
