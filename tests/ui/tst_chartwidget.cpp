#include "texts/ItemTexts.h"
#include "ui/ChartGeometry.h"
#include "ui/ChartPainter.h"
#include "ui/ChartWidget.h"

#include <QtTest>

#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QToolTip>

#include <cmath>
#include <functional>
#include <limits>

using DataChange = std::function<void(ChartData &)>;
Q_DECLARE_METATYPE(DataChange)
Q_DECLARE_METATYPE(ChartSeries)

namespace {

constexpr int FourHoursItem = 14;
constexpr int DailyItem = 18;
constexpr int WeeklyItem = 19;
constexpr double Infinite = std::numeric_limits<double>::infinity();

// Figures shaped like the estimates': life grows and volume shrinks with the
// interval, and weekly sends a little more per month than daily.
ChartData::Transmission Shaped(double scale, int current)
{
    ChartData::Transmission tx;
    tx.shown = true;
    tx.current = current;
    for (int item = 0; item < TxIntervalCount; ++item) {
        const auto i = static_cast<std::size_t>(item);
        const double perDay = TXPerDay[i];
        const double mAh = 2.66 + 2.67 * scale * perDay;
        tx.years[i] = {20800 / mAh / 365.25, 13000 / mAh / 365.25};
        const double values = TXIntervalSeconds[i] / 3600;
        const double perMonth = item == WeeklyItem ? 5 : perDay * 31;
        tx.monthMB[i] = perMonth * (1400 + 300 * scale * values) / 1e6;
    }
    return tx;
}

ChartData StartUp()
{
    ChartData data;
    data.transmissions[0] = Shaped(1, DailyItem);
    data.transmissions[1] = Shaped(2, DailyItem);
    data.transmissions[1].shown = false;
    return data;
}

ChartData Changed(const DataChange &change)
{
    ChartData data = StartUp();
    change(data);
    return data;
}

void BothOn(ChartData &data)
{
    data.transmissions[1].shown = true;
    data.transmissions[1].current = FourHoursItem;
}

void EveryFigure(ChartData &data, double years, double mb)
{
    for (ChartData::Transmission &tx : data.transmissions) {
        for (auto &rows : tx.years)
            rows = {years, years};
        tx.monthMB.fill(mb);
    }
}

QImage Painted(const ChartData &data, const QSize &size, const ChartTexts &texts = {})
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    paintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), data, texts);
    return image;
}

// Set CHART_PICTURES to a folder to look at what the tests draw.
void Keep(const QImage &image, const QString &name)
{
    const QString folder = qEnvironmentVariable("CHART_PICTURES");
    if (folder.isEmpty())
        return;
    QString file = name;
    file.replace(QRegularExpression("[^A-Za-z0-9]+"), "-");
    QVERIFY2(image.save(folder + "/" + file + ".png"), qPrintable(folder));
}

} // namespace

class TestChartWidget : public QObject
{
    Q_OBJECT

private slots:
    void paints_data();
    void paints();
    void hiddenFiguresDrawNothing();
    void targetsAreDrawn_data();
    void targetsAreDrawn();
    void axisLabels_data();
    void axisLabels();
    void toolTips_data();
    void toolTips();
    void hoverShowsToolTip();
    void keysShowWhatHoveringShows();
};

void TestChartWidget::paints_data()
{
    QTest::addColumn<DataChange>("change");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("german");

    const QSize window(880, 680);
    const auto none = [](ChartData &) {};
    QTest::addRow("start-up") << DataChange(none) << window << false;
    QTest::addRow("start-up, German") << DataChange(none) << window << true;
    QTest::addRow("targets set, both on") << DataChange([](ChartData &d) {
        BothOn(d);
        d.targetYears = 5;
        d.dataPlanMB = 50;
    }) << window << false;
    QTest::addRow("targets set, both on, German") << DataChange([](ChartData &d) {
        BothOn(d);
        d.targetYears = 2.5;
        d.dataPlanMB = 0.25;
    }) << window << true;
    QTest::addRow("no current interval")
        << DataChange([](ChartData &d) { d.transmissions[0].current = NoItem; }) << window << false;
    QTest::addRow("nothing shown")
        << DataChange([](ChartData &d) { d.transmissions[0].shown = false; }) << window << false;
    QTest::addRow("all values equal") << DataChange([](ChartData &d) {
        BothOn(d);
        EveryFigure(d, 3, 2);
    }) << window << false;
    QTest::addRow("all values zero")
        << DataChange([](ChartData &d) { EveryFigure(d, 0, 0); }) << window << false;
    QTest::addRow("huge values") << DataChange([](ChartData &d) {
        BothOn(d);
        EveryFigure(d, 1e300, 1e300);
        d.targetYears = 1e300;
        d.dataPlanMB = 1e-300;
    }) << window << false;
    QTest::addRow("not finite") << DataChange([](ChartData &d) {
        d.transmissions[0].years[3] = {Infinite, std::nan("")};
        d.transmissions[0].monthMB[4] = -Infinite;
        d.targetYears = Infinite;
        d.dataPlanMB = std::nan("");
    }) << window << false;
    QTest::addRow("tiny") << DataChange(none) << QSize(40, 30) << false;
    QTest::addRow("wide and flat") << DataChange(BothOn) << QSize(1600, 160) << true;
}

// Every point the figures give, and every target, lies within its axis.
void TestChartWidget::paints()
{
    QFETCH(DataChange, change);
    QFETCH(QSize, size);
    QFETCH(bool, german);
    const ChartData data = Changed(change);
    const ChartTexts texts{german, german ? ',' : '.'};

    const QImage image = Painted(data, size, texts);
    Keep(image, QTest::currentDataTag());
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));

    const ChartGeometry geometry(QRectF(QPointF(0, 0), QSizeF(size)), QFont(), &image, data, texts);
    for (const ChartKind kind : {ChartKind::Battery, ChartKind::Volume}) {
        const ChartPanel &chart = geometry.panel(kind);
        QCOMPARE(chart.tickTexts.size(), chart.scale.ticks.size());
        if (chart.target > 0 && std::isfinite(chart.target))
            QVERIFY2(chart.scale.fraction(chart.target), "target off its axis");
        for (const ChartSeries &series : chart.series) {
            for (int item = 0; item < TxIntervalCount; ++item) {
                const double value = geometry.value(series, item);
                const bool drawable =
                    std::isfinite(value) && (kind == ChartKind::Battery || value > 0);
                QCOMPARE(bool(geometry.point(series, item)), drawable);
            }
        }
    }
}

// A transmission that is off draws nothing, whatever figures it carries.
void TestChartWidget::hiddenFiguresDrawNothing()
{
    const QSize size(700, 560);
    ChartData other = StartUp();
    other.transmissions[1] = Shaped(9, WeeklyItem);
    other.transmissions[1].shown = false;
    QCOMPARE(Painted(other, size), Painted(StartUp(), size));
}

void TestChartWidget::targetsAreDrawn_data()
{
    QTest::addColumn<double>("years");
    QTest::addColumn<double>("dataPlanMB");
    QTest::addRow("target life") << 5.0 << 0.0;
    QTest::addRow("data plan") << 0.0 << 50.0;
}

void TestChartWidget::targetsAreDrawn()
{
    QFETCH(double, years);
    QFETCH(double, dataPlanMB);
    const QSize size(700, 560);
    ChartData data = StartUp();
    data.targetYears = years;
    data.dataPlanMB = dataPlanMB;
    QVERIFY(Painted(data, size) != Painted(StartUp(), size));
}

void TestChartWidget::axisLabels_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("current");
    QTest::addRow("narrow") << 320 << DailyItem;
    QTest::addRow("window") << 880 << FourHoursItem;
    QTest::addRow("wide, current in the crowd") << 1600 << 4;
}

// The first and the current interval are always named, the last where there
// is room; no two labels touch.
void TestChartWidget::axisLabels()
{
    QFETCH(int, width);
    QFETCH(int, current);
    ChartData data = StartUp();
    data.transmissions[0].current = current;
    const QImage device(1, 1, QImage::Format_ARGB32);
    const QRectF rect(0, 0, width, 600);
    const ChartGeometry geometry(rect, QFont(), &device, data, {});

    for (const ChartKind kind : {ChartKind::Battery, ChartKind::Volume}) {
        const std::vector<ChartAxisLabel> &labels = geometry.panel(kind).axisLabels;
        QStringList texts;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            texts << labels[i].text;
            QCOMPARE(labels[i].text, QString(TXIntervalItems[labels[i].item]));
            QVERIFY(rect.contains(labels[i].box));
            if (i > 0) {
                QVERIFY(labels[i - 1].item < labels[i].item);
                QVERIFY2(labels[i - 1].box.right() < labels[i].box.left(),
                         qPrintable(texts.join(' ')));
            }
        }
        QVERIFY2(texts.contains("00:01:00"), qPrintable(texts.join(' ')));
        if (width >= 600)
            QVERIFY2(texts.contains("weekly"), qPrintable(texts.join(' ')));
        QVERIFY2(texts.contains(TXIntervalItems[current]), qPrintable(texts.join(' ')));
        if (width >= 880)
            QVERIFY2(texts.size() >= 6, qPrintable(texts.join(' ')));
    }
}

void TestChartWidget::toolTips_data()
{
    QTest::addColumn<DataChange>("change");
    QTest::addColumn<ChartSeries>("series");
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("expected");

    const auto fixed = [](ChartData &d) {
        BothOn(d);
        d.transmissions[0].years[FourHoursItem] = {5.214, 3.259};
        d.transmissions[0].monthMB[FourHoursItem] = 0.2902;
        d.transmissions[1].years[WeeklyItem] = {11, 1};
        d.transmissions[1].monthMB[WeeklyItem] = 0.0380334;
    };
    QTest::addRow("TX1 on the battery chart")
        << DataChange(fixed) << ChartSeries{ChartKind::Battery, 1, 1} << FourHoursItem << false
        << "TX1 every 04:00:00\n20 °C: 5.21 years\n-20 °C: 3.26 years\n"
           "0.29 MB per month with both transmissions";
    QTest::addRow("TX1 on the volume chart, German")
        << DataChange(fixed) << ChartSeries{ChartKind::Volume, 1, 0} << FourHoursItem << true
        << "TX1 alle 04:00:00\n20 °C: 5,21 Jahre\n-20 °C: 3,26 Jahre\n"
           "0,29 MB je Monat mit beiden Übertragungen";
    QTest::addRow("TX2 weekly, its current interval")
        << DataChange([&](ChartData &d) {
               fixed(d);
               d.transmissions[1].current = WeeklyItem;
           })
        << ChartSeries{ChartKind::Battery, 2, 0} << WeeklyItem << false
        << "TX2 weekly\n20 °C: 11 years\n-20 °C: 1 year\n0.038 MB per month with both "
           "transmissions\nCurrent interval";
    QTest::addRow("TX1 alone") << DataChange([](ChartData &d) {
        d.transmissions[0].years[0] = {0.0148, 0.0093};
        d.transmissions[0].monthMB[0] = 63.46134;
    }) << ChartSeries{ChartKind::Volume, 1, 0}
                               << 0 << true
                               << "TX1 alle 00:01:00\n20 °C: 0,01 Jahre\n-20 °C: 0,01 Jahre\n"
                                  "63,461 MB je Monat";
}

void TestChartWidget::toolTips()
{
    QFETCH(DataChange, change);
    QFETCH(ChartSeries, series);
    QFETCH(int, item);
    QFETCH(bool, german);
    QFETCH(QString, expected);

    ChartWidget widget;
    widget.resize(880, 680);
    widget.setData(Changed(change));
    widget.setTexts({german, german ? ',' : '.'});
    const ChartGeometry geometry(QRectF(widget.rect()), widget.font(), &widget, widget.data(),
                                 widget.texts());
    const std::optional<QPointF> point = geometry.point(series, item);
    QVERIFY(point);
    QCOMPARE(widget.toolTipAt(point->toPoint()), expected);
    // Between the charts nothing is named.
    const QRectF gap(geometry.panel(ChartKind::Battery).plot.bottomLeft(),
                     geometry.panel(ChartKind::Volume).titleBox.topRight());
    QCOMPARE(widget.toolTipAt(gap.center().toPoint()), QString());
}

void TestChartWidget::hoverShowsToolTip()
{
    ChartWidget widget;
    widget.resize(880, 680);
    widget.setData(StartUp());
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    const ChartGeometry geometry(QRectF(widget.rect()), widget.font(), &widget, widget.data(),
                                 widget.texts());
    const QPoint at = geometry.point({ChartKind::Volume, 1, 0}, DailyItem)->toPoint();
    QHelpEvent help(QEvent::ToolTip, at, widget.mapToGlobal(at));
    QApplication::sendEvent(&widget, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), widget.toolTipAt(at));
    QVERIFY(QToolTip::text().startsWith("TX1 every 24:00:00\n"));
}

// Reached by Tab, the chart chooses the interval TX1 has now and shows its
// figures as hovering does, with a ring round the chart and the point;
// the keys choose the points of both transmissions when both are shown.
void TestChartWidget::keysShowWhatHoveringShows()
{
    QWidget window;
    auto *before = new QLineEdit(&window);
    auto *chart = new ChartWidget(&window);
    chart->setGeometry(0, 30, 880, 680);
    chart->setData(Changed(BothOn));
    window.resize(880, 710);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    const QImage unfocused = chart->grab().toImage();
    QCOMPARE(chart->chosen(), ChartPointRef{});

    // The key goes down in the field and comes up in the chart, as it does
    // when the user presses it.
    QTest::keyPress(before, Qt::Key_Tab);
    QVERIFY(chart->hasFocus());
    QTest::keyRelease(chart, Qt::Key_Tab);
    QCOMPARE(chart->chosen(), (ChartPointRef{1, DailyItem}));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), chart->chosenText());
    const ChartGeometry geometry(QRectF(chart->rect()), chart->font(), chart, chart->data(),
                                 chart->texts());
    const QPoint daily = geometry.point({ChartKind::Battery, 1, 0}, DailyItem)->toPoint();
    QCOMPARE(chart->chosenText(), chart->toolTipAt(daily));
    QVERIFY(chart->grab().toImage() != unfocused);

    QTest::keyClick(chart, Qt::Key_Down);
    QCOMPARE(chart->chosen(), (ChartPointRef{2, DailyItem}));
    QTest::keyClick(chart, Qt::Key_Left);
    QCOMPARE(chart->chosen(), (ChartPointRef{2, DailyItem - 1}));
    QCOMPARE(QToolTip::text(), chart->chosenText());
    QVERIFY(chart->chosenText().startsWith("TX2 every 12:00:00\n"));

    // TX2 no longer shown: its point gives way to TX1's.
    chart->setData(StartUp());
    QCOMPARE(chart->chosen(), (ChartPointRef{1, DailyItem}));
}

QTEST_MAIN(TestChartWidget)
#include "tst_chartwidget.moc"
