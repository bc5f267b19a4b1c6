#include "ui/TabWidget.h"

#include <QShortcut>
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

void TabBar::setTabSize(const QSize &size, const QFont &widestCaptionFont)
{
    tabSize_ = size;
    widestFont_ = widestCaptionFont;
    captions_.clear();
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

// Measured once per caption: the bar asks for the sizes often.
int TabBar::captionWidth(int index) const
{
    if (captions_.size() <= index)
        captions_.resize(index + 1);
    Caption &caption = captions_[index];
    const QString text = tabText(index);
    if (!caption.measured || caption.text != text)
        caption = {text, QFontMetrics(widestFont_).horizontalAdvance(text), true};
    return caption.width;
}

// The fixed size, made wider where the caption in its widest font would not fit.
QSize TabBar::tabSizeHint(int index) const
{
    if (!tabSize_.isValid())
        return QTabBar::tabSizeHint(index);
    return {std::max(tabSize_.width(), captionWidth(index) + 2 * CaptionMargin), tabSize_.height()};
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
    addPageKeys({QKeySequence(Qt::CTRL | Qt::Key_Tab)}, 1);
    // X11 reports Shift+Tab as Backtab.
    addPageKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)},
                -1);
}

void TabWidget::addPageKeys(const QList<QKeySequence> &keys, int step)
{
    auto *shortcut = new QShortcut(this);
    shortcut->setKeys(keys);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, step] { stepPage(step); });
}

void TabWidget::stepPage(int step)
{
    const int pages = count();
    for (int i = 1; i < pages; ++i) {
        const int page = ((currentIndex() + i * step) % pages + pages) % pages;
        if (isTabEnabled(page) && isTabVisible(page)) {
            setCurrentIndex(page);
            return;
        }
    }
}
