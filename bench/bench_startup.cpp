// Start-up of the program: the application, the main window with its whole
// start-up sequence, shown, and gone on the first turn of the event loop.
// scripts/bench times it against bench_empty_window.
#include "app/FormMain.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Settings and the setup copy go to a folder of their own, not beside the benchmark.
    const QTemporaryDir folder;
    Environment environment = Environment::System();
    environment.SettingsFolder = folder.path();
    environment.DataFolder = folder.path();
    TFormMain window(environment);
    FormMain = &window;
    window.show();
    QTimer::singleShot(0, &application, &QApplication::quit);
    return application.exec();
}
