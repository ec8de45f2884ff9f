#pragma once

#include <QSplashScreen>

#include "splashchrome.h"

class QEventLoop;
class ApTextDisplayPanel;
namespace Ui {
class ApInfoDialogClass;
}

// The one message window of every program: a shaped, frameless window that
// stays on top, shows a text with OK (mode 1) or OK and Cancel (mode 2) and
// keeps its caller waiting in a local event loop while the rest of the
// program's events go on.
class ApInfoDialog final : public QSplashScreen
{
    Q_OBJECT

public:
    enum Result { Accepted = 0, Rejected = 1 };
    enum Mode { OkOnly = 1, OkCancel = 2 };

    explicit ApInfoDialog(QWidget *parent = nullptr);
    ~ApInfoDialog() override;

    // Any mode other than OkCancel is taken as OkOnly.
    void setText(const QString &text, int mode);
    // Shows the window and waits until OK, Cancel, the close label or a
    // close event ends it; returns the result.
    int run();

    int result() const { return m_result; }
    int mode() const { return m_mode; }
    bool isRunning() const { return m_eventLoop != nullptr; }
    ApTextDisplayPanel *textPanel() const { return m_textPanel; }

    // Window icon for every message window of this program; empty (the
    // default) sets none. Set once at start-up by the program.
    static void setProgramWindowIcon(const QString &resourcePath);
    static QString programWindowIcon();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_cancel_pushButton_clicked();
    void on_ok_pushButton_clicked();

private:
    Q_DISABLE_COPY(ApInfoDialog)
    void leaveWith(int result);

    Ui::ApInfoDialogClass *m_ui;
    int m_result = Accepted;
    // The loop lives on the stack of run(): if the window is destroyed
    // while waiting (its parent went away), the loop is told to end
    // instead of being freed under the running exec().
    QEventLoop *m_eventLoop = nullptr;
    ApSplashDrag m_drag;
    ApTextDisplayPanel *m_textPanel = nullptr;
    int m_mode = OkOnly;
};

// Shows a message and returns 0 when the user pressed OK, 1 otherwise.
int showInfoDialog(QWidget *parent, const QString &text, int mode);
// The same for a dialog that shows a message about itself: a visible
// dialog is hidden while the message is up and shown again afterwards.
int showInfoDialogHidingParent(QWidget *dialog, const QString &text, int mode);
