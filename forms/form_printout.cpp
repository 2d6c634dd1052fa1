#include "form_printout.h"

#include "legend_label.h"
#include "section_sketch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace {

// The widget's font at the pixel size it has on the screen: the painter's scale then makes
// it as large on paper as the rest of the form, whatever the printer's resolution.
QFont screenFont(const QWidget& widget)
{
    QFont font = widget.font();
    font.setPixelSize(QFontInfo(widget.font()).pixelSize());
    return font;
}

QColor colour(const QWidget& widget, QPalette::ColorRole role)
{
    return widget.palette().color(widget.isEnabled() ? QPalette::Active : QPalette::Disabled, role);
}

QRectF inside(const QRect& rect)
{
    return QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
}

void paintLabel(QPainter& painter, const QLabel& label)
{
    const QColor ink = colour(label, label.foregroundRole());
    if (label.frameShape() == QFrame::Box) {
        painter.setPen(QPen(ink, 1));
        painter.drawRect(inside(label.rect()));
    }
    // as QLabel places its text: within the margin, and half an "x" in from a frame
    QRect area = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(),
                                               -label.margin());
    int indent = label.indent();
    if (indent < 0 && label.frameWidth() > 0)
        indent = label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - label.margin();
    if (indent > 0 && (label.alignment() & Qt::AlignLeft))
        area.setLeft(area.left() + indent);
    if (indent > 0 && (label.alignment() & Qt::AlignRight))
        area.setRight(area.right() - indent);
    painter.setPen(ink);
    painter.drawText(area, int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0),
                     label.text());
}

// A text box or the precision list: the value in a thin frame.
void paintValue(QPainter& painter, const QWidget& box, const QString& text, Qt::Alignment align)
{
    painter.setPen(QPen(colour(box, QPalette::Mid), 1));
    painter.drawRect(inside(box.rect()));
    painter.setPen(colour(box, QPalette::Text));
    painter.drawText(box.rect().adjusted(4, 0, -4, 0),
                     int(align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, text);
}

void paintCheckBox(QPainter& painter, const QCheckBox& box)
{
    QStyleOptionButton option;
    option.initFrom(&box);
    option.text = box.text();
    const QStyle* style = box.style();
    const QRectF square = inside(style->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box))
                              .adjusted(1, 1, -1, -1);
    const QColor ink = colour(box, QPalette::WindowText);
    painter.setPen(QPen(ink, 1));
    painter.drawRect(square);
    if (box.isChecked()) {
        painter.setPen(QPen(ink, 1.5));
        const QPointF tick[] = {
            {square.left() + 0.2 * square.width(), square.center().y()},
            {square.left() + 0.42 * square.width(), square.bottom() - 0.2 * square.height()},
            {square.right() - 0.18 * square.width(), square.top() + 0.2 * square.height()},
        };
        painter.drawPolyline(tick, 3);
    }
    painter.setPen(ink);
    painter.drawText(style->subElementRect(QStyle::SE_CheckBoxContents, &option, &box),
                     Qt::AlignLeft | Qt::AlignVCenter, box.text());
}

// Of the option buttons only the chosen one prints, as its caption where it stands.
void paintOption(QPainter& painter, const QRadioButton& option)
{
    if (!option.isChecked())
        return;
    QStyleOptionButton style;
    style.initFrom(&option);
    style.text = option.text();
    painter.setPen(colour(option, QPalette::WindowText));
    painter.drawText(
        option.style()->subElementRect(QStyle::SE_RadioButtonContents, &style, &option),
        Qt::AlignLeft | Qt::AlignVCenter, option.text());
}

void paintGroup(QPainter& painter, const QGroupBox& group)
{
    QStyleOptionGroupBox option;
    option.initFrom(&group);
    option.text = group.title();
    option.lineWidth = 1;
    option.textAlignment = group.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QStyle* style = group.style();
    painter.setPen(QPen(colour(group, QPalette::Mid), 1));
    painter.drawRect(inside(
        style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, &group)));
    painter.setPen(colour(group, QPalette::WindowText));
    painter.drawText(
        style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &group),
        Qt::AlignLeft | Qt::AlignVCenter, group.title());
}

// A horizontal or vertical rule: a line through its middle.
bool paintRule(QPainter& painter, const QFrame& frame)
{
    const QRectF r = frame.rect();
    painter.setPen(QPen(colour(frame, frame.foregroundRole()), frame.lineWidth()));
    if (frame.frameShape() == QFrame::HLine)
        painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    else if (frame.frameShape() == QFrame::VLine)
        painter.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    else
        return false;
    return true;
}

// Paints one control in its own coordinates; true when its children are to be painted too.
bool paintControl(QPainter& painter, const QWidget& widget)
{
    if (const auto* sketch = qobject_cast<const SectionSketch*>(&widget))
        sketch->paint(painter);
    else if (const auto* legend = qobject_cast<const LegendLabel*>(&widget)) {
        painter.setPen(colour(*legend, legend->foregroundRole()));
        legend->paint(painter);
    } else if (const auto* label = qobject_cast<const QLabel*>(&widget))
        paintLabel(painter, *label);
    else if (const auto* box = qobject_cast<const QLineEdit*>(&widget))
        paintValue(painter, *box, box->displayText(), box->alignment());
    else if (const auto* list = qobject_cast<const QComboBox*>(&widget))
        paintValue(painter, *list, list->currentText(), Qt::AlignLeft);
    else if (const auto* check = qobject_cast<const QCheckBox*>(&widget))
        paintCheckBox(painter, *check);
    else if (const auto* option = qobject_cast<const QRadioButton*>(&widget))
        paintOption(painter, *option);
    else if (qobject_cast<const QPushButton*>(&widget) != nullptr)
        ; // commands belong to the screen
    else if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        paintGroup(painter, *group);
        return true;
    } else if (const auto* frame = qobject_cast<const QFrame*>(&widget))
        return !paintRule(painter, *frame);
    else
        return true; // a plain container
    return false;
}

void paintChildren(QPainter& painter, const QWidget& parent, const QWidget& form)
{
    for (const QObject* child : parent.children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (widget == nullptr || widget->isWindow() || widget->isHidden())
            continue;
        painter.save();
        painter.translate(widget->mapTo(&form, QPoint(0, 0)));
        painter.setFont(screenFont(*widget));
        const bool withChildren = paintControl(painter, *widget);
        painter.restore();
        if (withChildren)
            paintChildren(painter, *widget, form);
    }
}

} // namespace

void paintPrintout(QPainter& painter, const QWidget& form, const QRectF& page)
{
    QFont titleFont = screenFont(form);
    titleFont.setBold(true);
    titleFont.setPixelSize(titleFont.pixelSize() * 4 / 3);
    const double titleHeight = 2 * QFontMetricsF(titleFont).height();
    const QSizeF size(form.width(), titleHeight + form.height());
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());

    painter.save();
    painter.translate(page.left() + (page.width() - scale * size.width()) / 2, page.top());
    painter.scale(scale, scale);
    painter.setFont(titleFont);
    painter.setPen(form.palette().color(QPalette::WindowText));
    painter.drawText(QRectF(0, 0, size.width(), titleHeight / 2), Qt::AlignLeft | Qt::AlignVCenter,
                     form.windowTitle());
    painter.translate(0, titleHeight);
    paintChildren(painter, form, form);
    painter.restore();
}
