#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/FormMain.h"
#include "ui/Dialogs.h"

#include <algorithm>
#include <iostream>

int main(int argc, char *argv[])
{
    // The command line runs before any Qt object exists, so that it needs
    // no display.
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    if (IsCommandLine(arguments))
        return RunCommandLine(arguments, std::cout, std::cerr);

    // Here a FILE argument will open the window with that plan or setup file.
    TApplication application(argc, argv);
    TFormMain window;
    FormMain = &window;
    application.ReportError = [](const QString &description) {
        FormMain->Boxes().showMessage(FormMain, Dialogs::Kind::Error, description);
    };
    window.show();
    return application.exec();
}
