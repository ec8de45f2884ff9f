#include <QtTest>

#include <csignal>

#include "crashhandler.h"
#include "testsupport.h"

class TestCrashHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exceptionName_data();
    void exceptionName();
    void exceptionCode_data();
    void exceptionCode();
    void reportProgramPath();
    void crashStartsReportProgram_data();
    void crashStartsReportProgram();
    void missingReportProgramEndsQuietly();

private:
    // Copies the test child into a fresh folder, optionally with a stand-in
    // report program that records its arguments and working folder.
    QString prepareFolder(QTemporaryDir &dir, bool withReporter);
};

void TestCrashHandler::initTestCase()
{
    TestSupport::isolateUserFolders();
}

void TestCrashHandler::exceptionName_data()
{
    QTest::addColumn<quint32>("code");
    QTest::addColumn<QString>("name");

    QTest::newRow("misalignment") << 0x80000002u << "EXCEPTION_DATATYPE_MISALIGNMENT";
    QTest::newRow("breakpoint") << 0x80000003u << "EXCEPTION_BREAKPOINT";
    QTest::newRow("single step") << 0x80000004u << "EXCEPTION_SINGLE_STEP";
    QTest::newRow("access") << 0xC0000005u << "EXCEPTION_ACCESS_VIOLATION";
    QTest::newRow("in page") << 0xC0000006u << "EXCEPTION_IN_PAGE_ERROR";
    QTest::newRow("illegal") << 0xC000001Du << "EXCEPTION_ILLEGAL_INSTRUCTION";
    QTest::newRow("noncontinuable") << 0xC0000025u << "EXCEPTION_NONCONTINUABLE_EXCEPTION";
    QTest::newRow("disposition") << 0xC0000026u << "EXCEPTION_INVALID_DISPOSITION";
    QTest::newRow("bounds") << 0xC000008Cu << "EXCEPTION_ARRAY_BOUNDS_EXCEEDED";
    QTest::newRow("denormal") << 0xC000008Du << "EXCEPTION_FLT_DENORMAL_OPERAND";
    QTest::newRow("flt divide") << 0xC000008Eu << "EXCEPTION_FLT_DIVIDE_BY_ZERO";
    QTest::newRow("inexact") << 0xC000008Fu << "EXCEPTION_FLT_INEXACT_RESULT";
    QTest::newRow("invalid op") << 0xC0000090u << "EXCEPTION_FLT_INVALID_OPERATION";
    QTest::newRow("flt overflow") << 0xC0000091u << "EXCEPTION_FLT_OVERFLOW";
    QTest::newRow("flt stack") << 0xC0000092u << "EXCEPTION_FLT_STACK_CHECK";
    QTest::newRow("underflow") << 0xC0000093u << "EXCEPTION_FLT_UNDERFLOW";
    QTest::newRow("int divide") << 0xC0000094u << "EXCEPTION_INT_DIVIDE_BY_ZERO";
    QTest::newRow("int overflow") << 0xC0000095u << "EXCEPTION_INT_OVERFLOW";
    QTest::newRow("privileged") << 0xC0000096u << "EXCEPTION_PRIV_INSTRUCTION";
    QTest::newRow("stack overflow") << 0xC00000FDu << "EXCEPTION_STACK_OVERFLOW";
    QTest::newRow("zero") << 0u << "EXCEPTION_UNKNOWN";
    QTest::newRow("near a known code") << 0xC0000007u << "EXCEPTION_UNKNOWN";
    QTest::newRow("all bits") << 0xFFFFFFFFu << "EXCEPTION_UNKNOWN";
}

void TestCrashHandler::exceptionName()
{
    QFETCH(quint32, code);
    QFETCH(QString, name);
    QCOMPARE(QString::fromLatin1(CrashHandler::exceptionName(code)), name);
}

void TestCrashHandler::exceptionCode_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<int>("signalCode");
    QTest::addColumn<bool>("inStackGuard");
    QTest::addColumn<quint32>("code");

    QTest::newRow("segv maperr") << SIGSEGV << int(SEGV_MAPERR) << false << 0xC0000005u;
    QTest::newRow("segv accerr") << SIGSEGV << int(SEGV_ACCERR) << false << 0xC0000005u;
    QTest::newRow("segv in guard") << SIGSEGV << int(SEGV_MAPERR) << true << 0xC00000FDu;
    QTest::newRow("fpe intdiv") << SIGFPE << int(FPE_INTDIV) << false << 0xC0000094u;
    QTest::newRow("fpe intovf") << SIGFPE << int(FPE_INTOVF) << false << 0xC0000095u;
    QTest::newRow("fpe fltdiv") << SIGFPE << int(FPE_FLTDIV) << false << 0xC000008Eu;
    QTest::newRow("fpe fltinv") << SIGFPE << int(FPE_FLTINV) << false << 0xC0000090u;
    QTest::newRow("fpe sent") << SIGFPE << int(SI_TKILL) << false << 0u;
    QTest::newRow("fpe guard flag ignored") << SIGFPE << int(FPE_INTDIV) << true << 0xC0000094u;
    QTest::newRow("ill opcode") << SIGILL << int(ILL_ILLOPC) << false << 0xC000001Du;
    QTest::newRow("ill privileged") << SIGILL << int(ILL_PRVOPC) << false << 0xC0000096u;
    QTest::newRow("bus align") << SIGBUS << int(BUS_ADRALN) << false << 0x80000002u;
    QTest::newRow("bus address") << SIGBUS << int(BUS_ADRERR) << false << 0xC0000006u;
    QTest::newRow("trap breakpoint") << SIGTRAP << int(TRAP_BRKPT) << false << 0x80000003u;
    QTest::newRow("trap trace") << SIGTRAP << int(TRAP_TRACE) << false << 0x80000004u;
    QTest::newRow("other signal") << SIGABRT << 0 << false << 0u;
}

void TestCrashHandler::exceptionCode()
{
    QFETCH(int, signalNumber);
    QFETCH(int, signalCode);
    QFETCH(bool, inStackGuard);
    QFETCH(quint32, code);
    QCOMPARE(CrashHandler::exceptionCode(signalNumber, signalCode, inStackGuard), code);
}

void TestCrashHandler::reportProgramPath()
{
    QVERIFY(CrashHandler::install(QStringLiteral("/opt/somewhere")));
    QCOMPARE(CrashHandler::reportProgramPath(), QStringLiteral("/opt/somewhere/tvocr"));
    QVERIFY(CrashHandler::install());
    QCOMPARE(CrashHandler::reportProgramPath(), QCoreApplication::applicationDirPath() + QStringLiteral("/tvocr"));
}

QString TestCrashHandler::prepareFolder(QTemporaryDir &dir, bool withReporter)
{
    if (!dir.isValid())
        return QString();
    const QString child = dir.filePath(QStringLiteral("corechild"));
    if (!QFile::copy(QStringLiteral(CORECHILD_PATH), child))
        return QString();
    if (withReporter) {
        QFile script(dir.filePath(QStringLiteral("tvocr")));
        if (!script.open(QIODevice::WriteOnly))
            return QString();
        script.write("#!/bin/sh\n"
                     "out=\"$(dirname \"$0\")/tvocr.args\"\n"
                     "{ printf '%s\\n' \"$@\"; pwd -P; } > \"$out.part\" && mv \"$out.part\" \"$out\"\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
    }
    return child;
}

void TestCrashHandler::crashStartsReportProgram_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<QString>("name");

    QTest::newRow("integer division by zero") << "divide" << SIGFPE << "EXCEPTION_INT_DIVIDE_BY_ZERO";
    QTest::newRow("stack overflow") << "overflow" << SIGSEGV << "EXCEPTION_STACK_OVERFLOW";
    QTest::newRow("stack overflow in a thread") << "thread-overflow" << SIGSEGV << "EXCEPTION_STACK_OVERFLOW";
    QTest::newRow("null pointer write") << "null" << SIGSEGV << "EXCEPTION_ACCESS_VIOLATION";
    QTest::newRow("breakpoint") << "breakpoint" << SIGTRAP << "EXCEPTION_BREAKPOINT";
    QTest::newRow("signal without a code") << "raise-fpe" << SIGFPE << "EXCEPTION_UNKNOWN";
    QTest::newRow("abort") << "abort" << SIGABRT << "EXCEPTION_UNKNOWN";
    QTest::newRow("uncaught exception") << "throw" << SIGABRT << "EXCEPTION_UNKNOWN";
    QTest::newRow("uncaught exception in a thread") << "thread-throw" << SIGABRT << "EXCEPTION_UNKNOWN";
}

void TestCrashHandler::crashStartsReportProgram()
{
    QFETCH(QString, kind);
    QFETCH(int, signalNumber);
    QFETCH(QString, name);

    QTemporaryDir dir;
    const QString child = prepareFolder(dir, true);
    QVERIFY(!child.isEmpty());

    QProcess process;
    process.setWorkingDirectory(QDir::tempPath());
    process.start(child, {QStringLiteral("crash"), kind});
    QVERIFY(process.waitForFinished(30000));
    // Ended by the handler, not killed by the signal.
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 128 + signalNumber);

    const QString record = dir.filePath(QStringLiteral("tvocr.args"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(record), 10000);
    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines, (QStringList{QStringLiteral("/crash-tarvo"), name, QDir(dir.path()).canonicalPath()}));
}

void TestCrashHandler::missingReportProgramEndsQuietly()
{
    QTemporaryDir dir;
    const QString child = prepareFolder(dir, false);
    QVERIFY(!child.isEmpty());

    QProcess process;
    process.start(child, {QStringLiteral("crash"), QStringLiteral("divide")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 128 + SIGFPE);
    QVERIFY(process.readAllStandardError().isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("corechild")});
}

QTEST_GUILESS_MAIN(TestCrashHandler)
#include "tst_crashhandler.moc"
