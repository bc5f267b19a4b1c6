#include "app/AboutBox.h"

#include "ui/Look.h"
#include "ui_FormAbout.h"

TfrmAbout::TfrmAbout(QWidget *mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    ShowLogo(ui->ImageLogo);
    ui->LabelVersion->setText(QStringLiteral("Version " TOOLBOX_VERSION));
    setFixedSize(size());
    if (mainWindow)
        move(mainWindow->geometry().center() - rect().center());
    connect(ui->ButtonOK, &QPushButton::clicked, this, &TfrmAbout::ButtonOKClick);
}

TfrmAbout::~TfrmAbout() = default;

void TfrmAbout::ButtonOKClick()
{
    accept();
}
