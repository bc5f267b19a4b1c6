#include "ui/Look.h"

#include "pictures/import_picture.h"
#include "pictures/menu_picture.h"
#include "pictures/program_picture.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProxyStyle>

namespace {

const QColor HeaderColor(0x41, 0x69, 0xe1); // royal blue
const QColor ResultColor(0x1f, 0x3f, 0x9f);
const QColor LinkColor(0x0b, 0x57, 0xd0);
const QColor NoteColor(0x50, 0x50, 0x50);
const QColor BarBackgroundColor(0xf5, 0xf5, 0xf5); // white smoke
const QColor WarmBarColor(0x32, 0xcd, 0x32);       // lime green
const QColor ColdBarColor(0x00, 0x00, 0xff);
constexpr int HeaderPixels = 15;
constexpr int NotePixels = 11;
constexpr int OpenPlanPixels = 13;
constexpr int CommandListPixels = 13;

void Fill(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void Colour(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void Restyle(QWidget *widget, bool bold, int pixels = 0, bool underline = false)
{
    QFont font = widget->font();
    font.setBold(bold);
    font.setUnderline(underline);
    if (pixels > 0)
        font.setPixelSize(pixels);
    widget->setFont(font);
}

// Pictures are named with their format: without it the image reader would
// load every image plug-in to ask whether it knows the file.
QPixmap Picture(const char *name)
{
    return QPixmap(QStringLiteral(":/icons/") + QLatin1String(name), "PNG");
}

QPixmap CompiledPicture(const unsigned char *pixels, int width, int height)
{
    return QPixmap::fromImage(QImage(pixels, width, height, QImage::Format_ARGB32_Premultiplied));
}

template <typename T> T *Child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

class ListDropDownStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

QStyle *WithListDropDowns(QStyle *base)
{
    return new ListDropDownStyle(base);
}

void ShowLogo(QLabel *label)
{
    // The pictures are compiled into this static library; naming them here
    // keeps the linker from leaving them out.
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    Q_UNUSED(registered);
    label->setPixmap(Picture("logo-171.png"));
}

void UseCommandListFont(QPlainTextEdit *list)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(CommandListPixels);
    list->setFont(font);
}

void ApplyLook(QWidget *window)
{
    window->setWindowIcon(QIcon(
        CompiledPicture(program_picture_pixels, program_picture_width, program_picture_height)));
    if (auto *menu = Child<QLabel>(window, "ImageMenu"))
        menu->setPixmap(
            CompiledPicture(menu_picture_pixels, menu_picture_width, menu_picture_height));
    if (auto *import = Child<QLabel>(window, "ImageImportSetup"))
        import->setPixmap(
            CompiledPicture(import_picture_pixels, import_picture_width, import_picture_height));
    if (auto *header = Child<QWidget>(window, "RectangleHeader"))
        Fill(header, HeaderColor);
    if (auto *title = Child<QLabel>(window, "LabelHeader")) {
        Colour(title, Qt::white);
        Restyle(title, true, HeaderPixels);
    }
    if (auto *open = Child<QLabel>(window, "LabelPlanOpen")) {
        Colour(open, Qt::white);
        Restyle(open, false, OpenPlanPixels);
    }
    for (QLabel *label : window->findChildren<QLabel *>()) {
        const QString role = label->property("class").toString();
        if (role == QLatin1String("heading")) {
            Restyle(label, true);
        } else if (role == QLatin1String("result")) {
            Restyle(label, true);
            Colour(label, ResultColor);
        } else if (role == QLatin1String("link")) {
            Restyle(label, false, 0, true);
            Colour(label, LinkColor);
        } else if (role == QLatin1String("note")) {
            Restyle(label, false, NotePixels);
            Colour(label, NoteColor);
        }
    }
    for (const char *name : {"Rectangle20A", "Rectangle_20A"}) {
        if (auto *bar = Child<QFrame>(window, name)) {
            Fill(bar, BarBackgroundColor);
            bar->setFrameShape(QFrame::Box);
            bar->setFrameShadow(QFrame::Plain);
            Colour(bar, QColor(0xd0, 0xd0, 0xd0));
        }
    }
    if (auto *bar = Child<QFrame>(window, "Rectangle20B"))
        Fill(bar, WarmBarColor);
    if (auto *bar = Child<QFrame>(window, "Rectangle_20B"))
        Fill(bar, ColdBarColor);
}
