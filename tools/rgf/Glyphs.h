// The small pictures of the windows: suit symbols, card counter cells, tool-bar glyphs, pause pictures, tree images, option previews and ratings.
#pragma once

namespace tarvelle::rgf {

class Decks;
class ResourceFolder;

void addGlyphs(ResourceFolder& folder, const Decks& decks);

}  // namespace tarvelle::rgf
