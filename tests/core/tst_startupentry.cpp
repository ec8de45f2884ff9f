#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include "appsettings.h"
#include "settingsstore.h"
#include "startupentry.h"
#include "testsupport.h"

class TestStartupEntry : public QObject
{
    Q_OBJECT

private:
    static QString entryText()
    {
        QFile f(StartupEntry::entryPath());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    static QString execValue()
    {
        for (const QString &line : entryText().split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("Exec=")))
                return line.mid(5);
        }
        return QString();
    }

private slots:
    void init()
    {
        QFile::remove(StartupEntry::entryPath());
        QFile::remove(SettingsStore::filePath(SettingsStore::organisation, SettingsStore::application));
    }

    void entryLivesInXdgAutostart()
    {
        QCOMPARE(StartupEntry::entryPath(), QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                                + "/autostart/zantor.desktop");
        QVERIFY(StartupEntry::entryPath().startsWith(QDir::homePath() + QLatin1Char('/')));
    }

    void switchingOnWritesQuotedPathAndBg()
    {
        StartupEntry::setEnabled(true, QStringLiteral("/opt/zantor/zantor"));
        QVERIFY(StartupEntry::isPresent());
        QCOMPARE(execValue(), QStringLiteral("\"/opt/zantor/zantor\" /bg"));
        QVERIFY(entryText().startsWith(QLatin1String("[Desktop Entry]\n")));
        QVERIFY(entryText().contains(QLatin1String("\nType=Application\n")));
        QCOMPARE(AppSettings::autoStartupFlag(), true);
        SettingsStore s;
        QCOMPARE(s->value(SettingsKeys::AutoStartupFlag).toInt(), 1);
    }

    void switchingOffWritesZeroAndRemoves()
    {
        StartupEntry::setEnabled(true, QStringLiteral("/opt/zantor/zantor"));
        StartupEntry::setEnabled(false, QStringLiteral("/opt/zantor/zantor"));
        QVERIFY(!StartupEntry::isPresent());
        SettingsStore s;
        QCOMPARE(s->value(SettingsKeys::AutoStartupFlag).toInt(), 0);
        // Off again with nothing to remove is harmless.
        StartupEntry::setEnabled(false, QStringLiteral("/opt/zantor/zantor"));
        QVERIFY(!StartupEntry::isPresent());
    }

    void toggleFollowsPresenceNotTheFlag()
    {
        {
            SettingsStore s;
            s->setValue(SettingsKeys::AutoStartupFlag, 1);
        }
        // The flag says on, but no entry exists: the toggle switches on.
        QCOMPARE(StartupEntry::toggle(QStringLiteral("/a/zantor")), true);
        QVERIFY(StartupEntry::isPresent());
        QCOMPARE(StartupEntry::toggle(QStringLiteral("/a/zantor")), false);
        QVERIFY(!StartupEntry::isPresent());
        QCOMPARE(AppSettings::autoStartupFlag(), false);
    }

    void refreshAtStartWhileOnOrMissing()
    {
        QVERIFY(StartupEntry::refreshAtStart(QStringLiteral("/b/zantor")));  // missing → on
        QCOMPARE(execValue(), QStringLiteral("\"/b/zantor\" /bg"));
        // A moved program gets its entry rewritten.
        StartupEntry::refreshAtStart(QStringLiteral("/c/zantor"));
        QCOMPARE(execValue(), QStringLiteral("\"/c/zantor\" /bg"));

        StartupEntry::setEnabled(false, QStringLiteral("/c/zantor"));
        QVERIFY(!StartupEntry::refreshAtStart(QStringLiteral("/c/zantor")));
        QVERIFY(!StartupEntry::isPresent());
    }

    void specialCharactersAreEscaped_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("space") << "/home/a b/zantor" << "\"/home/a b/zantor\" /bg";
        QTest::newRow("dollar") << "/x$y/zantor" << "\"/x\\\\$y/zantor\" /bg";
        QTest::newRow("quote") << "/x\"y/zantor" << "\"/x\\\\\"y/zantor\" /bg";
        QTest::newRow("percent") << "/50%/zantor" << "\"/50%%/zantor\" /bg";
    }

    void specialCharactersAreEscaped()
    {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(StartupEntry::execLine(path), exec);
    }
};

int main(int argc, char **argv)
{
    TestSupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestStartupEntry test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startupentry.moc"
