// The folder the library is made from: every resource as a file, and the list that rcc reads.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>
#include <map>

namespace tarvelle::rgf {

class ResourceFolder {
public:
    explicit ResourceFolder(QString folder);

    // Each adds one resource under its kind's folder (see ResourceLibrary);
    // names are stored in upper case. A name given twice is a fault of the
    // tool and ends it.
    void addBitmap(const QString& name, const QImage& image);
    void addCursor(const QString& name, const QImage& image, QPoint hotSpot);
    void addSound(const QString& name, const QByteArray& wave);
    void addDeck(int faceSet, const QByteArray& compressedSvg);
    void addFile(const QString& path, const QByteArray& bytes);

    // Writes the files that changed and the resource list in a fixed order;
    // false when a file cannot be written.
    bool write(const QString& qrcPath) const;

    int count() const { return static_cast<int>(files_.size()); }

private:
    QString folder_;
    std::map<QString, QByteArray> files_;  // path inside the library -> contents
};

// The PNG bytes of an image, the same for the same pixels on every run.
QByteArray pngBytes(const QImage& image);

}  // namespace tarvelle::rgf
