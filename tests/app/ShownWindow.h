#pragma once

#include "app/FormMain.h"
#include "commandfile/CommandPage.h"
#include "estimators/EstimatorPage.h"
#include "tests/support/Controls.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/TabWalk.h"
#include "ui/Expander.h"
#include "ui/TabWidget.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTest>

#include <functional>

// The window on screen and active, as the user finds it, with the ways the
// keyboard tests bring it into a state: a page shown, a panel open, boxes
// ticked.
struct ShownWindow
{
    TestPlatform platform;
    TFormMain form{platform.environment()};

    bool show()
    {
        form.show();
        return QTest::qWaitForWindowActive(&form);
    }

    template <typename Control = QWidget> Control *control(const char *name)
    {
        return Named<Control>(form, QLatin1String(name));
    }
    TabWidget *tabs() { return control<TabWidget>("TabControlMain"); }
    void showCommands() { tabs()->setCurrentPage(&form.Commands()); }
    // Opens the command page's panel as a click on its header does.
    void open(const char *panel)
    {
        showCommands();
        auto *expander = control<Expander>(panel);
        if (!expander->isExpanded())
            form.Commands().AllExpanderClick(expander);
    }
    void tick(const char *box) { control<QAbstractButton>(box)->setChecked(true); }
    void choose(const char *combo, int item) { control<QComboBox>(combo)->setCurrentIndex(item); }
    // The estimator page with every control it has enabled: the rows of the
    // conductivity variant, TX2 on in Vesk-ML, both with a backup server.
    void everythingOn()
    {
        control<QAbstractButton>("ConductivityCheckBox")->click();
        control<QAbstractButton>("SwitchVTX2")->click();
        choose("ComboBoxVFormat2", 1);
        choose("ComboBoxVServer2ndMode1", 1);
        choose("ComboBoxVServer2ndMode2", 1);
    }

    // From the window's first control, the menu picture, round to it.
    QStringList walk(bool forward = true)
    {
        QWidget *start = control("ImageMenu");
        start->setFocus(Qt::TabFocusReason);
        return NamesOf(TabWalk(start, forward));
    }
};

using WindowState = std::function<void(ShownWindow &)>;
