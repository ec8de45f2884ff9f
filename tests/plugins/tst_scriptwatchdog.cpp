#include <QElapsedTimer>
#include <QScriptContext>
#include <QScriptEngine>
#include <QtTest>

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
    QTest::newRow("work split by waits") << 600 << spin + "spin(400); blockFor(50); spin(400); 'done'" << false;
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
        QVERIFY(watchdog.reason().contains(QLatin1String("without yielding")));
    } else {
        QCOMPARE(result.toString(), QStringLiteral("done"));
        QVERIFY(watchdog.reason().isEmpty());
    }
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestScriptWatchdog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scriptwatchdog.moc"
