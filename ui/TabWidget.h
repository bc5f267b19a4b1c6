#pragma once

#include <QTabBar>
#include <QTabWidget>

#include <QKeySequence>
#include <QList>

class QWidget;

// Gives page, which places its controls itself, the room they take as its
// minimum size, so that a scrolled page is never squeezed below its content.
void KeepContentReachable(QWidget *page);

// A tab bar whose tabs have a fixed size and each a caption font of its own.
class TabBar : public QTabBar
{
    Q_OBJECT

public:
    explicit TabBar(QWidget *parent = nullptr);

    // Every tab is at least this size, and wide enough for its caption in
    // the widest font a caption takes, so that a tab keeps its place
    // whichever font its caption has.
    void setTabSize(const QSize &size, const QFont &widestCaptionFont);
    void setTabFont(int index, const QFont &font);
    QFont tabFont(int index) const;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent *event) override;

private:
    struct Caption
    {
        QString text;
        int width = 0;
        bool measured = false;
    };
    int captionWidth(int index) const;

    QSize tabSize_;
    QFont widestFont_;
    QList<QFont> fonts_;
    mutable QList<Caption> captions_;
};

// A tab control using that tab bar. Ctrl+Tab and Ctrl+Shift+Tab change the
// page wherever the focus is in its window, not only inside the control.
// Its pages scroll where the control is smaller than they are.
class TabWidget : public QTabWidget
{
    Q_OBJECT

public:
    explicit TabWidget(QWidget *parent = nullptr);

    TabBar *bar() const { return bar_; }

    // Adds page inside a scroll area of its own, which shows scroll bars only
    // while the control is smaller than the page's minimum size; moving the
    // focus with Tab scrolls the control it reaches into view.
    int addScrolledPage(QWidget *page);
    // The tab that shows page, directly or in its scroll area; -1 for none.
    int indexOfPage(const QWidget *page) const;
    void setCurrentPage(const QWidget *page) { setCurrentIndex(indexOfPage(page)); }

private:
    void addPageKeys(const QList<QKeySequence> &keys, int step);
    // To the next page that can be chosen, step pages on, round the end.
    void stepPage(int step);

    TabBar *bar_;
};
