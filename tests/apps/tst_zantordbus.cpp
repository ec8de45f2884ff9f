// The D-Bus interface of the real program on a private session bus: a call
// starts zantor through the service file of the build tree, each method and
// signal works once against nginx, and bad calls get named errors without
// leaving a task behind.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <sys/types.h>

#include "appsettings.h"
#include "nginxfixture.h"
#include "testsupport.h"

namespace {
const QString Service = QStringLiteral("org.zantor.Zantor");
const QString Path = QStringLiteral("/org/zantor/Zantor");
const QString Interface = QStringLiteral("org.zantor.Zantor1");
const QString ErrorPrefix = QStringLiteral("org.zantor.Zantor1.Error.");

struct Task
{
    qlonglong id = 0;
    QString url;
    int state = 0;
    QString savePath;
    qlonglong completed = 0;
    qlonglong size = 0;
};

const QDBusArgument &operator>>(const QDBusArgument &argument, Task &task)
{
    argument.beginStructure();
    argument >> task.id >> task.url >> task.state >> task.savePath >> task.completed >> task.size;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const Task &task)
{
    argument.beginStructure();
    argument << task.id << task.url << task.state << task.savePath << task.completed << task.size;
    argument.endStructure();
    return argument;
}
} // namespace

Q_DECLARE_METATYPE(Task)
Q_DECLARE_METATYPE(QList<Task>)

// Records the interface's signals as they arrive.
class SignalLog : public QObject
{
    Q_OBJECT
public:
    QList<qlonglong> added;
    QList<QPair<qlonglong, int>> changed;
    QList<QVariantList> finished;

public slots:
    void taskAdded(qlonglong id) { added << id; }
    void taskStateChanged(qlonglong id, int state) { changed << qMakePair(id, state); }
    void taskFinished(qlonglong id, bool ok, const QString &reason) { finished << QVariantList{id, ok, reason}; }
};

class TestZantorDBus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void callStartsZantorAndIsIntrospectable();
    void methodsAndSignals();
    void badCallsGetNamedErrors_data();
    void badCallsGetNamedErrors();

private:
    QDBusMessage call(const QString &method, const QVariantList &arguments);
    QList<Task> listTasks();
    int runGdbus(const QStringList &arguments, QByteArray *output);

    QTemporaryDir m_busDir;
    QTemporaryDir m_root;
    QTemporaryDir m_downloads;
    QString m_address;
    QProcess m_daemon;
    NginxFixture m_nginx;
    QByteArray m_data;
    SignalLog m_signals;
};

void TestZantorDBus::initTestCase()
{
    qDBusRegisterMetaType<Task>();
    qDBusRegisterMetaType<QList<Task>>();
    const QString daemon = TestSupport::findProgram(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty() || TestSupport::findProgram(QStringLiteral("gdbus")).isEmpty())
        QSKIP("dbus-daemon or gdbus is not installed");
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");

    m_data = QByteArray(700 * 1024, 'z');
    for (int i = 0; i < m_data.size(); i += 97)
        m_data[i] = char(i * 7);
    QFile file(m_root.filePath(QStringLiteral("file.bin")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(m_data);
    file.close();
    QVERIFY2(m_nginx.start(m_root.path(), "location /crawl/ { limit_rate 20k; alias " + m_root.path() + "/; }"),
             qPrintable(m_nginx.errorString()));

    // The program the bus starts shares this test's home and settings.
    AppSettings::setFlag(SettingsKeys::AutoUpdateFlag, false);
    AppSettings::setDownloadedTo(m_downloads.path());

    // A private session bus whose services are those of the build tree.
    const QString socket = m_busDir.filePath(QStringLiteral("bus"));
    m_address = QStringLiteral("unix:path=") + socket;
    const QString services = QDir::cleanPath(TestSupport::binDir() + QStringLiteral("/../share/dbus-1/services"));
    QVERIFY(QFile::exists(services + QStringLiteral("/org.zantor.Zantor.service")));
    QFile config(m_busDir.filePath(QStringLiteral("session.conf")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                                " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                                "<busconfig><type>session</type><listen>%1</listen>"
                                "<servicedir>%2</servicedir>"
                                "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n")
                     .arg(m_address, services)
                     .toUtf8());
    config.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ZANTOR_HOME_URL"), QStringLiteral("http://127.0.0.1:9"));
    m_daemon.setProcessEnvironment(env);
    m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_daemon.start(daemon, {QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                            QStringLiteral("--config-file=") + config.fileName()});
    QVERIFY(m_daemon.waitForStarted());
    QTRY_VERIFY(QFile::exists(socket));
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toUtf8());

    QDBusConnection bus = QDBusConnection::connectToBus(m_address, QStringLiteral("private"));
    QVERIFY(bus.isConnected());
    QVERIFY(bus.connect(Service, Path, Interface, "TaskAdded", &m_signals, SLOT(taskAdded(qlonglong))));
    QVERIFY(bus.connect(Service, Path, Interface, "TaskStateChanged", &m_signals,
                        SLOT(taskStateChanged(qlonglong, int))));
    QVERIFY(bus.connect(Service, Path, Interface, "TaskFinished", &m_signals,
                        SLOT(taskFinished(qlonglong, bool, QString))));
}

void TestZantorDBus::cleanupTestCase()
{
    // The program the bus started ends as it does at log-out; the bus
    // reaps it, and nothing is left running.
    QDBusConnection bus = QDBusConnection(QStringLiteral("private"));
    if (bus.isConnected() && bus.interface()->isServiceRegistered(Service)) {
        const pid_t pid = pid_t(bus.interface()->servicePid(Service).value());
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            QTRY_VERIFY_WITH_TIMEOUT(!bus.interface()->isServiceRegistered(Service), 15000);
            QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(QStringLiteral("/proc/%1").arg(pid)), 10000);
        }
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("private"));
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        m_daemon.waitForFinished(5000);
    }
}

int TestZantorDBus::runGdbus(const QStringList &arguments, QByteArray *output)
{
    QProcess gdbus;
    gdbus.start(QStringLiteral("gdbus"), arguments);
    if (!gdbus.waitForFinished(30000))
        return -1;
    *output = gdbus.readAllStandardOutput() + gdbus.readAllStandardError();
    return gdbus.exitCode();
}

QDBusMessage TestZantorDBus::call(const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(Service, Path, Interface, method);
    message.setArguments(arguments);
    return QDBusConnection(QStringLiteral("private")).call(message, QDBus::Block, 30000);
}

QList<Task> TestZantorDBus::listTasks()
{
    const QDBusMessage reply = call(QStringLiteral("ListTasks"), {});
    if (reply.type() != QDBusMessage::ReplyMessage)
        return {};
    return qdbus_cast<QList<Task>>(reply.arguments().first());
}

void TestZantorDBus::callStartsZantorAndIsIntrospectable()
{
    QDBusConnection bus(QStringLiteral("private"));
    QVERIFY(!bus.interface()->isServiceRegistered(Service));
    // The command a person types: the bus starts zantor for it.
    QByteArray output;
    QCOMPARE(runGdbus({"call", "--session", "--dest", Service, "--object-path", Path, "--method",
                       Interface + ".ListTasks"},
                      &output),
             0);
    QVERIFY2(output.contains("[]"), output.constData());
    QVERIFY(bus.interface()->isServiceRegistered(Service));

    QCOMPARE(runGdbus({"introspect", "--session", "--dest", Service, "--object-path", Path}, &output), 0);
    for (const char *part : {"interface org.zantor.Zantor1", "AddUrl(in  s url,", "in  a{sv} options",
                             "out x", "ListTasks(out a(xsisxx)", "Pause(in  x id)", "Resume(in  x id)",
                             "Remove(in  x id,", "in  b deleteFiles", "SetMaxActiveDownloads(in  i n)",
                             "TaskAdded(x id)", "TaskStateChanged(x id,", "TaskFinished(x id,"})
        QVERIFY2(output.contains(part), part);
}

void TestZantorDBus::methodsAndSignals()
{
    const QString url = m_nginx.url(QStringLiteral("/file.bin"));
    // AddUrl: listed, started, finished, the same bytes.
    QDBusMessage reply = call(QStringLiteral("AddUrl"),
                              {url, QVariant::fromValue(QVariantMap{{"savePath", m_downloads.path()},
                                                                    {"referrer", "http://127.0.0.1/page"},
                                                                    {"speedLimit", 2048}})});
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    const qlonglong id = reply.arguments().first().toLongLong();
    QVERIFY(id > 0);
    QTRY_VERIFY(m_signals.added.contains(id));
    QTRY_VERIFY_WITH_TIMEOUT(m_signals.finished.contains(QVariantList({id, true, QString()})), 30000);
    QVERIFY(m_signals.changed.contains(qMakePair(id, 5)));
    const QString path = QDir(m_downloads.path()).filePath(QStringLiteral("file.bin"));
    QFile done(path);
    QVERIFY(done.open(QIODevice::ReadOnly));
    QCOMPARE(done.readAll(), m_data);

    // ListTasks: what the record holds.
    QList<Task> tasks = listTasks();
    QCOMPARE(tasks.size(), 1);
    QCOMPARE(tasks[0].id, id);
    QCOMPARE(tasks[0].url, url);
    QCOMPARE(tasks[0].state, 5);
    QCOMPARE(tasks[0].savePath, path);
    QCOMPARE(tasks[0].completed, qlonglong(m_data.size()));
    QCOMPARE(tasks[0].size, qlonglong(m_data.size()));

    // Added without starting: stopped, with its size unknown.
    const QString slowPath = m_downloads.filePath(QStringLiteral("slow.bin"));
    reply = call(QStringLiteral("AddUrl"), {m_nginx.url(QStringLiteral("/crawl/file.bin")),
                                            QVariant::fromValue(QVariantMap{{"savePath", slowPath},
                                                                            {"start", false}})});
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    const qlonglong slow = reply.arguments().first().toLongLong();
    tasks = listTasks();
    QCOMPARE(tasks.size(), 2);
    QCOMPARE(tasks[1].id, slow);
    QCOMPARE(tasks[1].state, 4);
    QCOMPARE(tasks[1].size, qlonglong(-1));

    // Resume, then Pause: the record and the signals follow.
    QCOMPARE(call(QStringLiteral("Resume"), {slow}).type(), QDBusMessage::ReplyMessage);
    QTRY_VERIFY(m_signals.changed.contains(qMakePair(slow, 1)));
    QTRY_VERIFY_WITH_TIMEOUT(listTasks().value(1).completed > 0, 15000);
    QCOMPARE(call(QStringLiteral("Pause"), {slow}).type(), QDBusMessage::ReplyMessage);
    QTRY_VERIFY(m_signals.changed.contains(qMakePair(slow, 3)));
    QTRY_COMPARE(listTasks().value(1).state, 3);

    QCOMPARE(call(QStringLiteral("SetMaxActiveDownloads"), {3}).type(), QDBusMessage::ReplyMessage);
    QTRY_COMPARE(AppSettings::maxActiveDownloads(), 3);

    // A link the server does not have: the task fails and says why.
    reply = call(QStringLiteral("AddUrl"),
                 {m_nginx.url(QStringLiteral("/missing.bin")), QVariant::fromValue(QVariantMap())});
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    const qlonglong missing = reply.arguments().first().toLongLong();
    QTRY_VERIFY_WITH_TIMEOUT(std::any_of(m_signals.finished.cbegin(), m_signals.finished.cend(),
                                         [missing](const QVariantList &f) {
                                             return f[0].toLongLong() == missing && !f[1].toBool()
                                                 && !f[2].toString().isEmpty();
                                         }),
                             20000);
    QVERIFY(m_signals.changed.contains(qMakePair(missing, 7)));
    QCOMPARE(call(QStringLiteral("Remove"), {missing, false}).type(), QDBusMessage::ReplyMessage);

    // Remove with its files: gone from the list and from the disk.
    QCOMPARE(call(QStringLiteral("Remove"), {slow, true}).type(), QDBusMessage::ReplyMessage);
    QCOMPARE(listTasks().size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(slowPath), 15000);
    QCOMPARE(call(QStringLiteral("Remove"), {id, false}).type(), QDBusMessage::ReplyMessage);
    QVERIFY(listTasks().isEmpty());
    QVERIFY(QFile::exists(path));
}

void TestZantorDBus::badCallsGetNamedErrors_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QString>("error");

    const auto options = [](const QVariantMap &map) { return QVariant::fromValue(map); };
    const QString url = m_nginx.url(QStringLiteral("/file.bin"));
    const QString unknown = ErrorPrefix + QStringLiteral("UnknownTask");
    const QString badUrl = ErrorPrefix + QStringLiteral("InvalidUrl");
    const QString badPath = ErrorPrefix + QStringLiteral("InvalidSavePath");
    const QString badArgument = ErrorPrefix + QStringLiteral("InvalidArgument");
    const qlonglong none = 4242;

    QTest::newRow("pause unknown id") << "Pause" << QVariantList{none} << unknown;
    QTest::newRow("resume unknown id") << "Resume" << QVariantList{none} << unknown;
    QTest::newRow("remove unknown id") << "Remove" << QVariantList{none, true} << unknown;
    QTest::newRow("not a link") << "AddUrl" << QVariantList{"hello", options({})} << badUrl;
    QTest::newRow("empty link") << "AddUrl" << QVariantList{"", options({})} << badUrl;
    QTest::newRow("local file") << "AddUrl" << QVariantList{"file:///etc/passwd", options({})} << badUrl;
    QTest::newRow("script link") << "AddUrl" << QVariantList{"javascript:alert(1)", options({})} << badUrl;
    QTest::newRow("no host") << "AddUrl" << QVariantList{"http:///file.bin", options({})} << badUrl;
    QTest::newRow("missing folder")
        << "AddUrl" << QVariantList{url, options({{"savePath", "/nonexistent-zantor/x/file.bin"}})} << badPath;
    QTest::newRow("relative path") << "AddUrl" << QVariantList{url, options({{"savePath", "downloads/f.bin"}})}
                                   << badPath;
    QTest::newRow("file exists")
        << "AddUrl" << QVariantList{url, options({{"savePath", m_root.filePath("file.bin")}})} << badPath;
    QTest::newRow("unknown option") << "AddUrl" << QVariantList{url, options({{"colour", "red"}})} << badArgument;
    QTest::newRow("option of wrong type") << "AddUrl" << QVariantList{url, options({{"start", "yes"}})}
                                          << badArgument;
    QTest::newRow("negative speed") << "AddUrl" << QVariantList{url, options({{"speedLimit", -1}})} << badArgument;
    QTest::newRow("negative limit") << "SetMaxActiveDownloads" << QVariantList{-1} << badArgument;
    QTest::newRow("limit too high") << "SetMaxActiveDownloads" << QVariantList{100000} << badArgument;
    QTest::newRow("wrong signature") << "AddUrl" << QVariantList{7} << "org.freedesktop.DBus.Error.UnknownMethod";
}

void TestZantorDBus::badCallsGetNamedErrors()
{
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(QString, error);
    const int before = listTasks().size();
    const QDBusMessage reply = call(method, arguments);
    QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
    QCOMPARE(reply.errorName(), error);
    QVERIFY(!reply.errorMessage().isEmpty());
    // Nothing half made, and the program still answers.
    QCOMPARE(listTasks().size(), before);
    QVERIFY(QDBusConnection(QStringLiteral("private")).interface()->isServiceRegistered(Service));
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestZantorDBus test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zantordbus.moc"
