#pragma once

#include "ui/ClickLabel.h"
#include "ui/Expander.h"
#include "ui/TabWidget.h"
#include "ui/ToggleSwitch.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

// A window with one of each of our own widgets, top to bottom, between two
// fields: a switch, a panel with a field inside, a text link, a picture link
// and a tab control whose middle page is disabled. Every widget is named.
struct OwnWidgets
{
    OwnWidgets()
    {
        window.resize(320, 440);
        first = Named(new QLineEdit(&window), "first", {10, 10, 100, 24});
        toggle = Named(new ToggleSwitch(&window), "toggle", {10, 40, 40, 20});
        panel = Named(new Expander(&window), "panel", {10, 70, 300, 70});
        panel->setText(QStringLiteral("Change Limit"));
        panel->setContentHeight(40);
        panel->header()->setObjectName(QStringLiteral("header"));
        inside = Named(new QLineEdit(panel), "inside", {10, Expander::HeaderHeight + 8, 100, 24});
        link = Named(new ClickLabel(&window), "link", {10, 150, 120, 20});
        link->setText(QStringLiteral("Disclaimer"));
        picture = Named(new ClickLabel(&window), "picture", {10, 180, 24, 28});
        QPixmap red(24, 28);
        red.fill(Qt::red);
        picture->setPixmap(red);
        tabs = Named(new TabWidget(&window), "tabs", {10, 220, 300, 150});
        for (const char *caption : {"Estimator", "Hidden", "Commands"})
            tabs->addTab(new QLabel(QLatin1String(caption)), QLatin1String(caption));
        tabs->setTabEnabled(1, false);
        tabs->tabBar()->setObjectName(QStringLiteral("tabbar"));
        last = Named(new QLineEdit(&window), "last", {10, 390, 100, 24});
    }

    // Shown, active and with the focus in the first field, as a user finds it.
    bool show()
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        first->setFocus();
        return first->hasFocus();
    }

    QWidget *widget(const QString &name) const { return window.findChild<QWidget *>(name); }

    QWidget window;
    QLineEdit *first;
    ToggleSwitch *toggle;
    Expander *panel;
    QLineEdit *inside;
    ClickLabel *link;
    ClickLabel *picture;
    TabWidget *tabs;
    QLineEdit *last;

private:
    template <typename W> static W *Named(W *widget, const char *name, const QRect &geometry)
    {
        widget->setObjectName(QLatin1String(name));
        widget->setGeometry(geometry);
        return widget;
    }
};

// What each widget does as a click: the switch's and the links' clicked(),
// the panel's headerClicked() for its header.
struct Acts
{
    explicit Acts(const OwnWidgets &w)
        : w(w), toggle(w.toggle, &QAbstractButton::clicked),
          header(w.panel, &Expander::headerClicked), link(w.link, &ClickLabel::clicked),
          picture(w.picture, &ClickLabel::clicked)
    {}

    // Only target acted, as often as expected; a switch that acted once is
    // on and said so; the panel only asked and stays as it is until the page
    // decides.
    void expect(const QWidget *target, int acts) const
    {
        const QSignalSpy &own = target == w.toggle    ? toggle
                                : target == w.link    ? link
                                : target == w.picture ? picture
                                                      : header;
        QCOMPARE(own.count(), acts);
        QCOMPARE(toggle.count() + header.count() + link.count() + picture.count(), acts);
        const bool switched = target == w.toggle && acts == 1;
        QCOMPARE(w.toggle->isChecked(), switched);
        if (switched)
            QCOMPARE(toggle.first().first().toBool(), true);
        QVERIFY(w.panel->isExpanded());
    }

    const OwnWidgets &w;
    QSignalSpy toggle;
    QSignalSpy header;
    QSignalSpy link;
    QSignalSpy picture;
};
