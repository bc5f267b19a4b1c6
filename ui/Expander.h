#pragma once

#include <QAbstractButton>
#include <QWidget>

class ExpanderHeader;

// A collapsible panel: a header line with a caption and, while open, the
// child widgets below it. A click on the header, or Space, Enter or Return
// while it has the focus, asks for a toggle through headerClicked();
// setExpanded() changes the state and reports it through expandedChanged().
// The header takes the panel's focus; screen readers hear it as a button
// that is expanded or collapsed, inside a group named by the caption.
class Expander : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(bool expanded READ isExpanded WRITE setExpanded NOTIFY expandedChanged)
    Q_PROPERTY(bool headerBold READ isHeaderBold WRITE setHeaderBold)
    Q_PROPERTY(int contentHeight READ contentHeight WRITE setContentHeight)

public:
    static constexpr int HeaderHeight = 30;

    explicit Expander(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

    bool isExpanded() const { return expanded_; }
    void setExpanded(bool expanded);

    bool isHeaderBold() const { return headerBold_; }
    void setHeaderBold(bool bold);

    int contentHeight() const { return contentHeight_; }
    void setContentHeight(int height);

    // The header line, the panel's focus proxy: where Tab stops and what a
    // tab order names.
    QAbstractButton *header() const;

    QSize sizeHint() const override;
    // Wide enough for the caption also in the bold font of an open panel.
    QSize minimumSizeHint() const override;

signals:
    void headerClicked();
    void expandedChanged(bool expanded);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyState();

    ExpanderHeader *header_;
    bool expanded_ = true;
    bool headerBold_ = false;
    int contentHeight_ = 35;
};

// The header line of an Expander: a button drawn as the panel's caption bar
// with an arrow showing whether the panel is open.
class ExpanderHeader : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ExpanderHeader(Expander *panel);

    Expander *panel() const { return panel_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Expander *panel_;
};
