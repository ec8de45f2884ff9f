#pragma once

#include <QString>

#include "apsearchlineedit.h"

class QAction;
class QCompleter;
class QMovie;
class QStringListModel;

// The toolbar's search field with its history: past searches, most recent
// first and without duplicates, kept in group "ToolbarSearch" of the
// settings store, offered in the button's menu and by the completer.
class ApToolbarSearch final : public ApSearchLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY(ApToolbarSearch)

public:
    ApToolbarSearch(QWidget *toolbar, const QString &organisation, const QString &application);
    ~ApToolbarSearch() override;

    QStringList history() const;
    int maxNum() const { return m_maxNum; }
    QCompleter *completer() const { return m_completer; }
    // The busy animation, null until first started.
    QMovie *searchAnimation() const { return m_animation; }
    bool isSearchAnimationRunning() const;

signals:
    void search(const QString &keywords);

public slots:
    void clear();
    void startSearchAnimation();
    void stopSearchAnimation();
    void searchNow();
    void save();
    void aboutToShowMenu();
    void triggeredMenuAction(QAction *action);

private:
    void load();

    QString m_organisation;
    QString m_application;
    int m_maxNum = 30;
    QStringListModel *m_model;
    QCompleter *m_completer;
    QMovie *m_animation = nullptr;
};
