// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "OwnListFile.h"

#include <QObject>
#include <QStringView>

class CatalogueStore;
class ConfirmationTimer;
class Desktop;
class EntryBoxes;
class QLabel;
class QWidget;
class RecordList;

// The changes to the user's own list: the add, remove and clear pictures, which change its file
// and its list together (one entry per record, in record order, names without their surrounding
// blanks). Each change that reaches the file is confirmed by a status word until the
// confirmation timer's tick; a change that fails is reported and leaves file and list as they
// were.
class OwnListEditor : public QObject {
    Q_OBJECT

public:
    struct Controls {
        QLabel* legendIcon;
        QLabel* legend;
    };

    OwnListEditor(const CatalogueStore& store, Desktop& desktop, ConfirmationTimer& timer,
                  EntryBoxes& boxes, RecordList& catalogue, RecordList& ownList,
                  const Controls& controls, QWidget* panel);

    // Reads the list again from its file; nothing is selected afterwards.
    void refreshOwnList();

public slots:
    void imgOwnListAdd_Click();
    void imgOwnListRemove_Click();
    void imgOwnListClear_Click();

private:
    // Appends the entry to the own list and shows the list again; false, reported, when the
    // file refuses it.
    bool append(const EmoticonTexts& typed);
    void removeSelectedEntry();
    void deleteOwnList();

    void showStatus(QStringView word);
    void refuse(const QString& text);
    void report(const FileFailure& failure);

    const CatalogueStore& m_store;
    Desktop& m_desktop;
    ConfirmationTimer& m_timer;
    EntryBoxes& m_boxes;
    RecordList& m_catalogue;
    RecordList& m_ownList;
    Controls m_controls;
    QWidget* m_panel;
    OwnListFile m_file;
};
