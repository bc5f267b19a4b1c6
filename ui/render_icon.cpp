// Build tool: renders one of our SVG pictures at the given size, so that the
// program needs no SVG support at run time. Each RATIO (1 if none) is a
// device pixel ratio the picture is made for: WIDTH x HEIGHT times it.
// OUT.png is a PNG at the one ratio given; OUT.h is a header with the pixels
// at every ratio, named after the file, for pictures shown at once.
// Usage: render_icon IN.svg OUT WIDTH HEIGHT [RATIO...]
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct Rendered
{
    double ratio;
    QImage image;
};

QImage Render(QSvgRenderer &renderer, int width, int height, double ratio)
{
    QImage image(int(std::ceil(width * ratio)), int(std::ceil(height * ratio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, width * ratio, height * ratio));
    return image;
}

// Premultiplied ARGB words in the machine's byte order, as QImage keeps them.
bool WriteHeader(const std::vector<Rendered> &pictures, const QString &path)
{
    const QByteArray name = QFileInfo(path).completeBaseName().toLatin1();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(path));
        return false;
    }
    QTextStream out(&file);
    out << "// Made by render_icon from an SVG picture.\n#pragma once\n\n";
    out << "#include \"ui/Picture.h\"\n";
    QStringList entries;
    for (const Rendered &picture : pictures) {
        const QImage &image = picture.image;
        const QString pixels =
            QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(std::lround(picture.ratio * 100));
        out << "\nalignas(4) inline constexpr unsigned char " << pixels << "[] = {";
        const auto *bytes = image.constBits();
        for (qsizetype i = 0; i < image.sizeInBytes(); ++i)
            out << (i % 16 == 0 ? "\n    " : " ") << bytes[i] << ',';
        out << "\n};\n";
        entries << QStringLiteral("    {%1, %2, %3, %4},\n")
                       .arg(picture.ratio)
                       .arg(image.width())
                       .arg(image.height())
                       .arg(pixels);
    }
    out << "\ninline constexpr CompiledPicture " << name << "[] = {\n"
        << entries.join(QString()) << "};\n";
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: render_icon IN.svg OUT WIDTH HEIGHT [RATIO...]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const int width = QString::fromLocal8Bit(argv[3]).toInt();
    const int height = QString::fromLocal8Bit(argv[4]).toInt();
    std::vector<Rendered> pictures;
    for (int i = 5; i < argc; ++i) {
        bool number = false;
        const double ratio = QString::fromLocal8Bit(argv[i]).toDouble(&number);
        if (!number || ratio <= 0) {
            std::fprintf(stderr, "render_icon: not a ratio: %s\n", argv[i]);
            return 2;
        }
        pictures.push_back({ratio, Render(renderer, width, height, ratio)});
    }
    if (pictures.empty())
        pictures.push_back({1, Render(renderer, width, height, 1)});

    const QString out = QString::fromLocal8Bit(argv[2]);
    if (out.endsWith(QLatin1String(".h")))
        return WriteHeader(pictures, out) ? 0 : 1;
    if (pictures.size() != 1) {
        std::fprintf(stderr, "render_icon: a PNG holds one ratio\n");
        return 2;
    }
    if (!pictures.front().image.save(out)) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
