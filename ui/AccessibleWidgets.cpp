#include "ui/AccessibleWidgets.h"

#include "ui/ChartWidget.h"
#include "ui/ClickLabel.h"
#include "ui/Expander.h"
#include "ui/ToggleSwitch.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>

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

// A drop-down as Qt describes it, but named as every other control is: Qt's
// own gives a drop-down on Linux the name of its chosen item, leaving its
// label to a relation that only a buddy makes, which a row's drop-down with
// two captions cannot have. Its children are the list and, where it is
// editable, the text field.
class AccessibleComboBox : public QAccessibleWidget
{
public:
    explicit AccessibleComboBox(QComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox)
    {}

    QString text(QAccessible::Text t) const override
    {
        const QString value =
            combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
        if (t == QAccessible::Value)
            return value;
        if (t == QAccessible::Accelerator)
            return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? value : own;
    }

    int childCount() const override { return combo()->isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(combo()->view());
        if (index == 1 && combo()->isEditable())
            return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child->object() == combo()->view())
            return 0;
        if (combo()->isEditable() && child->object() == combo()->lineEdit())
            return 1;
        return -1;
    }

    // The text field of an editable one, at a point of the screen.
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QLineEdit *field = combo()->lineEdit();
        if (combo()->isEditable() && field->rect().contains(field->mapFromGlobal(QPoint(x, y))))
            return child(1);
        return nullptr;
    }

    // The text field of an editable one has the focus, the drop-down being
    // its proxy.
    QAccessibleInterface *focusChild() const override
    {
        return combo()->isEditable() && combo()->hasFocus() ? child(1) : nullptr;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QComboBox *combo() const { return static_cast<QComboBox *>(widget()); }
};

// The planning chart: its description is the chosen point's figures.
class AccessibleChart : public QAccessibleWidget
{
public:
    explicit AccessibleChart(ChartWidget *chart) : QAccessibleWidget(chart, QAccessible::Chart) {}

    QString text(QAccessible::Text t) const override
    {
        const QString chosen = static_cast<ChartWidget *>(widget())->chosenText();
        if (t == QAccessible::Description && !chosen.isEmpty())
            return chosen;
        return QAccessibleWidget::text(t);
    }
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
    if (auto *combo = qobject_cast<QComboBox *>(object))
        return new AccessibleComboBox(combo);
    if (auto *chart = qobject_cast<ChartWidget *>(object))
        return new AccessibleChart(chart);
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
