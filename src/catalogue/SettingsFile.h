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
    explicit SettingsFile(const CatalogueStore& store);

    struct Choice {
        bool alwaysOnTop;
        std::optional<FileFailure> failure; // a file that is there but cannot be read
    };

    // Whether the file holds the tagged text "YYY", in any case. A missing file is created
    // empty; it, one that cannot be read, and anything else read as off.
    Choice readAlwaysOnTop() const;

    // Writes the choice as a tagged text at the start of the file, creating the file when it
    // is missing. A longer file keeps the bytes beyond.
    std::optional<FileFailure> writeAlwaysOnTop(bool on) const;

    // The reading and the writing of the bytes alone.
    static bool holdsOn(QByteArrayView bytes);
    static QByteArray bytesOf(bool on);

private:
    const CatalogueStore& m_store;
};
