// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FileFailure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>
#include <optional>

class CatalogueStore;

// The settings file emoticon.dat, which keeps the always-on-top choice between runs as a
// tagged text from its first byte: the tag 8 and the text's length (16-bit little-endian
// each), then the text, "YYY" or "NNN".
class SettingsFile {
public:
    static constexpr QStringView On = u"YYY";
    static constexpr QStringView Off = u"NNN";

    explicit SettingsFile(CatalogueStore& store);

    // Whether the file holds the tagged text "YYY", in any case. A missing file is created
    // empty; it, and anything else, reads as off.
    bool readAlwaysOnTop();

    // Writes setting as a tagged text at the start of the file, creating the file when it is
    // missing. A longer file keeps the bytes beyond.
    std::optional<FileFailure> writeAlwaysOnTop(QStringView setting);

    // The reading and the writing of the bytes alone.
    static bool holdsOn(QByteArrayView bytes);
    static QByteArray bytesOf(QStringView setting);

private:
    CatalogueStore& m_store;
};
