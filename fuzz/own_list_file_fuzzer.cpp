// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

// The own list as the program reads and changes it, whatever custom.bra holds: L / 50 entries,
// each record read by its index, and a removal and an addition that keep every other record
// byte for byte and leave whole records only.

#include "CatalogueStore.h"
#include "FieldBytes.h"
#include "FuzzCheck.h"
#include "FuzzFolder.h"
#include "ListEntries.h"
#include "OwnListFile.h"
#include "Windows1252.h"

#include <cstdint>

using namespace FieldBytes;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FuzzFolder folder;
    const QString ownList = QStringLiteral("custom.bra");
    const QByteArrayView bytes(data, qsizetype(size));
    folder.write(ownList, bytes);
    CatalogueStore store(folder.path());
    const ListSource source{Category::Layout::OwnList, store.pathOf(ownList)};

    const ReadResult read = store.readRecords(source);
    require(!read.failure, "a file that is there is read");
    const ListEntries entries(read.bytes, source.layout);
    const qsizetype count = bytes.size() / RecordSize;
    require(entries.count() == count, "one entry per whole record");
    for (qsizetype i = 0; i < count; ++i) {
        const QByteArrayView record = bytes.sliced(RecordSize * i, RecordSize);
        require(entries.entry(int(i)) == Windows1252::decode(record.first(NameWidth)),
                "an entry is its name field as stored");
        const std::optional<EmoticonRecord> again = store.readRecord(source, i);
        require(again && again->toBytes() == record, "an entry's record is read at its offset");
        const EmoticonTexts texts{Windows1252::decode(trimmed(record.first(NameWidth))),
                                  Windows1252::decode(trimmed(record.sliced(NameWidth)))};
        require(store.readShownTexts(source, i) == texts, "the texts shown are the trimmed fields");
    }
    require(!store.readRecord(source, count), "no record past the last whole one");

    // The first byte picks the entry to remove, as a selection in the list would.
    QByteArray kept = bytes.first(count * RecordSize).toByteArray();
    OwnListFile file(store);
    if (count > 0) {
        const qsizetype removed = static_cast<unsigned char>(bytes[0]) % count;
        require(!file.remove(removed), "a removal succeeds");
        kept.remove(removed * RecordSize, RecordSize);
        require(folder.read(ownList) == kept, "a removal keeps every other record, in order");
        require(!folder.read(QStringLiteral("custom.tmp")), "a removal leaves no custom.tmp");
    }
    const EmoticonRecord added = EmoticonRecord::fromTexts(u"Novo", u":-D");
    require(!file.append(added), "an addition succeeds");
    require(folder.read(ownList) == kept + added.toBytes(),
            "an addition goes after the last whole record");
    return 0;
}
