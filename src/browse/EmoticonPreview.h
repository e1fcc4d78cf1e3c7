// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PreviewGeometry.h"

#include <QObject>
#include <QString>

class ClickableLabel;
class PreviewArea;
class QLabel;
class QScrollBar;

// The preview half of the browse panel: the selected emoticon drawn large into the preview box,
// as written ("Visão Original") or turned by 270 degrees ("270 graus") so that a sideways face
// stands upright, in one of three sizes chosen with the size bar. The captions beside the box
// show the view and the size; the emoticon is also what the copy caption copies.
class EmoticonPreview : public QObject {
    Q_OBJECT

public:
    enum class View { AsWritten, Turned };

    struct Controls {
        PreviewArea* picEmoticon;
        QLabel* lblGeneralView;
        QLabel* lblGeneralSize;
        QScrollBar* SizeScroll;
        ClickableLabel* imgGeneralRotate;
        ClickableLabel* lblGeneralRotate;
    };

    EmoticonPreview(const Controls& controls, QObject* parent);

    // The emoticon previewed; empty when none is selected.
    const QString& emoticon() const { return m_emoticon; }

    void showEmoticon(const QString& text);
    // Forgets the emoticon: an empty preview, nothing to copy.
    void clear();

    // The state every start opens with: "Médio", "Visão Original", an empty preview.
    void startUp();

public slots:
    void imgGeneralRotate_Click();
    void lblGeneralRotate_Click();
    void SizeScroll_Change();

private:
    void setEmoticon(const QString& text);
    void drawPreview();

    Controls m_controls;
    QString m_emoticon;
    // The window opens laid out at "270 graus"; start-up turns it to the text as written.
    View m_view = View::Turned;
    PreviewGeometry::Size m_size = PreviewGeometry::Size::Medium;
};
