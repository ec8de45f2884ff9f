#include <QElapsedTimer>
#include <QScriptContext>
#include <QScriptEngine>
#include <QtTest>

#include "httpscriptclass.h"
#include "loopbackserver.h"
#include "scriptwatchdog.h"
#include "testsupport.h"

namespace {

// A blocking host call as a page download makes it: waits while processing
// events, and tells the watchdog so.
QScriptValue blockFor(QScriptContext *context, QScriptEngine *engine)
{
    const ScriptWatchdog::WaitGuard guard(engine);
    QElapsedTimer clock;
    clock.start();
    const int ms = context->argument(0).toInt32();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return QScriptValue(true);
}

} // namespace

// The running-time bound on scripts, with short bounds so the cases stay
// quick; the plugin host's ten-second bound is exercised once elsewhere.
class TestScriptWatchdog : public QObject
{
    Q_OBJECT

private slots:
    void bound_data();
    void bound();
    void overallBoundEndsWait_data();
    void overallBoundEndsWait();
};

void TestScriptWatchdog::bound_data()
{
    QTest::addColumn<int>("limitMs");
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("aborted");

    const QString spin = QStringLiteral("function spin(ms) { var t = Date.now(); while (Date.now() - t < ms) {} }\n");
    QTest::newRow("endless loop") << 400 << spin + "while (true) {}" << true;
    QTest::newRow("endless loop in a function") << 400 << spin + "function f() { for (;;) {} } f();" << true;
    QTest::newRow("quick script") << 400 << spin + "var x = 0; for (var i = 0; i < 1000; ++i) x += i; 'done'"
                                  << false;
    QTest::newRow("work split by waits is summed") << 600 << spin + "spin(400); blockFor(50); spin(900); 'done'"
                                                   << true;
    QTest::newRow("short work between waits") << 600 << spin + "spin(200); blockFor(50); spin(200); 'done'" << false;
    QTest::newRow("loop of calls that end at once") << 400 << spin + "for (;;) blockFor(0);" << true;
    QTest::newRow("long wait is not running time") << 300 << spin + "blockFor(900); 'done'" << false;
    QTest::newRow("loop after a wait") << 400 << spin + "blockFor(50); while (true) {}" << true;
}

void TestScriptWatchdog::bound()
{
    QFETCH(int, limitMs);
    QFETCH(QString, script);
    QFETCH(bool, aborted);

    QScriptEngine engine;
    engine.globalObject().setProperty(QStringLiteral("blockFor"), engine.newFunction(&blockFor));
    const ScriptWatchdog watchdog(&engine, limitMs);
    QElapsedTimer clock;
    clock.start();
    const QScriptValue result = engine.evaluate(script);
    QCOMPARE(watchdog.hasAborted(), aborted);
    if (aborted) {
        QVERIFY(clock.elapsed() >= limitMs);
        QVERIFY(watchdog.reason().contains(QLatin1String("ran for more than")));
    } else {
        QCOMPARE(result.toString(), QStringLiteral("done"));
        QVERIFY(watchdog.reason().isEmpty());
    }
}

void TestScriptWatchdog::overallBoundEndsWait_data()
{
    QTest::addColumn<QString>("script");
    QTest::newRow("one endless wait") << "new Http().downloadWebpage('%SILENT%'); 'done'";
    QTest::newRow("waits one after another") << "var h = new Http(); h.setTimeOut(1);"
                                                "for (;;) h.downloadWebpage('%SILENT%'); 'done'";
}

void TestScriptWatchdog::overallBoundEndsWait()
{
    // A server that never answers keeps the script waiting; the bound of the
    // whole call ends the wait in progress and the script with it.
    QFETCH(QString, script);
    LoopbackServer server;
    QVERIFY(server.start());
    server.route("/silent", [](const LoopbackServer::Request &) {
        LoopbackServer::Response response;
        response.silent = true;
        return response;
    });
    script.replace(QLatin1String("%SILENT%"), server.url(QStringLiteral("/silent")));

    QScriptEngine engine;
    HttpScriptClass httpClass(&engine);
    const int overallMs = 2500;
    QElapsedTimer clock;
    clock.start();
    {
        const ScriptWatchdog watchdog(&engine, 10000, overallMs);
        const QScriptValue result = engine.evaluate(script);
        QVERIFY(watchdog.hasAborted());
        QVERIFY2(watchdog.reason().contains(QLatin1String("plugin call")), qPrintable(watchdog.reason()));
        QVERIFY(result.toString() != QLatin1String("done"));
        // Another page download of the stopped script returns at once.
        QVERIFY(ScriptWatchdog::hasStopped(&engine));
    }
    engine.collectGarbage();
    const qint64 elapsed = clock.elapsed();
    QVERIFY(elapsed >= overallMs);
    QVERIFY2(elapsed < overallMs + 5000, qPrintable(QString::number(elapsed)));
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestScriptWatchdog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scriptwatchdog.moc"
