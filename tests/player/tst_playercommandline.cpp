// The player's command-line table, its hand-over message, the list file it
// writes for the page and how it tells two playlist paths apart.

#include <QtTest>
#include <QXmlStreamReader>

#include "ipcmessage.h"
#include "playercommandline.h"
#include "playlistfile.h"

using namespace Player;

class TestPlayerCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void receivedMessage_data();
    void receivedMessage();
    void playlistContent_data();
    void playlistContent();
    void pathKey();
    void prepareFolder();
};

void TestPlayerCommandLine::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("hideFlag");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("message");

    const QString sep = IpcMessage::separator();
    QTest::newRow("none") << QStringList{} << "" << 0 << "" << "";
    QTest::newRow("one") << QStringList{"/m/a b.mp4"} << "/m/a b.mp4" << 1 << ""
                         << "{file" + sep + "/m/a b.mp4" + sep + sep + "}";
    QTest::newRow("two") << QStringList{"/m/a.mp4", "7"} << "/m/a.mp4" << 1 << ""
                         << "{file" + sep + "/m/a.mp4" + sep + sep + "}";
    QTest::newRow("three") << QStringList{"/m/a.mp4", "0", "http://h/ads/"} << "/m/a.mp4" << 0 << "http://h/ads/"
                           << "{file" + sep + "/m/a.mp4" + sep + "0" + sep + "http://h/ads/}";
    QTest::newRow("three, hide") << QStringList{"/m/a.mp4", "3", ""} << "/m/a.mp4" << 3 << ""
                                 << "{file" + sep + "/m/a.mp4" + sep + "3" + sep + "}";
    QTest::newRow("/file") << QStringList{"/file", "/m/ä ö.flv", "0", "http://h/ads/"} << "/m/ä ö.flv" << 0
                           << "http://h/ads/" << "{file" + sep + "/m/ä ö.flv" + sep + "0" + sep + "http://h/ads/}";
    QTest::newRow("/file, five") << QStringList{"/file", "/m/a.mp4", "1", "http://h/", "extra"} << "/m/a.mp4" << 1
                                 << "http://h/" << "{file" + sep + "/m/a.mp4" + sep + "1" + sep + "http://h/}";
    QTest::newRow("four, not /file") << QStringList{"/FILE", "/m/a.mp4", "0", "http://h/"} << "" << 0 << "" << "";
}

void TestPlayerCommandLine::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QFETCH(int, hideFlag);
    QFETCH(QString, base);
    QFETCH(QString, message);

    const PlayerCommandLine line = PlayerCommandLine::parse(arguments);
    QCOMPARE(line.file, file);
    QCOMPARE(line.hasFile(), !file.isEmpty());
    QCOMPARE(line.hideFlag, hideFlag);
    QCOMPARE(line.advertisementBase, base);
    if (line.hasFile())
        QCOMPARE(line.message(), message);
}

void TestPlayerCommandLine::receivedMessage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<bool>("used");

    QTest::newRow("all fields") << "{file=>[tvo]@/m/a.mp4=>[tvo]@0=>[tvo]@http://h/ads/}" << true << true;
    QTest::newRow("only a path") << "{file=>[tvo]@/m/a.mp4=>[tvo]@=>[tvo]@}" << true << false;
    QTest::newRow("no base") << "{file=>[tvo]@/m/a.mp4=>[tvo]@1=>[tvo]@}" << true << false;
    QTest::newRow("other word") << "{files=>[tvo]@/m/a.mp4=>[tvo]@0=>[tvo]@http://h/}" << true << false;
    QTest::newRow("no closing brace") << "{file=>[tvo]@/m/a.mp4=>[tvo]@0=>[tvo]@http://h/" << false << false;
    QTest::newRow("no braces") << "file=>[tvo]@/m/a.mp4" << false << false;
}

void TestPlayerCommandLine::receivedMessage()
{
    QFETCH(QString, text);
    QFETCH(bool, complete);
    QFETCH(bool, used);

    QStringList pieces;
    QCOMPARE(IpcMessage::parse(text, &pieces), complete);
    PlayerMessage message;
    QCOMPARE(complete && PlayerMessage::fromPieces(pieces, &message), used);
    if (used) {
        QCOMPARE(message.file, QStringLiteral("/m/a.mp4"));
        QCOMPARE(message.hideFlag, 0);
        QCOMPARE(message.advertisementBase, QStringLiteral("http://h/ads/"));
    }
}

void TestPlayerCommandLine::playlistContent_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::newRow("default") << QStringList{PlaylistFile::DefaultEntry};
    QTest::newRow("plain") << QStringList{"/m/a.mp4", "/m/b.mp3"};
    QTest::newRow("special") << QStringList{"/m/R&B <live> \"best\" it's.mp4", "/m/ü 日本.flv"};
    QTest::newRow("empty list") << QStringList{};
}

// Every list is well-formed XML that gives back exactly the paths written.
void TestPlayerCommandLine::playlistContent()
{
    QFETCH(QStringList, paths);

    const QByteArray xml = PlaylistFile::content(paths);
    QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?><sources>"));
    QVERIFY(xml.endsWith("</sources>"));
    QVERIFY(!xml.contains('\n'));
    if (paths == QStringList{PlaylistFile::DefaultEntry})
        QCOMPARE(xml, QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><sources><source src=\"tarvo.flv\"/></sources>"));

    QXmlStreamReader reader(xml);
    QStringList read;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("source"))
            read << reader.attributes().value(QStringLiteral("src")).toString();
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QCOMPARE(read, paths);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("playlist.xml"));
    QVERIFY(PlaylistFile::write(file, paths));
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), xml);
    // A list that cannot be written leaves the folder as it was.
    QVERIFY(!PlaylistFile::write(dir.filePath(QStringLiteral("missing/playlist.xml")), paths));
}

void TestPlayerCommandLine::pathKey()
{
    QTemporaryDir dir;
    const QString lower = dir.filePath(QStringLiteral("clip.mp4"));
    const QString upper = dir.filePath(QStringLiteral("CLIP.mp4"));
    for (const QString &path : {lower, upper}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(lower, dir.filePath(QStringLiteral("link.mp4"))));
    QDir().mkpath(dir.filePath(QStringLiteral("sub")));

    // Same file: another spelling of the path, a link to it.
    QCOMPARE(PlaylistFile::pathKey(dir.path() + QStringLiteral("/sub/../clip.mp4")), PlaylistFile::pathKey(lower));
    QCOMPARE(PlaylistFile::pathKey(dir.filePath(QStringLiteral("link.mp4"))), PlaylistFile::pathKey(lower));
    QCOMPARE(PlaylistFile::pathKey(dir.path() + QStringLiteral("//clip.mp4")), PlaylistFile::pathKey(lower));
    // Letter case makes another file, existing or not.
    QVERIFY(PlaylistFile::pathKey(upper) != PlaylistFile::pathKey(lower));
    QVERIFY(PlaylistFile::pathKey(QStringLiteral("/none/A.mp4")) != PlaylistFile::pathKey(QStringLiteral("/none/a.mp4")));
    QCOMPARE(PlaylistFile::pathKey(QStringLiteral("/none/x/../a.mp4")), QStringLiteral("/none/a.mp4"));
}

// Files beside the program are copied once (a user's copy is kept), folders
// are not, and the default list replaces the last one.
void TestPlayerCommandLine::prepareFolder()
{
    QTemporaryDir source;
    QTemporaryDir user;
    auto put = [](const QString &path, const QByteArray &data) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
    };
    QVERIFY(put(source.filePath(QStringLiteral("player.html")), "new page"));
    QVERIFY(put(source.filePath(QStringLiteral("player.js")), "script"));
    QVERIFY(put(source.filePath(QStringLiteral("sub/skip.txt")), "x"));
    const QString folder = user.filePath(QStringLiteral("scripts/player"));
    const QString list = folder + QStringLiteral("/playlist.xml");
    QVERIFY(put(folder + QStringLiteral("/player.html"), "user page"));
    QVERIFY(put(list, "old list"));

    QVERIFY(PlaylistFile::prepareFolder(source.path(), folder, list));
    auto read = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QCOMPARE(read(folder + QStringLiteral("/player.html")), QByteArray("user page"));
    QCOMPARE(read(folder + QStringLiteral("/player.js")), QByteArray("script"));
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/sub")));
    QCOMPARE(read(list), PlaylistFile::content({PlaylistFile::DefaultEntry}));
}

QTEST_GUILESS_MAIN(TestPlayerCommandLine)
#include "tst_playercommandline.moc"
