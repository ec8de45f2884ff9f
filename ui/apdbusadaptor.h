#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

class MainWindow;

// One task as ListTasks reports it: (id, URL, stored State, save path,
// completed bytes, size or -1).
struct ApDBusTask
{
    qlonglong id = 0;
    QString url;
    int state = 0;
    QString savePath;
    qlonglong completed = 0;
    qlonglong size = -1;
};
Q_DECLARE_METATYPE(ApDBusTask)
Q_DECLARE_METATYPE(QList<ApDBusTask>)

QDBusArgument &operator<<(QDBusArgument &argument, const ApDBusTask &task);
const QDBusArgument &operator>>(const QDBusArgument &argument, ApDBusTask &task);

// The session bus interface org.zantor.Zantor1 on /org/zantor/Zantor. Every
// method calls the window's own entry point, so a download added here takes
// the same path as one added in the window. Bad input is answered with a
// named error; nothing is half made.
class ApDBusAdaptor final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.zantor.Zantor1")

public:
    static const QString ServiceName;
    static const QString ObjectPath;
    static const QString InterfaceName;

    ApDBusAdaptor(MainWindow *window, const QDBusConnection &bus);

    // Registers the object and claims the service name on the bus; false
    // when there is no bus or the name belongs to another program.
    static bool publish(MainWindow *window, QDBusConnection bus);

    // Each method also takes the call itself (not part of the interface),
    // to answer it with an error.
public slots:
    qlonglong AddUrl(const QString &url, const QVariantMap &options, const QDBusMessage &call);
    QList<ApDBusTask> ListTasks();
    void Pause(qlonglong id, const QDBusMessage &call);
    void Resume(qlonglong id, const QDBusMessage &call);
    void Remove(qlonglong id, bool deleteFiles, const QDBusMessage &call);
    void SetMaxActiveDownloads(int n, const QDBusMessage &call);

signals:
    void TaskAdded(qlonglong id);
    void TaskStateChanged(qlonglong id, int state);
    void TaskFinished(qlonglong id, bool ok, const QString &reason);

private:
    // Sends the error of a failed request; false when it failed.
    template<typename Result>
    bool answer(const Result &result, const QDBusMessage &call);

    MainWindow *m_window;
    QDBusConnection m_bus;

    Q_DISABLE_COPY(ApDBusAdaptor)
};
