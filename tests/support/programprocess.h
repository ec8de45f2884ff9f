#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// A program of the suite run as a separate process on the offscreen
// platform, with its trace lines (categories "<program>.*") collected.
// Ended by the destructor if still running.
class ProgramProcess final
{
public:
    explicit ProgramProcess(const QString &path, const QString &traceCategories, const QProcessEnvironment &extra = {})
        : m_path(path)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), traceCategories + QStringLiteral(".debug=true"));
        env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}: %{message}"));
        env.insert(extra);
        m_process.setProcessEnvironment(env);
        QObject::connect(&m_process, &QProcess::readyReadStandardError,
                         [this] { m_log += m_process.readAllStandardError(); });
    }
    ~ProgramProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(10000))
                m_process.kill();
            m_process.waitForFinished(10000);
        }
    }

    void start(const QStringList &arguments = {}) { m_process.start(m_path, arguments); }
    QProcess &process() { return m_process; }
    QString log() const { return QString::fromUtf8(m_log); }
    bool logged(const QString &text) const { return log().contains(text); }
    int count(const QString &text) const { return log().count(text); }

    // Runs to the end; the exit code, or -1 when it crashed or hung.
    int runToEnd(const QStringList &arguments, int timeoutMs = 60000)
    {
        start(arguments);
        if (!m_process.waitForFinished(timeoutMs) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        return m_process.exitCode();
    }

private:
    Q_DISABLE_COPY(ProgramProcess)
    QString m_path;
    QProcess m_process;
    QByteArray m_log;
};
