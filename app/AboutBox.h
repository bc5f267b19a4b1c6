#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

// The about box: product name and version, modal, made fresh each time.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget *mainWindow);
    ~TfrmAbout() override;

    void ButtonOKClick();

    const std::unique_ptr<Ui::frmAbout> ui;
};
