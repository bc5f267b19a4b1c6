#pragma once

#include "app/UndoHistory.h"
#include "estimators/StationPlan.h"
#include "report/ReportData.h"
#include "setup/SetupImport.h"
#include "setup/SetupModel.h"
#include "ui/Dialogs.h"
#include "ui/Environment.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace Ui {
class FormMain;
}
class QAbstractSpinBox;
class QMenu;
class EstimatorPage;
class CommandPage;
struct Message;
struct PlanComparison;
struct Settings;

// The one main window: the header with the menu, the tab control with both
// pages, and the import. It runs the program's start-up and close, switches
// the language of all its parts, shows an imported setup on both pages, keeps
// the estimator page's plan as a document (plan files, undo and redo, its
// report) and says in the header which station and file it shows.
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

    // Plan files and undo.
    void MenuItemNewPlanClick();
    void MenuItemOpenPlanClick();
    void MenuItemSavePlanClick();
    void MenuItemComparePlanClick();
    void MenuItemUndoClick();
    void MenuItemRedoClick();
    // Shows the plan of the file; a refused file is told, naming the file and
    // the key, and the window stays as it was.
    bool OpenPlanFile(const QString &fileName);
    // The file the program was started with: a plan file opens, anything
    // else is imported as a setup file chosen in the import dialog.
    void OpenGivenFile(const QString &fileName);
    // Files dropped onto the window. The first counts: a plan file, told by
    // its content, opens; anything else goes to the setup import's drop.
    void DropFiles(const QStringList &files);
    // The plan file the page shows, as opened or last saved; empty when none.
    const QString &PlanFileName() const { return planFile_; }

    // The report of the page's plan: saved as PDF, printed, its inputs and
    // results copied. Ctrl+C copies them too while the estimator page has
    // the focus outside a text field, or the part of a figure selected.
    void MenuItemSaveReportClick();
    void MenuItemPrintReportClick();
    void MenuItemCopyResultsClick();
    void CopyShortcut();

    // Shows the comparison with the plan of the named file; the dialog, unless
    // a test puts something else in its place.
    std::function<void(const PlanComparison &comparison, const QString &fileName)> ShowComparison;

    // Shows a read setup on both pages, in the fixed order of its steps. The
    // dialog way then keeps the imported names through language switches and
    // chooses the variant by the name of channel 8.
    void ApplySetup(const SetupModel &model, SetupImport::Way way);

    Dialogs &Boxes() const { return *environment_.Boxes; }
    const Environment &Platform() const { return environment_; }

    // What the window remembers, set by the window alone.
    const QString &ProgramFolder() const { return ExePath; }
    bool English() const { return LanguageEN; }
    // The tab to open at the next start.
    int LastTab() const { return LastTabItem; }
    const SetupModel &ShownSetup() const { return Setup; }
    const std::string &PlanFolder() const { return PlanDir; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void FitToScreen();
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

    // What one undo step gives back: the page's plan, whether its rows take
    // the standard names of a language, and the plan file it shows.
    struct PageState
    {
        StationPlan plan;
        bool namesFollowLanguage = true;
        QString fileName;
    };
    PageState PageNow() const;
    void ConnectPlanEntries();
    void ApplyPlanTexts(bool english);
    void EstimatorPlanChanged();
    void Restore(const PageState &state);
    void ShowPlan(const StationPlan &plan, const QString &fileName);
    void ShowWhatIsOpen();
    void UpdateUndoEntries();
    QString ChoosePlanFile(const Message &title, bool save);
    static QString FileNameOfStation(const std::string &stationId, const char *extension);
    void ConnectReportEntries();
    ReportData ReportNow() const;
    void RememberPlanFolder(const QString &fileName);
    std::optional<StationPlan> ReadPlan(const QString &fileName, const Message &refused);
    QString Text(const Message &message) const;

    const std::unique_ptr<Ui::FormMain> ui;
    const Environment environment_;
    EstimatorPage *estimators_ = nullptr;
    CommandPage *commands_ = nullptr;
    SetupImport *import_ = nullptr;
    QMenu *PopupMenuMainMenu = nullptr; // made by MainMenu()
    std::unique_ptr<UndoHistory<PageState>> history_;
    QString planFile_;
    bool restoring_ = false; // undo or redo sets the page
    // The spin box the user types into now, while the key is handled, and
    // the one whose typing made the last step.
    QAbstractSpinBox *typedIn_ = nullptr;
    QAbstractSpinBox *typingStep_ = nullptr;
    bool renaming_ = false;  // a language switch renames the rows

    QString ExePath;      // ends with the path separator
    QString SettingsPath; // the settings file, read at start and written at close
    bool LanguageEN = false;
    int LastTabItem = 0;
    // The model of the last setup shown, with its codes corrected.
    SetupModel Setup;
    // The folder of the last plan file chosen, as its bytes.
    std::string PlanDir;
};

// The program's one window.
extern TFormMain *FormMain;
