// Build tool: renders one of our SVG pictures at the given size, so that the
// program needs no SVG support at run time. OUT.png is a PNG; OUT.h is a
// header with the pixels, named after the file, for pictures shown at once.
// Usage: render_icon IN.svg OUT WIDTH HEIGHT
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

// Premultiplied ARGB words in the machine's byte order, as QImage keeps them.
bool WriteHeader(const QImage &image, const QString &path)
{
    const QByteArray name = QFileInfo(path).completeBaseName().toLatin1();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(path));
        return false;
    }
    QTextStream out(&file);
    out << "// Made by render_icon from an SVG picture.\n#pragma once\n\n";
    out << "inline constexpr int " << name << "_width = " << image.width() << ";\n";
    out << "inline constexpr int " << name << "_height = " << image.height() << ";\n";
    out << "alignas(4) inline constexpr unsigned char " << name << "_pixels[] = {";
    const auto *bytes = image.constBits();
    for (qsizetype i = 0; i < image.sizeInBytes(); ++i)
        out << (i % 16 == 0 ? "\n    " : " ") << bytes[i] << ',';
    out << "\n};\n";
    return true;
}

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: render_icon IN.svg OUT.png WIDTH HEIGHT\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(QString::fromLocal8Bit(argv[3]).toInt(), QString::fromLocal8Bit(argv[4]).toInt(),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    const QString out = QString::fromLocal8Bit(argv[2]);
    if (out.endsWith(QLatin1String(".h")))
        return WriteHeader(image, out) ? 0 : 1;
    if (!image.save(out)) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
