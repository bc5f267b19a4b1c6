#pragma once

#include "commandfile/CommandPage.h"
#include "tests/support/FakeDialogs.h"
#include "ui/Expander.h"
#include "ui_CommandPage.h"

#include <QRegularExpression>
#include <QtTest>

// One page with its own platform, filled from the start-up model as the
// window fills it; numbers read and shown with ".".
struct Page
{
    // The controls are made as when the user first opens the page.
    explicit Page(const QLocale &locale = QLocale::c()) : form(WithLocale(platform, locale), true)
    {
        ResetSetupDefaults(setup);
        form.setSetup(setup);
        form.Form();
    }

    static Environment WithLocale(const TestPlatform &platform, const QLocale &locale)
    {
        Environment environment = platform.environment();
        environment.Locale = locale;
        return environment;
    }

    Ui::CommandPage &ui() { return form.Form(); }
    Expander *panel(const QString &name) { return form.findChild<Expander *>(name); }
    FakeDialogs &boxes() { return *platform.boxes; }
    std::vector<FakeDialogs::Shown> &messages() { return platform.boxes->messages; }

    void open(const QString &name)
    {
        Expander *p = panel(name);
        QVERIFY2(p, qPrintable(name));
        if (!p->isExpanded())
            form.AllExpanderClick(p);
    }
    void add() { QTest::mouseClick(ui().CornerButtonAddCmd, Qt::LeftButton); }
    void exportList() { form.CornerButtonExportFTPFileClick(); }
    QString list() const { return QString::fromStdString(form.ListText()); }
    void german() { form.applyLanguage(false); }
    // The page loads from the changed model.
    void refill() { form.setSetup(setup); }

    TestPlatform platform;
    SetupModel setup;
    CommandPage form;
};

const QRegularExpression AckIdPattern(QStringLiteral("ackId=\"(\\d+)\""));

// The list with every ackId replaced by "#", so lists compare whatever was drawn.
inline QString Masked(QString text)
{
    return text.replace(AckIdPattern, QStringLiteral("ackId=\"#\""));
}

inline QStringList AckIds(const QString &text)
{
    QStringList ids;
    for (const QRegularExpressionMatch &match : AckIdPattern.globalMatch(text))
        ids << match.captured(1);
    return ids;
}
