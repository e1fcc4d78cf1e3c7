// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CopyCaption.h"

#include "ClickableLabel.h"
#include "ClipboardCopy.h"
#include "ConfirmationTimer.h"
#include "Desktop.h"
#include "EmoticonPreview.h"
#include "HoverLight.h"
#include "ShapeWidget.h"

namespace {
const QColor MarkerLit(255, 0, 0);
const QColor MarkerDark(0, 0, 0);
} // namespace

CopyCaption::CopyCaption(const Controls& controls, const EmoticonPreview& preview, Desktop& desktop,
                         ConfirmationTimer& confirmationTimer, QObject* parent)
    : QObject(parent)
    , m_controls(controls)
    , m_preview(preview)
    , m_desktop(desktop)
    , m_confirmationTimer(confirmationTimer)
{
    m_confirmationTimer.addConfirmation(m_controls.imgGeneralCopied);
    m_confirmationTimer.addConfirmation(m_controls.lblGeneralCopied);
    connect(m_controls.lblCopiarEmoticon, &ClickableLabel::clicked, this,
            &CopyCaption::lblCopiarEmoticon_Click);
    auto* marker =
        new HoverLight(m_controls.lblCopiarEmoticon, {m_controls.imgGeneralBackground}, this);
    connect(marker, &HoverLight::changed, this, &CopyCaption::lightMarker);
}

void CopyCaption::lblCopiarEmoticon_Click()
{
    const QString& emoticon = m_preview.emoticon();
    if (emoticon.isEmpty()) {
        m_desktop.showMessage(
            m_controls.lblCopiarEmoticon->window(),
            {ApplicationTitle.toString(),
             QStringLiteral("Não há nada para copiar, selecione antes um emoticon."),
             QMessageBox::NoIcon, QMessageBox::Ok});
        return;
    }
    ClipboardCopy(m_desktop, m_confirmationTimer)
        .copy(emoticon, {m_controls.imgGeneralCopied, m_controls.lblGeneralCopied});
}

void CopyCaption::lightMarker(bool lit)
{
    m_controls.shpGeneralClipboard->setFillColour(lit ? MarkerLit : MarkerDark);
}
