#pragma once

#include "EmoticonRecord.h"

#include <QObject>
#include <optional>

class CatalogueStore;
class EmoticonList;
class EntryBoxes;
class QLineEdit;

// The catalogue side of the editor: the whole catalogue, read from its file when the panel
// is prepared; choosing one of its entries, in the list or by typing the first letters of its
// name, puts its name and representation into the entry boxes. The copy keys copy the selected
// entry's representation.
class CataloguePicker : public QObject {
    Q_OBJECT

public:
    CataloguePicker(CatalogueStore& store, EmoticonList* catalogue, QLineEdit* search,
                    EntryBoxes& boxes, QObject* parent);

    // Fills the list from the whole-catalogue file, nothing selected; the search box keeps its
    // text and the search is not run again.
    void fill();

public slots:
    void lstOwnListEmoticons_Click();
    void txtOwnListSearch_Change();

private:
    // The selected entry's texts; none when nothing is selected or the file no longer holds it.
    std::optional<EmoticonTexts> selectedTexts() const;

    CatalogueStore& m_store;
    EmoticonList* m_catalogue;
    QLineEdit* m_search;
    EntryBoxes& m_boxes;
};
