#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "apgeolocation.h"
#include "testsupport.h"

class TestGeoLocation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void parse_data();
    void parse();
    void firstMatchWinsOnOverlaps();
    void rangeBoundsAreInclusive_data();
    void rangeBoundsAreInclusive();
    void fullAddressSpace();
    void addressFromText_data();
    void addressFromText();
    void loadFileAppends();
    void missingFileLeavesTableEmpty();
    void damagedFileAddsNothing_data();
    void damagedFileAddsNothing();
    void largeFileMatchesItsText_data();
    void largeFileMatchesItsText();
    void shippedDatabase();
    void converterOutputLoads();

private:
    static bool writeFile(const QString &path, const QByteArray &data);
    QTemporaryDir m_dir;
};

bool TestGeoLocation::writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

void TestGeoLocation::initTestCase()
{
    TestSupport::isolateUserFolders();
    QVERIFY(m_dir.isValid());
}

void TestGeoLocation::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("expected");  // "CC first last" per range
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("one") << QByteArray("[US,16777216,16777471]") << QStringList{"US 16777216 16777471"};
    QTest::newRow("two") << QByteArray("[US,1,2][de,3,4]") << QStringList{"US 1 2", "de 3 4"};
    QTest::newRow("text after the last ]") << QByteArray("[US,1,2]trailing [FR,5,6")
                                          << QStringList{"US 1 2"};
    QTest::newRow("chunk without [ skipped") << QByteArray("junk[US,1,2][DE,3,4]") << QStringList{"DE 3 4"};
    QTest::newRow("stray ]") << QByteArray("][US,1,2]") << QStringList{"US 1 2"};
    QTest::newRow("not decimal is 0") << QByteArray("[US,abc,5][GB,7,x9]") << QStringList{"US 0 5", "GB 7 0"};
    QTest::newRow("too large is 0") << QByteArray("[US,4294967296,4294967295]")
                                    << QStringList{"US 0 4294967295"};
    QTest::newRow("negative is 0") << QByteArray("[US,-1,3]") << QStringList{"US 0 3"};
    QTest::newRow("short record") << QByteArray("[U][XY,9]") << QStringList{"U 0 0", "XY 9 0"};
    QTest::newRow("no closing") << QByteArray("[US,1,2") << QStringList();
}

void TestGeoLocation::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, expected);
    ApGeoLocation geo;
    QCOMPARE(geo.parse(text), expected.size());
    QCOMPARE(geo.count(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QStringList parts = expected.at(i).split(QLatin1Char(' '));
        QCOMPARE(geo.codeAt(i), parts.at(0));
        // The range holds its first and last address and nothing outside.
        const quint32 first = parts.at(1).toUInt();
        const quint32 last = parts.at(2).toUInt();
        if (first <= last) {
            QCOMPARE(geo.lookup(first) <= i, true);
            QCOMPARE(geo.lookup(last) <= i, true);
        }
    }
}

void TestGeoLocation::firstMatchWinsOnOverlaps()
{
    ApGeoLocation geo;
    geo.parse("[AA,100,200][BB,150,160][CC,140,300]");
    QCOMPARE(geo.lookup(155), 0);
    QCOMPARE(geo.codeAt(geo.lookup(155)), QStringLiteral("AA"));
    QCOMPARE(geo.codeAt(geo.lookup(250)), QStringLiteral("CC"));
    QCOMPARE(geo.lookup(99), -1);
    QCOMPARE(geo.lookup(301), -1);
    QCOMPARE(geo.codeAt(-1), QString());
    QCOMPARE(geo.codeAt(3), QString());
}

void TestGeoLocation::rangeBoundsAreInclusive_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("code");
    QTest::newRow("before") << "10.0.0.255" << "-1";
    QTest::newRow("first") << "10.0.1.0" << "NL";
    QTest::newRow("inside") << "10.0.1.77" << "NL";
    QTest::newRow("last") << "10.0.1.255" << "NL";
    QTest::newRow("after") << "10.0.2.0" << "SE";
    QTest::newRow("single address range") << "192.0.2.9" << "JP";
    QTest::newRow("beside single") << "192.0.2.10" << "-1";
    QTest::newRow("not an address") << "example.com" << "-1";
    QTest::newRow("IPv6") << "::1" << "-1";
}

void TestGeoLocation::rangeBoundsAreInclusive()
{
    QFETCH(QString, address);
    QFETCH(QString, code);
    ApGeoLocation geo;
    // 10.0.1.0 - 10.0.1.255, 10.0.2.0 - 10.0.2.255, 192.0.2.9 alone
    geo.parse("[NL,167772416,167772671][SE,167772672,167772927][JP,3221225993,3221225993]");
    QCOMPARE(geo.countryCode(address), code);
}

void TestGeoLocation::fullAddressSpace()
{
    ApGeoLocation geo;
    geo.parse("[ZZ,0,4294967295]");
    QCOMPARE(geo.lookup(0), 0);
    QCOMPARE(geo.lookup(0xFFFFFFFFu), 0);
    QCOMPARE(geo.countryCode(QStringLiteral("255.255.255.255")), QStringLiteral("ZZ"));
}

void TestGeoLocation::addressFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<quint32>("value");
    QTest::newRow("zero") << "0.0.0.0" << true << quint32(0);
    QTest::newRow("one") << "1.0.0.1" << true << quint32(16777217);
    QTest::newRow("max") << "255.255.255.255" << true << quint32(0xFFFFFFFFu);
    QTest::newRow("spaces") << " 8.8.8.8 " << true << quint32(0x08080808);
    QTest::newRow("256") << "256.0.0.1" << false << quint32(0);
    QTest::newRow("three parts") << "1.2.3" << false << quint32(0);
    QTest::newRow("empty part") << "1..3.4" << false << quint32(0);
    QTest::newRow("sign") << "+1.2.3.4" << false << quint32(0);
    QTest::newRow("empty") << "" << false << quint32(0);
}

void TestGeoLocation::addressFromText()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(quint32, value);
    bool parsed = true;
    const quint32 result = ApGeoLocation::addressFromText(text, &parsed);
    QCOMPARE(parsed, ok);
    if (ok)
        QCOMPARE(result, value);
}

void TestGeoLocation::loadFileAppends()
{
    const QString a = m_dir.filePath(QStringLiteral("a.tvoc"));
    const QString b = m_dir.filePath(QStringLiteral("b.tvoc"));
    QVERIFY(writeFile(a, qCompress(QByteArray("[AA,1,10][BB,20,30]"))));
    QVERIFY(writeFile(b, qCompress(QByteArray("[CC,5,25]"))));
    ApGeoLocation geo;
    QVERIFY(geo.load(a));
    QCOMPARE(geo.count(), 2);
    QVERIFY(geo.load(b));
    QCOMPARE(geo.count(), 3);
    QCOMPARE(geo.codeAt(geo.lookup(5)), QStringLiteral("AA"));   // the earlier file wins
    QCOMPARE(geo.codeAt(geo.lookup(15)), QStringLiteral("CC"));
    geo.clear();
    QVERIFY(geo.isEmpty());
}

void TestGeoLocation::missingFileLeavesTableEmpty()
{
    ApGeoLocation geo;
    QVERIFY(!geo.load(m_dir.filePath(QStringLiteral("no-such.tvoc"))));
    QVERIFY(geo.isEmpty());
    QCOMPARE(geo.lookup(12345), -1);
    QCOMPARE(geo.countryCode(QStringLiteral("1.2.3.4")), QStringLiteral("-1"));
}

void TestGeoLocation::damagedFileAddsNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("short") << QByteArray("\x00\x01", 2);
    QTest::newRow("not zlib") << QByteArray("\x00\x00\x00\x20plain text, not compressed at all", 37);
    QTest::newRow("absurd length") << QByteArray("\xff\xff\xff\xff", 4) + qCompress(QByteArray("[AA,1,2]")).mid(4);
    QByteArray cut = qCompress(QByteArray(5000, 'x') + "[AA,1,2]");
    cut.chop(cut.size() / 2);
    QTest::newRow("cut short") << cut;
    // A header announcing less than the stream holds: the stream could
    // otherwise inflate without bound.
    QByteArray understated = qCompress(QByteArray("[AA,1,2]").repeated(40000));
    understated[0] = 0, understated[1] = 0, understated[2] = 0x10, understated[3] = 0;
    QTest::newRow("more than announced") << understated;
}

void TestGeoLocation::damagedFileAddsNothing()
{
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath(QStringLiteral("damaged.tvoc"));
    QVERIFY(writeFile(path, content));
    ApGeoLocation geo;
    QVERIFY(geo.load(path));  // readable, so loading "succeeds"
    QCOMPARE(geo.count(), 0);
    QCOMPARE(geo.lookup(1), -1);
}

// The table is inflated and parsed a piece at a time: records cut by a
// piece boundary, junk between records and an unfinished tail must come out
// as they do from the whole text at once.
void TestGeoLocation::largeFileMatchesItsText_data()
{
    QTest::addColumn<QByteArray>("text");
    QByteArray plain;
    for (int i = 0; i < 40000; ++i)
        plain += "[" + QByteArray(1, char('A' + i % 26)) + QByteArray(1, char('Z' - i % 26)) + ","
                 + QByteArray::number(i * 256) + "," + QByteArray::number(i * 256 + 255) + "]";
    QTest::newRow("plain records") << plain;
    QByteArray noisy;
    for (int i = 0; i < 30000; ++i)
        noisy += (i % 7 == 0 ? "junk]" : "") + QByteArray("[") + (i % 5 ? "NL," : "X")
                 + QByteArray::number(i) + (i % 3 ? "," + QByteArray::number(i * 3) : QByteArray()) + "]";
    QTest::newRow("junk and short records, unfinished tail") << noisy + "[ZZ,1,2";
    QTest::newRow("one record over 64 KiB") << "[AB,7," + QByteArray(70000, '9') + "][CD,1,2]";
}

void TestGeoLocation::largeFileMatchesItsText()
{
    QFETCH(QByteArray, text);
    ApGeoLocation expected;
    expected.parse(text);
    QVERIFY(expected.count() > 0);

    const QString path = m_dir.filePath(QStringLiteral("large.tvoc"));
    QVERIFY(writeFile(path, qCompress(text, 9)));
    ApGeoLocation geo;
    geo.parse("[QQ,1,1]");  // loading appends to what is there
    QVERIFY(geo.load(path));
    QCOMPARE(geo.count(), expected.count() + 1);
    QCOMPARE(geo.codeAt(0), QStringLiteral("QQ"));
    for (int i = 0; i < expected.count(); ++i) {
        if (geo.codeAt(i + 1) != expected.codeAt(i))
            QFAIL(qPrintable(QStringLiteral("range %1: %2, expected %3").arg(i).arg(geo.codeAt(i + 1), expected.codeAt(i))));
    }
    // The bounds as well: every range's first address finds the same range.
    for (int i = 0; i < expected.count(); i += 501) {
        const ApGeoLocation::Range &range = expected.ranges().at(i);
        QCOMPARE(geo.ranges().at(i + 1).first, range.first);
        QCOMPARE(geo.ranges().at(i + 1).last, range.last);
    }
}

void TestGeoLocation::shippedDatabase()
{
    const QString path = TestSupport::binDir() + QStringLiteral("/ldb.tvoc");
    if (!QFile::exists(path))
        QFAIL("the build did not copy ldb.tvoc into the program folder");
    ApGeoLocation geo;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(geo.load(path));
    const qint64 loadMs = timer.elapsed();
    QVERIFY2(geo.count() > 100000, qPrintable(QString::number(geo.count())));
    timer.restart();
    // 1.0.0.0/24 opens the table; a loopback address is in no country.
    QCOMPARE(geo.countryCode(QStringLiteral("1.0.0.1")), QStringLiteral("AU"));
    QCOMPARE(geo.countryCode(QStringLiteral("127.0.0.1")), QStringLiteral("-1"));
    QCOMPARE(geo.countryCode(QStringLiteral("255.255.255.255")), QStringLiteral("-1"));
    qInfo("ldb.tvoc: %d ranges, loaded in %lld ms, 3 lookups in %lld ms", geo.count(), loadMs, timer.elapsed());
    for (int i = 0; i < geo.count(); i += 997) {
        const QString code = geo.codeAt(i);
        QVERIFY2(code.size() == 2 && code.at(0).isUpper() && code.at(1).isUpper(), qPrintable(code));
    }
}

void TestGeoLocation::converterOutputLoads()
{
    const QString python = TestSupport::findProgram(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    const QString csv = m_dir.filePath(QStringLiteral("ranges.csv"));
    const QString out = m_dir.filePath(QStringLiteral("converted.tvoc"));
    QVERIFY(writeFile(csv, "16777216,16777471,au\n"
                           "1.0.1.0,1.0.3.255,CN\n"
                           "\n"
                           "# comment\n"
                           "9,8,US\n"             // first > last: skipped
                           "10,20,USA\n"          // not a two-letter code: skipped
                           "4294967040,4294967295,ZZ\n"));
    QProcess process;
    process.start(python, {TestSupport::sourceDir() + QStringLiteral("/tools/ldbconvert.py"), csv, out});
    QVERIFY(process.waitForFinished(30000));
    const QByteArray stderrText = process.readAllStandardError();
    QVERIFY2(process.exitCode() == 0, stderrText.constData());
    QVERIFY2(stderrText.contains("3 ranges written, 2 rows skipped"), stderrText.constData());

    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(qUncompress(file.readAll()), QByteArray("[AU,16777216,16777471][CN,16777472,16778239][ZZ,4294967040,4294967295]"));
    ApGeoLocation geo;
    QVERIFY(geo.load(out));
    QCOMPARE(geo.count(), 3);
    QCOMPARE(geo.countryCode(QStringLiteral("1.0.2.3")), QStringLiteral("CN"));
    QCOMPARE(geo.countryCode(QStringLiteral("255.255.255.255")), QStringLiteral("ZZ"));
}

QTEST_GUILESS_MAIN(TestGeoLocation)
#include "tst_geolocation.moc"
