// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FileFailure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

class CatalogueStore;

// The settings file emoticon.dat, which keeps the always-on-top choice between runs as a
// tagged text from its first byte: the tag 8 and the text's length (16-bit little-endian
// each), then the text, "YYY" for on or "NNN" for off.
class SettingsFile {
public:
    explicit SettingsFile(CatalogueStore& store);

    // Whether the file holds the tagged text "YYY", in any case. A missing file is created
    // empty; it, and anything else, reads as off.
    bool readAlwaysOnTop();

    // Writes the choice as a tagged text at the start of the file, creating the file when it
    // is missing. A longer file keeps the bytes beyond.
    std::optional<FileFailure> writeAlwaysOnTop(bool on);

    // The reading and the writing of the bytes alone.
    static bool holdsOn(QByteArrayView bytes);
    static QByteArray bytesOf(bool on);

private:
    CatalogueStore& m_store;
};
