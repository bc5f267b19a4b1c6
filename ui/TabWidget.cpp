#include "ui/TabWidget.h"

#include <QStyleOptionTab>
#include <QStylePainter>

#include <algorithm>

namespace {

constexpr int CaptionMargin = 12;

} // namespace

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
    // Setting the caption again makes the bar measure its tabs anew.
    setTabText(index, tabText(index));
}

QFont TabBar::tabFont(int index) const
{
    return index >= 0 && index < fonts_.size() ? fonts_[index] : font();
}

// The fixed size, made wider where a caption in its font would not fit.
QSize TabBar::tabSizeHint(int index) const
{
    if (!tabSize_.isValid())
        return QTabBar::tabSizeHint(index);
    const int caption = QFontMetrics(tabFont(index)).horizontalAdvance(tabText(index));
    return {std::max(tabSize_.width(), caption + 2 * CaptionMargin), tabSize_.height()};
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
