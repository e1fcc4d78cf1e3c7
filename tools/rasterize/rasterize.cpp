// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

// quillane-artwork-raster ART_FOLDER OUT_FOLDER SVG...
// Renders each picture of the artwork at its drawn size and at twice that, as raster files
// that keep the picture's place under the art folder (name.argb, name@2x.argb). The program
// loads these instead of rendering the SVG whenever it shows a picture at that size.
//
// A raster file is the picture's width and height (32-bit little-endian each), then its
// pixels as premultiplied ARGB, 32 bits each, row after row: nothing to decode, so loading
// one costs no more than copying it, and on a little-endian processor not even that.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstdio>

namespace {

bool writeRaster(const QString& path, const QImage& picture)
{
    QByteArray bytes(8, Qt::Uninitialized);
    qToLittleEndian<quint32>(quint32(picture.width()), bytes.data());
    qToLittleEndian<quint32>(quint32(picture.height()), bytes.data() + 4);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            char pixel[4];
            qToLittleEndian<quint32>(row[x], pixel);
            bytes.append(pixel, 4);
        }
    }
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3) {
        std::fputs("usage: quillane-artwork-raster ART_FOLDER OUT_FOLDER SVG...\n", stderr);
        return 2;
    }
    const QDir art(arguments[1]);
    const QDir out(arguments[2]);
    for (const QString& svg : arguments.mid(3)) {
        QSvgRenderer renderer(svg);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "%s: not a picture\n", qPrintable(svg));
            return 1;
        }
        const QString stem = art.relativeFilePath(svg).chopped(4); // without ".svg"
        for (const int scale : {1, 2}) {
            QImage picture(renderer.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            renderer.render(&painter, QRectF(picture.rect()));
            painter.end();
            const QString path = out.filePath(
                stem + (scale == 2 ? QStringLiteral("@2x") : QString()) + QStringLiteral(".argb"));
            if (!writeRaster(path, picture)) {
                std::fprintf(stderr, "%s: cannot be written\n", qPrintable(path));
                return 1;
            }
        }
    }
    return 0;
}
