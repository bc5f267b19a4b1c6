#pragma once

#include "app/FormMain.h"
#include "estimators/EstimatorPage.h"
#include "planfile/PlanFile.h"
#include "tests/setup/ImportFiles.h"
#include "tests/setup/SampleStation.h"
#include "tests/support/Controls.h"
#include "tests/support/FakeDialogs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

#include <algorithm>

// A window with a pinned platform, and the ways the plan tests drive it:
// its menu entries answered through the dialog seam.
struct PlanWindow
{
    PlanWindow() = default;
    // The user's locale, for the decimal separator.
    explicit PlanWindow(const QLocale &locale)
        : form(platform.environment(TestPlatform::PinnedToday(), locale))
    {}

    TestPlatform platform;
    TFormMain form{platform.environment()};

    EstimatorPage &page() { return form.Estimators(); }
    QString path(const QString &name) const { return QDir(platform.folder.path()).filePath(name); }

    void openPlan(const QString &file)
    {
        platform.boxes->fileAnswers.push_back(file);
        form.MenuItemOpenPlanClick();
    }
    void savePlan(const QString &file)
    {
        platform.boxes->fileAnswers.push_back(file);
        form.MenuItemSavePlanClick();
    }
    void importSetup(const QString &file)
    {
        ImportFiles::ImportBy(form.Import(), *platform.boxes, true, file);
    }
    void undo() { Named<QAction>(form, "MenuItemUndo")->trigger(); }
    void redo() { Named<QAction>(form, "MenuItemRedo")->trigger(); }

    QStringList messages() const
    {
        QStringList texts;
        for (const FakeDialogs::Shown &shown : platform.boxes->messages)
            texts << shown.text;
        return texts;
    }
};

// A file of the sample station's setup.
inline QString WriteSampleSetup(const QString &path,
                                const SampleStation::Station &station = SampleStation::Station())
{
    const auto bytes = SampleStation::Build(station);
    return ImportFiles::Write(path, QByteArray(reinterpret_cast<const char *>(bytes.data()),
                                               static_cast<qsizetype>(bytes.size())));
}

inline QString WritePlan(const QString &path, const StationPlan &plan)
{
    if (SavePlanFile(path.toStdString(), plan))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Everything the estimator page shows, control by control: each label's
// text, each drop-down's item, each switch, check box and spin box, with
// whether it is shown and, if so, enabled.
inline QStringList PageShown(const EstimatorPage &page)
{
    QStringList shown;
    for (const QWidget *control : page.findChildren<QWidget *>()) {
        QString value;
        if (const auto *label = qobject_cast<const QLabel *>(control))
            value = label->text();
        else if (const auto *combo = qobject_cast<const QComboBox *>(control))
            value = QString::number(combo->currentIndex()) + ' ' + combo->currentText();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            value = button->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
        else if (const auto *spin = qobject_cast<const QSpinBox *>(control))
            value = QString::number(spin->value());
        else
            continue;
        const QString state = !control->isVisibleTo(&page) ? QStringLiteral(" hidden")
                              : control->isEnabled()       ? QString()
                                                           : QStringLiteral(" disabled");
        shown << control->objectName() + '=' + value + state;
    }
    std::sort(shown.begin(), shown.end());
    return shown;
}
