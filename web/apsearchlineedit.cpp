#include "apsearchlineedit.h"

#include <QLineEdit>
#include <QMenu>

#include "searchbutton.h"

ApSearchLineEdit::ApSearchLineEdit(QWidget *parent)
    : ApExLineEdit(parent)
    , m_menu(new QMenu(this))
    , m_searchButton(new SearchButton(this))
{
    m_menu->setObjectName(QStringLiteral("search_history_menu"));
    m_searchButton->setMenu(m_menu);
    setLeftWidget(m_searchButton);
    connect(lineEdit(), &QLineEdit::textChanged, this, &ApSearchLineEdit::textChanged);
    QSizePolicy policy = sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Preferred);
    setSizePolicy(policy);
}

ApSearchLineEdit::~ApSearchLineEdit() = default;

void ApSearchLineEdit::resizeEvent(QResizeEvent *event)
{
    const int h = height();
    // Bounded by the button's own maximum size.
    m_searchButton->resize(m_searchButton->menu() ? h + 1 : h * 4 / 5, h);
    ApExLineEdit::resizeEvent(event);
}
