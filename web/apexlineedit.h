#pragma once

#include <QMetaObject>
#include <QWidget>

class QLineEdit;

// A line edit made of a frameless inner field and an optional widget on its
// left, painted as one line-edit panel. While empty and unfocused it shows
// the grey placeholder "Search...", which vanishes when the field gets focus.
class ApExLineEdit : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ApExLineEdit)

public:
    explicit ApExLineEdit(QWidget *parent = nullptr);
    ~ApExLineEdit() override;

    QLineEdit *lineEdit() const { return m_lineEdit; }
    QWidget *leftWidget() const { return m_leftWidget; }
    void setLeftWidget(QWidget *widget);

    // The translated placeholder text.
    static QString placeholderText();
    bool isShowingPlaceholder() const;

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void updateGeometries();

private:
    void showPlaceholder();
    void innerFocusIn();
    void innerFocusOut();

    QLineEdit *m_lineEdit;
    QWidget *m_leftWidget = nullptr;
    // The key press the inner field is handling; one it leaves unhandled
    // comes on to this widget and must not be handed back.
    const QEvent *m_innerKeyEvent = nullptr;
    QMetaObject::Connection m_completerActivated;
    QMetaObject::Connection m_completerHighlighted;
};
