#pragma once

#include <QAccessible>
#include <QStringList>

// The states a screen reader is told of a control, by name.
inline QStringList AccessibleStates(const QAccessible::State &state)
{
    QStringList names;
    const auto add = [&names](bool set, const char *name) {
        if (set)
            names << QLatin1String(name);
    };
    add(state.checkable, "checkable");
    add(state.checked, "checked");
    add(state.expandable, "expandable");
    add(state.expanded, "expanded");
    add(state.collapsed, "collapsed");
    add(state.linked, "linked");
    add(state.focusable, "focusable");
    add(state.focused, "focused");
    add(state.disabled, "disabled");
    add(state.pressed, "pressed");
    add(state.invisible, "invisible");
    return names;
}
