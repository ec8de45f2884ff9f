// Built in the ThreadSanitizer build only. Two deliberate races of the kind
// the suite's code could have: the test passes only when the sanitizer
// reports them, which shows that the suppressions and the Qt wrappers hide
// nothing of the suite's own code.
#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

int plainCounter = 0;      // written by a thread, read by the main thread, no lock
int afterPosting = 0;      // written after a queued call was posted, read by it

class Writer final : public QThread
{
public:
    explicit Writer(QObject *receiver)
        : m_receiver(receiver)
    {
    }

protected:
    void run() override
    {
        for (int i = 0; i < 1000; ++i)
            ++plainCounter;
        // The queued call is ordered after what came before posting it,
        // not after what comes later.
        QMetaObject::invokeMethod(m_receiver, [] { std::printf("read %d\n", afterPosting); }, Qt::QueuedConnection);
        afterPosting = 1;
    }

private:
    QObject *m_receiver;
};

// A class of the suite, as every receiver of the suite's queued calls is.
class Receiver final : public QObject
{
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Receiver receiver;
    Writer writer(&receiver);
    writer.start();
    int seen = 0;
    for (int i = 0; i < 1000; ++i)
        seen += plainCounter;
    QTimer::singleShot(200, &app, &QCoreApplication::quit);
    app.exec();
    writer.wait();
    std::printf("seen %d\n", seen);
    return 0;
}
