#include <QApplication>
#include <QBitmap>
#include <QBoxLayout>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "apinfodialog.h"
#include "aptextdisplaypanel.h"
#include "languages.h"
#include "testsupport.h"

namespace {

// The message window that is up and waiting in its loop, if any.
ApInfoDialog *runningDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<ApInfoDialog *>(w);
        if (dialog && dialog->isRunning() && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

int liveDialogCount()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += qobject_cast<ApInfoDialog *>(w) != nullptr;
    return count;
}

// Runs `act` on the next message window as soon as it waits for the user;
// the dialog's own loop keeps timers running, so this fires inside it.
void whenMessageShown(std::function<void(ApInfoDialog *)> act)
{
    auto *poll = new QTimer;
    auto *tries = new int(0);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, act]() {
        ApInfoDialog *dialog = runningDialog();
        if (!dialog && ++*tries < 2000)
            return;
        poll->stop();
        poll->deleteLater();
        delete tries;
        if (dialog)
            act(dialog);
    });
    poll->start();
}

QPushButton *button(ApInfoDialog *dialog, const char *name)
{
    return dialog->findChild<QPushButton *>(QLatin1String(name));
}

QLabel *closeLabel(ApInfoDialog *dialog) { return dialog->findChild<QLabel *>(QStringLiteral("close_label")); }

QString langFolder() { return Languages::languageFolder(TestSupport::binDir()); }

} // namespace

class TestApInfoDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void results_data();
    void results();
    void modeIsNormalised_data();
    void modeIsNormalised();
    void formLayoutAndLook();
    void windowTakesPictureShape();
    void closeLabelHover();
    void dragMovesWindow();
    void textPanelLook();
    void textPanelReportsPressesAndHasNoMenu();
    void longTextScrolls();
    void hidingVariantHidesVisibleDialog();
    void hidingVariantKeepsModalRun();
    void hidingVariantLeavesHiddenDialogHidden();
    void parentDestroyedWhileWaiting();
    void closingNeverQuitsProgram();
    void languageChangeRetranslates();
    void windowIconFollowsProgramSetting();
};

void TestApInfoDialog::initTestCase()
{
    Q_INIT_RESOURCE(zantor);
    QVERIFY(QFile::exists(QStringLiteral(":/icons/infodlg.png")));
}

void TestApInfoDialog::cleanup()
{
    Languages::switchTo(langFolder(), QStringLiteral("english"));
    QTRY_COMPARE(liveDialogCount(), 0);
}

void TestApInfoDialog::results_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("cancelShown");

    for (int mode : {1, 2, 3, 0, -7}) {
        const bool cancel = mode == 2;
        QTest::addRow("mode %d ok", mode) << mode << "ok" << 0 << cancel;
        QTest::addRow("mode %d close label", mode) << mode << "closelabel" << 1 << cancel;
        QTest::addRow("mode %d close event", mode) << mode << "close" << 1 << cancel;
        QTest::addRow("mode %d ok by key", mode) << mode << "key" << 0 << cancel;
    }
    QTest::newRow("mode 2 cancel") << 2 << "cancel" << 1 << true;
}

void TestApInfoDialog::results()
{
    QFETCH(int, mode);
    QFETCH(QString, action);
    QFETCH(int, expected);
    QFETCH(bool, cancelShown);

    QWidget parent;
    parent.show();
    bool seen = false;
    bool cancelVisible = !cancelShown;
    QString shownText;
    whenMessageShown([&](ApInfoDialog *dialog) {
        seen = true;
        cancelVisible = button(dialog, "cancel_pushButton")->isVisible();
        shownText = dialog->textPanel()->toPlainText();
        if (action == QLatin1String("ok"))
            QTest::mouseClick(button(dialog, "ok_pushButton"), Qt::LeftButton);
        else if (action == QLatin1String("cancel"))
            QTest::mouseClick(button(dialog, "cancel_pushButton"), Qt::LeftButton);
        else if (action == QLatin1String("closelabel"))
            QTest::mousePress(closeLabel(dialog), Qt::LeftButton);
        else if (action == QLatin1String("key"))
            QTest::keyClick(button(dialog, "ok_pushButton"), Qt::Key_Space);
        else
            dialog->close();
    });

    const int result = showInfoDialog(&parent, QStringLiteral("Disk is full."), mode);
    QVERIFY(seen);
    QCOMPARE(result, expected);
    QCOMPARE(cancelVisible, cancelShown);
    QCOMPARE(shownText, QStringLiteral("Disk is full."));
    // The dialog is gone once the result is read.
    QCOMPARE(liveDialogCount(), 0);
}

void TestApInfoDialog::modeIsNormalised_data()
{
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("stored");
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("2") << 2 << 2;
    QTest::newRow("3") << 3 << 1;
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("negative") << -2 << 1;
}

void TestApInfoDialog::modeIsNormalised()
{
    QFETCH(int, given);
    QFETCH(int, stored);
    ApInfoDialog dialog;
    QCOMPARE(dialog.mode(), 1);
    QCOMPARE(dialog.result(), 0);
    dialog.setText(QStringLiteral("x"), given);
    QCOMPARE(dialog.mode(), stored);
}

void TestApInfoDialog::formLayoutAndLook()
{
    ApInfoDialog dialog;
    QCOMPARE(dialog.windowType(), Qt::SplashScreen);
    QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(dialog.windowTitle().isEmpty());

    QPushButton *ok = button(&dialog, "ok_pushButton");
    QPushButton *cancel = button(&dialog, "cancel_pushButton");
    QVERIFY(ok && cancel);
    QVERIFY(ok->isDefault());
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    for (QPushButton *b : {ok, cancel}) {
        QCOMPARE(b->maximumHeight(), 20);
        QCOMPARE(b->palette().color(QPalette::Active, QPalette::ButtonText), QColor(33, 71, 86));
        QCOMPARE(b->palette().color(QPalette::Inactive, QPalette::ButtonText), QColor(33, 71, 86));
        QCOMPARE(b->palette().color(QPalette::Disabled, QPalette::ButtonText), QColor(106, 104, 100));
        // Each button has a style object of its own, not the program's.
        QVERIFY(b->style() != QApplication::style());
        QCOMPARE(b->style()->parent(), b);
    }
    QVERIFY(ok->style() != cancel->style());
    const bool hasPlastique = QStyleFactory::keys().contains(QStringLiteral("Plastique"), Qt::CaseInsensitive);
    QCOMPARE(ok->style()->objectName().toLower(), QString::fromLatin1(hasPlastique ? "plastique" : "fusion"));

    QVERIFY(dialog.findChild<QWidget *>(QStringLiteral("textdisplaypanel_widget")));
    QVERIFY(dialog.findChild<QFrame *>(QStringLiteral("line")));
    auto *icon = dialog.findChild<QLabel *>(QStringLiteral("label"));
    QVERIFY(icon && !icon->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(icon->text().isEmpty());
    QVERIFY(closeLabel(&dialog)->text().isEmpty());

    // The text panel sits to the right of the icon in the panel row.
    auto *row = qobject_cast<QHBoxLayout *>(dialog.findChild<QLayout *>(QStringLiteral("horizontalLayout_3")));
    QVERIFY(row);
    QCOMPARE(row->count(), 2);
    QCOMPARE(row->itemAt(0)->widget(), icon);
    QCOMPARE(row->itemAt(1)->widget(), dialog.textPanel());
    QCOMPARE(row->contentsMargins(), QMargins(5, 2, 2, 0));
    QCOMPARE(dialog.findChild<QLayout *>(QStringLiteral("verticalLayout_2"))->contentsMargins(), QMargins(5, 0, 5, 0));
}

void TestApInfoDialog::windowTakesPictureShape()
{
    ApInfoDialog dialog;
    const QPixmap picture(QStringLiteral(":/icons/infodlg.png"));
    QCOMPARE(dialog.size(), picture.size());
    const QRegion shape = dialog.mask();
    QVERIFY(!shape.isEmpty());
    // Rounded, not rectangular: the corners are cut off, the body is not.
    QVERIFY(shape.rectCount() > 1);
    const QRect r = dialog.rect();
    for (const QPoint &corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        QVERIFY2(!shape.contains(corner), qPrintable(QStringLiteral("corner %1,%2").arg(corner.x()).arg(corner.y())));
    QVERIFY(shape.contains(r.center()));
    QVERIFY(shape.contains(QPoint(r.center().x(), 1)));
    QVERIFY(!dialog.pixmap().mask().isNull());

    // Everything the user needs lies inside the shape, and the layout does
    // not stretch the window beyond its picture.
    dialog.setText(QStringLiteral("Check"), 2);
    dialog.show();
    dialog.layout()->activate();
    QCOMPARE(dialog.size(), picture.size());
    for (const char *name : {"ok_pushButton", "cancel_pushButton", "close_label"}) {
        auto *w = dialog.findChild<QWidget *>(QLatin1String(name));
        const QRect area(w->mapTo(&dialog, QPoint(0, 0)), w->size());
        QVERIFY2((QRegion(area) - shape).isEmpty(), name);
    }
    const QRect text(dialog.textPanel()->mapTo(&dialog, QPoint(0, 0)), dialog.textPanel()->size());
    QVERIFY(text.height() >= 2 * dialog.textPanel()->fontMetrics().lineSpacing());
    QVERIFY((QRegion(text) - shape).isEmpty());
}

void TestApInfoDialog::closeLabelHover()
{
    ApInfoDialog dialog;
    QLabel *label = closeLabel(&dialog);
    const QImage normal = QPixmap(QStringLiteral(":/icons/close_btn.png")).toImage();
    const QImage over = QPixmap(QStringLiteral(":/icons/closeover_btn.png")).toImage();
    QVERIFY(normal != over);
    QCOMPARE(label->pixmap(Qt::ReturnByValue).toImage(), normal);

    QEvent enter(QEvent::Enter);
    QVERIFY(QCoreApplication::sendEvent(label, &enter));  // consumed
    QCOMPARE(label->pixmap(Qt::ReturnByValue).toImage(), over);
    QEvent leave(QEvent::Leave);
    QVERIFY(QCoreApplication::sendEvent(label, &leave));
    QCOMPARE(label->pixmap(Qt::ReturnByValue).toImage(), normal);

    // A press outside a run just hides the window with result 1.
    dialog.show();
    QTest::mousePress(label, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), 1);
}

void TestApInfoDialog::dragMovesWindow()
{
    ApInfoDialog dialog;
    dialog.show();
    dialog.move(100, 100);
    QTRY_COMPARE(dialog.pos(), QPoint(100, 100));

    const QPoint pressAt(12, 9);
    QMouseEvent press(QEvent::MouseButtonPress, pressAt, dialog.mapToGlobal(pressAt), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog, &press);
    QVERIFY(dialog.isVisible());  // a press does not close it like a plain splash window

    const QPoint global(340, 260);
    QMouseEvent moveEvent(QEvent::MouseMove, dialog.mapFromGlobal(global), global, Qt::NoButton, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog, &moveEvent);
    QTRY_COMPARE(dialog.pos(), global - pressAt);
}

void TestApInfoDialog::textPanelLook()
{
    ApTextDisplayPanel hand(Qt::PointingHandCursor);
    QCOMPARE(hand.viewport()->cursor().shape(), Qt::PointingHandCursor);

    ApInfoDialog dialog;
    ApTextDisplayPanel *panel = dialog.textPanel();
    QVERIFY(panel);
    QCOMPARE(panel->viewport()->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(panel->isReadOnly());
    QCOMPARE(panel->contextMenuPolicy(), Qt::NoContextMenu);
    QCOMPARE(panel->frameShape(), QFrame::NoFrame);
    QCOMPARE(panel->font().pointSize(), 10);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        QCOMPARE(panel->palette().brush(group, QPalette::Base).style(), Qt::NoBrush);
        QCOMPARE(panel->palette().color(group, QPalette::Text), QColor(33, 71, 86));
    }
}

void TestApInfoDialog::textPanelReportsPressesAndHasNoMenu()
{
    ApTextDisplayPanel panel(Qt::ArrowCursor);
    panel.setPlainText(QStringLiteral("Some text that could be selected by a press and drag."));
    panel.resize(300, 100);
    panel.show();
    QSignalSpy pressed(&panel, &ApTextDisplayPanel::mousePressed);
    QTest::mousePress(panel.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseMove(panel.viewport(), QPoint(200, 8));
    QTest::mouseRelease(panel.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 8));
    QTest::mouseClick(panel.viewport(), Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(pressed.count(), 2);
    QVERIFY(!panel.textCursor().hasSelection());

    // A context menu request opens nothing. Should a menu ever open, the
    // timer closes it so the test fails instead of hanging.
    bool menuOpened = false;
    QTimer::singleShot(50, [&menuOpened]() {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            menuOpened = true;
            popup->close();
        }
    });
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(10, 10), panel.viewport()->mapToGlobal(QPoint(10, 10)));
    QCoreApplication::sendEvent(panel.viewport(), &request);
    QTest::qWait(100);
    QVERIFY(!menuOpened);
    QVERIFY(!QApplication::activePopupWidget());
}

void TestApInfoDialog::longTextScrolls()
{
    QStringList lines;
    for (int i = 0; i < 60; ++i)
        lines << QStringLiteral("Line %1 of a long message").arg(i);
    int maximum = -1;
    bool readOnly = false;
    whenMessageShown([&](ApInfoDialog *dialog) {
        maximum = dialog->textPanel()->verticalScrollBar()->maximum();
        readOnly = dialog->textPanel()->isReadOnly();
        QTest::mouseClick(button(dialog, "ok_pushButton"), Qt::LeftButton);
    });
    QCOMPARE(showInfoDialog(nullptr, lines.join(QLatin1Char('\n')), 1), 0);
    QVERIFY(maximum > 0);
    QVERIFY(readOnly);
}

void TestApInfoDialog::hidingVariantHidesVisibleDialog()
{
    QDialog caller;
    caller.show();
    QVERIFY(caller.isVisible());
    bool callerVisibleDuring = true;
    QWidget *messageParent = nullptr;
    whenMessageShown([&](ApInfoDialog *dialog) {
        callerVisibleDuring = caller.isVisible();
        messageParent = dialog->parentWidget();
        QTest::mousePress(closeLabel(dialog), Qt::LeftButton);
    });
    QCOMPARE(showInfoDialogHidingParent(&caller, QStringLiteral("The URL is not valid."), 1), 1);
    QVERIFY(!callerVisibleDuring);
    QCOMPARE(messageParent, &caller);
    QVERIFY(caller.isVisible());
}

void TestApInfoDialog::hidingVariantKeepsModalRun()
{
    // A dialog that shows a message about itself while it runs modally must
    // still be waiting for its own answer after the message is gone.
    QDialog caller;
    bool execReturnedEarly = false;
    bool visibleAfterMessage = false;
    int messageResult = -1;
    bool execRunning = true;
    QTimer::singleShot(0, &caller, [&]() {
        whenMessageShown([&](ApInfoDialog *dialog) {
            QTest::mouseClick(button(dialog, "ok_pushButton"), Qt::LeftButton);
        });
        messageResult = showInfoDialogHidingParent(&caller, QStringLiteral("Please enter a URL."), 2);
        visibleAfterMessage = caller.isVisible();
        // Let a wrongly ended exec() return before looking.
        QTimer::singleShot(20, &caller, [&]() {
            execReturnedEarly = !execRunning;
            caller.accept();
        });
    });
    const int code = caller.exec();
    execRunning = false;
    QCOMPARE(messageResult, 0);
    QVERIFY(visibleAfterMessage);
    QVERIFY(!execReturnedEarly);
    QCOMPARE(code, int(QDialog::Accepted));
}

void TestApInfoDialog::hidingVariantLeavesHiddenDialogHidden()
{
    QDialog caller;
    whenMessageShown([](ApInfoDialog *dialog) { QTest::mouseClick(button(dialog, "ok_pushButton"), Qt::LeftButton); });
    QCOMPARE(showInfoDialogHidingParent(&caller, QStringLiteral("Saved."), 1), 0);
    QVERIFY(!caller.isVisible());

    whenMessageShown([](ApInfoDialog *dialog) { dialog->close(); });
    QCOMPARE(showInfoDialogHidingParent(nullptr, QStringLiteral("No caller."), 2), 1);
}

void TestApInfoDialog::parentDestroyedWhileWaiting()
{
    auto *parent = new QWidget;
    parent->show();
    whenMessageShown([parent](ApInfoDialog *) { delete parent; });
    QCOMPARE(showInfoDialog(parent, QStringLiteral("Going away"), 2), 1);
    QCOMPARE(liveDialogCount(), 0);
}

void TestApInfoDialog::closingNeverQuitsProgram()
{
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    whenMessageShown([](ApInfoDialog *dialog) { dialog->close(); });
    QCOMPARE(showInfoDialog(nullptr, QStringLiteral("Only window"), 1), 1);
    QCoreApplication::processEvents();
    QCOMPARE(lastClosed.count(), 0);
}

void TestApInfoDialog::languageChangeRetranslates()
{
    ApInfoDialog dialog;
    QPushButton *cancel = button(&dialog, "cancel_pushButton");
    QPushButton *ok = button(&dialog, "ok_pushButton");
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));

    QVERIFY(Languages::install(langFolder(), QStringLiteral("german")));
    QTRY_COMPARE(cancel->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(dialog.windowTitle().isEmpty());
    // The picture labels keep their pictures.
    QVERIFY(!closeLabel(&dialog)->pixmap(Qt::ReturnByValue).isNull());

    QVERIFY(Languages::switchTo(langFolder(), QStringLiteral("spanish")));
    QTRY_COMPARE(cancel->text(), QStringLiteral("Cancelar"));
    QCOMPARE(ok->text(), QStringLiteral("Aceptar"));

    Languages::switchTo(langFolder(), QStringLiteral("english"));
    QTRY_COMPARE(cancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
}

void TestApInfoDialog::windowIconFollowsProgramSetting()
{
    QVERIFY(ApInfoDialog::programWindowIcon().isEmpty());
    {
        ApInfoDialog plain;
        QVERIFY(plain.windowIcon().isNull());
    }
    ApInfoDialog::setProgramWindowIcon(QStringLiteral(":/icons/mime_file.png"));
    {
        ApInfoDialog withIcon;
        QVERIFY(!withIcon.windowIcon().isNull());
        QCOMPARE(withIcon.windowIcon().pixmap(16, 16).toImage(),
                 QIcon(QStringLiteral(":/icons/mime_file.png")).pixmap(16, 16).toImage());
    }
    ApInfoDialog::setProgramWindowIcon(QString());
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    TestApInfoDialog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_apinfodialog.moc"
