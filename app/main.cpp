#include "app/Application.h"
#include "app/Dialogs.h"
#include "app/FormMain.h"

int main(int argc, char *argv[])
{
    TApplication application(argc, argv);
    TFormMain window;
    FormMain = &window;
    application.ReportError = [](const QString &description) {
        FormMain->Boxes().showMessage(FormMain, Dialogs::Kind::Error, description);
    };
    window.show();
    return application.exec();
}
