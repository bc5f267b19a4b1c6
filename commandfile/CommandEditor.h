#pragma once

#include "app/Dialogs.h"
#include "commandfile/AckId.h"
#include "commandfile/EntryBuilder.h"

#include <QObject>

#include <array>
#include <string>

class Expander;
class TFormMain;
class QDate;
struct ChannelRec;
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
    void ConnectHandlers();
    void ShowSelectorOf(const Expander *panel);
    void UpdateAddButton();
    const ChannelRec *ChosenChannel() const;
    Expander *OpenPanel() const;
    PanelInput InputOf(const Expander *panel) const;
    EntryContext Context() const;
    void ShowPanelMessages(const Expander *panel, const PanelInput &input);
    void SetListText(const std::string &text);
    void ShowCount();
    void Tell(Dialogs::Kind kind, const QString &text, QMessageBox::StandardButton button = QMessageBox::Ok);
    bool German() const;
    QString Text(const Message &message) const;

    TFormMain &w;
    std::array<Expander *, PanelCount> panels_{};
    RandomSource random_;
};
