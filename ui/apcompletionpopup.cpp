#include "apcompletionpopup.h"
#include "ui_apcompletionpopup.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHideEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QToolTip>

#include "apcompletionnotices.h"
#include "applicationinfo.h"
#include "aptextdisplaypanel.h"
#include "commonfunctions.h"
#include "settingsstore.h"
#include "taskstore.h"

namespace {
constexpr int FadeIntervalMs = 100;
constexpr double FadeStep = 0.1;
} // namespace

ApCompletionPopup::ApCompletionPopup(const ApplicationInfo *info)
    : QSplashScreen(QPixmap(), Qt::WindowStaysOnTopHint)
    , m_ui(new Ui::ApCompletionPopupClass)
    , m_info(info)
    , m_fadeTimer(new QTimer(this))
    , m_pathOpener(&Common::openPath)
{
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

    m_textPanel = new ApTextDisplayPanel(Qt::PointingHandCursor, m_ui->textdisplaypanel_widget);
    m_textPanel->setMinimumHeight(m_textPanel->fontMetrics().lineSpacing() + 4);
    m_ui->textdisplaypanel_horizontalLayout->addWidget(m_textPanel);
    connect(m_textPanel, &ApTextDisplayPanel::mousePressed, this,
            &ApCompletionPopup::textDisplayPanelMousePressedCallback);

    if (QStyle *style = QStyleFactory::create(QStringLiteral("Plastique")) ?: QStyleFactory::create(QStringLiteral("Fusion"))) {
        style->setParent(m_ui->ok_pushButton);
        m_ui->ok_pushButton->setStyle(style);
    }

    m_textPanel->installEventFilter(this);
    m_textPanel->viewport()->installEventFilter(this);
    m_ui->folder_label->installEventFilter(this);
    m_ui->warningicon_label->installEventFilter(this);
    m_ui->close_label->installEventFilter(this);

    m_fadeTimer->setInterval(FadeIntervalMs);
    connect(m_fadeTimer, &QTimer::timeout, this, &ApCompletionPopup::fadingCallback);
    setAttribute(Qt::WA_QuitOnClose, false);
}

ApCompletionPopup::~ApCompletionPopup()
{
    delete m_ui;
}

bool ApCompletionPopup::isExecutableFile(const QString &path)
{
    static const QStringList suffixes{QStringLiteral("exe"), QStringLiteral("msi"),     QStringLiteral("bat"),
                                      QStringLiteral("cmd"), QStringLiteral("com"),     QStringLiteral("sh"),
                                      QStringLiteral("run"), QStringLiteral("appimage"), QStringLiteral("deb"),
                                      QStringLiteral("rpm"), QStringLiteral("jar"),     QStringLiteral("bin"),
                                      QStringLiteral("py"),  QStringLiteral("pl")};
    const QFileInfo info(path);
    if (info.isDir())
        return false;
    if (suffixes.contains(info.suffix().toLower()))
        return true;
    return info.isFile() && info.isExecutable();
}

void ApCompletionPopup::setData(const QString &path, const QString &organisation, const QString &application,
                                const QString &key, const QString &name)
{
    m_path = path;
    m_organisation = organisation;
    m_application = application;
    m_key = key;
    m_textPanel->setPlainText(name);
    const QFileInfo info(path);
    const QIcon icon = Common::fileTypeIcon(info.suffix(), info.isDir());
    m_ui->fileicon_label->setPixmap(icon.pixmap(32, 32));
    m_ui->warningicon_label->setVisible(!info.isDir() && isExecutableFile(path));
}

bool ApCompletionPopup::isWarningShown() const
{
    return !m_ui->warningicon_label->isHidden();
}

void ApCompletionPopup::showPopup()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    showPopupAt(ApCompletionNotices::place(0, size(), area));
}

void ApCompletionPopup::showPopupAt(const QPoint &topLeft)
{
    if (m_fading)
        return;
    move(topLeft);
    m_opacity = 0.0;
    setWindowOpacity(0.0);
    show();
    m_fading = true;
    m_fadeTimer->start();
}

void ApCompletionPopup::fadingCallback()
{
    if (!m_fading)
        return;
    m_opacity += FadeStep;
    if (m_opacity < 1.0) {
        setWindowOpacity(m_opacity);
        return;
    }
    m_opacity = 1.0;
    setWindowOpacity(1.0);
    m_fadeTimer->stop();
    m_fading = false;
}

void ApCompletionPopup::on_ok_pushButton_clicked()
{
    hide();
}

QString ApCompletionPopup::missingFileFolder() const
{
    QDir folder(m_path);
    folder.cdUp();
    SettingsStore store(m_organisation, m_application);
    const QString torrentName = store->value(QStringLiteral("DownloadTasks/") + m_key + QLatin1Char('/')
                                             + TaskKeys::TorrentName).toString();
    return folder.path() + QLatin1Char('/') + torrentName;
}

void ApCompletionPopup::openPath(const QString &path)
{
    m_pathOpener(path);
    emit pathOpened(path);
}

void ApCompletionPopup::textDisplayPanelMousePressedCallback()
{
    const QFileInfo info(m_path);
    if (!info.exists()) {
        openPath(missingFileFolder());
    } else if (info.isFile() && info.suffix().isEmpty()) {
        openPath(info.absolutePath());
    } else if (m_info && Common::isPlayerType(info.suffix())) {
        Common::startCompanion(*m_info, Common::CompanionPlayer,
                               {QStringLiteral("/file"), m_path, QStringLiteral("0"),
                                m_info->advertisementBaseUrl()});
        emit pathOpened(m_path);
    } else {
        openPath(m_path);
    }
}

bool ApCompletionPopup::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_textPanel || watched == m_textPanel->viewport()) {
        if (type == QEvent::Enter || type == QEvent::Leave) {
            QFont font = m_textPanel->font();
            font.setUnderline(type == QEvent::Enter);
            m_textPanel->setFont(font);
        }
    } else if (watched == m_ui->folder_label) {
        if (type == QEvent::MouseButtonPress) {
            const QFileInfo info(m_path);
            if (info.isDir())
                openPath(m_path);
            else if (info.isFile())
                openPath(info.absolutePath());
            else
                openPath(missingFileFolder());
            return true;
        }
    } else if (watched == m_ui->warningicon_label) {
        if (type == QEvent::Enter)
            QToolTip::showText(QCursor::pos(), tr("This is an executable file.\nPlease scan it before opening."));
    } else if (watched == m_ui->close_label) {
        if (type == QEvent::MouseButtonPress) {
            hide();
            return true;
        }
        updateCloseLabelHover(m_ui->close_label, type);
    }
    return QSplashScreen::eventFilter(watched, event);
}

void ApCompletionPopup::mousePressEvent(QMouseEvent *event)
{
    // A splash screen hides itself on a click; this one is dragged instead.
    m_drag.press(event);
    event->accept();
}

void ApCompletionPopup::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.move(this, event);
    event->accept();
}

void ApCompletionPopup::closeEvent(QCloseEvent *event)
{
    hide();
    event->ignore();
}

void ApCompletionPopup::hideEvent(QHideEvent *event)
{
    // A popup closed while it fades in is shown afresh next time.
    m_fadeTimer->stop();
    m_fading = false;
    QSplashScreen::hideEvent(event);
    if (!event->spontaneous())
        emit hidden();
}

void ApCompletionPopup::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QSplashScreen::changeEvent(event);
}
