#include "apdbusadaptor.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>

#include "mainwindow.h"

const QString ApDBusAdaptor::ServiceName = QStringLiteral("org.zantor.Zantor");
const QString ApDBusAdaptor::ObjectPath = QStringLiteral("/org/zantor/Zantor");
const QString ApDBusAdaptor::InterfaceName = QStringLiteral("org.zantor.Zantor1");

namespace {

QString errorName(MainWindow::RequestError error)
{
    const QString prefix = QStringLiteral("org.zantor.Zantor1.Error.");
    switch (error) {
    case MainWindow::RequestError::UnknownTask: return prefix + QStringLiteral("UnknownTask");
    case MainWindow::RequestError::InvalidUrl: return prefix + QStringLiteral("InvalidUrl");
    case MainWindow::RequestError::InvalidSavePath: return prefix + QStringLiteral("InvalidSavePath");
    case MainWindow::RequestError::TaskBusy: return prefix + QStringLiteral("TaskBusy");
    case MainWindow::RequestError::InvalidArgument:
    case MainWindow::RequestError::None: break;
    }
    return prefix + QStringLiteral("InvalidArgument");
}

} // namespace

QDBusArgument &operator<<(QDBusArgument &argument, const ApDBusTask &task)
{
    argument.beginStructure();
    argument << task.id << task.url << task.state << task.savePath << task.completed << task.size;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, ApDBusTask &task)
{
    argument.beginStructure();
    argument >> task.id >> task.url >> task.state >> task.savePath >> task.completed >> task.size;
    argument.endStructure();
    return argument;
}

ApDBusAdaptor::ApDBusAdaptor(MainWindow *window, const QDBusConnection &bus)
    : QDBusAbstractAdaptor(window)
    , m_window(window)
    , m_bus(bus)
{
    qDBusRegisterMetaType<ApDBusTask>();
    qDBusRegisterMetaType<QList<ApDBusTask>>();
    setAutoRelaySignals(false);
    connect(window, &MainWindow::taskAdded, this, &ApDBusAdaptor::TaskAdded);
    connect(window, &MainWindow::taskStateChanged, this, &ApDBusAdaptor::TaskStateChanged);
    connect(window, &MainWindow::taskFinished, this, &ApDBusAdaptor::TaskFinished);
}

bool ApDBusAdaptor::publish(MainWindow *window, QDBusConnection bus)
{
    if (!bus.isConnected())
        return false;
    new ApDBusAdaptor(window, bus);
    if (!bus.registerObject(ObjectPath, window, QDBusConnection::ExportAdaptors))
        return false;
    if (!bus.registerService(ServiceName)) {
        bus.unregisterObject(ObjectPath);
        return false;
    }
    return true;
}

template<typename Result>
bool ApDBusAdaptor::answer(const Result &result, const QDBusMessage &call)
{
    if (result.ok())
        return true;
    // The error goes instead of the method's own reply.
    call.setDelayedReply(true);
    m_bus.send(call.createErrorReply(errorName(result.error), result.message));
    return false;
}

qlonglong ApDBusAdaptor::AddUrl(const QString &url, const QVariantMap &options, const QDBusMessage &call)
{
    MainWindow::DownloadRequest request;
    request.url = url;
    // Options are checked strictly: an unknown name or a value of the wrong
    // type is refused rather than quietly ignored.
    MainWindow::RequestResult bad;
    bad.error = MainWindow::RequestError::InvalidArgument;
    for (auto it = options.constBegin(); it != options.constEnd(); ++it) {
        const QVariant &value = it.value();
        const int type = value.userType();
        if (it.key() == QLatin1String("savePath") && type == QMetaType::QString) {
            request.savePath = value.toString();
        } else if (it.key() == QLatin1String("referrer") && type == QMetaType::QString) {
            request.referrer = value.toString();
        } else if (it.key() == QLatin1String("start") && type == QMetaType::Bool) {
            request.start = value.toBool();
        } else if (it.key() == QLatin1String("speedLimit") && type == QMetaType::Int) {
            request.speedLimitKiB = value.toInt();
        } else {
            bad.message = QStringLiteral("Unknown option or wrong type: \"%1\" (savePath s, referrer s, start b, "
                                         "speedLimit i).")
                              .arg(it.key());
            answer(bad, call);
            return 0;
        }
    }
    const MainWindow::RequestResult result = m_window->requestDownload(request);
    return answer(result, call) ? result.id : 0;
}

QList<ApDBusTask> ApDBusAdaptor::ListTasks()
{
    QList<ApDBusTask> tasks;
    for (const MainWindow::TaskSummary &summary : m_window->taskSummaries()) {
        ApDBusTask task;
        task.id = summary.id;
        task.url = summary.url;
        task.state = summary.state;
        task.savePath = summary.savePath;
        task.completed = summary.completed;
        task.size = summary.size;
        tasks << task;
    }
    return tasks;
}

void ApDBusAdaptor::Pause(qlonglong id, const QDBusMessage &call) { answer(m_window->pauseTask(id), call); }
void ApDBusAdaptor::Resume(qlonglong id, const QDBusMessage &call) { answer(m_window->resumeTask(id), call); }

void ApDBusAdaptor::Remove(qlonglong id, bool deleteFiles, const QDBusMessage &call)
{
    answer(m_window->removeTask(id, deleteFiles), call);
}

void ApDBusAdaptor::SetMaxActiveDownloads(int n, const QDBusMessage &call)
{
    answer(m_window->setMaxActiveDownloads(n), call);
}
