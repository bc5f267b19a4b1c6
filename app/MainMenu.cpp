#include "app/FormMain.h"

#include "app/AboutBox.h"
#include "commandfile/CommandPage.h"
#include "estimators/EstimatorPage.h"
#include "texts/LanguageTable.h"
#include "ui/ClickLabel.h"
#include "ui/TabWidget.h"
#include "ui_FormMain.h"

#include <QMenu>

namespace {

constexpr int TabCaptionPixels = 16;
constexpr int ActiveTabCaptionPixels = 18;
const QSize TabSize(275, 35);

QFont CaptionFont(const QFont &base, int pixels, bool bold)
{
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

// Made on first use: a menu costs start-up time and memory, and nobody sees
// it before the menu image is clicked.
QMenu *TFormMain::MainMenu()
{
    if (!PopupMenuMainMenu)
        BuildMainMenu();
    return PopupMenuMainMenu;
}

void TFormMain::BuildMainMenu()
{
    PopupMenuMainMenu = new QMenu(this);
    PopupMenuMainMenu->setObjectName(QStringLiteral("PopupMenuMainMenu"));
    PopupMenuMainMenu->addAction(ui->MenuItemImport);
    PopupMenuMainMenu->addActions(
        {ui->MenuItemNewPlan, ui->MenuItemOpenPlan, ui->MenuItemSavePlan, ui->MenuItemComparePlan});
    PopupMenuMainMenu->addSeparator();
    PopupMenuMainMenu->addActions(
        {ui->MenuItemSaveReport, ui->MenuItemPrintReport, ui->MenuItemCopyResults});
    PopupMenuMainMenu->addSeparator();
    PopupMenuMainMenu->addActions({ui->MenuItemUndo, ui->MenuItemRedo});
    PopupMenuMainMenu->addSeparator();
    QMenu *language = PopupMenuMainMenu->addMenu(QString());
    language->setObjectName(QStringLiteral("MenuItemLanguage"));
    language->setTitle(
        QString::fromUtf8(Translated(*FindLanguageText("MenuItemLanguage"), LanguageEN)));
    language->addAction(ui->MenuItemEN);
    language->addAction(ui->MenuItemDE);
    PopupMenuMainMenu->addAction(ui->MenuItemAbout);
    PopupMenuMainMenu->addAction(ui->MenuItemExit);
}

void TFormMain::ConnectShell()
{
    TabBar *tabs = ui->TabControlMain->bar();
    tabs->setTabSize(TabSize, CaptionFont(tabs->font(), ActiveTabCaptionPixels, true));
    // Both captions look alike until the user first changes the tab.
    for (int i = 0; i < tabs->count(); ++i)
        tabs->setTabFont(i, CaptionFont(tabs->font(), TabCaptionPixels, false));

    connect(ui->ImageMenu, &ClickLabel::clicked, this, &TFormMain::ImageMenuClick);
    connect(ui->MenuItemImport, &QAction::triggered, import_, &SetupImport::MenuItemImportClick);
    connect(ui->ImageImportSetup, &ClickLabel::clicked, import_, &SetupImport::MenuItemImportClick);
    connect(import_, &SetupImport::setupRead, this, &TFormMain::ApplySetup);
    connect(ui->MenuItemEN, &QAction::triggered, this, &TFormMain::MenuItemENClick);
    connect(ui->MenuItemDE, &QAction::triggered, this, &TFormMain::MenuItemDEClick);
    connect(ui->MenuItemAbout, &QAction::triggered, this, &TFormMain::MenuItemAboutClick);
    connect(ui->MenuItemExit, &QAction::triggered, this, &TFormMain::MenuItemExitClick);
    connect(ui->TabControlMain, &QTabWidget::currentChanged, this,
            &TFormMain::TabControlMainChange);
}

void TFormMain::ImageMenuClick()
{
    MainMenu()->popup(ui->TabControlMain->mapToGlobal(QPoint(0, 0)));
}

void TFormMain::MenuItemENClick()
{
    ui->MenuItemEN->setChecked(true);
    ui->MenuItemDE->setChecked(false);
    LanguageEN = true;
    ApplyLanguage(true);
}

void TFormMain::MenuItemDEClick()
{
    ui->MenuItemEN->setChecked(false);
    ui->MenuItemDE->setChecked(true);
    LanguageEN = false;
    ApplyLanguage(false);
}

void TFormMain::MenuItemAboutClick()
{
    TfrmAbout about(this);
    about.exec();
}

void TFormMain::MenuItemExitClick()
{
    close();
}

void TFormMain::TabControlMainChange()
{
    TabBar *tabs = ui->TabControlMain->bar();
    const QFont base = tabs->font();
    const int commandTab = ui->TabControlMain->indexOfPage(commands_);
    tabs->setTabFont(ui->TabControlMain->indexOfPage(estimators_),
                     CaptionFont(base, TabCaptionPixels, false));
    tabs->setTabFont(commandTab, CaptionFont(base, TabCaptionPixels, false));
    tabs->setTabFont(ui->TabControlMain->currentIndex(),
                     CaptionFont(base, ActiveTabCaptionPixels, true));
    LastTabItem = ui->TabControlMain->currentIndex() == commandTab ? 1 : 0;
}
