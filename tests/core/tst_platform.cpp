#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "applicationinfo.h"
#include "languages.h"
#include "programoptions.h"
#include "sessioncontrol.h"
#include "sitepaths.h"
#include "testsupport.h"

namespace {

struct RecordingBackend final : SessionBackend
{
    QStringList *calls;
    explicit RecordingBackend(QStringList *c) : calls(c) {}
    bool powerOff() override { calls->append(QStringLiteral("powerOff")); return true; }
    bool logOff() override { calls->append(QStringLiteral("logOff")); return true; }
};

void writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void applicationRecord()
    {
        ApplicationInfo info;
        QCOMPARE(info.programFileName(), QStringLiteral("zantor"));
        QCOMPARE(info.displayName(), QStringLiteral("Zantor"));
        QCOMPARE(info.versionNumber(), 144);
        QCOMPARE(info.versionText(), QStringLiteral("1.4.4"));
        QCOMPARE(info.programKind(), QString());
        QCOMPARE(info.platform(), QStringLiteral("linux"));
        QCOMPARE(info.programFolder(), QCoreApplication::applicationDirPath());
        QCOMPARE(info.languageTable().size(), 10);
        QCOMPARE(info.languageTable().value(QStringLiteral("german")), 42);
        QCOMPARE(info.languageTable().value(QStringLiteral("english")), 31);
        QCOMPARE(info.languageTable().value(QStringLiteral("arabic")), 8);
        QCOMPARE(info.languageTable().value(QStringLiteral("korean")), 66);
        QCOMPARE(info.executableName(QStringLiteral("updater")), QStringLiteral("updater"));
    }

    void urlsFollowHomeUrl()
    {
        qputenv("ZANTOR_HOME_URL", "http://127.0.0.1:8080/");
        ApplicationInfo info;
        QCOMPARE(info.homeUrl(), QStringLiteral("http://127.0.0.1:8080"));
        QCOMPARE(info.advertisementBaseUrl(), QStringLiteral("http://127.0.0.1:8080/ads/"));
        QCOMPARE(info.updateManifestUrl(),
                 QStringLiteral("http://127.0.0.1:8080/tvo/z_tvo_z/zantor/update/linux/update.tvoxml"));
        QCOMPARE(SitePaths::searchPagePackageUrl(info.homeUrl(), info.programFileName()),
                 QStringLiteral("http://127.0.0.1:8080/tvo/z_tvo_z/zantor/views/webpane.tvor"));
        QCOMPARE(SitePaths::locationPageUrl(info.homeUrl(), QStringLiteral("1.2.3.4"), QStringLiteral("a.b")),
                 QStringLiteral("http://127.0.0.1:8080/tvo/pub/geo/tvolocation.php?ip=1.2.3.4&domain=a.b"));
        QCOMPARE(SitePaths::advertisementPageUrl(info.advertisementBaseUrl(), SitePaths::AdBanner, 7),
                 QStringLiteral("http://127.0.0.1:8080/ads/bannershow7.html"));
        qunsetenv("ZANTOR_HOME_URL");
        QVERIFY(ApplicationInfo().homeUrl().startsWith(QLatin1String("http")));
    }

    void sessionControlUsesInjectedBackend()
    {
        QStringList calls;
        auto previous = SessionControl::setBackend(std::make_unique<RecordingBackend>(&calls));
        QVERIFY(dynamic_cast<LogindSessionBackend *>(previous.get()));
        SessionControl::shutDown();
        SessionControl::logOff();
        QCOMPARE(calls, QStringList({QStringLiteral("powerOff"), QStringLiteral("logOff")}));
        // The recorder stays installed for the rest of the process.
    }

    void languageChoice_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("null german") << "null" << int(QLocale::German) << "german";
        QTest::newRow("null arabic") << "null" << int(QLocale::Arabic) << "arabic";
        QTest::newRow("null unknown") << "null" << int(QLocale::Swahili) << "english";
        QTest::newRow("null C") << "null" << int(QLocale::C) << "english";
        QTest::newRow("stored") << "french" << int(QLocale::German) << "french";
    }
    void languageChoice()
    {
        QFETCH(QString, stored);
        QFETCH(int, system);
        QFETCH(QString, chosen);
        QCOMPARE(Languages::choose(stored, system, ApplicationInfo::standardLanguageTable()), chosen);
    }

    void missingTranslationLeavesBuiltInTexts()
    {
        QTemporaryDir dir;
        QVERIFY(!Languages::install(dir.path(), QStringLiteral("german")));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        // Arabic turns the layout around even before its texts arrive.
        QVERIFY(!Languages::install(dir.path(), QStringLiteral("arabic")));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        QVERIFY(!Languages::switchTo(dir.path(), QStringLiteral("english")));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        QCOMPARE(Languages::translationFile(QStringLiteral("/p/langs"), QStringLiteral("korean")),
                 QStringLiteral("/p/langs/korean.tvol"));
    }

    void programOptionsCopiesShippedFilesOnce()
    {
        QTemporaryDir program;
        QTemporaryDir appData;
        writeFile(program.filePath(QStringLiteral("config.conf")), "a=1\n");
        writeFile(program.filePath(QStringLiteral("session.conf")), "s\n");
        ProgramOptions first(program.path(), appData.path());
        QCOMPARE(first.optionsFilePath(), appData.path() + QStringLiteral("/tv/config.conf"));
        QVERIFY(QFile::exists(appData.filePath(QStringLiteral("tv/config.conf"))));
        QVERIFY(QFile::exists(appData.filePath(QStringLiteral("tv/session.conf"))));
        QVERIFY(!QFile::exists(appData.filePath(QStringLiteral("tv/historic.log"))));

        // An existing options folder is left as the user has it.
        writeFile(appData.filePath(QStringLiteral("tv/config.conf")), "user\n");
        ProgramOptions second(program.path(), appData.path());
        QFile f(second.optionsFilePath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("user\n"));

        // Without a shipped config.conf nothing is created.
        QTemporaryDir emptyProgram;
        QTemporaryDir otherData;
        ProgramOptions third(emptyProgram.path(), otherData.path());
        QVERIFY(!QDir(otherData.filePath(QStringLiteral("tv"))).exists());
    }

    void programOptionsInstanceNeverAtRoot()
    {
        qputenv("APPDATA", "/");
        ProgramOptions *options = ProgramOptions::instance();
        QVERIFY(options);
        QVERIFY(!options->optionsFolder().startsWith(QLatin1String("/tv")));
        QCOMPARE(ProgramOptions::instance(), options);
        QVERIFY(QSignalSpy(options, &ProgramOptions::optionsUpdated).isValid());
    }
};

int main(int argc, char **argv)
{
    TestSupport::isolateUserFolders();
    QGuiApplication app(argc, argv);
    TestPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_platform.moc"
