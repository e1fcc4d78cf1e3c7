#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringView>

// The program's pictures, drawn as SVG and rendered at the size they are shown at.
namespace Artwork {

// name is the picture's file name without ".svg".
QPixmap pixmap(QStringView name, QSize size);

// A picture rendered the first time it is asked for, then kept: rendering is the dearest
// part of building a panel, and most panels wait hidden.
class LazyPixmap {
public:
    LazyPixmap(QStringView name, QSize size)
        : m_name(name.toString())
        , m_size(size)
    {
    }

    QSize size() const { return m_size; }
    const QPixmap& pixmap() const
    {
        if (m_pixmap.isNull())
            m_pixmap = Artwork::pixmap(m_name, m_size);
        return m_pixmap;
    }

private:
    QString m_name;
    QSize m_size;
    mutable QPixmap m_pixmap;
};

} // namespace Artwork
