// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class ConfirmationTimer;
struct MessengerLayout;

// A messenger's box (picAOLBackground, picMSNBackground, picYahooBackground): a grid of
// picture buttons, one per emoticon code of the messenger, with the panel's title, its
// instruction line and its "COPIADO" confirmation. The panel copies nothing itself: a click
// reports the button's code, and whoever copies shows the confirmation.
class MessengerPanel : public QWidget {
    Q_OBJECT

public:
    MessengerPanel(const MessengerLayout& layout, ConfirmationTimer& confirmationTimer,
                   QWidget* parent);

    // The confirmation: icon, then caption. Hidden until a copy shows it; the confirmation
    // timer hides it again.
    QWidget* copiedIcon() const { return m_copiedIcon; }
    QWidget* copiedCaption() const { return m_copiedCaption; }

signals:
    void codeClicked(const QString& code);

private:
    void buildLabels(const MessengerLayout& layout);

    QWidget* m_copiedIcon = nullptr;
    QWidget* m_copiedCaption = nullptr;
};
