// The main window's search page wiring: the page controller, the toolbar
// search field, the side bar button and the page's add-a-new-task path.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QCommandLinkButton>
#include <QToolBar>
#include <QVBoxLayout>

#include "apadvertisementpanels.h"
#include "apnewtaskdialog.h"
#include "apsearchpage.h"
#include "aptaskinfopanel.h"
#include "aptoolbarsearch.h"
#include "aptvomanager.h"
#include "applicationinfo.h"
#include "taskstore.h"

void MainWindow::setupSearchPage()
{
    m_searchPage = new ApSearchPage(this, m_appInfo.get(), m_ui->top_stackedWidget);
    m_searchPage->setTaskAdder([this](const QString &url, const QString &fileName, int convertType) {
        return addNewTaskFromUrl(url, fileName, convertType);
    });
    m_searchPage->setGeoLocationSource([this]() -> const ApGeoLocation * {
        return m_manager && m_manager->locationDatabaseLoaded() ? m_manager->geoLocation() : nullptr;
    });
    connect(m_searchPage, &ApSearchPage::taskSelectionClearRequested, m_ui->maindownloads_tableWidget,
            &QAbstractItemView::clearSelection);

    // The search toolbar and the side bar's "Search" button, unless the form
    // already brings them.
    auto *searchBar = findChild<QToolBar *>(QStringLiteral("search_toolBar"));
    if (!searchBar) {
        searchBar = new QToolBar(tr("Search Bar"), this);
        searchBar->setObjectName(QStringLiteral("search_toolBar"));
        addToolBar(Qt::TopToolBarArea, searchBar);
    }
    setSearchBox(m_searchPage->toolbarSearch());
    connect(this, &MainWindow::toolbarSearchRequested, m_searchPage->toolbarSearch(), &ApToolbarSearch::searchNow);
    auto *searchButton = findChild<QAbstractButton *>(QStringLiteral("search_commandLinkButton"));
    if (!searchButton) {
        auto *button = new QCommandLinkButton(tr("Search"), m_ui->dock_contents);
        button->setObjectName(QStringLiteral("search_commandLinkButton"));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        m_ui->dock_verticalLayout->insertWidget(m_ui->dock_verticalLayout->count() - 1, button);
        searchButton = button;
    }
    m_searchPage->setSideButton(searchButton);
    // Toolbar searches go to the page's video search while this is checked.
    if (auto *videoSearch = findChild<QAction *>(QStringLiteral("actionSearch_Web_Video")))
        m_searchPage->setWebVideoSearchAction(videoSearch);

    // The side advertisement places beside the page. The two banner places
    // belong to the task information panel, which gives their containers
    // once it exists (setupBannerPlaces).
    m_advertisementPanels = new ApAdvertisementPanels(m_appInfo->advertisementBaseUrl(), this);
    m_advertisementPanels->setContainer(ApAdvertisementPanels::SidePanel, m_searchPage->sideAdvertisementWidget());
    m_advertisementPanels->setSecondSideLayout(m_searchPage->secondSideAdvertisementLayout());
    connect(m_searchPage, &ApSearchPage::advertisementPanelRequested, m_advertisementPanels,
            &ApAdvertisementPanels::showPanel);
    connect(m_searchPage, &ApSearchPage::searchProxyApplied, m_advertisementPanels,
            &ApAdvertisementPanels::setSearchProxy);

    connect(m_ui->actionWeb_Video_Download, &QAction::triggered, m_searchPage,
            &ApSearchPage::startWebVideoDownload);
}

bool MainWindow::addNewTaskFromUrl(const QString &url, const QString &fileName, int convertType)
{
    if (m_newTaskDialog->addWithoutShowing(url, fileName, convertType) != ApNewTaskDialog::TaskWritten)
        return false;
    return addNewTask(m_newTaskDialog->taskKey());
}

void MainWindow::setupBannerPlaces()
{
    m_advertisementPanels->setContainer(ApAdvertisementPanels::BannerPanel,
                                        m_taskInfoPanel->findChild<QWidget *>(QStringLiteral("ad_window_banner_widget")));
    m_advertisementPanels->setContainer(
        ApAdvertisementPanels::SecondBannerPanel,
        m_taskInfoPanel->findChild<QWidget *>(QStringLiteral("ad_window_banner_widget_2")));
}

void MainWindow::showBannerAdvertisements(const QString &key)
{
    const std::optional<TaskRecord> record = ApTaskStore().read(key.toLongLong());
    if (!record || record->taskType != HttpFtpTaskType)
        return;
    m_advertisementPanels->showPanel(ApAdvertisementPanels::BannerPanel);
    m_advertisementPanels->showPanel(ApAdvertisementPanels::SecondBannerPanel);
}
