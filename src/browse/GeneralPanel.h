#pragma once

#include <QWidget>

class CatalogueStore;
class ConfirmationTimer;
class Desktop;
class CategorySelector;
class PreviewArea;
class QComboBox;
class QLabel;
class QLineEdit;
class EmoticonList;
class QScrollBar;

// The browse panel's box (picGeneralBackground): the emoticon list with its search box and
// category selector on the left, the preview with its size and view controls and the copy
// caption on the right.
class GeneralPanel : public QWidget {
    Q_OBJECT

public:
    GeneralPanel(CatalogueStore& store, Desktop& desktop, ConfirmationTimer& confirmationTimer,
                 QWidget* parent);

    CategorySelector* categories() const { return m_categories; }

public slots:
    // Forgets the selected emoticon: empty preview, empty text.
    void clearPreview();

private:
    void buildList();
    void buildCategoryRow();
    void buildPreview();

    Desktop& m_desktop;
    EmoticonList* m_list = nullptr;
    QComboBox* m_category = nullptr;
    QLabel* m_count = nullptr;
    PreviewArea* m_preview = nullptr;
    QLabel* m_emoticon = nullptr;
    CategorySelector* m_categories = nullptr;
};
