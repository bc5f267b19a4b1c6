#include "ui/AccessibleWidgets.h"

#include "ui/ClickLabel.h"
#include "ui/Expander.h"
#include "ui/ToggleSwitch.h"

#include <QAccessibleWidget>

namespace {

// A widget whose actions click it as the mouse does, so that the page hears
// the signal it listens to; they are offered while it is enabled. It is
// named by its caption unless it is given a name.
class Clickable : public QAccessibleWidget
{
public:
    Clickable(QWidget *widget, QAccessible::Role role, const QStringList &actions)
        : QAccessibleWidget(widget, role), actions_(actions)
    {}

    QString text(QAccessible::Text t) const override
    {
        const QString own = caption();
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && !own.isEmpty())
            return own;
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return (widget()->isEnabled() ? actions_ : QStringList()) +
               QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (actions_.contains(action))
            click();
        else
            QAccessibleWidget::doAction(action);
    }

protected:
    // Does nothing on a disabled widget.
    virtual void click() const = 0;
    virtual QString caption() const { return {}; }

private:
    QStringList actions_;
};

// A check box. Qt's own toggle action would toggle it without clicked().
class AccessibleSwitch : public Clickable
{
public:
    explicit AccessibleSwitch(ToggleSwitch *toggle)
        : Clickable(toggle, QAccessible::CheckBox, {toggleAction(), pressAction()})
    {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = toggle()->isChecked();
        state.pressed = toggle()->isDown();
        return state;
    }

protected:
    void click() const override { toggle()->click(); }

private:
    ToggleSwitch *toggle() const { return static_cast<ToggleSwitch *>(widget()); }
};

// A panel header: a button that is expanded or collapsed.
class AccessibleHeader : public Clickable
{
public:
    explicit AccessibleHeader(ExpanderHeader *header)
        : Clickable(header, QAccessible::Button, {pressAction()})
    {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const bool expanded = header()->panel()->isExpanded();
        state.expandable = true;
        state.expanded = expanded;
        state.collapsed = !expanded;
        state.pressed = header()->isDown();
        return state;
    }

protected:
    void click() const override { header()->click(); }
    QString caption() const override { return header()->text(); }

private:
    ExpanderHeader *header() const { return static_cast<ExpanderHeader *>(widget()); }
};

// A panel: a group named by its caption, holding its header and content.
class AccessiblePanel : public QAccessibleWidget
{
public:
    explicit AccessiblePanel(Expander *panel) : QAccessibleWidget(panel, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<Expander *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// A clickable label: a link, or a button where it shows a picture, which
// needs a name of its own.
class AccessibleClickLabel : public Clickable
{
public:
    explicit AccessibleClickLabel(ClickLabel *label)
        : Clickable(label, QAccessible::Link, {pressAction()})
    {}

    QAccessible::Role role() const override
    {
        return label()->pixmap().isNull() ? QAccessible::Link : QAccessible::Button;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = role() == QAccessible::Link;
        return state;
    }

protected:
    void click() const override { label()->click(); }
    QString caption() const override { return label()->text(); }

private:
    ClickLabel *label() const { return static_cast<ClickLabel *>(widget()); }
};

QAccessibleInterface *Factory(const QString &, QObject *object)
{
    if (auto *toggle = qobject_cast<ToggleSwitch *>(object))
        return new AccessibleSwitch(toggle);
    if (auto *header = qobject_cast<ExpanderHeader *>(object))
        return new AccessibleHeader(header);
    if (auto *panel = qobject_cast<Expander *>(object))
        return new AccessiblePanel(panel);
    if (auto *label = qobject_cast<ClickLabel *>(object))
        return new AccessibleClickLabel(label);
    return nullptr;
}

} // namespace

void InstallAccessibleWidgets()
{
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    Q_UNUSED(installed);
}
