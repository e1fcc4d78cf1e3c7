// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EmoticonPreview.h"

#include "ClickableLabel.h"
#include "PreviewArea.h"
#include "PreviewGeometry.h"
#include "Twips.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace {

const QString OriginalView = QStringLiteral("Visão Original");
const QString TurnedView = QStringLiteral("270 graus");

// The font of a description, sized so that its character cell (ascent and descent) is
// cellHeight pixels high, as a font asked for by cell height is.
QFont fontWithCell(const QFont& description, int cellHeight)
{
    constexpr int Probe = 1000;
    QFont font = description;
    font.setPixelSize(Probe);
    const qreal cellPerPixelSize = QFontMetricsF(font).height() / Probe;
    font.setPixelSize(std::max(1, int(std::lround(cellHeight / cellPerPixelSize))));
    return font;
}

// Points at 96 dots per inch, as the layout's fonts are sized.
int pixelsOfPoints(int points)
{
    return int(std::lround(points * 96.0 / 72.0));
}

QSize twipsOf(QSize pixels)
{
    return pixels * Twips::PerPixel;
}

QPointF pixelsOf(QPoint twips)
{
    return QPointF(twips) / Twips::PerPixel;
}

} // namespace

EmoticonPreview::EmoticonPreview(const Controls& controls, QObject* parent)
    : QObject(parent)
    , m_controls(controls)
{
    m_controls.lblGeneralEmoticon->setTextFormat(Qt::PlainText);
    connect(m_controls.SizeScroll, &QScrollBar::valueChanged, this,
            &EmoticonPreview::SizeScroll_Change);
    connect(m_controls.imgGeneralRotate, &ClickableLabel::clicked, this,
            &EmoticonPreview::imgGeneralRotate_Click);
    connect(m_controls.lblGeneralRotate, &ClickableLabel::clicked, this,
            &EmoticonPreview::lblGeneralRotate_Click);
}

QString EmoticonPreview::caption() const
{
    return m_controls.lblGeneralEmoticon->text();
}

void EmoticonPreview::showEmoticon(const QString& text)
{
    setCaption(text);
    dotext(m_controls.picEmoticon, m_previewFont, caption(), m_viewAngle);
}

void EmoticonPreview::clear()
{
    m_controls.picEmoticon->clear();
    setCaption(QString());
}

void EmoticonPreview::startUp()
{
    QScrollBar* size = m_controls.SizeScroll;
    if (size->value() == 1)
        SizeScroll_Change(); // the size of position 1 applies even where it already stands
    else
        size->setValue(1);
    imgGeneralRotate_Click();
    m_previewFont.setFamily(QStringLiteral("Arial"));
    m_controls.picEmoticon->clear();
}

void EmoticonPreview::imgGeneralRotate_Click()
{
    m_previewFont.setPointSize(m_previewSize);
    const bool turning = m_controls.lblGeneralView->text() == OriginalView;
    m_controls.lblGeneralView->setText(turning ? TurnedView : OriginalView);
    m_viewAngle = turning ? 270 : 0;
    dotext(m_controls.picEmoticon, m_previewFont, caption(), m_viewAngle);
}

void EmoticonPreview::lblGeneralRotate_Click()
{
    imgGeneralRotate_Click();
}

void EmoticonPreview::SizeScroll_Change()
{
    const PreviewGeometry::SizeRow& row = PreviewGeometry::Sizes.at(m_controls.SizeScroll->value());
    m_controls.lblGeneralSize->setText(row.caption.toString());
    m_previewSize = row.points;
    // The caption is measured at the preview size, so that the text as written is centred.
    QFont captionFont = m_controls.lblGeneralEmoticon->font();
    captionFont.setPixelSize(pixelsOfPoints(m_previewSize));
    m_controls.lblGeneralEmoticon->setFont(captionFont);
    setCaption(caption());
    m_previewFont.setPointSize(m_previewSize);
    dotext(m_controls.picEmoticon, m_previewFont, caption(), m_viewAngle);
}

void EmoticonPreview::setCaption(const QString& text)
{
    QLabel* label = m_controls.lblGeneralEmoticon;
    label->setText(text);
    // Screen readers read the emoticon from the preview, since its caption is never shown.
    m_controls.picEmoticon->setAccessibleDescription(text);
    // The label takes the extent of its text; nothing is drawn for no text, so it need not be
    // measured (which would load the font).
    if (text.isEmpty()) {
        label->resize(0, 0);
        return;
    }
    const QFontMetrics metrics = label->fontMetrics();
    label->resize(metrics.horizontalAdvance(text), metrics.height());
}

void EmoticonPreview::dotext(PreviewArea* angpict, const QFont& angfont, const QString& angtext,
                             float Angle)
{
    angpict->clear();
    if (angtext.isEmpty())
        return;
    const QFont font =
        fontWithCell(angfont, PreviewGeometry::cellHeightPixels(int(angfont.pointSize())));
    QPoint start;
    if (m_controls.lblGeneralView->text() == OriginalView) {
        start = PreviewGeometry::originalViewStart(twipsOf(m_controls.picEmoticon->size()),
                                                   twipsOf(m_controls.lblGeneralEmoticon->size()));
    } else {
        const auto row = std::ranges::find(PreviewGeometry::Sizes, m_previewSize,
                                           &PreviewGeometry::SizeRow::points);
        start = row->turnedViewStart;
    }
    angpict->drawText(pixelsOf(start), font, std::lround(Angle * 10) / 10.0, angtext);
}
