// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ListSource.h"
#include "OwnListFile.h"

#include <QObject>
#include <QStringView>

class CatalogueStore;
class CataloguePicker;
class ConfirmationTimer;
class Desktop;
class EmoticonList;
class EntryBoxes;
class QLabel;
class QWidget;

// The own-list side of the editor: the user's list, kept in step with its file (one entry
// per record, in record order, names without their surrounding blanks), and the add, remove
// and clear pictures that change both. Each change that reaches the file is confirmed by a
// status word until the confirmation timer's tick; a change that fails is reported and leaves
// file and list as they were.
class OwnListEditor : public QObject {
    Q_OBJECT

public:
    struct Controls {
        EmoticonList* ownList;
        QLabel* legendIcon;
        QLabel* legend;
    };

    OwnListEditor(CatalogueStore& store, Desktop& desktop, ConfirmationTimer& timer,
                  EntryBoxes& boxes, CataloguePicker& picker, const Controls& controls,
                  QWidget* panel);

    // Rebuilds the list from the file; nothing is selected afterwards.
    void CustomListUpdate();

public slots:
    void lstOwnListCustom_Click();
    void imgOwnListAdd_Click();
    void imgOwnListRemove_Click();
    void imgOwnListClear_Click();

private:
    bool AddEmoticon();
    void RemoveEmoticon();
    void clearStep();
    ListSource ownListSource() const;

    void showStatus(QStringView word);
    void refuse(const QString& text);
    void report(const FileFailure& failure);

    CatalogueStore& m_store;
    Desktop& m_desktop;
    ConfirmationTimer& m_timer;
    EntryBoxes& m_boxes;
    CataloguePicker& m_picker;
    Controls m_controls;
    QWidget* m_panel;
    OwnListFile m_file;
};
