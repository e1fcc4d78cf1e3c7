// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class CatalogueStore;
class CataloguePicker;
class ConfirmationTimer;
class Desktop;
class EmoticonList;
class EntryBoxes;
class OwnListEditor;
class QLineEdit;

// The own-list editor's box (picConfigBackground): the whole catalogue on the left, the
// user's own list on the right, the add, remove and clear pictures between them, and the
// two boxes in which an entry is composed. CataloguePicker acts for the catalogue side,
// OwnListEditor for the own list and the pictures; both show entries in the EntryBoxes.
class OwnListPanel : public QWidget {
    Q_OBJECT

public:
    OwnListPanel(CatalogueStore& store, Desktop& desktop, ConfirmationTimer& confirmationTimer,
                 QWidget* parent);

    // Readies the panel for a fresh visit: empty entry boxes and the catalogue list read
    // again from the whole-catalogue file.
    void prepare();

    // Rebuilds the own list from its file, one entry per record, names without their
    // surrounding blanks; no entry is selected afterwards.
    void CustomListUpdate();

private:
    void buildLists();
    void buildEntryBoxes();
    void connectPictures();

    EmoticonList* m_catalogue = nullptr;
    EmoticonList* m_ownList = nullptr;
    QLineEdit* m_search = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_representation = nullptr;
    EntryBoxes* m_boxes = nullptr;
    CataloguePicker* m_picker = nullptr;
    OwnListEditor* m_editor = nullptr;
};
