// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EmoticonPreview.h"

#include <QStringView>
#include <QWidget>

class CatalogueStore;
class CategorySelector;
class ConfirmationTimer;
class Desktop;
class QComboBox;
class QLabel;

// The browse panel's box (picGeneralBackground): the emoticon list with its search box and
// category selector on the left, the preview with its size and view controls and the copy
// caption on the right. Choosing a category fills the list; selecting an entry, by hand or
// by the search, previews its emoticon; the copy caption puts it on the clipboard.
class GeneralPanel : public QWidget {
    Q_OBJECT

public:
    GeneralPanel(const CatalogueStore& store, Desktop& desktop,
                 ConfirmationTimer& confirmationTimer, QWidget* parent);

    // The state every start opens with: "Médio", "Visão Original", an empty preview, the
    // whole catalogue listed.
    void startUp();

    // Chooses a category as the user does with the selector.
    void chooseCategory(QStringView entryText);

private:
    QComboBox* buildCategorySelector(QLabel* heading);
    EmoticonPreview::Controls buildPreview(QLabel* view, QLabel* size);

    CategorySelector* m_categories = nullptr;
    EmoticonPreview* m_preview = nullptr;
};
