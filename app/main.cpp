#include "app/FormMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    TFormMain window;
    FormMain = &window;
    window.show();
    return application.exec();
}
