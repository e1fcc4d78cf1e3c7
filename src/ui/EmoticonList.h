// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "UniformListView.h"

#include <QElapsedTimer>

class ListEntries;
class ListEntriesModel;

// A list of emoticon names as the program shows them: each entry whole, blanks included
// (never cut short with an ellipsis), never scrolling sideways, filled in one step however
// long it is, and decoding only the entries it shows. It reports its selected entry whenever that
// changes, by the mouse, the keyboard or the program, but not the current entry that a list merely
// receiving focus is given. Like a classic list box it holds one selection that a person can move
// but not drop: only the program clears it. The copy keys copy what the list's owner says, never an
// entry's name.
class EmoticonList : public UniformListView {
    Q_OBJECT

public:
    explicit EmoticonList(QWidget* parent = nullptr);

    // Letters typed in the list select as in Qt's lists: keys typed in a run spell the start of
    // a name, looked for from the selected entry on; a first key, or one key pressed again and
    // again, moves on to the next entry it begins, round to the top. Nothing found keeps the
    // selection. The entries compare their bytes; Qt's own would decode name after name.
    void keyboardSearch(const QString& search) override;

    // Replaces every entry and shows the first; nothing is selected afterwards, and nothing is
    // reported.
    void setEntries(ListEntries entries);
    void clear();
    // Gives up every entry, as clear() does, and hands them over.
    ListEntries takeEntries();
    // Drops the entry at row, then shows the first as setEntries does.
    void removeEntry(int row);

    const ListEntries& entries() const;
    int count() const;
    QString entry(int row) const;

    // The selected entry's row; -1 when none is selected.
    int selectedRow() const;
    // Selects the entry at row, makes it current and scrolls it into view; -1 (or a row
    // beyond the list) leaves nothing selected.
    void selectRow(int row);

signals:
    void selectedRowChanged(int row);
    // Ctrl+C (the platform's copy keys), and Enter, in the list.
    void copyRequested();
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    ListEntriesModel* m_entries;
    QString m_typed;         // the keys of the last run
    QElapsedTimer m_lastKey; // a run ends after QApplication::keyboardInputInterval()
};
