#include "result_group.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

QGridLayout* gridHolding(QLayout* layout, const QWidget* widget)
{
    for (int k = 0; k < layout->count(); ++k) {
        QLayoutItem* item = layout->itemAt(k);
        if (item->widget() == widget)
            return qobject_cast<QGridLayout*>(layout);
        if (item->layout() != nullptr)
            if (QGridLayout* found = gridHolding(item->layout(), widget))
                return found;
    }
    return nullptr;
}

} // namespace

QGroupBox* groupResults(QWidget* form, const QString& name, const QString& title,
                        const QStringList& names)
{
    auto* group = new QGroupBox(title);
    group->setObjectName(name);
    // The rows sit in a plain widget inside the group: a screen reader names a label that
    // has no text by the title of a group box it stands in directly, and so would announce
    // every empty result as the group's title.
    auto* cellsWidget = new QWidget;
    auto* frame = new QVBoxLayout(group);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(cellsWidget);
    auto* inner = new QGridLayout(cellsWidget);

    struct Cell {
        QWidget* widget;
        int row, column;
    };
    std::vector<Cell> cells;
    QGridLayout* grid = nullptr;
    int top = INT_MAX;
    for (const QString& widgetName : names) {
        QWidget* widget = form->findChild<QWidget*>(widgetName);
        grid = gridHolding(widget->parentWidget()->layout(), widget);
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(widget), &row, &column, &rowSpan, &columnSpan);
        grid->removeWidget(widget);
        cells.push_back({widget, row, column});
        top = std::min(top, row);
    }
    // the same columns as the grid, with its gaps and stretch
    for (int column = 0; column < grid->columnCount(); ++column) {
        inner->setColumnMinimumWidth(column, grid->columnMinimumWidth(column));
        inner->setColumnStretch(column, grid->columnStretch(column));
    }
    for (const Cell& cell : cells)
        inner->addWidget(cell.widget, cell.row - top, cell.column);
    grid->addWidget(group, top, 0, 1, grid->columnCount());
    return group;
}
