// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EmoticonRecord.h"
#include "FileFailure.h"

#include <optional>

class CatalogueStore;

// The changes to the own list's file. Each measures the file again and counts whole records
// only (a trailing piece of a record is none); each leaves whole records behind, and after a
// failure the file as it was, unless the failure says otherwise (a disk that fails even to take
// back a part written). A custom.bra that is a link the user made stays one: the file it leads
// to is changed.
class OwnListFile {
public:
    explicit OwnListFile(const CatalogueStore& store);

    // Writes record after the last whole record, creating the file when it is missing, and
    // forces it to disk.
    std::optional<FileFailure> append(const EmoticonRecord& record);

    // Drops the record that the list entry at index stands for. Every other record is kept
    // byte for byte, in order, and the new list replaces the old in one rename of the
    // temporary file: there is no moment in which the list is in no file.
    std::optional<FileFailure> remove(qint64 index);

    // Deletes the file; a missing one is already clear. The next read creates it empty.
    std::optional<FileFailure> clear();

private:
    const CatalogueStore& m_store;
};
