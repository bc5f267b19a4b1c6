#include "ui/Look.h"

#include "pictures/import_picture.h"
#include "pictures/menu_picture.h"
#include "pictures/program_picture.h"
#include "ui/Picture.h"

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

// The picture made for the label's screen: sharp at any display scaling.
template <std::size_t N> void ShowPicture(QLabel *label, const CompiledPicture (&pictures)[N])
{
    label->setPixmap(SuitingPixmap(pictures, label->devicePixelRatioF()));
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
    label->setPixmap(SuitingResourcePixmap(QStringLiteral(":/icons"), QStringLiteral("logo-171"),
                                           label->devicePixelRatioF()));
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
    // Every size there is: the desktop picks the one it needs.
    QIcon icon;
    for (const CompiledPicture &picture : program_picture)
        icon.addPixmap(QPixmap::fromImage(ImageOf(picture)));
    window->setWindowIcon(icon);
    if (auto *menu = Child<QLabel>(window, "ImageMenu"))
        ShowPicture(menu, menu_picture);
    if (auto *import = Child<QLabel>(window, "ImageImportSetup"))
        ShowPicture(import, import_picture);
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
