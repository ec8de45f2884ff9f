#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include "applicationinfo.h"
#include "commonfunctions.h"
#include "settingsstore.h"
#include "testsupport.h"

class TestCommonFunctions : public QObject
{
    Q_OBJECT

private slots:
    void durationText_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << qint64(0) << "0s";
        QTest::newRow("5") << qint64(5) << "5s";
        QTest::newRow("59") << qint64(59) << "59s";
        QTest::newRow("60") << qint64(60) << "1m 0s";
        QTest::newRow("3600") << qint64(3600) << "1h 0s";
        QTest::newRow("3725") << qint64(3725) << "1h 2m 5s";
        QTest::newRow("90000") << qint64(90000) << "25h 0s";
    }
    void durationText()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(Common::durationText(seconds), text);
    }

    void sizeText_data()
    {
        QTest::addColumn<double>("bytes");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("speed");
        QTest::newRow("0") << 0.0 << "0.00 KB" << "0.00 KB/s";
        QTest::newRow("512") << 512.0 << "0.50 KB" << "0.50 KB/s";
        QTest::newRow("1023") << 1023.0 << "1.00 KB" << "1.00 KB/s";
        QTest::newRow("1024") << 1024.0 << "1.00 KB" << "1.00 KB/s";
        QTest::newRow("1 MiB - 1") << 1048575.0 << "1024.00 KB" << "1024.00 KB/s";
        QTest::newRow("1 MiB") << 1048576.0 << "1.00 MB" << "1.00 MB/s";
        QTest::newRow("1.5 MiB") << 1572864.0 << "1.50 MB" << "1.50 MB/s";
        QTest::newRow("1 GiB") << 1073741824.0 << "1.00 GB" << "1.00 GB/s";
        QTest::newRow("1 TiB") << 1099511627776.0 << "1.00 TB" << "1.00 TB/s";
        QTest::newRow("1 PiB") << 1125899906842624.0 << "1.00 PB" << "1.00 PB/s";
        QTest::newRow("2048 PiB") << 2048.0 * 1125899906842624.0 << "2048.00 PB" << "2048.00 PB/s";
        QTest::newRow("negative") << -2048.0 << "-2.00 KB" << "-2.00 KB/s";
    }
    void sizeText()
    {
        QFETCH(double, bytes);
        QFETCH(QString, size);
        QFETCH(QString, speed);
        QCOMPARE(Common::sizeText(bytes), size);
        QCOMPARE(Common::speedText(bytes), speed);
    }

    void typeListsIgnoreCase()
    {
        QVERIFY(Common::isMediaType(QStringLiteral("MP4")));
        QVERIFY(Common::isPlayerType(QStringLiteral("MP4")));
        QVERIFY(Common::isMediaType(QStringLiteral("Avi")));
        QVERIFY(!Common::isPlayerType(QStringLiteral("avi")));
        QVERIFY(Common::isPlayerType(QStringLiteral("3g2")));
        QVERIFY(!Common::isMediaType(QStringLiteral("3g2")));
        QVERIFY(!Common::isMediaType(QStringLiteral("")));
        QVERIFY(!Common::isMediaType(QStringLiteral(".mp4")));
        QCOMPARE(Common::mediaTypes().size(), 23);
        QCOMPARE(Common::playerTypes().size(), 7);
    }

    void companionTable()
    {
        ApplicationInfo info;
        info.setProgramFolder(QStringLiteral("/opt/suite/bin"));
        QCOMPARE(Common::companionProgramPath(info, 0), QStringLiteral("/opt/suite/bin/updater"));
        QCOMPARE(Common::companionProgramPath(info, 3), QStringLiteral("/opt/suite/bin/clipdeck"));
        QCOMPARE(Common::companionProgramPath(info, 7), QStringLiteral("/opt/suite/bin/mapglance"));
        QCOMPARE(Common::companionProgramPath(info, 8), QStringLiteral("/opt/suite/bin/toolbelt"));
        QVERIFY(Common::companionProgramPath(info, 2).startsWith(QLatin1String("/opt/suite/bin/")));
        QVERIFY(Common::companionProgramPath(info, 9).startsWith(QLatin1String("/opt/suite/bin/")));
        for (int kind : {4, 5, 6, 10, -1})
            QVERIFY2(Common::companionProgramPath(info, kind).isEmpty(), qPrintable(QString::number(kind)));

        // Formshift: beside the program folder unless its own store names an existing file.
        QCOMPARE(Common::companionProgramPath(info, 1), QStringLiteral("/opt/suite/Formshift/formshift"));
        QTemporaryDir dir;
        const QString converter = dir.filePath(QStringLiteral("fs"));
        {
            SettingsStore formshift(QStringLiteral("Formshift"), QStringLiteral("formshift"));
            formshift->setValue(QStringLiteral("FullPathName"), converter);
        }
        QCOMPARE(Common::companionProgramPath(info, 1), QStringLiteral("/opt/suite/Formshift/formshift"));
        QFile f(converter);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(Common::companionProgramPath(info, 1), converter);
    }

    void missingCompanionDoesNotStart()
    {
        ApplicationInfo info;
        QTemporaryDir dir;
        info.setProgramFolder(dir.path());
        QVERIFY(!Common::startCompanion(info, Common::CompanionToolbelt, {QStringLiteral("/host-ip")}));
        QVERIFY(!Common::startCompanion(info, 5, {}));
    }

    void companionStartsDetachedInProgramFolder()
    {
        ApplicationInfo info;
        QTemporaryDir dir;
        info.setProgramFolder(dir.path());
        const QString script = dir.filePath(QStringLiteral("toolbelt"));
        QFile f(script);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\npwd > \"$0.out\"\necho \"$@\" >> \"$0.out\"\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(Common::startCompanion(info, Common::CompanionToolbelt,
                                       {QStringLiteral("/file-sha1"), QStringLiteral("/x y"), QStringLiteral("42")}));
        const auto output = [&] {
            QFile out(script + QStringLiteral(".out"));
            return out.open(QIODevice::ReadOnly) ? QString::fromUtf8(out.readAll()) : QString();
        };
        QTRY_COMPARE(output(), dir.path() + QStringLiteral("\n/file-sha1 /x y 42\n"));
    }

    void folders()
    {
        QVERIFY(Common::defaultDownloadFolder().endsWith(QLatin1String("/Zantor/downloads")));
        QCOMPARE(Common::defaultDownloadFolder(), Common::documentsFolder() + QStringLiteral("/Zantor/downloads"));
        QVERIFY(!QDir(Common::applicationDataFolder()).isRoot());
        QVERIFY(!Common::applicationDataFolder().isEmpty());
        ApplicationInfo info;
        QCOMPARE(info.userDataFolder(), Common::applicationDataFolder() + QStringLiteral("/Zantor/zantor"));
    }

    void fileTypeIcons()
    {
        QVERIFY(!Common::fileTypeIcon(QStringLiteral("pdf"), false).isNull());
        QVERIFY(!Common::fileTypeIcon(QStringLiteral(".unknownsuffix"), false).isNull());
        QVERIFY(!Common::fileTypeIcon(QString(), false).isNull());
    }
};

int main(int argc, char **argv)
{
    TestSupport::isolateUserFolders();
    QGuiApplication app(argc, argv);
    TestCommonFunctions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_commonfunctions.moc"
