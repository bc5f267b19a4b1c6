#pragma once

#include <QObject>

#include <array>

class Expander;
class TFormMain;
class QDate;

// Handlers of the command file page: the nine panels, the measurement
// selectors, adding entries, export and clearing.
class CommandEditor : public QObject
{
    Q_OBJECT

public:
    explicit CommandEditor(TFormMain &form);

    // Panel rule.
    void AllExpanderClick(QObject *sender);
    void ExpanderExpandedChanged(Expander *panel);
    bool AnyPanelOpen() const;

    // Closes every panel the way start-up does.
    void CollapseAtStart();
    // Yesterday 00:00:00 to today 23:59:59.
    void SetQueryWindow(const QDate &today);

    void FillCommandPanels();
    void CornerButtonClearListClick();

    static constexpr int PanelCount = 9;
private:
    void ShowSelectorOf(const Expander *panel);
    void UpdateAddButton();

    TFormMain &w;
    std::array<Expander *, PanelCount> panels_{};
};
