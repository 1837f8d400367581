// The hit test: which pile and card lie under a point of the table, and where a card is drawn.
#pragma once

#include <optional>
#include <string>

#include "engine/EngineState.h"

namespace tarvelle {

// A rectangle of the table; every edge belongs to it.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Rect&) const = default;
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    bool overlaps(const Rect& o) const {
        return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom;
    }
};

// The fan kinds of tableau piles (rule 3), foundations (4) and reserves (5).
enum class FanKind {
    VerticalFan = 1,
    HorizontalFan = 2,
    Squared = 3,
    SideBySide = 4,
    SmallVerticalStep = 5,
    SmallHorizontalStep = 6,
    SquaredOneStepDown = 7,
    SerpentineGrid = 8,
    SideBySideWithGap = 9,
};

struct HitResult {
    std::string key;  // empty when no pile lies under the point
    int card = 0;     // 0 when the pile is empty or no card was hit
    Rect rect;        // all zero when no pile was hit
    bool operator==(const HitResult&) const = default;
};

HitResult hitTest(const EngineState& state, int x, int y);

// Where a card that can be picked up is drawn; nullopt when it is found nowhere.
std::optional<Rect> locateCard(const EngineState& state, int card);

// The bottom edge of a pile: the place of its top card plus one card height.
int pileBottomEdge(const EngineState& state, PileRef pile);

}  // namespace tarvelle
