#pragma once

#include <QLabel>

class QMenu;

// The magnifier on the left of the search field. With a menu, a left press
// opens it below the field, centred on the button.
class SearchButton final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY(SearchButton)

public:
    explicit SearchButton(QWidget *parent = nullptr);

    QMenu *menu() const { return m_menu; }
    void setMenu(QMenu *menu) { m_menu = menu; }
    // Puts the magnifier back (after the busy animation).
    void showSearchIcon();

    // Where a left press opens the menu, in global coordinates.
    QPoint menuPosition() const;

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QMenu *m_menu = nullptr;
};
