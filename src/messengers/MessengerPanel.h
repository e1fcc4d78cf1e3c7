// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class ConfirmationTimer;
struct MessengerLayout;

// A messenger's box (picAOLBackground, picMSNBackground, picYahooBackground): a grid of
// picture buttons, one per emoticon code of the messenger, with the panel's title, its
// instruction line and its "COPIADO" confirmation. The panel copies nothing itself: a click
// reports the button's code, and whoever copies it asks the panel to confirm.
class MessengerPanel : public QWidget {
    Q_OBJECT

public:
    MessengerPanel(const MessengerLayout& layout, ConfirmationTimer& confirmationTimer,
                   QWidget* parent);

    // Shows "COPIADO", icon then caption, until the confirmation timer's tick.
    void showCopied();

signals:
    void codeClicked(const QString& code);

private:
    void buildLabels(const MessengerLayout& layout);

    ConfirmationTimer& m_confirmationTimer;
    QWidget* m_copiedIcon = nullptr;
    QWidget* m_copiedCaption = nullptr;
};
