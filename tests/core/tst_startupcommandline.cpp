#include <QtTest>

#include "startupcommandline.h"

class TestStartupCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void isDownloadLink_data();
    void isDownloadLink();

private:
    QTemporaryDir m_dir;
};

void TestStartupCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("hidden");

    QVERIFY(m_dir.isValid());
    const QString existing = m_dir.filePath(QStringLiteral("video.torrent"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QTest::newRow("none") << QStringList{} << QString() << false;
    QTest::newRow("/bg") << QStringList{"/bg"} << QString() << true;
    QTest::newRow("/BG is no flag") << QStringList{"/BG"} << QString() << false;
    QTest::newRow("http") << QStringList{"http://a/b"} << "http://a/b" << false;
    QTest::newRow("HTTPS upper case") << QStringList{"HTTPS://a/b"} << "HTTPS://a/b" << false;
    QTest::newRow("ftp") << QStringList{"ftp://h/f"} << "ftp://h/f" << false;
    QTest::newRow("magnet upper case") << QStringList{"MAGNET:?xt=urn:x"} << "MAGNET:?xt=urn:x" << false;
    QTest::newRow("existing file") << QStringList{existing} << existing << false;
    QTest::newRow("missing file") << QStringList{m_dir.filePath("gone")} << QString() << false;
    QTest::newRow("other scheme") << QStringList{"mailto:a@b"} << QString() << false;
    QTest::newRow("leading space") << QStringList{" http://a/b"} << QString() << false;
    QTest::newRow("/link-url unchecked") << QStringList{"/link-url", " anything "} << " anything " << false;
    QTest::newRow("/link-url extra ignored") << QStringList{"/link-url", "ftp://h/f", "x"} << "ftp://h/f" << false;
    QTest::newRow("/link-url alone") << QStringList{"/link-url"} << QString() << false;
    QTest::newRow("two other arguments") << QStringList{"http://a/b", "http://c/d"} << QString() << false;
    QTest::newRow("/bg plus link") << QStringList{"/bg", "http://a/b"} << QString() << false;
}

void TestStartupCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, link);
    QFETCH(bool, hidden);

    const StartupCommandLine result = StartupCommandLine::parse(arguments);
    QCOMPARE(result.link, link);
    QCOMPARE(result.startHidden, hidden);
}

void TestStartupCommandLine::isDownloadLink_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("http") << "http://a" << true;
    QTest::newRow("Https") << "Https://a" << true;
    QTest::newRow("FTP") << "FTP://a" << true;
    QTest::newRow("magnet") << "magnet:?xt" << false;
    QTest::newRow("file path") << "/etc/hosts" << false;
    QTest::newRow("ftps") << "ftps://a" << false;
    QTest::newRow("short") << "http:/" << false;
    QTest::newRow("empty") << "" << false;
}

void TestStartupCommandLine::isDownloadLink()
{
    QFETCH(QString, link);
    QFETCH(bool, accepted);
    QCOMPARE(StartupCommandLine::isDownloadLink(link), accepted);
}

QTEST_GUILESS_MAIN(TestStartupCommandLine)
#include "tst_startupcommandline.moc"
