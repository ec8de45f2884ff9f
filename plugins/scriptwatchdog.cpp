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

ScriptWatchdog::ScriptWatchdog(QScriptEngine *engine, int limitMs)
    : QObject(nullptr)
    , m_engine(engine)
    , m_timer(new QTimer(this))
    , m_limitMs(limitMs)
{
    m_engine->setProperty(watchdogProperty, QVariant::fromValue<QObject *>(this));
    m_engine->setProcessEventsInterval(processEventsIntervalMs);
    m_running.start();
    m_timer->setInterval(processEventsIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &ScriptWatchdog::check);
    m_timer->start();
}

ScriptWatchdog::~ScriptWatchdog()
{
    m_engine->setProperty(watchdogProperty, QVariant());
}

ScriptWatchdog *ScriptWatchdog::of(QScriptEngine *engine)
{
    if (!engine)
        return nullptr;
    return qobject_cast<ScriptWatchdog *>(engine->property(watchdogProperty).value<QObject *>());
}

void ScriptWatchdog::check()
{
    if (m_aborted || m_waitDepth > 0 || !m_engine->isEvaluating())
        return;
    if (m_running.elapsed() <= m_limitMs)
        return;
    m_aborted = true;
    m_reason = tr("the script ran for more than %1 seconds without yielding").arg(m_limitMs / 1000);
    m_timer->stop();
    m_engine->abortEvaluation();
}

ScriptWatchdog::WaitGuard::WaitGuard(QScriptEngine *engine)
    : m_watchdog(ScriptWatchdog::of(engine))
{
    if (m_watchdog)
        ++m_watchdog->m_waitDepth;
}

ScriptWatchdog::WaitGuard::~WaitGuard()
{
    if (m_watchdog) {
        --m_watchdog->m_waitDepth;
        m_watchdog->m_running.restart();
    }
}
