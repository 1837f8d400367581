// The toolbar glyphs, drawn as shapes so that they are sharp at every size
// and pixel density; the disabled look is the same shape in grey.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace tarvelle {

// "New", "Open", "Restart", "Save", "Undo", "Redo", "Autoplay", "Statistics", "Rules", "Exit".
QIcon toolbarGlyph(const QString& name);

// A bitmap of the resource library drawn when the library lacks it: the two
// pictures of the pause screen, with green as their transparent colour.
QImage pausePicture(int which);

}  // namespace tarvelle
