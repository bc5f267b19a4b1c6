#pragma once

#include "setup/SetupImport.h"
#include "setup/SetupModel.h"
#include "ui/Environment.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class FormMain;
}
class QMenu;
class Dialogs;
class EstimatorPage;
class CommandPage;
struct Settings;
struct StationPlan;

// The one main window: the header with the menu, the tab control with both
// pages, and the import. It runs the program's start-up and close, switches
// the language of all its parts and shows an imported setup on both pages.
class TFormMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFormMain(QWidget *parent = nullptr);
    explicit TFormMain(Environment environment, QWidget *parent = nullptr);
    ~TFormMain() override;

    EstimatorPage &Estimators() const { return *estimators_; }
    CommandPage &Commands() const { return *commands_; }
    SetupImport &Import() const { return *import_; }

    // Menu and tabs.
    QMenu *MainMenu();
    void ImageMenuClick();
    void MenuItemENClick();
    void MenuItemDEClick();
    void MenuItemAboutClick();
    void MenuItemExitClick();
    void TabControlMainChange();

    // Shows a read setup on both pages, in the fixed order of its steps. The
    // dialog way then keeps the imported names through language switches and
    // chooses the variant by the name of channel 8.
    void ApplySetup(const SetupModel &model, SetupImport::Way way);

    Dialogs &Boxes() const { return *environment_.Boxes; }
    const Environment &Platform() const { return environment_; }

    QString ExePath;
    QString SettingsPath; // the settings file, read at start and written at close
    bool LanguageEN = false;
    int LastTabItem = 0;
    // The model of the last setup shown, with its codes corrected.
    SetupModel Setup;

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
    Settings ReadSettings();
    void AddPages(const Settings &settings);
    void ApplyLanguage(bool english);
    void ApplyOwnTexts(bool english);
    void ApplyToEstimators(const StationPlan &plan);

    const std::unique_ptr<Ui::FormMain> ui;
    const Environment environment_;
    EstimatorPage *estimators_ = nullptr;
    CommandPage *commands_ = nullptr;
    SetupImport *import_ = nullptr;
    QMenu *PopupMenuMainMenu = nullptr; // made by MainMenu()
};

// The program's one window.
extern TFormMain *FormMain;
