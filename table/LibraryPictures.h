// The pictures of the resource library, as the table asks for them.
#pragma once

#include "table/PictureSource.h"
#include "table/ResourceLibrary.h"

namespace tarvelle {

class LibraryPictures : public PictureSource {
public:
    explicit LibraryPictures(const ResourceLibrary& library) : library_(library) {}
    QImage picture(std::string_view name) const override { return library_.bitmap(name); }
    QImage cardFace(int faceSet, int imageIndex, QSize pixels) const override {
        return library_.cardFace(faceSet, imageIndex, pixels);
    }
    QImage cardBack(int backNumber, QSize pixels) const override {
        return library_.cardBack(backNumber, pixels);
    }

private:
    const ResourceLibrary& library_;
};

}  // namespace tarvelle
