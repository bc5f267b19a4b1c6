#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/FormMain.h"
#include "setup/FileNames.h"
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

    // The application takes the toolkit's own options out of argv.
    TApplication application(argc, argv);
    TFormMain window;
    FormMain = &window;
    application.ReportError = [](const QString &description) {
        FormMain->Boxes().showMessage(FormMain, Dialogs::Kind::Error, description);
    };
    window.show();
    // A file to show, as a file manager passes it: opened once the window is
    // up, so that its messages stand over it.
    if (argc > 1) {
        const QString file = FileNameFromNative(QByteArray(argv[1]));
        QMetaObject::invokeMethod(
            &window, [&window, file] { window.OpenGivenFile(file); }, Qt::QueuedConnection);
    }
    return application.exec();
}
