#include <QtTest>

#include "ipcmessage.h"

class TestIpcMessage : public QObject
{
    Q_OBJECT

private slots:
    void build_data();
    void build();
    void parse_data();
    void parse();
    void roundTrip();
};

void TestIpcMessage::build_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");

    QTest::newRow("link") << "link-url" << QStringList{"http://a.example/f.zip"}
                          << "{link-url=>[tvo]@http://a.example/f.zip}";
    QTest::newRow("three arguments") << "file" << QStringList{"/tmp/a b.mp4", "1", "http://ads/"}
                                     << "{file=>[tvo]@/tmp/a b.mp4=>[tvo]@1=>[tvo]@http://ads/}";
    QTest::newRow("no argument") << "geo-ip" << QStringList{} << "{geo-ip}";
    QTest::newRow("non-ascii") << "link-url" << QStringList{QString::fromUtf8("http://ü.example/ß")}
                               << QString::fromUtf8("{link-url=>[tvo]@http://ü.example/ß}");
    QTest::newRow("percent and at stay plain") << "link-url" << QStringList{"ftp://u@h/a%20b"}
                                               << "{link-url=>[tvo]@ftp://u@h/a%20b}";
    QTest::newRow("brace escaped") << "link-url" << QStringList{"http://h/a}b%7D@c"}
                                   << "{=>[tvo]@link-url=>[tvo]@http://h/a%7Db%257D%40c}";
}

void TestIpcMessage::build()
{
    QFETCH(QString, command);
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QCOMPARE(IpcMessage::build(command, arguments), expected);
}

void TestIpcMessage::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QStringList>("pieces");

    QTest::newRow("plain") << "{link-url=>[tvo]@http://x/}" << true << QStringList{"link-url", "http://x/"};
    QTest::newRow("noise around") << "xx{link-url=>[tvo]@ftp://h/f}yy}" << true
                                  << QStringList{"link-url", "ftp://h/f"};
    QTest::newRow("empty pieces dropped") << "{=>[tvo]@link-url=>[tvo]@=>[tvo]@a=>[tvo]@}" << true
                                          << QStringList{"link-url", "a"};
    QTest::newRow("second brace ignored") << "{a{b=>[tvo]@c}" << true << QStringList{"a{b", "c"};
    QTest::newRow("separator is case-sensitive") << "{cmd=>[TVO]@x}" << true << QStringList{"cmd=>[TVO]@x"};
    QTest::newRow("empty frame") << "{}" << true << QStringList{};
    QTest::newRow("no braces") << "link-url=>[tvo]@http://x/" << false << QStringList{};
    QTest::newRow("no closing brace") << "{link-url=>[tvo]@http://x/" << false << QStringList{};
    QTest::newRow("closing before opening") << "}link-url{" << false << QStringList{};
    QTest::newRow("empty") << "" << false << QStringList{};
    QTest::newRow("escaped form") << "{=>[tvo]@file=>[tvo]@/a%7D%25%40=>[tvo]@%257D}" << true
                                  << QStringList{"file", "/a}%@", "%7D"};
    QTest::newRow("older sender keeps escapes literal") << "{link-url=>[tvo]@http://h/a%7Db%25}" << true
                                                        << QStringList{"link-url", "http://h/a%7Db%25"};
}

void TestIpcMessage::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, complete);
    QFETCH(QStringList, pieces);

    QStringList found{"untouched"};
    QCOMPARE(IpcMessage::parse(text, &found), complete);
    if (complete)
        QCOMPARE(found, pieces);
    else
        QCOMPARE(found, QStringList{"untouched"});
}

void TestIpcMessage::roundTrip()
{
    const QList<QStringList> cases{
        {"/home/u/My Video.flv", "0", "http://site/ads/"},
        {"/home/u/{a}}.flv", "1", "http://site/ads/?x=%7D"},
        {"http://h/p=>[tvo]@q", "%", "@}"},
    };
    for (const QStringList &arguments : cases) {
        QStringList pieces;
        const QString message = IpcMessage::build(QStringLiteral("file"), arguments);
        QVERIFY(IpcMessage::parse(message, &pieces));
        QCOMPARE(pieces, QStringList{"file"} + arguments);
        // One frame: nothing inside it closes it early.
        QCOMPARE(message.count(QLatin1Char('}')), 1);
    }
}

QTEST_GUILESS_MAIN(TestIpcMessage)
#include "tst_ipcmessage.moc"
