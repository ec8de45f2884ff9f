// The toolbar search field on real widgets: its history rules, the history
// menu, the placeholder, the completer and the busy animation.
#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QMenu>
#include <QMovie>
#include <QSignalSpy>
#include <QtTest>

#include "appsettings.h"
#include "aptoolbarsearch.h"
#include "searchbutton.h"
#include "settingsstore.h"
#include "testsupport.h"

class TestToolbarSearch : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void history_data();
    void history();
    void historyMenu();
    void buttonOpensMenuBelowField();
    void placeholderComesAndGoes();
    void busyAnimation();

private:
    std::unique_ptr<ApToolbarSearch> makeField();
};

std::unique_ptr<ApToolbarSearch> TestToolbarSearch::makeField()
{
    auto field = std::make_unique<ApToolbarSearch>(nullptr, SettingsStore::organisation, SettingsStore::application);
    field->setMinimumHeight(26);
    field->setFixedWidth(160);
    return field;
}

void TestToolbarSearch::init()
{
    SettingsStore()->clear();
}

void TestToolbarSearch::history_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<int>("maxNum");  // 0: none stored
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("searches");

    QStringList thirty;
    for (int i = 1; i <= 30; ++i)
        thirty << QStringLiteral("search %1").arg(i);
    QStringList lastTwentyNine;
    for (int i = 30; i >= 2; --i)
        lastTwentyNine << QStringLiteral("search %1").arg(i);

    QTest::newRow("existing entry moves to the front")
        << QStringList{"a", "b", "c"} << 0 << QStringList{"b"} << QStringList{"b", "a", "c"} << 1;
    QTest::newRow("30th distinct search leaves 29") << QStringList{} << 0 << thirty << lastTwentyNine << 30;
    QTest::newRow("stored capacity") << QStringList{} << 3 << QStringList{"x", "y", "z"} << QStringList{"z", "y"}
                                     << 3;
    QTest::newRow("placeholder never searched")
        << QStringList{"a"} << 0 << QStringList{"Search...", "  sEARCH...  "} << QStringList{"a"} << 0;
    QTest::newRow("blanks do nothing") << QStringList{"a"} << 0 << QStringList{"   "} << QStringList{"a"} << 0;
    QTest::newRow("trimmed") << QStringList{} << 0 << QStringList{"  red fox  "} << QStringList{"red fox"} << 1;
    QTest::newRow("letter case makes another entry")
        << QStringList{"Cat"} << 0 << QStringList{"cat"} << QStringList{"cat", "Cat"} << 1;
}

void TestToolbarSearch::history()
{
    QFETCH(QStringList, stored);
    QFETCH(int, maxNum);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    QFETCH(int, searches);

    AppSettings::setToolbarSearchRecords(stored);
    if (maxNum)
        SettingsStore()->setValue(SettingsKeys::ToolbarSearchMaxNum, maxNum);
    auto field = makeField();
    QCOMPARE(field->history(), stored);
    QSignalSpy spy(field.get(), &ApToolbarSearch::search);
    for (const QString &text : typed) {
        field->lineEdit()->setText(text);
        QTest::keyClick(field->lineEdit(), Qt::Key_Return);
    }
    QCOMPARE(spy.size(), searches);
    if (searches)
        QCOMPARE(spy.last().first().toString(), expected.first());
    QCOMPARE(field->history(), expected);
    QCOMPARE(field->completer()->model()->rowCount(), expected.size());
    // Saved as it changed: a new field reads the same list.
    QCOMPARE(AppSettings::toolbarSearchRecords(), expected);
    QCOMPARE(makeField()->history(), expected);
}

void TestToolbarSearch::historyMenu()
{
    auto field = makeField();
    QSignalSpy spy(field.get(), &ApToolbarSearch::search);
    QMenu *menu = field->menu();

    // Empty history: one entry that does nothing.
    emit menu->aboutToShow();
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("No Search Records"));
    menu->actions().first()->trigger();
    QCOMPARE(spy.size(), 0);
    QVERIFY(field->history().isEmpty());

    AppSettings::setToolbarSearchRecords({"older", "newer"});
    field = makeField();
    QSignalSpy picks(field.get(), &ApToolbarSearch::search);
    menu = field->menu();
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("--") : action->text());
    QCOMPARE(texts, (QStringList{"older", "newer", "--", "Clear Search History"}));

    // Picking an entry searches it again, which moves it to the front.
    menu->actions().at(1)->trigger();
    QCOMPARE(picks.size(), 1);
    QCOMPARE(picks.first().first().toString(), QStringLiteral("newer"));
    QCOMPARE(field->lineEdit()->text(), QStringLiteral("newer"));
    QCOMPARE(field->history(), (QStringList{"newer", "older"}));

    emit menu->aboutToShow();
    menu->actions().last()->trigger();
    QCOMPARE(picks.size(), 1);
    QVERIFY(field->history().isEmpty());
    QVERIFY(AppSettings::toolbarSearchRecords().isEmpty());
}

void TestToolbarSearch::buttonOpensMenuBelowField()
{
    auto field = makeField();
    field->show();
    QVERIFY(QTest::qWaitForWindowExposed(field.get()));
    SearchButton *button = field->searchButton();
    QVERIFY(button->width() <= 22 && button->height() <= 22);
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY(field->menu()->isVisible());
    const QPoint expected = field->mapToGlobal(QPoint(button->geometry().center().x(), field->height()));
    QCOMPARE(field->menu()->pos().y(), expected.y());
    field->menu()->close();
}

void TestToolbarSearch::placeholderComesAndGoes()
{
    auto field = makeField();
    QLineEdit *edit = field->lineEdit();
    QCOMPARE(edit->text(), QStringLiteral("Search..."));
    QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::gray));

    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(edit, &focusIn);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::black));

    QFocusEvent focusOut(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(edit, &focusOut);
    QCOMPARE(edit->text(), QStringLiteral("Search..."));

    // Typed text survives losing focus.
    QApplication::sendEvent(edit, &focusIn);
    edit->setText(QStringLiteral("typed"));
    QApplication::sendEvent(edit, &focusOut);
    QCOMPARE(edit->text(), QStringLiteral("typed"));
    QCOMPARE(field->completer()->completionMode(), QCompleter::PopupCompletion);
    QCOMPARE(edit->completer(), field->completer());
}

void TestToolbarSearch::busyAnimation()
{
    auto field = makeField();
    field->show();
    QVERIFY(!field->searchAnimation());
    field->startSearchAnimation();
    QMovie *movie = field->searchAnimation();
    QVERIFY(movie && movie->isValid());
    QCOMPARE(movie->scaledSize(), QSize(18, 18));
    QCOMPARE(field->searchButton()->movie(), movie);
    QVERIFY(field->isSearchAnimationRunning());

    field->stopSearchAnimation();
    QVERIFY(!field->isSearchAnimationRunning());
    QVERIFY(!field->searchButton()->movie());
    QCOMPARE(field->searchButton()->pixmap(Qt::ReturnByValue).size(), QSize(16, 16));
    // A second search reuses the same animation.
    field->startSearchAnimation();
    QCOMPARE(field->searchAnimation(), movie);
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestToolbarSearch test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_toolbarsearch.moc"
