// The main window with its menus, the new task dialog and the settings
// dialog in languages of different scripts and directions: pictures for a
// reviewer, and the checks a reviewer makes (accelerators used once per menu
// or dialog, no single-line text cut by its widget).
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "apconfigdialog.h"
#include "applicationinfo.h"
#include "apnewtaskdialog.h"
#include "apopenlinkgui.h"
#include "apscheduletaskdialog.h"
#include "aptvomanager.h"
#include "languages.h"
#include "mainwindow.h"
#include "taskstore.h"
#include "uitestsupport.h"
#include "widgetchecks.h"

namespace {

QString langFolder() { return Languages::languageFolder(TestSupport::binDir()); }

void save(QWidget *widget, const QString &language, const QString &what)
{
    UiTest::saveImage(widget->grab().toImage(), QStringLiteral("translated-%1-%2.png").arg(language, what));
}

// Checks and a picture of a dialog page as it is shown now.
QStringList review(QWidget *window, const QString &language, const QString &what)
{
    QCoreApplication::processEvents();
    save(window, language, what);
    return WidgetChecks::clippedTexts(window) + WidgetChecks::dialogMnemonicProblems(window);
}

// Shows the dialog and reviews each of its pages in turn.
QStringList reviewPages(QWidget *dialog, int pages, const std::function<void(int)> &showPage, const QString &language,
                        const QString &what)
{
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog))
        return {what + QStringLiteral(": not shown")};
    QStringList problems;
    for (int i = 0; i < pages; ++i) {
        showPage(i);
        problems += review(dialog, language, QStringLiteral("%1-%2").arg(what).arg(i));
    }
    return problems;
}

} // namespace

class TestTranslatedWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void windows_data();
    void windows();

private:
    QTemporaryDir m_downloads;
};

void TestTranslatedWindows::initTestCase()
{
    ApTaskStore().removeAll();
    UiTest::prepareSettings(m_downloads.path());
}

void TestTranslatedWindows::cleanup()
{
    AppSettings::setLanguage(QStringLiteral("english"));
    Languages::switchTo(langFolder(), QStringLiteral("english"));
}

void TestTranslatedWindows::windows_data()
{
    QTest::addColumn<QString>("language");
    // Every language, English included, for the checks; the pictures of
    // German, Chinese, Russian and Arabic cover the scripts and directions.
    for (const QString &language : ApplicationInfo::standardLanguageTable().keys())
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslatedWindows::windows()
{
    QFETCH(QString, language);
    // The window installs the saved language as it starts.
    AppSettings::setLanguage(language);
    const bool rightToLeft = language == QLatin1String("arabic");
    QStringList problems;

    {
        MainWindow window(nullptr, 100);
        window.setUrlOpener([](const QUrl &) { return true; });
        window.setPathOpener([](const QString &) { return true; });
        window.setProgramStarter([](const QString &, const QStringList &) { return true; });
        window.setQuitHandler([] {});
        window.resize(1024, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        // The menus show translated titles, not the English ones.
        QCOMPARE(window.menuBar()->actions().first()->text() == QLatin1String("&Tasks"),
                 language == QLatin1String("english"));
        save(&window, language, QStringLiteral("mainwindow"));
        problems += WidgetChecks::menuBarProblems(window.menuBar());
        for (QAction *title : window.menuBar()->actions()) {
            QMenu *menu = title->menu();
            if (!menu)
                continue;
            menu->popup(window.mapToGlobal(window.menuBar()->actionGeometry(title).bottomLeft()));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            save(menu, language, QStringLiteral("menu-") + menu->objectName());
            menu->hide();
        }
    }

    {
        ApplicationInfo info;
        ApTvoManager manager(nullptr, &info);
        ApNewTaskDialog dialog(nullptr, &manager);
        auto *tabs = dialog.findChild<QTabWidget *>(QStringLiteral("httpftptask_tabWidget"));
        QVERIFY(tabs);
        problems += reviewPages(&dialog, tabs->count(), [tabs](int i) { tabs->setCurrentIndex(i); }, language,
                                QStringLiteral("newtask"));
    }

    {
        ApConfigDialog dialog;
        auto *pages = dialog.findChild<QListWidget *>(QStringLiteral("config_listWidget"));
        QVERIFY(pages);
        problems += reviewPages(&dialog, pages->count(), [pages](int i) { pages->setCurrentRow(i); }, language,
                                QStringLiteral("settings"));
    }

    // The smaller dialogs, checked and pictured as they open.
    {
        ApScheduleTaskDialog schedule(nullptr, 0);
        ApOpenLinkGui openLink;
        for (QDialog *dialog : std::initializer_list<QDialog *>{&schedule, &openLink})
            problems += reviewPages(dialog, 1, [](int) {}, language, dialog->metaObject()->className());
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

int main(int argc, char **argv)
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestTranslatedWindows test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translatedwindows.moc"
