#include "ui/Picture.h"

#include <QDir>
#include <QRegularExpression>

namespace {

// Whether a picture of ratio a suits a screen better than one of ratio b.
bool Suits(double a, double b, double screenRatio)
{
    const bool aFineEnough = a >= screenRatio;
    if (aFineEnough != (b >= screenRatio))
        return aFineEnough;
    return aFineEnough ? a < b : a > b;
}

} // namespace

std::size_t SuitingRatio(const std::vector<double> &ratios, double screenRatio)
{
    std::size_t best = 0;
    for (std::size_t i = 1; i < ratios.size(); ++i) {
        if (Suits(ratios[i], ratios[best], screenRatio))
            best = i;
    }
    return best;
}

QImage ImageOf(const CompiledPicture &picture)
{
    return QImage(picture.pixels, picture.width, picture.height,
                  QImage::Format_ARGB32_Premultiplied);
}

QPixmap SuitingPixmap(const CompiledPicture *pictures, std::size_t count, double screenRatio)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < count; ++i)
        ratios.push_back(pictures[i].ratio);
    const CompiledPicture &picture = pictures[SuitingRatio(ratios, screenRatio)];
    QPixmap pixmap = QPixmap::fromImage(ImageOf(picture));
    pixmap.setDevicePixelRatio(picture.ratio);
    return pixmap;
}

QPixmap SuitingResourcePixmap(const QString &folder, const QString &base, double screenRatio)
{
    // Only the names are listed: no picture is read but the one shown.
    static const QRegularExpression ratioMark(QStringLiteral("@([0-9.]+)x\\.png$"));
    const QStringList names =
        QDir(folder).entryList({base + QStringLiteral(".png"), base + QStringLiteral("@*x.png")});
    if (names.isEmpty())
        return {};
    std::vector<double> ratios;
    for (const QString &name : names) {
        const QRegularExpressionMatch mark = ratioMark.match(name);
        ratios.push_back(mark.hasMatch() ? mark.captured(1).toDouble() : 1.0);
    }
    const std::size_t suiting = SuitingRatio(ratios, screenRatio);
    // Named with its format: without it the image reader would load every
    // image plug-in to ask whether it knows the file.
    QPixmap pixmap(folder + QLatin1Char('/') + names[int(suiting)], "PNG");
    pixmap.setDevicePixelRatio(ratios[suiting]);
    return pixmap;
}
