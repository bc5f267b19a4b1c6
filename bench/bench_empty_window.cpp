// The yardstick for bench_startup: an empty main window of the same size,
// shown, and gone on the first turn of the event loop.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setFixedSize(1088, 750);
    window.show();
    QTimer::singleShot(0, &application, &QApplication::quit);
    return application.exec();
}
