// The 27 card backs drawn at any pixel size: the decks' own backs and pictures of our own.
#pragma once

#include <QImage>
#include <QSize>
#include <functional>

class QSvgRenderer;

namespace tarvelle::cardart {

// The face set whose deck gives a back its picture, or 0 for our own pictures.
int backFaceSet(int backNumber);

// A back 1-27 at the given pixel size. The decks are asked for by face set,
// only for the backs that come from one. Transparent outside the rounded card
// outline; an unknown number, or a deck that is missing, gives an empty image.
QImage renderBack(int backNumber, QSize pixels,
                  const std::function<QSvgRenderer*(int faceSet)>& deckOfSet);

}  // namespace tarvelle::cardart
