// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Artwork.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <QtEndian>
#include <optional>

namespace Artwork {

namespace {

// One of the build's raster files (see tool/rasterize.cpp): its width and height, then its
// pixels. None when it is missing, damaged, or of other pixels than those asked for. On a
// little-endian processor the picture keeps the file's bytes as its pixels: for a file the
// resources keep uncompressed, that is the program's own memory, and nothing is copied.
std::optional<QPixmap> raster(const QString& path, QSize pixels)
{
    QByteArray bytes = QResource(path).uncompressedData();
    constexpr qsizetype Header = 8;
    if (bytes.size() < Header)
        return std::nullopt;
    const QSize stored(int(qFromLittleEndian<quint32>(bytes.constData())),
                       int(qFromLittleEndian<quint32>(bytes.constData() + 4)));
    if (stored != pixels ||
        bytes.size() != Header + 4 * qsizetype(stored.width()) * stored.height())
        return std::nullopt;
    const auto* pixelData = reinterpret_cast<const uchar*>(bytes.constData() + Header);
    if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN && quintptr(pixelData) % alignof(quint32) == 0) {
        // The picture keeps the bytes for as long as it lives. An opaque one keeps its unused
        // alpha too: Qt would copy it to drop it.
        auto* kept = new QByteArray(std::move(bytes));
        return QPixmap::fromImage(
            QImage(
                pixelData, stored.width(), stored.height(), QImage::Format_ARGB32_Premultiplied,
                [](void* keptBytes) { delete static_cast<QByteArray*>(keptBytes); }, kept),
            Qt::NoOpaqueDetection);
    }
    QImage image(stored, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < stored.height(); ++y) {
        qFromLittleEndian<quint32>(pixelData + 4 * qsizetype(y) * stored.width(), stored.width(),
                                   image.scanLine(y));
    }
    return QPixmap::fromImage(std::move(image));
}

// The picture as the build rendered it, at its drawn size or twice that, when one of the two
// has the pixels asked for: copying it costs a fraction of rendering it. The file made for
// the screen's scale is tried first, so that each picture is unpacked once.
std::optional<QPixmap> prerendered(QStringView name, QSize pixels, qreal ratio)
{
    const QString drawnSize = QStringLiteral(":/art-raster/%1.argb").arg(name);
    const QString twiceThat = QStringLiteral(":/art-raster/%1@2x.argb").arg(name);
    const bool twiceFirst = ratio >= 2;
    if (auto picture = raster(twiceFirst ? twiceThat : drawnSize, pixels))
        return picture;
    return raster(twiceFirst ? drawnSize : twiceThat, pixels);
}

// Any other size is rendered from the SVG by Qt's image plugin, loaded only then.
QPixmap rendered(QStringView name, QSize pixels)
{
    QImageReader reader(QStringLiteral(":/art/%1.svg").arg(name));
    reader.setScaledSize(pixels);
    const QImage picture = reader.read();
    // Without Qt's SVG plugin (libqt6svg6) the window would show gaps; say why.
    if (picture.isNull())
        qWarning("%s: %s", qPrintable(reader.fileName()), qPrintable(reader.errorString()));
    return QPixmap::fromImage(picture);
}

} // namespace

QPixmap pixmap(QStringView name, QSize size)
{
    const qreal ratio = qApp->devicePixelRatio();
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    QPixmap picture;
    if (std::optional<QPixmap> stored = prerendered(name, pixels, ratio))
        picture = *std::move(stored);
    else
        picture = rendered(name, pixels);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace Artwork
