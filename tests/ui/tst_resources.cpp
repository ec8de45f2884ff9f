#include <QDirIterator>
#include <QGuiApplication>
#include <QImageReader>
#include <QMovie>
#include <QPixmap>
#include <QtTest>

#include "testsupport.h"

// Every picture the programs name is compiled in and loads.
class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(zantor); }
    void namedPictures_data();
    void namedPictures();
    void animation();
    void flags_data();
    void flags();
    void flagNames();
};

void TestResources::namedPictures_data()
{
    QTest::addColumn<QString>("path");
    const QStringList paths = QStringList()
        << QStringLiteral(":/icons/bullet_down.png")
        << QStringLiteral(":/icons/close_btn.png")
        << QStringLiteral(":/icons/closeover_btn.png")
        << QStringLiteral(":/icons/config_content.png")
        << QStringLiteral(":/icons/config_general.png")
        << QStringLiteral(":/icons/config_proxy.png")
        << QStringLiteral(":/icons/config_virusscan.png")
        << QStringLiteral(":/icons/cross.png")
        << QStringLiteral(":/icons/download.png")
        << QStringLiteral(":/icons/encrypted.png")
        << QStringLiteral(":/icons/failed.png")
        << QStringLiteral(":/icons/fileopen.png")
        << QStringLiteral(":/icons/floating_splash.png")
        << QStringLiteral(":/icons/fold.png")
        << QStringLiteral(":/icons/folder_files.png")
        << QStringLiteral(":/icons/folders.png")
        << QStringLiteral(":/icons/foldover.png")
        << QStringLiteral(":/icons/go.png")
        << QStringLiteral(":/icons/info.png")
        << QStringLiteral(":/icons/infodlg.png")
        << QStringLiteral(":/icons/load.png")
        << QStringLiteral(":/icons/loading_globe.gif")
        << QStringLiteral(":/icons/locked.png")
        << QStringLiteral(":/icons/mime_exe.png")
        << QStringLiteral(":/icons/mime_file.png")
        << QStringLiteral(":/icons/new.png")
        << QStringLiteral(":/icons/ok.png")
        << QStringLiteral(":/icons/paused.png")
        << QStringLiteral(":/icons/play.png")
        << QStringLiteral(":/icons/question.png")
        << QStringLiteral(":/icons/search.png")
        << QStringLiteral(":/icons/stopped.png")
        << QStringLiteral(":/icons/tarvo.png")
        << QStringLiteral(":/icons/timer.png")
        << QStringLiteral(":/icons/trash.png")
        << QStringLiteral(":/icons/unfold_arrow.png")
        << QStringLiteral(":/icons/unlocked.png")
        << QStringLiteral(":/icons/warning.png")
        << QStringLiteral(":/icons/warning_r.png");
    for (const QString &path : paths)
        QTest::newRow(qPrintable(path)) << path;
}

void TestResources::namedPictures()
{
    QFETCH(QString, path);
    const QPixmap pixmap(path);
    QVERIFY2(!pixmap.isNull(), qPrintable(path));
    QVERIFY(pixmap.width() >= 16 && pixmap.height() >= 11);
}

void TestResources::animation()
{
    QMovie movie(QStringLiteral(":/icons/loading_globe.gif"));
    QVERIFY(movie.isValid());
    QVERIFY(movie.frameCount() > 1);
}

void TestResources::flags_data()
{
    QTest::addColumn<QString>("code");
    for (const char *code : {"de", "us", "gb", "fr", "es", "br", "ru", "sa", "cn", "jp", "kr", "ch"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

void TestResources::flags()
{
    QFETCH(QString, code);
    QVERIFY(!QPixmap(QStringLiteral(":/icons/flags/") + code + QStringLiteral(".png")).isNull());
}

void TestResources::flagNames()
{
    // Only lower-case two-letter codes, as the location lookup gives them.
    int count = 0;
    QDirIterator it(QStringLiteral(":/icons/flags"));
    while (it.hasNext()) {
        const QString name = QFileInfo(it.next()).fileName();
        QVERIFY2(QRegularExpression(QStringLiteral("^[a-z]{2}\\.png$")).match(name).hasMatch(), qPrintable(name));
        ++count;
    }
    QVERIFY(count > 200);
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QGuiApplication app(argc, argv);
    TestResources test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_resources.moc"
