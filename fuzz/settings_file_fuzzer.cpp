// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file emoticon.dat, whatever it holds: the always-on-top choice is on exactly when
// the file starts with the tagged text "YYY" in any case (tag 8, length 3, 16-bit
// little-endian), and off otherwise; writing a choice replaces the first 7 bytes alone and reads
// back as written.

#include "CatalogueStore.h"
#include "FuzzCheck.h"
#include "FuzzFolder.h"
#include "SettingsFile.h"

#include <algorithm>
#include <cstdint>

namespace {

bool startsWithTaggedYes(QByteArrayView bytes)
{
    const auto byte = [&](qsizetype at) { return static_cast<unsigned char>(bytes[at]); };
    if (bytes.size() < 7 || byte(0) != 8 || byte(1) != 0 || byte(2) != 3 || byte(3) != 0)
        return false;
    return std::all_of(bytes.begin() + 4, bytes.begin() + 7,
                       [](char c) { return c == 'y' || c == 'Y'; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FuzzFolder folder;
    const QString name = QStringLiteral("emoticon.dat");
    const QByteArrayView bytes(data, qsizetype(size));
    folder.write(name, bytes);
    CatalogueStore store(folder.path());
    SettingsFile settings(store);

    const bool on = startsWithTaggedYes(bytes);
    require(settings.readAlwaysOnTop().alwaysOnTop == on,
            "on exactly for the tagged text YYY, in any case");
    require(SettingsFile::holdsOn(bytes) == on, "the bytes read alone say the same");

    require(!settings.writeAlwaysOnTop(!on), "the choice is written");
    const QByteArray expected = SettingsFile::bytesOf(!on) +
                                bytes.sliced(std::min<qsizetype>(7, bytes.size())).toByteArray();
    require(folder.read(name) == expected,
            "the writer replaces the first 7 bytes and keeps the rest");
    require(settings.readAlwaysOnTop().alwaysOnTop == !on, "the choice reads back as written");
    return 0;
}
