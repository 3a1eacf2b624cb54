#include "present/HeatScale.h"

#include <QtTest>

using namespace kx;

class HeatScaleTest : public QObject {
    Q_OBJECT

  private slots:
    void endsAndOrder();
    void everyColourReadsAndIsNoLime();
};

void HeatScaleTest::endsAndOrder() {
    // The ends of the map's own range are the ends of the scale, whatever the range.
    QCOMPARE(HeatColour(5, 5, 40), HeatColour(0, 0, 60));
    QCOMPARE(HeatColour(40, 5, 40), HeatColour(60, 0, 60));
    QCOMPARE(HeatColour(-3, 5, 40), HeatColour(5, 5, 40)); // outside: held at the ends
    QCOMPARE(HeatColour(99, 5, 40), HeatColour(40, 5, 40));
    QCOMPARE(HeatColour(7, 7, 7), HeatColour(30, 0, 60)); // a flat map: the middle
    // Low advance is cool, high advance warm.
    const Rgb low = HeatColour(0, 0, 60);
    const Rgb high = HeatColour(60, 0, 60);
    QVERIFY(low.blue > low.red);
    QVERIFY(high.red > high.blue);
}

void HeatScaleTest::everyColourReadsAndIsNoLime() {
    const Rgb lime{0, 255, 0};
    for (int value = 0; value <= 60; ++value) {
        const Rgb background = HeatColour(value, 0, 60);
        const double contrast = ContrastRatio(background, TextColourOn(background));
        QVERIFY2(contrast >= 4.5, qPrintable(QString("%1: contrast %2").arg(value).arg(contrast)));
        const int distance = std::abs(background.red - lime.red) +
                             std::abs(background.green - lime.green) +
                             std::abs(background.blue - lime.blue);
        QVERIFY2(distance > 200, qPrintable(QString("%1 is near lime").arg(value)));
    }
    QCOMPARE(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0);
}

QTEST_APPLESS_MAIN(HeatScaleTest)
#include "test_heat_scale.moc"
