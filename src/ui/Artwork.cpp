#include "Artwork.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <QtEndian>
#include <optional>

namespace Artwork {

namespace {

// The picture as the build rendered it (see tool/rasterize.cpp), when that is the size asked
// for: copying it costs a fraction of rendering it.
std::optional<QPixmap> prerendered(QStringView name, QSize size, qreal ratio)
{
    if (ratio != 1.0 && ratio != 2.0)
        return std::nullopt;
    const QResource raster(QStringLiteral(":/art-raster/%1%2.argb")
                               .arg(name, ratio == 2.0 ? QStringLiteral("@2x") : QString()));
    if (!raster.isValid())
        return std::nullopt;
    const QByteArray bytes = raster.uncompressedData();
    constexpr qsizetype Header = 8;
    if (bytes.size() < Header)
        return std::nullopt;
    const QSize stored(int(qFromLittleEndian<quint32>(bytes.constData())),
                       int(qFromLittleEndian<quint32>(bytes.constData() + 4)));
    if (stored != size * ratio ||
        bytes.size() != Header + 4 * qsizetype(stored.width()) * stored.height())
        return std::nullopt;
    QImage image(stored, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < stored.height(); ++y) {
        qFromLittleEndian<quint32>(bytes.constData() + Header + 4 * qsizetype(y) * stored.width(),
                                   stored.width(), image.scanLine(y));
    }
    QPixmap picture = QPixmap::fromImage(std::move(image));
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace

QPixmap pixmap(QStringView name, QSize size)
{
    const qreal ratio = qApp->devicePixelRatio();
    if (const std::optional<QPixmap> picture = prerendered(name, size, ratio))
        return *picture;
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/art/%1.svg").arg(name));
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return picture;
}

} // namespace Artwork
