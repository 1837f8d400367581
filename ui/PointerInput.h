// Pointer input on the table: press, move, release and double click turned
// into the engine's actions, the drag with its drop candidates, the peek,
// the empty-stock mark and the pile-size tip.
#pragma once

#include <functional>

#include <QPoint>

#include "engine/EngineState.h"
#include "ui/GameActions.h"

class QLabel;

namespace tarvelle {

class TableWidget;

// What the pointer input asks of the main window.
struct PointerWindow {
    std::function<void(QPoint clientPoint)> openTablePopup;
    std::function<void(int shapeId)> setPointerShape;
    std::function<int()> scrollPosition;
    std::function<int()> scrollMaximum;
    std::function<bool()> scrollShown;
    std::function<void(int position)> scrollTo;
    std::function<void()> refreshClock;
    std::function<bool()> autoplayEnabled;  // the command is ticked and the game allows it
};

class PointerInput {
public:
    PointerInput(EngineState& state, GameActions& actions, TableWidget& table, PointerWindow window);

    void press(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void move(QPoint at, Qt::MouseButtons buttons);
    void release(QPoint at, Qt::MouseButton button);
    void doubleClick(QPoint at, Qt::MouseButton button);

    // The clock tick: after a rest of 500 ms the pile-size tip appears.
    void clockTick();
    void hidePilesTip();
    QLabel* pilesTip() const { return tip_; }

    bool dragging() const { return state_.counters.draggedCard != 0; }
    bool emptyStockMarked() const { return emptyStockMark_; }
    QPoint lastPress() const { return lastPress_; }

private:
    bool rightClickMove(const Hit& hit, bool toFoundations, bool toTableaus);
    bool mayLeave(const Hit& hit);
    void pressOnPile(const Hit& hit, bool& startDrag);
    void pressOnTableau(const Hit& hit, bool& startDrag);
    void startDrag(const Hit& hit, bool wholePile);
    void peek(const Hit& hit);
    void endPeek();
    void showPilesTip();
    bool inTableArea(QPoint globalPoint) const;
    int pointerShape() const;

    EngineState& state_;
    GameActions& actions_;
    TableWidget& table_;
    PointerWindow window_;
    QLabel* tip_ = nullptr;

    bool movedSincePress_ = false;
    QPoint lastPress_;
    QPoint dragOrigin_;
    QPoint grabOffset_;
    int dragImageHeight_ = 0;
    bool emptyStockMark_ = false;
    PileRef markedPile_{Collection::StockGroup, kStock};
    QPoint peekCorner_;
    bool peeking_ = false;
    QPoint restPoint_;
    QPoint lastMovePoint_;
    qint64 restTime_ = -1;
};

}  // namespace tarvelle
