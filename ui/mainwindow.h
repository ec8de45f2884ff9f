#pragma once

#include <QMainWindow>

#include <memory>

class ApplicationInfo;

// The main window of the download manager.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    const ApplicationInfo &applicationInfo() const { return *m_appInfo; }

private:
    Q_DISABLE_COPY(MainWindow)
    std::unique_ptr<ApplicationInfo> m_appInfo;
};
