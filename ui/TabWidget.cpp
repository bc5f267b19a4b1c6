#include "ui/TabWidget.h"

#include <QApplication>
#include <QScrollArea>
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
    // A scroll area brings a control into view only when the focus moves
    // from one of its own controls; it may come from the header, or by
    // Shift+Tab from the window's first control.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        for (int i = 0; i < count(); ++i) {
            auto *area = qobject_cast<QScrollArea *>(widget(i));
            if (area && now && area->widget()->isAncestorOf(now))
                area->ensureWidgetVisible(now);
        }
    });
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

int TabWidget::addScrolledPage(QWidget *page)
{
    auto *area = new QScrollArea(this);
    area->setFrameShape(QFrame::NoFrame);
    // The controls take the focus, not the area around them.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    area->setWidget(page);
    // The page draws on the tab's own pane, as it would without the area,
    // which gives it a background of its own.
    page->setAutoFillBackground(false);
    area->viewport()->setAutoFillBackground(false);
    return addTab(area, QString());
}

int TabWidget::indexOfPage(const QWidget *page) const
{
    for (int i = 0; i < count(); ++i) {
        if (widget(i) == page || widget(i)->isAncestorOf(page))
            return i;
    }
    return -1;
}

// Hidden controls count too: a page may show them later.
void KeepContentReachable(QWidget *page)
{
    QRect content;
    for (const QWidget *child : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            content |= child->geometry();
    }
    page->setMinimumSize(content.right() + 1, content.bottom() + 1);
}
