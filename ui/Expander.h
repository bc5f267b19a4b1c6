#pragma once

#include <QWidget>

// A collapsible panel: a header line with a caption and, while open, the
// child widgets below it. A click on the header asks for a toggle through
// headerClicked(); setExpanded() changes the state and reports it through
// expandedChanged().
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

    QString text() const { return text_; }
    void setText(const QString &text);

    bool isExpanded() const { return expanded_; }
    void setExpanded(bool expanded);

    bool isHeaderBold() const { return headerBold_; }
    void setHeaderBold(bool bold);

    int contentHeight() const { return contentHeight_; }
    void setContentHeight(int height);

    QSize sizeHint() const override;
    // Wide enough for the caption also in the bold font of an open panel.
    QSize minimumSizeHint() const override;

signals:
    void headerClicked();
    void expandedChanged(bool expanded);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applyState();
    QFont headerFont(bool bold) const;

    QString text_;
    bool expanded_ = true;
    bool headerBold_ = false;
    int contentHeight_ = 35;
};
