// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

// Category files as the program reads them: the list (one entry per whole record after the
// leading block, floor((L - 1000) / 50) of them), each entry's record read again by its index,
// and the texts that are shown and copied.

#include "CatalogueStore.h"
#include "FieldBytes.h"
#include "FuzzCheck.h"
#include "FuzzFolder.h"
#include "ListEntries.h"
#include "Windows1252.h"

#include <cstdint>

using namespace FieldBytes;

namespace {

QString listEntry(QByteArrayView nameField)
{
    if (const auto name = categoryText(nameField))
        return Windows1252::decode(*name).leftJustified(NameWidth, u' ');
    return Windows1252::decode(nameField);
}

EmoticonTexts shownTexts(QByteArrayView record)
{
    return {Windows1252::decode(categoryText(record.first(NameWidth)).value_or(QByteArray())),
            Windows1252::decode(categoryText(record.sliced(NameWidth)).value_or(QByteArray()))};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FuzzFolder folder;
    const QByteArrayView bytes(data, qsizetype(size));
    folder.write(QStringLiteral("all.bra"), bytes);
    CatalogueStore store(folder.path());
    const ListSource source{Category::Layout::CategoryFile, store.pathOf(u"all.bra")};

    const ReadResult read = store.readRecords(source);
    require(!read.failure, "a file that is there is read");
    const ListEntries entries(read.bytes, source.layout);
    const qsizetype count =
        bytes.size() < LeadingBlockSize ? 0 : (bytes.size() - LeadingBlockSize) / RecordSize;
    require(entries.count() == count, "one entry per whole record after the leading block");
    for (qsizetype k = 0; k < count; ++k) {
        const QByteArrayView record = bytes.sliced(LeadingBlockSize + RecordSize * k, RecordSize);
        const QString entry = entries.entry(int(k));
        require(entry == listEntry(record.first(NameWidth)),
                "an entry is its name cut at the terminator, or the raw field");
        const int found = entries.firstBeginningWith(entry);
        require(found >= 0 && found <= k &&
                    entries.entry(found).startsWith(entry, Qt::CaseInsensitive),
                "the search finds the first entry that begins with an entry, whatever its case");
        const std::optional<EmoticonRecord> again = store.readRecord(source, k);
        require(again && again->toBytes() == record, "an entry's record is read at its offset");
        require(store.readShownTexts(source, k) == shownTexts(record),
                "the texts shown are the fields cut at their terminators, or nothing");
    }
    require(!store.readRecord(source, count), "no record past the last whole one");
    return 0;
}
