#pragma once

#include "apexlineedit.h"

class QMenu;
class SearchButton;

// The search field: the line edit with the magnifier button on its left,
// which opens the field's menu.
class ApSearchLineEdit : public ApExLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY(ApSearchLineEdit)

public:
    explicit ApSearchLineEdit(QWidget *parent = nullptr);
    ~ApSearchLineEdit() override;

    QMenu *menu() const { return m_menu; }
    SearchButton *searchButton() const { return m_searchButton; }

signals:
    void textChanged(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QMenu *m_menu;
    SearchButton *m_searchButton;
};
