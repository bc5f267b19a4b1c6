// A drag source for trying drops under Xvfb: a small window at the top left
// of the screen that starts dragging the given file when pressed.
// Usage: drag_file FILE
#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

namespace {

class DragSource : public QLabel
{
public:
    explicit DragSource(const QString &file) : QLabel(QFileInfo(file).fileName()), file_(file) {}

protected:
    void mousePressEvent(QMouseEvent *) override
    {
        auto *drag = new QDrag(this);
        auto *data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(QFileInfo(file_).absoluteFilePath())});
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction);
    }

private:
    QString file_;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2)
        return 2;
    DragSource source(QString::fromLocal8Bit(argv[1]));
    source.setWindowTitle(QStringLiteral("drag source"));
    source.setGeometry(0, 0, 200, 60);
    source.show();
    return application.exec();
}
