#include "aptoolbarsearch.h"

#include <QAction>
#include <QCompleter>
#include <QLineEdit>
#include <QMenu>
#include <QMovie>
#include <QStringListModel>

#include "appsettings.h"
#include "searchbutton.h"
#include "settingsstore.h"

ApToolbarSearch::ApToolbarSearch(QWidget *toolbar, const QString &organisation, const QString &application)
    : ApSearchLineEdit(toolbar)
    , m_organisation(organisation)
    , m_application(application)
    , m_model(new QStringListModel(this))
    , m_completer(new QCompleter(m_model, this))
{
    setObjectName(QStringLiteral("toolbar_search"));
    connect(menu(), &QMenu::aboutToShow, this, &ApToolbarSearch::aboutToShowMenu);
    connect(menu(), &QMenu::triggered, this, &ApToolbarSearch::triggeredMenuAction);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    lineEdit()->setCompleter(m_completer);
    connect(lineEdit(), &QLineEdit::returnPressed, this, &ApToolbarSearch::searchNow);
    load();
}

ApToolbarSearch::~ApToolbarSearch() = default;

QStringList ApToolbarSearch::history() const
{
    return m_model->stringList();
}

bool ApToolbarSearch::isSearchAnimationRunning() const
{
    return m_animation && m_animation->state() == QMovie::Running;
}

void ApToolbarSearch::load()
{
    SettingsStore store(m_organisation, m_application);
    m_model->setStringList(store->value(SettingsKeys::ToolbarSearchRecords).toStringList());
    bool ok = false;
    const int maxNum = store->value(SettingsKeys::ToolbarSearchMaxNum, 30).toInt(&ok);
    m_maxNum = ok ? maxNum : 30;
}

void ApToolbarSearch::save()
{
    SettingsStore store(m_organisation, m_application);
    store->setValue(SettingsKeys::ToolbarSearchRecords, m_model->stringList());
    store->setValue(SettingsKeys::ToolbarSearchMaxNum, m_maxNum);
}

void ApToolbarSearch::clear()
{
    m_model->setStringList({});
    save();
}

void ApToolbarSearch::searchNow()
{
    const QString text = lineEdit()->text().trimmed();
    if (text.isEmpty() || text.compare(placeholderText(), Qt::CaseInsensitive) == 0)
        return;
    lineEdit()->selectAll();

    QStringList list = m_model->stringList();
    list.removeAll(text);
    list.prepend(text);
    if (list.size() >= m_maxNum)
        list.removeLast();
    m_model->setStringList(list);

    save();
    emit search(text);
}

void ApToolbarSearch::aboutToShowMenu()
{
    lineEdit()->selectAll();
    QMenu *historyMenu = menu();
    historyMenu->clear();
    const QStringList list = m_model->stringList();
    if (list.isEmpty()) {
        historyMenu->addAction(tr("No Search Records"));
        return;
    }
    for (const QString &entry : list) {
        QAction *action = historyMenu->addAction(entry);
        action->setData(entry);
    }
    historyMenu->addSeparator();
    QAction *clearAction = historyMenu->addAction(tr("Clear Search History"));
    connect(clearAction, &QAction::triggered, this, &ApToolbarSearch::clear);
}

void ApToolbarSearch::triggeredMenuAction(QAction *action)
{
    if (!action)
        return;
    const QVariant data = action->data();
    if (!data.isValid() || !data.canConvert<QString>())
        return;
    lineEdit()->setText(data.toString());
    searchNow();
}

void ApToolbarSearch::startSearchAnimation()
{
    if (!m_animation) {
        m_animation = new QMovie(QStringLiteral(":/icons/loading_globe.gif"), QByteArray(), this);
        m_animation->setScaledSize(QSize(18, 18));
    }
    searchButton()->setMovie(m_animation);
    m_animation->start();
}

void ApToolbarSearch::stopSearchAnimation()
{
    if (m_animation)
        m_animation->stop();
    searchButton()->showSearchIcon();
}
