// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListView>

// A list view, top to bottom and one column wide, whose entries all have the first entry's
// size, so that an entry's place is arithmetic: row r lies r rows down. It scrolls by whole
// entries. QListView lays out even uniform entries one by one, recording each one's position,
// at every fill and every scroll into view: for a million entries, tens of milliseconds and
// megabytes each time. Here a layout measures the first entry and nothing more.
class UniformListView : public QListView {
    Q_OBJECT

public:
    explicit UniformListView(QWidget* parent = nullptr);

    void doItemsLayout() override;
    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    int rows() const;
    QModelIndex indexOfRow(int row) const;
    // Every entry's height: the first entry's, measured at each layout or when first asked for
    // after a fill (before the layout that the fill asked for has run). 0 without entries.
    int entryHeight() const;
    // The row at y in the viewport: -1 above the first, rows() or more below the last.
    int rowAt(int y) const;
    // The rows the viewport shows whole, at least one.
    int wholeRowsShown() const;

    mutable int m_entryHeight = 0;
};
