// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EmoticonPreview.h"

#include "ClickableLabel.h"
#include "LayoutFont.h"
#include "PreviewArea.h"
#include "Twips.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace {

QString captionOf(EmoticonPreview::View view)
{
    return view == EmoticonPreview::View::AsWritten ? QStringLiteral("Visão Original")
                                                    : QStringLiteral("270 graus");
}

// Arial sized so that its character cell (ascent and descent) is cellHeight pixels high, as a
// font asked for by cell height is.
QFont arialWithCell(int cellHeight)
{
    constexpr int Probe = 1000;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(Probe);
    const qreal cellPerPixelSize = QFontMetricsF(font).height() / Probe;
    font.setPixelSize(std::max(1, int(std::lround(cellHeight / cellPerPixelSize))));
    return font;
}

// The extent of text in Arial at the preview size, which centres the text as written.
QSize extentAt(int points, const QString& text)
{
    const QFontMetrics metrics(LayoutFont{u"Arial", double(points)}.font());
    return {metrics.horizontalAdvance(text), metrics.height()};
}

} // namespace

EmoticonPreview::EmoticonPreview(const Controls& controls, QObject* parent)
    : QObject(parent)
    , m_controls(controls)
{
    connect(m_controls.SizeScroll, &QScrollBar::valueChanged, this,
            &EmoticonPreview::SizeScroll_Change);
    connect(m_controls.imgGeneralRotate, &ClickableLabel::clicked, this,
            &EmoticonPreview::imgGeneralRotate_Click);
    connect(m_controls.lblGeneralRotate, &ClickableLabel::clicked, this,
            &EmoticonPreview::lblGeneralRotate_Click);
}

void EmoticonPreview::showEmoticon(const QString& text)
{
    setEmoticon(text);
    drawPreview();
}

void EmoticonPreview::clear()
{
    setEmoticon(QString());
    m_controls.picEmoticon->clear();
}

void EmoticonPreview::startUp()
{
    QScrollBar* size = m_controls.SizeScroll;
    if (size->value() == 1)
        SizeScroll_Change(); // the size of position 1 applies even where it already stands
    else
        size->setValue(1);
    imgGeneralRotate_Click();
    m_controls.picEmoticon->clear();
}

void EmoticonPreview::imgGeneralRotate_Click()
{
    m_view = m_view == View::AsWritten ? View::Turned : View::AsWritten;
    m_controls.lblGeneralView->setText(captionOf(m_view));
    drawPreview();
}

void EmoticonPreview::lblGeneralRotate_Click()
{
    imgGeneralRotate_Click();
}

void EmoticonPreview::SizeScroll_Change()
{
    m_size = PreviewGeometry::Size(m_controls.SizeScroll->value());
    m_controls.lblGeneralSize->setText(sizeRow(m_size).caption.toString());
    drawPreview();
}

void EmoticonPreview::setEmoticon(const QString& text)
{
    m_emoticon = text;
    // Screen readers read the emoticon from the preview.
    m_controls.picEmoticon->setAccessibleDescription(text);
}

void EmoticonPreview::drawPreview()
{
    PreviewArea* box = m_controls.picEmoticon;
    box->clear();
    if (m_emoticon.isEmpty())
        return;
    const PreviewGeometry::SizeRow& size = sizeRow(m_size);
    const QPoint start = m_view == View::AsWritten
                             ? PreviewGeometry::originalViewStart(
                                   Twips::fromPixels(box->size()),
                                   Twips::fromPixels(extentAt(size.points, m_emoticon)))
                             : size.turnedViewStart;
    box->drawText(Twips::pointF(start),
                  arialWithCell(PreviewGeometry::cellHeightPixels(size.points)),
                  m_view == View::Turned ? 270 : 0, m_emoticon);
}
