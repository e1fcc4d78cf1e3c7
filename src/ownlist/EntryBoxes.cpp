// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EntryBoxes.h"

#include <QLineEdit>

EntryBoxes::EntryBoxes(QLineEdit* name, QLineEdit* representation, QObject* parent)
    : QObject(parent)
    , m_name{name, 30}
    , m_representation{representation, 15}
{
    limitTyping(m_name);
    limitTyping(m_representation);
}

EmoticonTexts EntryBoxes::texts() const
{
    return {m_name.edit->text(), m_representation.edit->text()};
}

void EntryBoxes::show(const EmoticonTexts& texts)
{
    setText(m_name, texts.name);
    setText(m_representation, texts.representation);
}

void EntryBoxes::limitTyping(const Box& box)
{
    box.edit->setMaxLength(box.typingLimit);
    // A long text the user shortens leaves no room to type beyond the limit.
    connect(box.edit, &QLineEdit::textEdited, box.edit,
            [box](const QString& text) { allowLength(box, text.size()); });
}

void EntryBoxes::allowLength(const Box& box, qsizetype length)
{
    const int maxLength = std::max(box.typingLimit, int(length));
    if (box.edit->maxLength() == maxLength)
        return;
    // Setting the maximum sets the text again, which moves the cursor to its end.
    const int cursor = box.edit->cursorPosition();
    box.edit->setMaxLength(maxLength);
    box.edit->setCursorPosition(cursor);
}

void EntryBoxes::setText(const Box& box, const QString& text)
{
    // QLineEdit cuts a text it is given to its maximum length.
    allowLength(box, text.size());
    box.edit->setText(text);
}
