// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringView>

// The program's pictures, drawn as SVG. The build renders each at its drawn size and at twice
// that; any other size is rendered from the SVG when asked for.
namespace Artwork {

// name is the picture's file name without ".svg".
QPixmap pixmap(QStringView name, QSize size);

// A picture loaded the first time it is asked for, then kept: most panels wait hidden, and
// their pictures need not be loaded with them.
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
