// A plain table until the layout and card sets of the table side are in
// place: piles in rows, cards drawn as faces with rank and suit, a green baize.
#pragma once

#include <QImage>

#include "engine/EngineState.h"
#include "table/CardMotion.h"

namespace tarvelle {

// Places stock and waste top left, the foundations top right, the tableau in
// a row below and the reserves under the foundations; unused piles are hidden.
void layOutStandIn(EngineState& state, int tableWidth);

// The face (or back) of a card at the card size, at the given pixel ratio.
QImage standInCard(const EngineState& state, int code, bool faceUp, qreal ratio);

// Draws the background and every pile into the table image; the card
// `lifted` and the cards above it are left out (they are being dragged).
void drawStandInTable(const EngineState& state, QImage& table, int lifted, const CardPictures& pictures);

}  // namespace tarvelle
