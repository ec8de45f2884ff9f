#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTranslator>
#include <QtTest>

#include "applicationinfo.h"
#include "languages.h"
#include "testsupport.h"

namespace {

QString langFolder() { return Languages::languageFolder(TestSupport::binDir()); }

QString cancelText() { return QCoreApplication::translate("ApInfoDialogClass", "Cancel"); }

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void compiledFiles_data();
    void compiledFiles();
    void embeddedCopiesMatch_data();
    void embeddedCopiesMatch();
    void installSwitchesTexts();
    void arabicIsRightToLeft();
    void missingFileKeepsBuiltInTexts();
    void choice_data();
    void choice();
};

void TestTranslations::cleanup()
{
    Languages::switchTo(langFolder(), QStringLiteral("english"));
}

void TestTranslations::compiledFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<QString>("completed");
    QTest::newRow("german") << "german" << "Abbrechen" << "Abgeschlossen";
    QTest::newRow("spanish") << "spanish" << "Cancelar" << "Completado";
    QTest::newRow("french") << "french" << "Annuler" << "Terminé";
    QTest::newRow("portuguese") << "portuguese" << "Cancelar" << "Concluído";
    QTest::newRow("russian") << "russian" << "Отмена" << "Завершённые";
    QTest::newRow("arabic") << "arabic" << "إلغاء" << "مكتمل";
    QTest::newRow("chinese") << "chinese" << "取消" << "已完成";
    QTest::newRow("japanese") << "japanese" << "キャンセル" << "完了";
    QTest::newRow("korean") << "korean" << "취소" << "완료됨";
}

void TestTranslations::compiledFiles()
{
    QFETCH(QString, name);
    QFETCH(QString, cancel);
    QFETCH(QString, completed);

    // Every language of the program's table has its file beside the programs.
    QVERIFY(ApplicationInfo::standardLanguageTable().contains(name));
    const QString file = Languages::translationFile(langFolder(), name);
    QVERIFY2(QFile::exists(file), qPrintable(file));
    QVERIFY(file.endsWith(QLatin1String(".tvol")));

    QTranslator translator;
    QVERIFY(translator.load(file));
    QCOMPARE(translator.translate("ApInfoDialogClass", "Cancel"), cancel);
    QCOMPARE(translator.translate("MainWindow", "Completed"), completed);
}

void TestTranslations::embeddedCopiesMatch_data()
{
    QTest::addColumn<QString>("name");
    const QMap<QString, int> table = ApplicationInfo::standardLanguageTable();
    QCOMPARE(table.size(), 10);
    // English is the language of the code itself and has no file.
    for (const QString &name : table.keys())
        if (name != QLatin1String("english"))
            QTest::newRow(qPrintable(name)) << name;
}

void TestTranslations::embeddedCopiesMatch()
{
    QFETCH(QString, name);
    // The companion programs load ":/langs/" + name + ".tvol".
    QFile embedded(QStringLiteral(":/langs/") + name + QStringLiteral(".tvol"));
    QFile onDisk(Languages::translationFile(langFolder(), name));
    QVERIFY(embedded.open(QIODevice::ReadOnly));
    QVERIFY(onDisk.open(QIODevice::ReadOnly));
    QCOMPARE(embedded.readAll(), onDisk.readAll());

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/langs/") + name + QStringLiteral(".tvol")));
}

void TestTranslations::installSwitchesTexts()
{
    QCOMPARE(cancelText(), QStringLiteral("Cancel"));
    QVERIFY(Languages::install(langFolder(), QStringLiteral("german")));
    QCOMPARE(cancelText(), QStringLiteral("Abbrechen"));
    // Installing another language replaces the first one, it does not stack.
    QVERIFY(Languages::install(langFolder(), QStringLiteral("french")));
    QCOMPARE(cancelText(), QStringLiteral("Annuler"));
    QCOMPARE(QCoreApplication::translate("MainWindow", "Settings"), QStringLiteral("Paramètres"));
    QVERIFY(!Languages::switchTo(langFolder(), QStringLiteral("english")));
    QCOMPARE(cancelText(), QStringLiteral("Cancel"));
}

void TestTranslations::arabicIsRightToLeft()
{
    QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
    QVERIFY(Languages::install(langFolder(), QStringLiteral("arabic")));
    QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
    QCOMPARE(cancelText(), QStringLiteral("إلغاء"));
    QWidget widget;
    QCOMPARE(widget.layoutDirection(), Qt::RightToLeft);
    // A later language-change event (any translator coming or going) keeps
    // the direction, as the Arabic file itself says right to left.
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(qApp, &change);
    QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);

    QVERIFY(Languages::switchTo(langFolder(), QStringLiteral("japanese")));
    QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
    Languages::switchTo(langFolder(), QStringLiteral("arabic"));
    QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
    Languages::switchTo(langFolder(), QStringLiteral("english"));
    QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
}

void TestTranslations::missingFileKeepsBuiltInTexts()
{
    QVERIFY(Languages::install(langFolder(), QStringLiteral("german")));
    QVERIFY(!Languages::install(langFolder(), QStringLiteral("klingon")));
    QCOMPARE(cancelText(), QStringLiteral("Cancel"));
    QVERIFY(!Languages::install(QStringLiteral("/nonexistent"), QStringLiteral("german")));
    QCOMPARE(cancelText(), QStringLiteral("Cancel"));
}

void TestTranslations::choice_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("systemLanguage");
    QTest::addColumn<QString>("expected");
    QTest::newRow("null, unknown locale") << "null" << int(QLocale::Swahili) << "english";
    QTest::newRow("null, C locale") << "null" << int(QLocale::C) << "english";
    QTest::newRow("null, German locale") << "null" << int(QLocale::German) << "german";
    QTest::newRow("null, Arabic locale") << "null" << int(QLocale::Arabic) << "arabic";
    QTest::newRow("null, Korean locale") << "null" << int(QLocale::Korean) << "korean";
    QTest::newRow("stored wins over locale") << "french" << int(QLocale::German) << "french";
}

void TestTranslations::choice()
{
    QFETCH(QString, stored);
    QFETCH(int, systemLanguage);
    QFETCH(QString, expected);
    const QString name = Languages::choose(stored, systemLanguage, ApplicationInfo::standardLanguageTable());
    QCOMPARE(name, expected);
    // Whatever is chosen has a file to load, except English, the language
    // of the code itself.
    QCOMPARE(QFile::exists(Languages::translationFile(langFolder(), name)), name != QLatin1String("english"));
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
