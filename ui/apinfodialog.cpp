#include "apinfodialog.h"
#include "ui_apinfodialog.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

#include "aptextdisplaypanel.h"

namespace {

QString &windowIconPath()
{
    static QString path;
    return path;
}

// Each button owns its own style object, as a style is shared state.
void giveOwnStyle(QWidget *button)
{
    QStyle *style = QStyleFactory::create(QStringLiteral("Plastique"));
    if (!style)
        style = QStyleFactory::create(QStringLiteral("Fusion"));
    if (!style)
        return;
    style->setParent(button);
    button->setStyle(style);
}

} // namespace

ApInfoDialog::ApInfoDialog(QWidget *parent)
    : QSplashScreen(QPixmap(), Qt::WindowStaysOnTopHint)
    , m_ui(new Ui::ApInfoDialogClass)
{
    if (parent)
        setParent(parent, windowFlags());

    // The window takes the shape of its picture.
    QPixmap picture(QStringLiteral(":/icons/infodlg.png"));
    QBitmap shape;
    if (!picture.isNull()) {
        shape = picture.createHeuristicMask(true);
        picture.setMask(shape);
    }
    setPixmap(picture);

    m_ui->setupUi(this);
    if (!picture.isNull()) {
        resize(picture.size());
        setMask(shape);
    }

    m_textPanel = new ApTextDisplayPanel(Qt::ArrowCursor, m_ui->textdisplaypanel_widget);
    // An editor asks for more height than the small window has; one line
    // is enough, longer texts scroll.
    m_textPanel->setMinimumHeight(m_textPanel->fontMetrics().lineSpacing() + 4);
    m_ui->horizontalLayout_3->addWidget(m_textPanel);

    giveOwnStyle(m_ui->ok_pushButton);
    giveOwnStyle(m_ui->cancel_pushButton);

    m_ui->close_label->installEventFilter(this);

    if (!windowIconPath().isEmpty())
        setWindowIcon(QIcon(windowIconPath()));
    // A message window going away must never end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
}

ApInfoDialog::~ApInfoDialog()
{
    if (m_eventLoop)
        m_eventLoop->exit(0);
    delete m_ui;
}

void ApInfoDialog::setText(const QString &text, int mode)
{
    m_textPanel->setPlainText(text);
    m_mode = mode == OkCancel ? OkCancel : OkOnly;
}

int ApInfoDialog::run()
{
    m_ui->cancel_pushButton->setVisible(m_mode == OkCancel);
    show();

    QEventLoop loop;
    m_eventLoop = &loop;
    QPointer<ApInfoDialog> alive(this);
    loop.exec();
    if (!alive)
        return Rejected;
    m_eventLoop = nullptr;
    return m_result;
}

void ApInfoDialog::setProgramWindowIcon(const QString &resourcePath) { windowIconPath() = resourcePath; }

QString ApInfoDialog::programWindowIcon() { return windowIconPath(); }

void ApInfoDialog::leaveWith(int result)
{
    hide();
    m_result = result;
    if (m_eventLoop)
        m_eventLoop->exit(0);
}

void ApInfoDialog::on_cancel_pushButton_clicked() { leaveWith(Rejected); }

void ApInfoDialog::on_ok_pushButton_clicked() { leaveWith(Accepted); }

bool ApInfoDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->close_label) {
        if (updateCloseLabelHover(m_ui->close_label, event->type()))
            return true;
        if (event->type() == QEvent::MouseButtonPress) {
            leaveWith(Rejected);
            return true;
        }
    }
    return QSplashScreen::eventFilter(watched, event);
}

// Unlike a plain splash window, a press does not close the window: it
// starts a drag.
void ApInfoDialog::mousePressEvent(QMouseEvent *event)
{
    m_drag.press(event);
    event->accept();
}

void ApInfoDialog::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.move(this, event);
    event->accept();
}

void ApInfoDialog::closeEvent(QCloseEvent *event)
{
    leaveWith(Rejected);
    event->accept();
}

void ApInfoDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QSplashScreen::changeEvent(event);
}

int showInfoDialog(QWidget *parent, const QString &text, int mode)
{
    QPointer<ApInfoDialog> dialog = new ApInfoDialog(parent);
    dialog->setText(text, mode);
    const int result = dialog->run();
    delete dialog.data();
    return result;
}

int showInfoDialogHidingParent(QWidget *dialog, const QString &text, int mode)
{
    QPointer<QWidget> caller(dialog);
    const bool wasVisible = dialog && dialog->isVisible();
    if (wasVisible) {
        // QDialog::setVisible(false) would also end the dialog's running
        // exec() and hand its caller a result the user never chose; the
        // plain widget hide keeps the modal run waiting for the dialog.
        if (qobject_cast<QDialog *>(dialog))
            dialog->QWidget::setVisible(false);
        else
            dialog->hide();
    }
    const int result = showInfoDialog(dialog, text, mode);
    if (wasVisible && caller)
        caller->show();
    return result;
}
