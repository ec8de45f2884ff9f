#include <QtTest>

#include "testsupport.h"

class TestTvocr : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void writesReport_data();
    void writesReport();
    void badArguments_data();
    void badArguments();

private:
    // Where the report program, which runs without test paths, keeps reports.
    QString crashFolder() const
    {
        return qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Zantor/zantor/crash");
    }
    int run(const QStringList &arguments, QByteArray *output = nullptr);
};

void TestTvocr::initTestCase()
{
    TestSupport::isolateUserFolders();
}

void TestTvocr::init()
{
    QDir(crashFolder()).removeRecursively();
}

int TestTvocr::run(const QStringList &arguments, QByteArray *output)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TVOCR_PATH), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitCode();
}

void TestTvocr::writesReport_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("divide") << "EXCEPTION_INT_DIVIDE_BY_ZERO";
    QTest::newRow("unknown") << "EXCEPTION_UNKNOWN";
}

void TestTvocr::writesReport()
{
    QFETCH(QString, name);

    QByteArray output;
    QCOMPARE(run({QStringLiteral("/crash-tarvo"), name}, &output), 0);
    const QStringList reports = QDir(crashFolder()).entryList(QDir::Files);
    QCOMPARE(reports.size(), 1);
    QCOMPARE(QString::fromLocal8Bit(output).trimmed(), crashFolder() + QLatin1Char('/') + reports.first());

    QFile file(crashFolder() + QLatin1Char('/') + reports.first());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.contains(QStringLiteral("Exception: ") + name + QLatin1Char('\n')));
    QVERIFY(text.contains(QStringLiteral("Program: Zantor 1.4.4\n")));
    const QString time = text.section(QStringLiteral("Time: "), 1).section(QLatin1Char('\n'), 0, 0);
    const QDateTime when = QDateTime::fromString(time, Qt::ISODateWithMs);
    QVERIFY2(when.isValid(), qPrintable(time));
    QVERIFY(qAbs(when.secsTo(QDateTime::currentDateTime())) < 600);
}

void TestTvocr::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList{};
    QTest::newRow("no name") << QStringList{"/crash-tarvo"};
    QTest::newRow("empty name") << QStringList{"/crash-tarvo", ""};
    QTest::newRow("other word") << QStringList{"/crash", "EXCEPTION_UNKNOWN"};
}

void TestTvocr::badArguments()
{
    QFETCH(QStringList, arguments);
    QCOMPARE(run(arguments), 2);
    QVERIFY(!QFileInfo::exists(crashFolder()));
}

QTEST_GUILESS_MAIN(TestTvocr)
#include "tst_tvocr.moc"
