#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>

// Checks of a translated window that a reviewer would otherwise make by eye.
namespace WidgetChecks {

// The accelerator letter of a text ("&Tasks" -> 't'), or a null character.
inline QChar mnemonic(const QString &text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text.at(i + 1).toLower();
    }
    return QChar();
}

// Texts that share an accelerator letter with an earlier one of the list.
inline QStringList duplicateMnemonics(const QStringList &texts, const QString &where)
{
    QStringList problems;
    QHash<QChar, QString> seen;
    for (const QString &text : texts) {
        const QChar letter = mnemonic(text);
        if (letter.isNull())
            continue;
        if (seen.contains(letter))
            problems << QStringLiteral("%1: \"%2\" and \"%3\" share an accelerator").arg(where, seen.value(letter), text);
        seen.insert(letter, text);
    }
    return problems;
}

inline QStringList actionTexts(const QList<QAction *> &actions)
{
    QStringList texts;
    for (QAction *action : actions)
        if (action->isVisible() && !action->isSeparator())
            texts << action->text();
    return texts;
}

// The menu bar's titles, and the items of every menu below it, each
// accelerator used once.
inline QStringList menuBarProblems(QMenuBar *bar)
{
    QStringList problems = duplicateMnemonics(actionTexts(bar->actions()), QStringLiteral("menu bar"));
    for (QMenu *menu : bar->findChildren<QMenu *>())
        problems += duplicateMnemonics(actionTexts(menu->actions()), menu->objectName());
    return problems;
}

// Widgets shown at once within a window, each accelerator used once.
inline QStringList dialogMnemonicProblems(QWidget *window)
{
    QStringList texts;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        else if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        else if (auto *box = qobject_cast<QGroupBox *>(widget))
            texts << box->title();
        else if (auto *tabs = qobject_cast<QTabBar *>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
    }
    return duplicateMnemonics(texts, window->objectName());
}

// Single-line labels and buttons narrower than their text: the text is cut.
inline QStringList clippedTexts(QWidget *window)
{
    QStringList problems;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || widget->width() <= 0)
            continue;
        QString text;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->wordWrap() || label->textFormat() == Qt::RichText || !label->pixmap(Qt::ReturnByValue).isNull())
                continue;
            text = label->text();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            text = button->text();
        } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            // An empty field shows its hint, elided when it is too long.
            const QString hint = edit->placeholderText();
            const int room = edit->width() - edit->textMargins().left() - edit->textMargins().right() - 8;
            if (edit->text().isEmpty() && !hint.isEmpty() && edit->fontMetrics().horizontalAdvance(hint) > room)
                problems << QStringLiteral("%1 hint \"%2\": %3 of %4 pixels")
                                .arg(edit->objectName(), hint)
                                .arg(room)
                                .arg(edit->fontMetrics().horizontalAdvance(hint));
            continue;
        }
        if (text.trimmed().isEmpty())
            continue;
        if (widget->width() + 1 < widget->sizeHint().width())
            problems << QStringLiteral("%1 \"%2\": %3 of %4 pixels")
                            .arg(widget->objectName(), text)
                            .arg(widget->width())
                            .arg(widget->sizeHint().width());
    }
    return problems;
}

// Visible widgets that cover part of a visible sibling: in a layout that
// holds at the window's size, none should. A rim of up to three pixels,
// where a style lets frames meet, does not count.
inline QStringList overlappingSiblings(QWidget *window)
{
    QStringList problems;
    QList<QWidget *> parents = window->findChildren<QWidget *>();
    parents.prepend(window);
    for (QWidget *parent : parents) {
        if (!parent->isVisibleTo(window) && parent != window)
            continue;
        QList<QWidget *> children;
        for (QObject *object : parent->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && child->isVisibleTo(window) && !child->geometry().isEmpty())
                children << child;
        }
        for (int i = 0; i < children.size(); ++i) {
            for (int j = i + 1; j < children.size(); ++j) {
                const QRect common = children.at(i)->geometry().intersected(children.at(j)->geometry());
                if (common.width() > 3 && common.height() > 3)
                    problems << QStringLiteral("%1 and %2 overlap in %3")
                                    .arg(children.at(i)->objectName(), children.at(j)->objectName())
                                    .arg(QStringLiteral("%1x%2").arg(common.width()).arg(common.height()));
            }
        }
    }
    return problems;
}

} // namespace WidgetChecks
