// The principal axes on the channel and Z sketches: at any angle, in every shape, neither
// the axis lines nor their letters u and v run into the dimension letters.
#include "flanged_sketches.h"

#include <QTest>

namespace {

using Sketch = std::vector<SketchElement> (*)(const FlangedSketchState&);

} // namespace

Q_DECLARE_METATYPE(Sketch)
Q_DECLARE_METATYPE(FlangedSketchState)

class FlangedSketchesTest : public QObject {
    Q_OBJECT

private slots:
    void principalAxesKeepClearOfTheLetters_data()
    {
        QTest::addColumn<Sketch>("sketch");
        QTest::addColumn<FlangedSketchState>("state");
        const std::pair<const char*, Sketch> sketches[] = {{"channel", &ChannelSketch},
                                                           {"Z", &ZSectionSketch}};
        const std::pair<const char*, FlangedSketchState> shapes[] = {
            {"equal flanges", {false, true, false, false, {}}},
            {"unequal flanges", {false, false, false, false, {}}},
            {"angle", {true, false, false, true, {}}},
            {"equal angle", {true, false, true, true, {}}},
            {"angle, legs of their own thickness", {true, false, true, false, {}}},
        };
        for (const auto& [sketchName, sketch] : sketches)
            for (const auto& [shapeName, state] : shapes)
                QTest::addRow("%s, %s", sketchName, shapeName) << sketch << state;
    }
    void principalAxesKeepClearOfTheLetters()
    {
        QFETCH(Sketch, sketch);
        QFETCH(FlangedSketchState, state);
        for (int alpha = -90; alpha <= 90; ++alpha) {
            state.principalAngle = alpha;
            QList<QRectF> letters;
            QList<QLineF> axes;
            QList<QRectF> axisLetters;
            for (const SketchElement& e : sketch(state)) {
                if (!e.visible)
                    continue;
                if (e.name == "AxisU" || e.name == "AxisV")
                    axes << e.line;
                else if (e.name == "LetterU" || e.name == "LetterV")
                    axisLetters << e.bounds;
                else if (e.kind == SketchElement::Kind::Letter)
                    letters << e.bounds;
            }
            QCOMPARE(axes.size(), 2);
            QCOMPARE(axisLetters.size(), 2);
            const QString at = QString("at %1°").arg(alpha);
            for (const QLineF& axis : axes) {
                QVERIFY2(axis.length() >= 40, qPrintable(at)); // still an axis
                for (double t = 0; t <= 1; t += 0.5 / axis.length())
                    for (const QRectF& letter : letters)
                        QVERIFY2(!letter.contains(axis.pointAt(t)), qPrintable(at));
            }
            QVERIFY2(!axisLetters[0].intersects(axisLetters[1]), qPrintable(at));
            for (const QRectF& axisLetter : axisLetters)
                for (const QRectF& letter : letters)
                    QVERIFY2(!axisLetter.intersects(letter), qPrintable(at));
        }
    }
};

QTEST_APPLESS_MAIN(FlangedSketchesTest)
#include "tst_flanged_sketches.moc"
