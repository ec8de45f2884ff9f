#pragma once

#include <QSplashScreen>

#include <functional>

#include "splashchrome.h"

class ApTextDisplayPanel;
class ApplicationInfo;
class QTimer;
namespace Ui {
class ApCompletionPopupClass;
}

// The shaped notice that fades in at the bottom-right corner of the
// screen's available area when a download completes while the main window
// is not the active one. ApCompletionNotices stacks several.
class ApCompletionPopup final : public QSplashScreen
{
    Q_OBJECT

public:
    // Offset of the top-left corner from the screen's bottom-right corner.
    static constexpr int RightOffset = 290;
    static constexpr int BottomOffset = 170;

    explicit ApCompletionPopup(const ApplicationInfo *info);
    ~ApCompletionPopup() override;

    void setData(const QString &path, const QString &organisation, const QString &application,
                 const QString &key, const QString &name);
    // Fades the popup in at the bottom-right corner of the available area;
    // does nothing while a fade-in runs.
    void showPopup();
    // The same at the given top-left corner.
    void showPopupAt(const QPoint &topLeft);

    QString path() const { return m_path; }
    QString key() const { return m_key; }
    bool isFading() const { return m_fading; }
    double opacity() const { return m_opacity; }
    bool isWarningShown() const;
    ApTextDisplayPanel *textPanel() const { return m_textPanel; }

    // How files and folders are handed to the desktop; tests replace it.
    using PathOpener = std::function<bool(const QString &)>;
    void setPathOpener(PathOpener opener) { m_pathOpener = std::move(opener); }

    // Whether a file counts as a program the platform may run: the
    // execute permission, or an installer or script suffix.
    static bool isExecutableFile(const QString &path);
    // The folder opened for a path that no longer exists.
    QString missingFileFolder() const;

signals:
    // A path was handed to the desktop or the player.
    void pathOpened(const QString &path);
    // The popup went away (OK, close label, close).
    void hidden();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_ok_pushButton_clicked();
    void fadingCallback();
    void textDisplayPanelMousePressedCallback();

private:
    Q_DISABLE_COPY(ApCompletionPopup)
    void openPath(const QString &path);

    Ui::ApCompletionPopupClass *m_ui;
    const ApplicationInfo *m_info;
    QString m_path;
    QString m_organisation;
    QString m_application;
    QString m_key;
    ApSplashDrag m_drag;
    bool m_fading = false;
    double m_opacity = 0.0;
    QTimer *m_fadeTimer;
    ApTextDisplayPanel *m_textPanel;
    PathOpener m_pathOpener;
};
