// The window's way into the engine's moves: hit test, legality, the dispatcher,
// the stock, automatic moves, undo and the end of a game.
#pragma once

#include "ui/GameActions.h"

namespace tarvelle {

class EngineActions : public GameActions {
public:
    explicit EngineActions(EngineState& state) : state_(state) {}

    Hit hitTest(Point at) override;
    bool mayPickUp(int card, bool single) override;
    bool sequenceMovable(int card, PileRef pile) override;
    bool columnFree(PileRef pile) override;
    bool drop(int card, const std::vector<DropCandidate>& candidates) override;
    bool automaticMove(int card, bool toTableaus, bool toFoundations) override;
    void turnFaceUp(int card) override;
    void stockClick(bool emptyStockMarked) override;
    bool moveToSecondWaste(int card) override;
    PressRule specialPressRule(const Hit& hit) override;
    void autoFill() override;
    bool autoplayPass() override;
    bool release(const Release& r) override;
    bool undo() override;
    bool redo() override;
    bool restart() override;
    bool undoToSnapshot() override { return false; }
    bool saveSnapshot() override { return false; }
    bool endGame() override;
    bool isWon() override { return state_.flags[Flag::Won]; }
    void gameWon() override;
    bool holdGame() override { return false; }
    void timedStep() override {}

protected:
    EngineState& state_;
};

// The pile and card under a point: stock group, tableau (from the last pile
// when the tableau lies side by side), foundations, reserves; in a fanned
// pile the uppermost card whose visible part holds the point.
Hit hitTestTable(const EngineState& state, Point at);

}  // namespace tarvelle
