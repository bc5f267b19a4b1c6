#include "ui/ClickLabel.h"
#include "ui/Look.h"
#include "ui/Picture.h"

#include <QIcon>
#include <QLabel>
#include <QtTest>

#include <array>
#include <vector>

namespace {

// Four pixels at ratio 1, sixteen at ratio 2, each picture of one colour.
struct TwoRatios
{
    TwoRatios()
    {
        small.fill(0xffff0000u); // opaque red
        large.fill(0xff0000ffu); // opaque blue
    }

    std::array<quint32, 4> small{};
    std::array<quint32, 16> large{};
    CompiledPicture pictures[2] = {
        {1, 2, 2, reinterpret_cast<const unsigned char *>(small.data())},
        {2, 4, 4, reinterpret_cast<const unsigned char *>(large.data())},
    };
};

} // namespace

// The pictures made for each display scaling, and the one a label shows.
class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void suitingRatio_data();
    void suitingRatio();
    void suitingPixmap_data();
    void suitingPixmap();
    void windowPicturesSuitTheScreen();
};

void TestPictures::suitingRatio_data()
{
    QTest::addColumn<std::vector<double>>("ratios");
    QTest::addColumn<double>("screen");
    QTest::addColumn<int>("chosen");

    const std::vector<double> two{1, 2};
    QTest::addRow("100 %%") << two << 1.0 << 0;
    QTest::addRow("125 %%: the finer one, scaled down") << two << 1.25 << 1;
    QTest::addRow("150 %%") << two << 1.5 << 1;
    QTest::addRow("200 %%") << two << 2.0 << 1;
    QTest::addRow("300 %%: the finest there is") << two << 3.0 << 1;
    QTest::addRow("75 %%") << two << 0.75 << 0;
    const std::vector<double> three{1, 1.5, 2};
    QTest::addRow("125 %%, three ratios") << three << 1.25 << 1;
    QTest::addRow("175 %%, three ratios") << three << 1.75 << 2;
    QTest::addRow("any order") << std::vector<double>{2, 1} << 1.0 << 1;
    QTest::addRow("one ratio") << std::vector<double>{1} << 2.0 << 0;
}

void TestPictures::suitingRatio()
{
    QFETCH(std::vector<double>, ratios);
    QFETCH(double, screen);
    QFETCH(int, chosen);
    QCOMPARE(int(SuitingRatio(ratios, screen)), chosen);
}

void TestPictures::suitingPixmap_data()
{
    QTest::addColumn<double>("screen");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QColor>("color");

    QTest::addRow("100 %%") << 1.0 << QSize(2, 2) << QColor(Qt::red);
    QTest::addRow("150 %%") << 1.5 << QSize(4, 4) << QColor(Qt::blue);
    QTest::addRow("200 %%") << 2.0 << QSize(4, 4) << QColor(Qt::blue);
}

// The pixmap holds the chosen picture's pixels and shows at the picture's
// size, whichever ratio it is made for.
void TestPictures::suitingPixmap()
{
    QFETCH(double, screen);
    QFETCH(QSize, pixels);
    QFETCH(QColor, color);
    const TwoRatios two;
    const QPixmap pixmap = SuitingPixmap(two.pictures, screen);
    QCOMPARE(pixmap.size(), pixels);
    QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(2, 2));
    QCOMPARE(pixmap.toImage().pixelColor(0, 0), color);
}

// The window's pictures and the about box's logo have as many pixels as the
// screen shows in their place, or more: twice as many each way at 200 %
// (this test also runs with QT_SCALE_FACTOR set). The window's icon comes in
// the sizes of each ratio.
void TestPictures::windowPicturesSuitTheScreen()
{
    QWidget window;
    auto *menu = new ClickLabel(&window);
    menu->setObjectName(QStringLiteral("ImageMenu"));
    menu->setGeometry(7, 7, 31, 32);
    auto *import = new ClickLabel(&window);
    import->setObjectName(QStringLiteral("ImageImportSetup"));
    import->setGeometry(40, 9, 24, 28);
    auto *logo = new QLabel(&window);
    logo->setGeometry(10, 50, 171, 126);

    ApplyLook(&window);
    ShowLogo(logo);

    const double screen = window.devicePixelRatioF();
    for (const QLabel *label : {static_cast<QLabel *>(menu), static_cast<QLabel *>(import), logo}) {
        const QPixmap pixmap = label->pixmap();
        QVERIFY(!pixmap.isNull());
        QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(label->size()));
        QVERIFY2(
            pixmap.devicePixelRatio() >= screen,
            qPrintable(
                QStringLiteral("%1 on a screen of %2").arg(pixmap.devicePixelRatio()).arg(screen)));
    }
    if (screen == 2)
        QCOMPARE(menu->pixmap().size(), QSize(62, 64));
    const QList<QSize> icons = window.windowIcon().availableSizes();
    QVERIFY(icons.contains(QSize(32, 32)));
    QVERIFY(icons.contains(QSize(64, 64)));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
