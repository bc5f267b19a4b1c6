#pragma once

#include "commandfile/AckId.h"
#include "commandfile/EntryBuilder.h"
#include "estimators/StationPlan.h"
#include "setup/SetupModel.h"
#include "ui/Dialogs.h"
#include "ui/Environment.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace Ui {
class CommandPage;
}
class Expander;
class QDate;

struct Message;
struct PlanEntries;

// The command file page: the nine panels, the measurement selectors, adding
// entries, export and clearing. Its controls are made when it is first shown
// or used, in the state they would have had all along.
class CommandPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PanelCount = 9;

    CommandPage(Environment environment, bool english, QWidget *parent = nullptr);
    ~CommandPage() override;

    // The setup model the panels load from: station ID and measurement IDs
    // into the editor, the command list emptied.
    void setSetup(const SetupModel &model);
    // The page's texts, and the language of its messages.
    void applyLanguage(bool english);
    // Where "Commands from the plan" takes the plan from: the window hands
    // in the estimator page's. Without one the button stays disabled.
    using PlanProvider = std::function<StationPlan()>;
    void setPlanProvider(PlanProvider provider);

    // The page's controls, made on first use. Making them does not change
    // what the page holds.
    Ui::CommandPage &Form();
    const Ui::CommandPage &Form() const { return const_cast<CommandPage *>(this)->Form(); }

    // Panel rule.
    void AllExpanderClick(QObject *sender);
    void ExpanderExpandedChanged(Expander *panel);
    bool AnyPanelOpen() const;

    // Check boxes of the panels.
    void CheckBoxSintChange();
    void CheckBoxTIOffsetChange();
    void CheckBoxTIAlarmIntChange(int k);
    void CheckBoxGetCfgChange();
    void CheckBoxGetDiagChange();

    // Loading values of the setup model.
    void ComboEditMeasurementIDChange();
    void SpinBoxLimitIndexChange();
    void SpinBoxGradIndexChange();
    void SpinBoxTIIndexChange();
    void FillCommandPanels();

    void EditStationIDExit();
    void ComboEditMeasurementIDExit();

    void CornerButtonAddCmdClick();
    void CornerButtonCmdFromPlanClick();
    void CornerButtonExportFTPFileClick();
    void CornerButtonExportStationsClick();
    void CornerButtonClearListClick();

    // Closes every panel the way start-up does.
    void CollapseAtStart();
    // Yesterday 00:00:00 to today 23:59:59.
    void SetQueryWindow(const QDate &today);

    // The command list as text, lines ended by CR LF.
    std::string ListText() const;

    // Entries in the command list.
    int CmdCounter = 0;
    // The folder of the last export, UTF-8; the save dialog starts there.
    std::string ExportDir;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CreateForm();
    void SetDefaultIntervals();
    void ConnectHandlers();
    void ShowSelectorOf(const Expander *panel);
    void ApplyOwnTexts();
    void DescribeControls();
    void UpdateAddButton();
    void SetExportEnabled(bool enabled);
    void CountAdded(int entries);
    void ShowPlanPanels(const PlanEntries &added);
    const ChannelRec *ChosenChannel(const SetupModel &model) const;
    void LoadChannel(const SetupModel &model);
    void LoadLimitSlot(const SetupModel &model);
    void LoadGradientSlot(const SetupModel &model);
    void LoadTransmission(const SetupModel &model);
    void FillFrom(const SetupModel &model);
    Expander *OpenPanel() const;
    PanelInput InputOf(const Expander *panel) const;
    EntryContext Context() const;
    void ShowPanelMessages(const Expander *panel, const PanelInput &input);
    void SetListText(const std::string &text);
    void ShowCount();
    void Tell(Dialogs::Kind kind, const QString &text,
              QMessageBox::StandardButton button = QMessageBox::Ok);
    QString Text(const Message &message) const;

    const Environment environment_;
    bool english_;
    std::unique_ptr<Ui::CommandPage> form_;
    SetupModel setup_;
    // Until the form is made: the model of start-up and whether another
    // one came since.
    std::optional<SetupModel> startupFill_;
    bool filledSinceStart_ = false;
    std::array<Expander *, PanelCount> panels_{};
    RandomSource random_;
    PlanProvider planProvider_;
};
