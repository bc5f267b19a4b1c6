#pragma once

#include "ui/Expander.h"

#include <QApplication>
#include <QList>
#include <QString>
#include <QTabBar>
#include <QTest>
#include <QWidget>

// The name a test knows a control by: its own; its panel's for a panel's
// header; its tab control's for a tab bar.
inline QString ControlName(const QWidget *control)
{
    if (const auto *header = qobject_cast<const ExpanderHeader *>(control))
        return header->panel()->objectName();
    if (qobject_cast<const QTabBar *>(control))
        return control->parentWidget()->objectName();
    return control->objectName();
}

// The controls Tab (or Shift+Tab) reaches from start, which has the focus,
// until the focus is back there. A control that takes Tab inside itself
// first, as a date field does between its parts, counts once.
inline QList<QWidget *> TabWalk(QWidget *start, bool forward = true)
{
    QList<QWidget *> visited;
    for (int step = 0; step < 400; ++step) {
        QTest::keyClick(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab,
                        forward ? Qt::NoModifier : Qt::ShiftModifier);
        QWidget *focus = QApplication::focusWidget();
        if (!focus || focus == start)
            break;
        if (visited.isEmpty() || visited.last() != focus)
            visited << focus;
    }
    return visited;
}

inline QStringList NamesOf(const QList<QWidget *> &controls)
{
    QStringList names;
    for (const QWidget *control : controls)
        names << ControlName(control);
    return names;
}
