// The window's way into the engine's moves. Until the move rules are in the
// engine it finds the pile under a point and deals, and refuses every move.
#pragma once

#include "ui/GameActions.h"

namespace tarvelle {

class EngineActions : public GameActions {
public:
    explicit EngineActions(EngineState& state) : state_(state) {}

    Hit hitTest(Point at) override;
    bool mayPickUp(int, bool) override { return false; }
    bool sequenceMovable(int, PileRef) override { return false; }
    bool columnFree(PileRef) override { return true; }
    bool drop(int, const std::vector<DropCandidate>&) override { return false; }
    bool automaticMove(int, bool, bool) override { return false; }
    void turnFaceUp(int) override {}
    void stockClick(bool) override {}
    bool moveToSecondWaste(int) override { return false; }
    bool specialPress(const Hit&) override { return false; }
    void autoFill() override {}
    bool autoplayPass() override { return false; }
    bool undo() override;
    bool redo() override;
    bool restart() override;
    bool undoToSnapshot() override { return false; }
    bool saveSnapshot() override { return false; }
    bool endGame() override;
    bool isWon() override { return state_.flags[Flag::Won]; }
    void gameWon() override {}
    bool holdGame() override { return false; }
    void timedStep() override {}

private:
    EngineState& state_;
};

// The pile and card under a point: stock group, tableau (from the last pile
// when the tableau lies side by side), foundations, reserves; in a fanned
// pile the uppermost card whose visible part holds the point.
Hit hitTestTable(const EngineState& state, Point at);

}  // namespace tarvelle
