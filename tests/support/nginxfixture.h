#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A real nginx serving a folder on 127.0.0.1 at a port chosen at run time.
// Runs in the foreground as a child process with its own prefix, so logs,
// pid and temp files stay in a throw-away folder. Stopped by the destructor.
class NginxFixture final
{
    Q_DISABLE_COPY(NginxFixture)

public:
    NginxFixture();
    ~NginxFixture();

    // Path of the nginx program, or empty when this machine has none.
    static QString program();

    // Serves root (files as they are, byte ranges included). extraServerConfig
    // is placed inside the server block (for example "limit_rate 4m;" or
    // "location /r { return 302 /file; }"). Returns false when nginx is
    // missing or did not come up; errorString() says why.
    bool start(const QString &root, const QString &extraServerConfig = {});
    // Placed in the http block before the server (for example a
    // "log_format"); set before start().
    void setHttpConfig(const QString &config) { m_httpConfig = config; }
    void stop();
    // Brings a stopped server up again with the same configuration on the
    // same port (an outage ends); false when it did not come back.
    bool restart();

    bool isRunning() const;
    quint16 port() const { return m_port; }
    QString url(const QString &path) const;
    QString errorString() const { return m_error; }
    QString prefixPath() const;

private:
    std::unique_ptr<QTemporaryDir> m_prefix;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
    QString m_httpConfig;
};
