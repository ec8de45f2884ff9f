#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "filenamefunctions.h"
#include "testsupport.h"

class TestFileNameFunctions : public QObject
{
    Q_OBJECT

private slots:
    void uniqueFileName_data();
    void uniqueFileName();
    void uniqueFileNameMissingFolder();
    void sanitizeFileName_data();
    void sanitizeFileName();
    void isValidDownloadUrl_data();
    void isValidDownloadUrl();
    void directoryOfPath();
};

void TestFileNameFunctions::uniqueFileName_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("free") << QStringList() << "clip.flv" << "clip.flv";
    QTest::newRow("taken once") << QStringList{"clip.flv"} << "clip.flv" << "clip(1).flv";
    QTest::newRow("taken twice") << QStringList{"clip.flv", "clip(1).flv"} << "clip.flv" << "clip(2).flv";
    QTest::newRow("number before first dot") << QStringList{"a.tar.gz"} << "a.tar.gz" << "a(1).tar.gz";
    QTest::newRow("no dot gets trailing dot") << QStringList{"video"} << "video" << "video(1).";
    QTest::newRow("gap is used") << QStringList{"clip.flv", "clip(2).flv"} << "clip.flv" << "clip(1).flv";
}

void TestFileNameFunctions::uniqueFileName()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &file : existing) {
        QFile f(dir.filePath(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QCOMPARE(::uniqueFileName(dir.filePath(name)), dir.filePath(expected));
}

void TestFileNameFunctions::uniqueFileNameMissingFolder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/clip.flv"));
    QCOMPARE(::uniqueFileName(path), path);
}

void TestFileNameFunctions::sanitizeFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");

    QTest::newRow("colon and question mark") << "a:b?c" << " " << "a b c";
    QTest::newRow("all fifteen") << QStringLiteral("\\/:*?\"<>|\n\a\f\r\t\v") << "_"
                                 << QStringLiteral("_______________");
    QTest::newRow("longer replacement") << "a/b" << "--" << "a--b";
    QTest::newRow("empty replacement") << "a|b" << "" << "ab";
    QTest::newRow("clean name unchanged") << "Clip (1) [hd].mp4" << " " << "Clip (1) [hd].mp4";
    QTest::newRow("unicode kept") << QStringLiteral("caf\u00e9.flv") << " " << QStringLiteral("caf\u00e9.flv");
    QTest::newRow("empty stays empty") << "" << " " << "";
}

void TestFileNameFunctions::sanitizeFileName()
{
    QFETCH(QString, name);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    QCOMPARE(::sanitizeFileName(name, replacement), expected);
}

void TestFileNameFunctions::isValidDownloadUrl_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("allowRtmp");
    QTest::addColumn<bool>("expected");

    QTest::newRow("http") << "http://h/a.flv" << false << true;
    QTest::newRow("http with rtmp allowed") << "http://h/a.flv" << true << true;
    QTest::newRow("upper-case scheme") << "HTTP://h/a.flv" << true << false;
    QTest::newRow("https refused") << "https://h/a.flv" << true << false;
    QTest::newRow("ftp refused") << "ftp://h/a.flv" << true << false;
    QTest::newRow("rtmp refused without flag") << "rtmp://h/app/a" << false << false;
    QTest::newRow("rtmp with flag") << "rtmp://h/app/a" << true << true;
    QTest::newRow("rtmpe refused without flag") << "rtmpe://h/app/a" << false << false;
    QTest::newRow("rtmpe with flag") << "rtmpe://h/app/a" << true << true;
    QTest::newRow("upper-case rtmp") << "RTMP://h/app/a" << true << false;
    QTest::newRow("no scheme") << "h/a.flv" << true << false;
    QTest::newRow("empty") << "" << true << false;
}

void TestFileNameFunctions::isValidDownloadUrl()
{
    QFETCH(QString, url);
    QFETCH(bool, allowRtmp);
    QFETCH(bool, expected);
    QCOMPARE(::isValidDownloadUrl(url, allowRtmp), expected);
}

void TestFileNameFunctions::directoryOfPath()
{
    QTemporaryDir dir;
    QCOMPARE(::directoryOfPath(dir.filePath(QStringLiteral("sub/file.txt"))), dir.filePath(QStringLiteral("sub")));
    QCOMPARE(::directoryOfPath(QStringLiteral("/a/b/c")), QStringLiteral("/a/b"));
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestFileNameFunctions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_filenamefunctions.moc"
