#pragma once

#include <QLabel>

// A label, or a picture, that acts like a link: on a mouse click, and on
// Space, Enter or Return while it has the focus. Screen readers hear a link,
// or a button for a picture, named by its accessibleName or else its text.
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(QWidget *parent = nullptr);

    // Acts as a click does, unless the label is disabled.
    void click();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF focusRect() const;
};
