#pragma once

#include "commandfile/AckId.h"
#include "commandfile/EntryBuilder.h"
#include "setup/SetupModel.h"
#include "ui/Dialogs.h"

#include <QObject>

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace Ui {
class CommandPage;
}
class Expander;
class TFormMain;
class QDate;

struct Message;

// Handlers of the command file page: the nine panels, the measurement
// selectors, adding entries, export and clearing.
class CommandEditor : public QObject
{
    Q_OBJECT

public:
    static constexpr int PanelCount = 9;
    static constexpr int MaxEntries = 10;

    explicit CommandEditor(TFormMain &form);
    ~CommandEditor() override;

    // The controls of the page, made on first use.
    Ui::CommandPage &Page();
    // Making the page does not change what the editor holds.
    const Ui::CommandPage &Page() const { return const_cast<CommandEditor *>(this)->Page(); }
    bool HasPage() const { return page_ != nullptr; }

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
    void CornerButtonExportFTPFileClick();
    void CornerButtonClearListClick();

    // Closes every panel the way start-up does.
    void CollapseAtStart();
    // Yesterday 00:00:00 to today 23:59:59.
    void SetQueryWindow(const QDate &today);

    // The command list as text, lines ended by CR LF.
    std::string ListText() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreatePage();
    void SetDefaultIntervals();
    void ConnectHandlers();
    void ShowSelectorOf(const Expander *panel);
    void UpdateAddButton();
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
    bool German() const;
    QString Text(const Message &message) const;

    TFormMain &w;
    std::unique_ptr<Ui::CommandPage> page_;
    std::optional<SetupModel> startupFill_;
    std::optional<SetupModel> latestFill_;
    std::array<Expander *, PanelCount> panels_{};
    RandomSource random_;
};
