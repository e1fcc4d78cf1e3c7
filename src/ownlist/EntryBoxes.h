// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EmoticonRecord.h"

#include <QObject>

class QLineEdit;

// The two boxes in which an entry is composed. The user can type at most 30 characters of a
// name and 15 of a representation; a longer text that the program shows stays whole, and the
// user may shorten it but not lengthen it.
class EntryBoxes : public QObject {
    Q_OBJECT

public:
    EntryBoxes(QLineEdit* name, QLineEdit* representation, QObject* parent);

    EmoticonTexts texts() const;
    void show(const EmoticonTexts& texts);
    void clear() { show({}); }

private:
    struct Box {
        QLineEdit* edit;
        int typingLimit;
    };

    static void limitTyping(const Box& box);
    // The box takes text whole, and then no more typed characters than its limit allows.
    static void allowLength(const Box& box, qsizetype length);
    static void setText(const Box& box, const QString& text);

    Box m_name;
    Box m_representation;
};
