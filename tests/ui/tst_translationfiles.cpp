// Checks the translation sources and their compiled files as a translator's
// reviewer would: every text translated, placeholders, markup, accelerators
// and surrounding spaces kept, nothing left over from texts the code no
// longer has, and the compiled file saying the same as its source.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "applicationinfo.h"
#include "languages.h"
#include "testsupport.h"

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;        // the disambiguation, part of the key
    bool numerus = false;
    QString type;           // "unfinished", "obsolete", "vanished" or empty
    QStringList forms;      // one text, or one per plural form

    QString key() const { return context + QLatin1String(" | ") + source + QLatin1String(" | ") + comment; }
};

QList<Message> readTs(const QString &path, QString *language = nullptr)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            messages << current;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("TS") && language) {
            *language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            current = Message();
            current.context = context;
            current.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            current.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!current.numerus)
                current.forms << xml.readElementText();
        } else if (name == QLatin1String("numerusform")) {
            current.forms << xml.readElementText();
        }
    }
    return messages;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

QStringList matches(const QRegularExpression &re, const QString &text)
{
    QStringList found;
    auto it = re.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(0);
    return sorted(found);
}

QStringList placeholders(const QString &text, bool withCount)
{
    static const QRegularExpression re(QStringLiteral("%L?\\d+|%n"));
    QStringList found = matches(re, text);
    if (!withCount)
        found.removeAll(QStringLiteral("%n"));
    return found;
}

QStringList tags(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("</?[A-Za-z][A-Za-z0-9]*"));
    return matches(re, text);
}

int accelerators(QString text)
{
    text.remove(QLatin1String("&&"));
    static const QRegularExpression re(QStringLiteral("&[^\\s&]"));
    return matches(re, text).size();
}

QStringList tsFiles()
{
    const QDir dir(TestSupport::sourceDir() + QStringLiteral("/resources/translations"));
    return dir.entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name);
}

QString tsPath(const QString &file)
{
    return TestSupport::sourceDir() + QStringLiteral("/resources/translations/") + file;
}

} // namespace

class TestTranslationFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyLanguageHasASource();
    void messagesAreComplete_data();
    void messagesAreComplete();
    void sourcesMatchTheCode_data();
    void sourcesMatchTheCode();
    void compiledFilesAgree_data();
    void compiledFilesAgree();

private:
    void addFileRows();
    QSet<QString> m_codeTexts;
    QString m_lupdateError;
};

void TestTranslationFiles::initTestCase()
{
    // The texts the code has today, as lupdate finds them.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString ts = dir.filePath(QStringLiteral("code.ts"));
    QFile seed(ts);
    QVERIFY(seed.open(QIODevice::WriteOnly));
    seed.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"de\"/>\n");
    seed.close();
    QProcess lupdate;
    lupdate.setWorkingDirectory(TestSupport::sourceDir());
    lupdate.start(QStringLiteral(ZANTOR_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                   QStringLiteral("none"), QStringLiteral("-extensions"), QStringLiteral("cpp,h,ui"),
                   QStringLiteral("core"), QStringLiteral("engine"), QStringLiteral("plugins"), QStringLiteral("ui"),
                   QStringLiteral("web"), QStringLiteral("player"), QStringLiteral("locationviewer"),
                   QStringLiteral("updater"), QStringLiteral("apps"), QStringLiteral("-ts"), ts});
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0) {
        m_lupdateError = QStringLiteral("lupdate failed: ") + QString::fromLocal8Bit(lupdate.readAllStandardError());
        return;
    }
    for (const Message &m : readTs(ts))
        m_codeTexts.insert(m.key());
}

void TestTranslationFiles::everyLanguageHasASource()
{
    // English is the source language and needs no file; every other
    // language of the table has one.
    QStringList expected;
    for (const QString &name : ApplicationInfo::standardLanguageTable().keys())
        if (name != QLatin1String("english"))
            expected << name + QStringLiteral(".ts");
    QCOMPARE(tsFiles(), sorted(expected));
}

void TestTranslationFiles::addFileRows()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : tsFiles())
        QTest::newRow(qPrintable(file)) << file;
}

void TestTranslationFiles::messagesAreComplete_data() { addFileRows(); }

void TestTranslationFiles::messagesAreComplete()
{
    QFETCH(QString, file);
    QString language;
    const QList<Message> messages = readTs(tsPath(file), &language);
    QVERIFY(messages.size() > 100);
    QVERIFY2(!language.isEmpty(), "the file names no language");

    QStringList problems;
    QSet<QString> seen;
    for (const Message &m : messages) {
        const QString where = m.key().left(90);
        if (seen.contains(m.key()))
            problems << where + QStringLiteral(": listed twice");
        seen.insert(m.key());
        if (!m.type.isEmpty())
            problems << where + QStringLiteral(": ") + m.type;
        if (m.forms.isEmpty())
            problems << where + QStringLiteral(": no translation");
        for (const QString &text : m.forms) {
            if (text.trimmed().isEmpty()) {
                problems << where + QStringLiteral(": empty");
                continue;
            }
            // A plural form may spell out its number ("one second"); every
            // other placeholder must come through.
            if (placeholders(text, !m.numerus) != placeholders(m.source, !m.numerus))
                problems << where + QStringLiteral(": placeholders ") + placeholders(text, true).join(QLatin1Char(' '));
            if (tags(text) != tags(m.source))
                problems << where + QStringLiteral(": markup differs");
            if (accelerators(text) != accelerators(m.source))
                problems << where + QStringLiteral(": accelerator missing or added");
            if (text.front().isSpace() != m.source.front().isSpace()
                || text.back().isSpace() != m.source.back().isSpace())
                problems << where + QStringLiteral(": leading or trailing space differs");
            if (m.source.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\n')))
                problems << where + QStringLiteral(": line break lost");
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestTranslationFiles::sourcesMatchTheCode_data() { addFileRows(); }

void TestTranslationFiles::sourcesMatchTheCode()
{
    QFETCH(QString, file);
    QVERIFY2(m_lupdateError.isEmpty(), qPrintable(m_lupdateError));
    QVERIFY(m_codeTexts.size() > 100);
    QSet<QString> inFile;
    for (const Message &m : readTs(tsPath(file)))
        inFile.insert(m.key());
    QStringList gone = (inFile - m_codeTexts).values();
    QStringList missing = (m_codeTexts - inFile).values();
    QVERIFY2(gone.isEmpty(), qPrintable(QStringLiteral("no longer in the code:\n") + sorted(gone).join(QLatin1Char('\n'))));
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("not in the file (run tools/update-translations.sh):\n") + sorted(missing).join(QLatin1Char('\n'))));
}

void TestTranslationFiles::compiledFilesAgree_data() { addFileRows(); }

void TestTranslationFiles::compiledFilesAgree()
{
    QFETCH(QString, file);
    const QString name = QFileInfo(file).completeBaseName();
    QTranslator translator;
    QVERIFY(translator.load(Languages::translationFile(Languages::languageFolder(TestSupport::binDir()), name)));
    QStringList problems;
    for (const Message &m : readTs(tsPath(file))) {
        const QByteArray context = m.context.toUtf8();
        const QByteArray source = m.source.toUtf8();
        const QByteArray comment = m.comment.toUtf8();
        const char *disambiguation = m.comment.isEmpty() ? nullptr : comment.constData();
        if (m.numerus) {
            // Counts that pick different plural forms in some language.
            for (int n : {1, 2, 5, 11, 21, 100}) {
                const QString text = translator.translate(context.constData(), source.constData(), disambiguation, n);
                if (text.isEmpty())
                    problems << m.key() + QStringLiteral(": nothing for ") + QString::number(n);
            }
        } else if (translator.translate(context.constData(), source.constData(), disambiguation) != m.forms.value(0)) {
            problems << m.key() + QStringLiteral(": compiled text differs");
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslationFiles)
#include "tst_translationfiles.moc"
