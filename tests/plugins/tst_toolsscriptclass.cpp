#include <QElapsedTimer>
#include <QScriptEngine>
#include <QtTest>

#include "testsupport.h"
#include "toolsscriptclass.h"

// The tool functions as a plugin script sees them: real engine, real calls.
class TestToolsScriptClass : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void results_data();
    void results();
    void wrongArgumentCountYieldsUndefined_data();
    void wrongArgumentCountYieldsUndefined();
    void resultsAreVariantWrapped();
    void splitStringGivesPlainArray_data();
    void splitStringGivesPlainArray();
    void allEighteenInstalled();
    void cleanUrlOnLongEscapeChains();

private:
    QScriptValue run(const QString &code);
    QScriptEngine *m_engine = nullptr;
    ToolsScriptClass *m_tools = nullptr;
};

void TestToolsScriptClass::init()
{
    m_engine = new QScriptEngine;
    m_tools = new ToolsScriptClass(m_engine);
}

void TestToolsScriptClass::cleanup()
{
    delete m_tools;
    delete m_engine;
}

QScriptValue TestToolsScriptClass::run(const QString &code)
{
    const QScriptValue value = m_engine->evaluate(code);
    if (m_engine->hasUncaughtException())
        qWarning() << "script threw" << value.toString();
    return value;
}

void TestToolsScriptClass::results_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("expected");

    QTest::newRow("getUrlHost") << "getUrlHost('http://www.Example.com:8080/a/b?c=d')" << "www.example.com";
    QTest::newRow("getUrlHost none") << "getUrlHost('just text')" << "";
    QTest::newRow("getUrlParam decoded") << "getUrlParam('http://h/p?a=1&v=x%20y&v=2', 'v')" << "x y";
    QTest::newRow("getUrlParam absent") << "getUrlParam('http://h/p?a=1', 'v')" << "";
    QTest::newRow("cleanUrl path escapes") << "cleanUrl('http%3A%2F%2Fh%2Fa%3Fb%3D1')" << "http://h/a?b=1";
    QTest::newRow("cleanUrl query only kept") << "cleanUrl('http://h/a?b=%2F')" << "http://h/a?b=%2F";
    QTest::newRow("cleanUrl percent sign decoded again") << "cleanUrl('x%2541')" << "xA";
    QTest::newRow("cleanUrl bad escape") << "escape(cleanUrl('a%zzb'))" << "a%00b";
    QTest::newRow("copyBetween") << "copyBetween('x[a]y[/a]', '[a]', '[/a]')" << "y";
    QTest::newRow("copyBetween end before start") << "copyBetween('[/a]x[a]', '[a]', '[/a]')" << "";
    QTest::newRow("copyBetween no start") << "copyBetween('abc', '[', ']')" << "";
    QTest::newRow("getToken empty part") << "getToken('a,,b', ',', 1)" << "";
    QTest::newRow("getToken last") << "getToken('a,,b', ',', 2)" << "b";
    QTest::newRow("getToken past end") << "getToken('a,b', ',', 2)" << "";
    QTest::newRow("getToken negative") << "getToken('a,b', ',', -1)" << "";
    QTest::newRow("getToken literal separator") << "getToken('a.b|c', '.', 1)" << "b|c";
    QTest::newRow("getTokenCount") << "getTokenCount('a,,b', ',')" << "3";
    QTest::newRow("strRemove") << "strRemove('abcdef', 1, 2)" << "adef";
    QTest::newRow("strRemove past end") << "strRemove('abcdef', 4, 99)" << "abcd";
    QTest::newRow("strRemove negative position") << "strRemove('abcdef', -2, 1)" << "abcdf";
    QTest::newRow("strRemove outside") << "strRemove('abc', 7, 1)" << "abc";
    QTest::newRow("strCopy") << "strCopy('abcdef', 2, 4)" << "cd";
    QTest::newRow("strCopy to past end") << "strCopy('abcdef', 2, 99)" << "cdef";
    QTest::newRow("strCopy empty range") << "strCopy('abcdef', 4, 4)" << "";
    QTest::newRow("strCopy reversed") << "strCopy('abcdef', 5, 2)" << "";
    QTest::newRow("strCopy negative from") << "strCopy('abcdef', -3, 2)" << "ab";
    QTest::newRow("strReplace") << "strReplace('aXbx', 'x', '-')" << "aXb-";
    QTest::newRow("strReplace insensitive") << "strReplace('aXbx', 'x', '-', false)" << "a-b-";
    QTest::newRow("strReplace five args sensitive") << "strReplace('aXbx', 'x', '-', false, 1)" << "aXb-";
    QTest::newRow("strIndexOf") << "strIndexOf('Abc', 'b')" << "1";
    QTest::newRow("strIndexOf insensitive") << "strIndexOf('ABC', 'b', 0, false)" << "1";
    QTest::newRow("strIndexOf sensitive miss") << "strIndexOf('ABC', 'b')" << "-1";
    QTest::newRow("strIndexOf from") << "strIndexOf('abab', 'a', 1)" << "2";
    QTest::newRow("strLastIndexOf") << "strLastIndexOf('abab', 'ab')" << "2";
    QTest::newRow("strLastIndexOf from") << "strLastIndexOf('abab', 'ab', 1)" << "0";
    QTest::newRow("strLastIndexOf insensitive") << "strLastIndexOf('ABab', 'AB', -1, false)" << "2";
    QTest::newRow("strFormat") << "strFormat('%1-%2', 'a', 'b')" << "a-b";
    QTest::newRow("strFormat only format") << "strFormat('%1-%2')" << "%1-%2";
    QTest::newRow("strFormat twelve before one")
        << "strFormat('%12/%1', 1,2,3,4,5,6,7,8,9,10,11,'L')" << "L/1";
    QTest::newRow("strFormat marker beyond count") << "strFormat('%1 %3', 'a')" << "a %3";
    QTest::newRow("strFormat number argument") << "strFormat('n=%1', 42)" << "n=42";
    QTest::newRow("trimString") << "trimString('  a b \\n')" << "a b";
    QTest::newRow("simplifyString") << "simplifyString('  a \\t\\n b  ')" << "a b";
    QTest::newRow("getMd5 empty") << "getMd5('')" << "d41d8cd98f00b204e9800998ecf8427e";
    QTest::newRow("getMd4 abc") << "getMd4('abc')" << "a448017aaf21d8525fc10ae87aa6729d";
    QTest::newRow("getSha1 abc") << "getSha1('abc')" << "a9993e364706816aba3e25717850c26c9cd0d89d";
    QTest::newRow("getMd5 latin1 bytes") << "getMd5('\\u00e9')" << "3406877694691ddd1dfb0aca54681407";
    QTest::newRow("concatenation sees plain value") << "'[' + getToken('a,b', ',', 0) + ']'" << "[a]";
    QTest::newRow("arithmetic sees plain value") << "strIndexOf('abc', 'c') + 1" << "3";
}

void TestToolsScriptClass::results()
{
    QFETCH(QString, code);
    QFETCH(QString, expected);
    const QScriptValue value = run(code);
    QVERIFY(!m_engine->hasUncaughtException());
    QCOMPARE(value.toString(), expected);
}

void TestToolsScriptClass::wrongArgumentCountYieldsUndefined_data()
{
    QTest::addColumn<QString>("call");
    QTest::newRow("getUrlHost none") << "getUrlHost()";
    QTest::newRow("getUrlHost two") << "getUrlHost('a', 'b')";
    QTest::newRow("getUrlParam one") << "getUrlParam('a')";
    QTest::newRow("cleanUrl two") << "cleanUrl('a', 'b')";
    QTest::newRow("copyBetween two") << "copyBetween('a', 'b')";
    QTest::newRow("copyBetween four") << "copyBetween('a', 'b', 'c', 'd')";
    QTest::newRow("getToken two") << "getToken('a', 'b')";
    QTest::newRow("getTokenCount three") << "getTokenCount('a', 'b', 'c')";
    QTest::newRow("strRemove two") << "strRemove('a', 1)";
    QTest::newRow("strCopy four") << "strCopy('a', 1, 2, 3)";
    QTest::newRow("strReplace two") << "strReplace('a', 'b')";
    QTest::newRow("strIndexOf one") << "strIndexOf('a')";
    QTest::newRow("strLastIndexOf one") << "strLastIndexOf('a')";
    QTest::newRow("strFormat none") << "strFormat()";
    QTest::newRow("splitString one") << "splitString('a')";
    QTest::newRow("trimString none") << "trimString()";
    QTest::newRow("simplifyString two") << "simplifyString('a', 'b')";
    QTest::newRow("getMd4 none") << "getMd4()";
    QTest::newRow("getMd5 two") << "getMd5('a', 'b')";
    QTest::newRow("getSha1 none") << "getSha1()";
}

void TestToolsScriptClass::wrongArgumentCountYieldsUndefined()
{
    QFETCH(QString, call);
    // The script goes on after the call.
    const QScriptValue value = run(QStringLiteral("var r = %1; var after = 'went on'; typeof r + '/' + after").arg(call));
    QVERIFY(!m_engine->hasUncaughtException());
    QCOMPARE(value.toString(), QStringLiteral("undefined/went on"));
}

void TestToolsScriptClass::resultsAreVariantWrapped()
{
    QCOMPARE(run(QStringLiteral("getToken('a,b', ',', 0) == 'a'")).toBool(), true);
    QCOMPARE(run(QStringLiteral("getToken('a,b', ',', 0) === 'a'")).toBool(), false);
    QCOMPARE(run(QStringLiteral("getTokenCount('a,b', ',') == 2")).toBool(), true);
    QCOMPARE(run(QStringLiteral("getTokenCount('a,b', ',') === 2")).toBool(), false);
    QCOMPARE(run(QStringLiteral("typeof getMd5('')")).toString(), QStringLiteral("object"));
    QVERIFY(run(QStringLiteral("getUrlHost('http://h/')")).isVariant());
}

void TestToolsScriptClass::splitStringGivesPlainArray_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("joined");
    QTest::newRow("keep empty") << "splitString('a,,b', ',')" << "a||b";
    QTest::newRow("keep empty explicit") << "splitString('a,,b', ',', true)" << "a||b";
    QTest::newRow("skip empty") << "splitString('a,,b', ',', false)" << "a|b";
    QTest::newRow("skip empty with fourth") << "splitString('a,,b', ',', false, true)" << "a|b";
    QTest::newRow("keep with fourth") << "splitString('a,,b', ',', true, true)" << "a||b";
    QTest::newRow("insensitive") << "splitString('aXbxc', 'x', true, false)" << "a|b|c";
    QTest::newRow("sensitive by default") << "splitString('aXbxc', 'x')" << "aXb|c";
}

void TestToolsScriptClass::splitStringGivesPlainArray()
{
    QFETCH(QString, call);
    QFETCH(QString, joined);
    const QScriptValue parts = run(QStringLiteral("var p = %1; p").arg(call));
    QVERIFY(parts.isArray());
    QCOMPARE(run(QStringLiteral("p.join('|')")).toString(), joined);
    QCOMPARE(run(QStringLiteral("typeof p[0]")).toString(), QStringLiteral("string"));
}

void TestToolsScriptClass::allEighteenInstalled()
{
    const QStringList names{"getUrlHost",  "getUrlParam", "cleanUrl",     "copyBetween",    "getToken",
                            "getTokenCount", "strRemove", "strCopy",      "strReplace",     "strIndexOf",
                            "strLastIndexOf", "strFormat", "splitString", "trimString",     "simplifyString",
                            "getMd4",       "getMd5",      "getSha1"};
    QCOMPARE(names.size(), 18);
    for (const QString &name : names)
        QVERIFY2(m_engine->globalObject().property(name).isFunction(), qPrintable(name));
}

// "%2525…25" unwinds one "%25" at a time; read once from left to right it
// still takes one pass, in native code the script watchdog cannot stop.
void TestToolsScriptClass::cleanUrlOnLongEscapeChains()
{
    const QString chain = QStringLiteral("%") + QStringLiteral("25").repeated(100000);
    QCOMPARE(chain.size(), 200001);
    m_engine->globalObject().setProperty(QStringLiteral("chain"), chain);
    QElapsedTimer timer;
    timer.start();
    const QScriptValue result = m_engine->evaluate(QStringLiteral("escape(cleanUrl(chain + '41') + '|' + cleanUrl(chain))"));
    // A complexity check, not a speed target: the quadratic way takes minutes.
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(result.toString(), QStringLiteral("A%7C%00"));
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestToolsScriptClass test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_toolsscriptclass.moc"
