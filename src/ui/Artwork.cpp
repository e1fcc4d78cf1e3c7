#include "Artwork.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <QtEndian>
#include <optional>

namespace Artwork {

namespace {

// The picture as the build rendered it (see tool/rasterize.cpp), at its drawn size or twice
// that, when one of the two has the pixels asked for: copying it costs a fraction of
// rendering it.
std::optional<QPixmap> prerendered(QStringView name, QSize pixels)
{
    for (const QStringView scale : {u"", u"@2x"}) {
        const QResource raster(QStringLiteral(":/art-raster/%1%2.argb").arg(name, scale));
        if (!raster.isValid())
            return std::nullopt;
        const QByteArray bytes = raster.uncompressedData();
        constexpr qsizetype Header = 8;
        if (bytes.size() < Header)
            return std::nullopt;
        const QSize stored(int(qFromLittleEndian<quint32>(bytes.constData())),
                           int(qFromLittleEndian<quint32>(bytes.constData() + 4)));
        if (stored != pixels)
            continue;
        if (bytes.size() != Header + 4 * qsizetype(stored.width()) * stored.height())
            return std::nullopt;
        QImage image(stored, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < stored.height(); ++y) {
            qFromLittleEndian<quint32>(bytes.constData() + Header +
                                           4 * qsizetype(y) * stored.width(),
                                       stored.width(), image.scanLine(y));
        }
        return QPixmap::fromImage(std::move(image));
    }
    return std::nullopt;
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
    if (std::optional<QPixmap> stored = prerendered(name, pixels))
        picture = *std::move(stored);
    else
        picture = rendered(name, pixels);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace Artwork
