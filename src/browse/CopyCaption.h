// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class ClickableLabel;
class ConfirmationTimer;
class Desktop;
class EmoticonPreview;
class QWidget;
class ShapeWidget;

// The caption "COPIAR PARA A MEMÓRIA": a click copies the previewed emoticon and shows "COPIADO"
// until the confirmation timer's tick; the round marker beside the caption lights up while the
// mouse moves over it, and goes dark over the panel's background.
class CopyCaption : public QObject {
    Q_OBJECT

public:
    struct Controls {
        ClickableLabel* lblCopiarEmoticon;
        ShapeWidget* shpGeneralClipboard;
        QWidget* imgGeneralBackground;
        QWidget* imgGeneralCopied;
        QWidget* lblGeneralCopied;
    };

    CopyCaption(const Controls& controls, const EmoticonPreview& preview, Desktop& desktop,
                ConfirmationTimer& confirmationTimer, QObject* parent);

public slots:
    void lblCopiarEmoticon_Click();
    void lightMarker(bool lit);

private:
    Controls m_controls;
    const EmoticonPreview& m_preview;
    Desktop& m_desktop;
    ConfirmationTimer& m_confirmationTimer;
};
