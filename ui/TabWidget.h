#pragma once

#include <QTabBar>
#include <QTabWidget>

#include <QList>

// A tab bar whose tabs have a fixed size and each a caption font of its own.
class TabBar : public QTabBar
{
    Q_OBJECT

public:
    explicit TabBar(QWidget *parent = nullptr);

    void setTabSize(const QSize &size);
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
        QFont font;
        int width = 0;
        bool measured = false;
    };
    int captionWidth(int index) const;

    QSize tabSize_;
    QList<QFont> fonts_;
    mutable QList<Caption> captions_;
};

// A tab control using that tab bar.
class TabWidget : public QTabWidget
{
    Q_OBJECT

public:
    explicit TabWidget(QWidget *parent = nullptr);

    TabBar *bar() const { return bar_; }

private:
    TabBar *bar_;
};
