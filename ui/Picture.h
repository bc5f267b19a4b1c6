#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include <cstddef>
#include <vector>

// A picture compiled into the program as premultiplied ARGB pixels, made at
// build time for one device pixel ratio (render_icon writes them).
struct CompiledPicture
{
    double ratio;
    int width;
    int height;
    const unsigned char *pixels;
};

// Which of the ratios a picture is made for suits a screen of screenRatio:
// the smallest at least as fine, so that it is at most scaled down, else the
// finest there is.
std::size_t SuitingRatio(const std::vector<double> &ratios, double screenRatio);

// The picture's pixels, without a copy.
QImage ImageOf(const CompiledPicture &picture);

// Of a picture compiled for several ratios, the one that suits the screen,
// with its ratio set so that it shows at the picture's size.
QPixmap SuitingPixmap(const CompiledPicture *pictures, std::size_t count, double screenRatio);

template <std::size_t N>
QPixmap SuitingPixmap(const CompiledPicture (&pictures)[N], double screenRatio)
{
    return SuitingPixmap(pictures, N, screenRatio);
}

// Of the pictures in the resource folder named base.png, base@2x.png and so
// on, the one that suits the screen, with its ratio set.
QPixmap SuitingResourcePixmap(const QString &folder, const QString &base, double screenRatio);
