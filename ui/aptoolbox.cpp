#include "aptoolbox.h"

#include <QDockWidget>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "aptbwidgets.h"

namespace {
const QString FoldPicture = QStringLiteral(":/icons/fold.png");
const QString FoldOverPicture = QStringLiteral(":/icons/foldover.png");
} // namespace

ApFoldLabel::ApFoldLabel(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("foldtoolbox_label"));
    setPixmap(QPixmap(FoldPicture));
    setCursor(Qt::PointingHandCursor);
}

void ApFoldLabel::enterEvent(QEvent *event)
{
    setPixmap(QPixmap(FoldOverPicture));
    QLabel::enterEvent(event);
}

void ApFoldLabel::leaveEvent(QEvent *event)
{
    setPixmap(QPixmap(FoldPicture));
    QLabel::leaveEvent(event);
}

void ApFoldLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed();
    QLabel::mousePressEvent(event);
}

ApToolBox::ApToolBox(QDockWidget *dock, QWidget *strip, QToolButton *unfoldButton, QObject *parent)
    : QObject(parent)
    , m_dock(dock)
    , m_strip(strip)
    , m_titleBar(new ApTBm(dock))
    , m_titleLabel(new QLabel(m_titleBar))
    , m_foldLabel(new ApFoldLabel(m_titleBar))
{
    m_titleBar->setObjectName(QStringLiteral("toolbox_titleBar"));
    QLinearGradient gradient(0, 0, 0, 24);
    gradient.setColorAt(0, QColor(250, 250, 250));
    gradient.setColorAt(1, QColor(200, 210, 222));
    m_titleBar->setBrush(gradient);
    m_titleBar->setFixedHeight(24);
    m_titleLabel->setObjectName(QStringLiteral("toolbox_title_label"));
    m_titleLabel->setText(dock->windowTitle());
    auto *layout = new QHBoxLayout(m_titleBar);
    layout->setContentsMargins(6, 2, 4, 2);
    layout->addWidget(m_titleLabel, 1);
    layout->addWidget(m_foldLabel);
    dock->setTitleBarWidget(m_titleBar);
    connect(dock, &QDockWidget::windowTitleChanged, m_titleLabel, &QLabel::setText);
    connect(m_foldLabel, &ApFoldLabel::pressed, this, &ApToolBox::fold);

    unfoldButton->setIcon(QIcon(QStringLiteral(":/icons/unfold_arrow.png")));
    unfoldButton->setFixedWidth(StripWidth);
    strip->setFixedWidth(0);
    strip->hide();
}

ApTBb *ApToolBox::addSection(QVBoxLayout *layout, const QList<QWidget *> &widgets)
{
    QWidget *parent = layout->parentWidget();
    m_section = new ApTBb(parent);
    m_section->setObjectName(QStringLiteral("downloads_toolBoxBar"));
    m_sectionHeader = new ApTBt(m_section, SectionWidth);
    m_sectionHeader->setObjectName(QStringLiteral("downloads_toolBoxButton"));
    m_sectionHeader->item()->setPicture(QPixmap(QStringLiteral(":/icons/folder_files.png")));
    auto *content = new QWidget(m_section);
    content->setObjectName(QStringLiteral("downloads_toolBoxContent"));
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    int index = layout->count();
    for (QWidget *widget : widgets) {
        const int at = layout->indexOf(widget);
        if (at < 0)
            continue;
        index = qMin(index, at);
        layout->removeWidget(widget);
        contentLayout->addWidget(widget);
    }
    m_section->setHeader(m_sectionHeader);
    m_section->setContent(content);
    layout->insertWidget(qMin(index, layout->count()), m_section);
    retranslate();
    return m_section;
}

void ApToolBox::retranslate()
{
    if (m_sectionHeader)
        m_sectionHeader->item()->setText(tr("Downloads"));
}

void ApToolBox::fold()
{
    if (!m_dock || !m_strip)
        return;
    m_dock->hide();
    m_strip->setFixedWidth(StripWidth);
    m_strip->show();
    m_folded = true;
}

void ApToolBox::unfold()
{
    if (!m_dock || !m_strip)
        return;
    m_strip->setFixedWidth(0);
    m_strip->hide();
    m_dock->show();
    m_folded = false;
    m_dock->raise();
}
