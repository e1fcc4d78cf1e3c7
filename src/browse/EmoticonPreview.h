// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QObject>
#include <QString>

class ClickableLabel;
class PreviewArea;
class QLabel;
class QScrollBar;

// The preview half of the browse panel. The selected emoticon's text is kept as the caption
// of lblGeneralEmoticon (measured at the preview size, hidden under the preview box) and drawn
// large into picEmoticon, as written ("Visão Original") or turned by 270 degrees ("270 graus")
// so that a sideways face stands upright, in one of three sizes chosen with SizeScroll.
class EmoticonPreview : public QObject {
    Q_OBJECT

public:
    struct Controls {
        PreviewArea* picEmoticon;
        QLabel* lblGeneralEmoticon;
        QLabel* lblGeneralView;
        QLabel* lblGeneralSize;
        QScrollBar* SizeScroll;
        ClickableLabel* imgGeneralRotate;
        ClickableLabel* lblGeneralRotate;
    };

    EmoticonPreview(const Controls& controls, QObject* parent);

    // The selected emoticon's text; empty when none is selected.
    QString caption() const;

    // Keeps text as the selected emoticon's and draws it.
    void showEmoticon(const QString& text);

    // Forgets the selected emoticon: empty preview, empty caption.
    void clear();

    // The state every start opens with: "Médio", "Visão Original", an empty preview.
    void startUp();

    float ViewAngle() const { return m_viewAngle; }

public slots:
    void imgGeneralRotate_Click();
    void lblGeneralRotate_Click();
    void SizeScroll_Change();

private:
    void setCaption(const QString& text);
    void dotext(PreviewArea* angpict, const QFont& angfont, const QString& angtext, float Angle);

    Controls m_controls;
    // The window opens laid out at "270 graus"; start-up turns it to the text as written.
    float m_viewAngle = 270;
    int m_previewSize = 28;
    // Face, size in points and style of the drawing; the drawing turns the size into the
    // character cell.
    QFont m_previewFont;
};
