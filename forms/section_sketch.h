#pragma once

#include <QColor>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QWidget>

class QPainter;

#include <vector>

// One named element of a section's sketch: a line, a circle, a rectangle, a polygon or a
// dimension letter.
struct SketchElement {
    enum class Kind { Line, Circle, Rectangle, Polygon, Letter };

    QString name; // the name the calculator's code and tests use, e.g. "Shape1", "Line4"
    Kind kind = Kind::Line;
    QLineF line;       // Line
    QRectF bounds;     // Circle: its bounding square; Rectangle; Letter: the box it is centred in
    QPolygonF polygon; // Polygon
    QString text;      // Letter
    QString toolTip;
    QColor colour = Qt::black;
    int penWidth = 1;
    Qt::PenStyle penStyle = Qt::SolidLine; // e.g. dash-dot for a centre line
    Qt::BrushStyle fill = Qt::NoBrush;
    QColor fillColour = Qt::blue;
    bool visible = true;
};

// Shorthands for building a sketch's element list. Dimension lines are thin and black;
// outlines are thick and blue.
SketchElement sketchLine(const QString& name, QLineF line, const QColor& colour = Qt::black);
SketchElement sketchCircle(const QString& name, QRectF bounds);
SketchElement sketchRectangle(const QString& name, QRectF bounds);
SketchElement sketchPolygon(const QString& name, QPolygonF polygon);
SketchElement sketchLetter(const QString& name, const QString& text, QRectF bounds,
                           const QString& toolTip, const QColor& colour = Qt::black);

// A fixed schematic drawing of a section: it never scales with the dimensions, but the
// calculator shows, hides and fills its elements as the variant check boxes change.
class SectionSketch : public QWidget {
    Q_OBJECT
public:
    SectionSketch(QSize size, std::vector<SketchElement> elements, QWidget* parent = nullptr);

    void setElementVisible(const QString& name, bool visible);
    bool isElementVisible(const QString& name) const;
    void setElementFill(const QString& name, Qt::BrushStyle fill);
    Qt::BrushStyle elementFill(const QString& name) const;
    void setElementToolTip(const QString& name, const QString& toolTip);
    QString elementToolTip(const QString& name) const;
    // Moving and resizing, for sketches whose parts change with the variant check boxes.
    void setElementLine(const QString& name, QLineF line);
    void setElementBounds(const QString& name, QRectF bounds);
    void setElementPolygon(const QString& name, QPolygonF polygon);
    // The sketch as `elements` draw it, for a sketch that is a function of the check boxes:
    // each named element takes their place, length, visibility and tooltip.
    void showElements(const std::vector<SketchElement>& elements);

    // Everything about one element, for tests and assistive queries.
    const SketchElement& element(const QString& name) const;

    // The tooltip of the visible letter under `point`, or an empty text.
    QString toolTipAt(QPointF point) const;

    // Draws the sketch with `painter`, whose origin is the sketch's top left corner: on the
    // screen and, scaled, on paper.
    void paint(QPainter& painter) const;

    QSize sizeHint() const override { return fixedSize; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    SketchElement& element(const QString& name);

    QSize fixedSize;
    std::vector<SketchElement> elements;
};
