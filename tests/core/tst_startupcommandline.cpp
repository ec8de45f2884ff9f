#include <QtTest>

#include "startupcommandline.h"


class TestStartupCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void messageArguments_data();
    void messageArguments();
    void helpNamesEveryOption();
    void isDownloadLink_data();
    void isDownloadLink();

private:
    QTemporaryDir m_dir;
};

void TestStartupCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("add");
    QTest::addColumn<QString>("saveFolder");
    QTest::addColumn<QStringList>("ignored");

    QVERIFY(m_dir.isValid());
    const QString existing = m_dir.filePath(QStringLiteral("video.torrent"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString here = m_dir.path();
    const int run = StartupCommandLine::Run;
    const int fail = StartupCommandLine::Fail;
    using L = QStringList;

    // The older forms.
    QTest::newRow("none") << L{} << run << L{} << false << false << QString() << L{};
    QTest::newRow("/bg") << L{"/bg"} << run << L{} << true << false << QString() << L{};
    QTest::newRow("/BG is no flag") << L{"/BG"} << run << L{} << false << false << QString() << L{"/BG"};
    QTest::newRow("http") << L{"http://a/b"} << run << L{"http://a/b"} << false << false << QString() << L{};
    QTest::newRow("HTTPS upper case") << L{"HTTPS://a/b"} << run << L{"HTTPS://a/b"} << false << false << QString()
                                      << L{};
    QTest::newRow("ftp") << L{"ftp://h/f"} << run << L{"ftp://h/f"} << false << false << QString() << L{};
    QTest::newRow("magnet upper case") << L{"MAGNET:?xt=urn:x"} << run << L{"MAGNET:?xt=urn:x"} << false << false
                                       << QString() << L{};
    QTest::newRow("existing file") << L{existing} << run << L{existing} << false << false << QString() << L{};
    QTest::newRow("file address") << L{QUrl::fromLocalFile(existing).toString()} << run << L{existing} << false
                                  << false << QString() << L{};
    QTest::newRow("missing file") << L{m_dir.filePath("gone")} << run << L{} << false << false << QString()
                                  << L{m_dir.filePath("gone")};
    QTest::newRow("other scheme") << L{"mailto:a@b"} << run << L{} << false << false << QString() << L{"mailto:a@b"};
    QTest::newRow("leading space") << L{" http://a/b"} << run << L{} << false << false << QString() << L{" http://a/b"};
    QTest::newRow("/link-url unchecked") << L{"/link-url", " anything "} << run << L{" anything "} << false << false
                                         << QString() << L{};
    QTest::newRow("/link-url takes an option's look") << L{"/link-url", "--nonsense"} << run << L{"--nonsense"}
                                                      << false << false << QString() << L{};
    QTest::newRow("/link-url extra ignored") << L{"/link-url", "ftp://h/f", "x"} << run << L{"ftp://h/f"} << false
                                             << false << QString() << L{};
    QTest::newRow("/link-url alone") << L{"/link-url"} << run << L{} << false << false << QString() << L{};

    // Several links, options in the usual form.
    QTest::newRow("two links") << L{"http://a/b", "http://c/d"} << run << L{"http://a/b", "http://c/d"} << false
                               << false << QString() << L{};
    QTest::newRow("/bg plus link") << L{"/bg", "http://a/b"} << run << L{"http://a/b"} << true << false << QString()
                                   << L{};
    QTest::newRow("--background") << L{"--background"} << run << L{} << true << false << QString() << L{};
    QTest::newRow("--add") << L{"--add", "http://a/b", "ftp://c/d"} << run << L{"http://a/b", "ftp://c/d"} << false
                           << true << QString() << L{};
    QTest::newRow("--save-dir relative") << L{"--save-dir", "sub/../dl", "http://a/b"} << run << L{"http://a/b"}
                                         << false << false << here + "/dl" << L{};
    QTest::newRow("--save-dir= absolute") << L{"http://a/b", "--save-dir=/tmp/x/", "--add"} << run << L{"http://a/b"}
                                          << false << true << "/tmp/x" << L{};
    QTest::newRow("link after --") << L{"--", "--add"} << run << L{} << false << false << QString() << L{"--add"};
    QTest::newRow("toolkit options pass") << L{"-style", "fusion", "-reverse", "--platform=offscreen", "http://a/b"}
                                          << run << L{"http://a/b"} << false << false << QString() << L{};

    // Mistakes.
    QTest::newRow("unknown long option") << L{"--frobnicate"} << fail << L{} << false << false << QString() << L{};
    QTest::newRow("unknown short option") << L{"-x", "http://a/b"} << fail << L{} << false << false << QString()
                                          << L{};
    QTest::newRow("--save-dir without folder") << L{"http://a/b", "--save-dir"} << fail << L{} << false << false
                                               << QString() << L{};
    QTest::newRow("--save-dir empty") << L{"--save-dir=", "http://a/b"} << fail << L{} << false << false << QString()
                                      << L{};
    QTest::newRow("--add without links") << L{"--add"} << fail << L{} << false << true << QString() << L{};
    QTest::newRow("--add with a non-link") << L{"--add", "mailto:a@b"} << fail << L{} << false << true << QString()
                                           << L{"mailto:a@b"};

    // Answers that need no window.
    QTest::newRow("--help") << L{"--help"} << int(StartupCommandLine::ShowHelp) << L{} << false << false << QString()
                            << L{};
    QTest::newRow("-h after a link") << L{"http://a/b", "-h"} << int(StartupCommandLine::ShowHelp) << L{} << false
                                     << false << QString() << L{};
    QTest::newRow("--version") << L{"--version"} << int(StartupCommandLine::ShowVersion) << L{} << false << false
                               << QString() << L{};
    QTest::newRow("-v") << L{"-v"} << int(StartupCommandLine::ShowVersion) << L{} << false << false << QString()
                        << L{};
}

void TestStartupCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QStringList, links);
    QFETCH(bool, hidden);
    QFETCH(bool, add);
    QFETCH(QString, saveFolder);
    QFETCH(QStringList, ignored);

    const StartupCommandLine result = StartupCommandLine::parse(arguments, m_dir.path());
    QCOMPARE(int(result.action), action);
    QCOMPARE(result.error.isEmpty(), action != StartupCommandLine::Fail);
    if (action != StartupCommandLine::Run)
        return;
    QCOMPARE(result.request.links, links);
    QCOMPARE(result.link(), links.value(0));
    QCOMPARE(result.startHidden, hidden);
    QCOMPARE(result.request.addWithoutAsking, add);
    QCOMPARE(result.request.saveFolder, saveFolder);
    QCOMPARE(result.ignored, ignored);
}

void TestStartupCommandLine::messageArguments_data()
{
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<bool>("add");
    QTest::addColumn<QString>("saveFolder");
    QTest::addColumn<QStringList>("pieces");

    QTest::newRow("one plain link, as older programs send it") << QStringList{"http://a"} << false << QString()
                                                               << QStringList{"http://a"};
    QTest::newRow("two links") << QStringList{"http://a", "ftp://b"} << false << QString()
                               << QStringList{"http://a", "ftp://b"};
    QTest::newRow("add") << QStringList{"http://a"} << true << QString() << QStringList{"--add", "http://a"};
    QTest::newRow("add and folder") << QStringList{"http://a", "http://b"} << true << "/d l/x"
                                    << QStringList{"--add", "--save-dir=/d l/x", "http://a", "http://b"};
}

void TestStartupCommandLine::messageArguments()
{
    QFETCH(QStringList, links);
    QFETCH(bool, add);
    QFETCH(QString, saveFolder);
    QFETCH(QStringList, pieces);

    const LinkRequest request{links, saveFolder, add};
    QCOMPARE(request.messageArguments(), pieces);
    const LinkRequest back = LinkRequest::fromMessageArguments(pieces);
    QCOMPARE(back.links, links);
    QCOMPARE(back.addWithoutAsking, add);
    QCOMPARE(back.saveFolder, saveFolder);

    // Option pieces count only before the first link.
    const LinkRequest late = LinkRequest::fromMessageArguments(QStringList{"http://a", "--add"});
    QCOMPARE(late.links, (QStringList{"http://a", "--add"}));
    QVERIFY(!late.addWithoutAsking);
}

void TestStartupCommandLine::helpNamesEveryOption()
{
    const QString help = StartupCommandLine::helpText();
    for (const char *option : {"--help", "--version", "--add", "--save-dir <folder>", "--background", "[link...]"})
        QVERIFY2(help.contains(QLatin1String(option)), option);
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
