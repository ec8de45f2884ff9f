#include "nginxfixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QTcpSocket>
#include <QThread>

#include "testsupport.h"

#include <unistd.h>

NginxFixture::NginxFixture() = default;

NginxFixture::~NginxFixture()
{
    stop();
}

QString NginxFixture::program()
{
    if (QFile::exists(QStringLiteral("/usr/sbin/nginx")))
        return QStringLiteral("/usr/sbin/nginx");
    return TestSupport::findProgram(QStringLiteral("nginx"));
}

QString NginxFixture::prefixPath() const
{
    return m_prefix ? m_prefix->path() : QString();
}

QString NginxFixture::url(const QString &path) const
{
    QString p = path;
    if (!p.startsWith(QLatin1Char('/')))
        p.prepend(QLatin1Char('/'));
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(p);
}

bool NginxFixture::isRunning() const
{
    return m_process.state() == QProcess::Running;
}

static bool portAnswers(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(200);
}

bool NginxFixture::start(const QString &root, const QString &extraServerConfig)
{
    stop();
    m_error.clear();
    const QString nginx = program();
    if (nginx.isEmpty()) {
        m_error = QStringLiteral("nginx is not installed");
        return false;
    }
    m_prefix = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/zantor-nginx-XXXXXX"));
    if (!m_prefix->isValid()) {
        m_error = QStringLiteral("cannot create a temporary folder");
        return false;
    }
    const QString prefix = m_prefix->path();
    QDir(prefix).mkpath(QStringLiteral("logs"));
    QDir(prefix).mkpath(QStringLiteral("tmp"));

    // A port may be taken between the probe and nginx's bind: try a few.
    for (int attempt = 0; attempt < 5; ++attempt) {
        m_port = TestSupport::freeLocalPort();
        // Started by root, nginx would hand its workers to an unprivileged
        // user that cannot read a private temporary folder.
        const QString user = ::geteuid() == 0 ? QStringLiteral("user root;\n") : QString();
        const QString conf = user + QStringLiteral(
            "worker_processes 1;\n"
            "error_log %1/logs/error.log warn;\n"
            "pid %1/logs/nginx.pid;\n"
            "events { worker_connections 256; }\n"
            "http {\n"
            "  access_log %1/logs/access.log;\n"
            "  client_body_temp_path %1/tmp/body;\n"
            "  proxy_temp_path %1/tmp/proxy;\n"
            "  fastcgi_temp_path %1/tmp/fastcgi;\n"
            "  uwsgi_temp_path %1/tmp/uwsgi;\n"
            "  scgi_temp_path %1/tmp/scgi;\n"
            "  default_type application/octet-stream;\n"
            "  sendfile on;\n"
            "  keepalive_timeout 30;\n"
            "%5\n"
            "  server {\n"
            "    listen 127.0.0.1:%2;\n"
            "    server_name localhost;\n"
            "    root %3;\n"
            "%4\n"
            "  }\n"
            "}\n")
                                 .arg(prefix)
                                 .arg(m_port)
                                 .arg(QDir(root).absolutePath(), extraServerConfig, m_httpConfig);
        QFile file(prefix + QStringLiteral("/nginx.conf"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            m_error = QStringLiteral("cannot write the nginx configuration");
            return false;
        }
        file.write(conf.toUtf8());
        file.close();

        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(nginx, {QStringLiteral("-p"), prefix, QStringLiteral("-c"), file.fileName(),
                                QStringLiteral("-g"), QStringLiteral("daemon off;")});
        if (!m_process.waitForStarted(5000)) {
            m_error = QStringLiteral("nginx did not start: ") + m_process.errorString();
            return false;
        }
        QDeadlineTimer deadline(5000);
        while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
            if (portAnswers(m_port))
                return true;
            QThread::msleep(20);
        }
        m_error = QString::fromLocal8Bit(m_process.readAll());
        stop();
    }
    if (m_error.isEmpty())
        m_error = QStringLiteral("nginx did not come up");
    return false;
}

bool NginxFixture::restart()
{
    if (!m_prefix || isRunning())
        return isRunning();
    const QString prefix = m_prefix->path();
    m_process.start(program(), {QStringLiteral("-p"), prefix, QStringLiteral("-c"), prefix + QStringLiteral("/nginx.conf"),
                                QStringLiteral("-g"), QStringLiteral("daemon off;")});
    if (!m_process.waitForStarted(5000))
        return false;
    // The old listening socket may linger a moment after the stop.
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (m_process.state() != QProcess::Running) {
            m_process.start(program(), m_process.arguments());
            if (!m_process.waitForStarted(5000))
                return false;
        }
        if (portAnswers(m_port))
            return true;
        QThread::msleep(50);
    }
    return false;
}

void NginxFixture::stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(2000);
        }
    }
}
