#pragma once

#include <QApplication>

#include <functional>

// The application object. A failure that no handler catches ends the event
// it came from, not the program: its description is shown to the user.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Shows the description of an uncaught failure; a plain error box
    // until the window puts its own in place.
    std::function<void(const QString &description)> ReportError;
};
