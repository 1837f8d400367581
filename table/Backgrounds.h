// The table's background: the default green, a fixed colour that may fade to
// black, a tiled or single library picture, or a picture file of the player's.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>

#include "engine/EngineState.h"
#include "table/PictureSource.h"

namespace tarvelle {

enum class BackgroundKind { Default = 0, Colour = 1, CustomizedFile = 2, Picture = 3 };

struct Background {
    BackgroundKind kind = BackgroundKind::Default;
    std::int32_t colour = 0;  // 0x00BBGGRR; a negative value names a system colour
    int picture = 0;          // "B" + three digits; above 499 drawn once, not tiled
};

// The colour of a stored colour value: 0x00BBGGRR, system colours for negative values.
QRgb colourOf(std::int32_t value);

// The background that the settings choose.
Background currentBackground(const EngineState& state);

// Paints the background over the whole image. While demo mode runs the demo
// picture is tiled instead. A missing customized file tells the player once
// and falls back to the default background; a missing library picture paints
// nothing. `fadeExtra` lengthens the fade below the image (the scroll bar's rows).
void paintBackground(EngineState& state, const PictureSource& pictures, QImage& image,
                     const Background& background, int fadeExtra = 0);

// The random background of a new game: a picture or, now and then, a fixed colour.
void chooseRandomBackground(EngineState& state, const PictureSource& pictures);

}  // namespace tarvelle
