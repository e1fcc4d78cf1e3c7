// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EmoticonPreview.h"

#include <QWidget>

class CatalogueStore;
class CategorySelector;
class ConfirmationTimer;
class Desktop;
class QComboBox;

// The browse panel's box (picGeneralBackground): the emoticon list with its search box and
// category selector on the left, the preview with its size and view controls and the copy
// caption on the right. Choosing a category fills the list; selecting an entry, by hand or
// by the search, previews its emoticon; the copy caption puts it on the clipboard.
class GeneralPanel : public QWidget {
    Q_OBJECT

public:
    GeneralPanel(CatalogueStore& store, Desktop& desktop, ConfirmationTimer& confirmationTimer,
                 QWidget* parent);

    CategorySelector* categories() const { return m_categories; }
    EmoticonPreview* preview() const { return m_preview; }

private:
    QComboBox* buildCategorySelector();
    EmoticonPreview::Controls buildPreview();
    template <typename T> T* named(const char* objectName) const
    {
        return findChild<T*>(QString::fromLatin1(objectName));
    }

    CategorySelector* m_categories = nullptr;
    EmoticonPreview* m_preview = nullptr;
};
