#pragma once

#include <QWidget>

class CatalogueStore;
class QLineEdit;
class EmoticonList;

// The own-list editor's box (picConfigBackground): the whole catalogue on the left, the
// user's own list on the right, the add, remove and clear pictures between them, and the
// two boxes in which an entry is composed.
class OwnListPanel : public QWidget {
    Q_OBJECT

public:
    OwnListPanel(CatalogueStore& store, QWidget* parent);

    // Readies the panel for a fresh visit: empty entry boxes and the catalogue list read
    // again from the whole-catalogue file.
    void prepare();

    // Rebuilds the own list from its file, one entry per record, names without their
    // surrounding blanks; no entry is selected afterwards.
    void CustomListUpdate();

private:
    void buildLists();
    void buildEntryBoxes();

    CatalogueStore& m_store;
    EmoticonList* m_catalogue = nullptr;
    EmoticonList* m_ownList = nullptr;
    QLineEdit* m_search = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_representation = nullptr;
};
