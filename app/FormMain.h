#pragma once

#include "common/OneBasedArray.h"
#include "estimators/BatteryModel.h"
#include "setup/SetupModel.h"
#include "ui/Environment.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>
#include <string>

namespace Ui {
class FormMain;
}
class QComboBox;
class QLabel;
class QMenu;
class ToggleSwitch;
class Dialogs;
class EstimatorPage;
class CommandEditor;
class SetupImport;

// The one main window. It owns every control, the state that the pages
// share and the page controllers; the pages' handlers live in the controllers.
class TFormMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFormMain(QWidget *parent = nullptr);
    explicit TFormMain(Environment environment, QWidget *parent = nullptr);
    ~TFormMain() override;

    // Sets every bilingual text for the given language; only those of the
    // controls within the given widget, when one is given.
    void ApplyLanguage(bool english, const QWidget *within = nullptr);

    // Menu and tabs.
    QMenu *MainMenu();
    void ImageMenuClick();
    void MenuItemENClick();
    void MenuItemDEClick();
    void MenuItemAboutClick();
    void MenuItemExitClick();
    void TabControlMainChange();

    Dialogs &Boxes() const { return *environment_.Boxes; }
    const Environment &Platform() const { return environment_; }

    const std::unique_ptr<Ui::FormMain> ui;

    // State shared by the pages.
    QString ExePath;
    QString SettingsPath; // the settings file, read at start and written at close
    bool LanguageEN = false;
    bool ChangeChannelNames = false;
    int LastTabItem = 0;
    std::string ImportDir; // UTF-8
    std::string ExportDir; // UTF-8
    int CmdCounter = 0;
    bool CalcBattLifetimeNew = false;
    bool CalcVolumeNew = false;
    bool CalcDisabled = false;
    SetupModel Setup;
    BatteryShares Charges; // of the last battery life estimate
    double VolTX1Netto = 0;
    double VolTX2Netto = 0;

    OneBasedArray<QLabel *, EstimatorRowCount> MeasurementLabel;
    OneBasedArray<QComboBox *, EstimatorRowCount> SamplingIntervalComboBoxes;
    OneBasedArray<QComboBox *, EstimatorRowCount> StorageIntervalComboBoxes;
    OneBasedArray<ToggleSwitch *, EstimatorRowCount> InTX1Switches;
    OneBasedArray<ToggleSwitch *, EstimatorRowCount> InTX2Switches;

    QTimer TimerMain{this};
    QMenu *PopupMenuMainMenu = nullptr; // made by MainMenu()

    std::unique_ptr<EstimatorPage> Estimators;
    std::unique_ptr<CommandEditor> Commands;
    std::unique_ptr<SetupImport> Import;

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void FormCreate();
    void FormClose();
    void FormDestroy();
    void BuildMainMenu();
    void ConnectShell();
    void GatherMeasurementRows();
    void ReadSettings();
    void SetDefaultIntervals();

    Environment environment_;
};

// The program's one window.
extern TFormMain *FormMain;
