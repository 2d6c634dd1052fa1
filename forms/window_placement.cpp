#include "window_placement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int CascadeStep = 24;

struct Side {
    QRect rect;
    QPoint step; // a later window moves this way: along the side, away from the anchor
};

} // namespace

QPoint placeBeside(const QRect& anchor, QSize size, const QRect& screen, int cascade)
{
    const int s = CascadeStep;
    const Side sides[] = {
        {{QPoint(anchor.right() + 1, anchor.top()), size}, {s, s}},
        {{QPoint(anchor.left(), anchor.bottom() + 1), size}, {s, s}},
        {{QPoint(anchor.left() - size.width(), anchor.top()), size}, {-s, s}},
        {{QPoint(anchor.left(), anchor.top() - size.height()), size}, {s, -s}},
    };
    for (const Side& side : sides) {
        if (!screen.contains(side.rect))
            continue;
        // as many steps as the side has room for, then from its start again
        int room = 0;
        while (room < cascade && screen.contains(side.rect.translated((room + 1) * side.step)))
            ++room;
        return side.rect.topLeft() + cascade % (room + 1) * side.step;
    }
    // No side has room: to the right, back onto the screen, the top left corner last so
    // that it stays visible.
    QRect placed = sides[0].rect.translated(cascade * sides[0].step);
    placed.moveRight(std::min(placed.right(), screen.right()));
    placed.moveBottom(std::min(placed.bottom(), screen.bottom()));
    placed.moveLeft(std::max(placed.left(), screen.left()));
    placed.moveTop(std::max(placed.top(), screen.top()));
    return placed.topLeft();
}

void moveBeside(QWidget& window, const QWidget& anchor, int cascade)
{
    QScreen* screen = anchor.screen();
    window.setScreen(screen);
    window.adjustSize(); // the size the window opens with
    // the window manager frames the new window as it framed the anchor
    const QSize frame = anchor.frameGeometry().size() - anchor.geometry().size();
    window.move(placeBeside(anchor.frameGeometry(), window.size() + frame,
                            screen->availableGeometry(), cascade));
}
