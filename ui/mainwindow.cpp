#include "mainwindow.h"

#include "applicationinfo.h"

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_appInfo(std::make_unique<ApplicationInfo>())
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(m_appInfo->displayName() + QLatin1Char(' ') + m_appInfo->versionText());
    setWindowIcon(QIcon(QStringLiteral(":/icons/mime_file.png")));
    resize(900, 560);
}

MainWindow::~MainWindow() = default;
