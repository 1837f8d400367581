// The folder the library is made from: every resource as a file, and the list that rcc reads.
#include "tools/rgf/ResourceFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

#include "table/ResourceLibrary.h"

namespace tarvelle::rgf {

namespace {

QString upperName(const QString& name) {
    const auto fileName = resourceFileName(name.toStdString());
    if (!fileName) {
        std::fprintf(stderr, "tarvelle-rgf: resource name not allowed: %s\n", qPrintable(name));
        std::exit(2);
    }
    return *fileName;
}

bool writeIfChanged(const QString& path, const QByteArray& bytes) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes) return true;
    existing.close();
    QDir().mkpath(QFileInfo(path).path());
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return out.write(bytes) == bytes.size() && out.flush();
}

}  // namespace

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

ResourceFolder::ResourceFolder(QString folder) : folder_(std::move(folder)) {}

void ResourceFolder::addFile(const QString& path, const QByteArray& bytes) {
    if (!files_.emplace(path, bytes).second) {
        std::fprintf(stderr, "tarvelle-rgf: resource made twice: %s\n", qPrintable(path));
        std::exit(2);
    }
}

void ResourceFolder::addBitmap(const QString& name, const QImage& image) {
    if (image.isNull()) {
        std::fprintf(stderr, "tarvelle-rgf: empty picture: %s\n", qPrintable(name));
        std::exit(2);
    }
    addFile(QStringLiteral("bitmap/") + upperName(name) + QStringLiteral(".png"), pngBytes(image));
}

void ResourceFolder::addCursor(const QString& name, const QImage& image, QPoint hotSpot) {
    QImage withHotSpot = image;
    withHotSpot.setText(QStringLiteral("HotSpot"),
                        QStringLiteral("%1,%2").arg(hotSpot.x()).arg(hotSpot.y()));
    addFile(QStringLiteral("cursor/") + upperName(name) + QStringLiteral(".png"),
            pngBytes(withHotSpot));
}

void ResourceFolder::addSound(const QString& name, const QByteArray& wave) {
    addFile(QStringLiteral("sound/") + upperName(name) + QStringLiteral(".wav"), wave);
}

void ResourceFolder::addDeck(int faceSet, const QByteArray& compressedSvg) {
    addFile(QStringLiteral("deck/%1.svgz").arg(faceSet, 3, 10, QLatin1Char('0')), compressedSvg);
}

bool ResourceFolder::write(const QString& qrcPath) const {
    QByteArray list = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const auto& [path, bytes] : files_) {
        if (!writeIfChanged(folder_ + QLatin1Char('/') + path, bytes)) {
            std::fprintf(stderr, "tarvelle-rgf: cannot write %s/%s\n", qPrintable(folder_),
                         qPrintable(path));
            return false;
        }
        const QString source = QDir(QFileInfo(qrcPath).absolutePath())
                                   .relativeFilePath(folder_ + QLatin1Char('/') + path);
        list += "  <file alias=\"" + path.toUtf8() + "\">" + source.toUtf8() + "</file>\n";
    }
    list += "</qresource>\n</RCC>\n";
    return writeIfChanged(qrcPath, list);
}

}  // namespace tarvelle::rgf
