#include "ui/TabWidget.h"

#include <QStyleOptionTab>
#include <QStylePainter>

TabBar::TabBar(QWidget *parent) : QTabBar(parent)
{
    setElideMode(Qt::ElideNone);
    setExpanding(false);
}

void TabBar::setTabSize(const QSize &size)
{
    tabSize_ = size;
    updateGeometry();
    update();
}

void TabBar::setTabFont(int index, const QFont &font)
{
    while (fonts_.size() <= index)
        fonts_.append(this->font());
    fonts_[index] = font;
    update();
}

QFont TabBar::tabFont(int index) const
{
    return index >= 0 && index < fonts_.size() ? fonts_[index] : font();
}

QSize TabBar::tabSizeHint(int index) const
{
    return tabSize_.isValid() ? tabSize_ : QTabBar::tabSizeHint(index);
}

QSize TabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

void TabBar::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        painter.drawControl(QStyle::CE_TabBarTabShape, option);
        const QFont font = tabFont(i);
        painter.setFont(font);
        option.fontMetrics = QFontMetrics(font);
        painter.drawControl(QStyle::CE_TabBarTabLabel, option);
    }
}

TabWidget::TabWidget(QWidget *parent) : QTabWidget(parent), bar_(new TabBar(this))
{
    setTabBar(bar_);
}
