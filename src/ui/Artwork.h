#pragma once

#include <QPixmap>
#include <QSize>
#include <QStringView>

// The program's pictures, drawn as SVG and rendered at the size they are shown at.
namespace Artwork {

// name is the picture's file name without ".svg".
QPixmap pixmap(QStringView name, QSize size);

} // namespace Artwork
