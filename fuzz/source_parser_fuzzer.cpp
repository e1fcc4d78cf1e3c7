// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue tool's reading of a text source, for both layouts: every emoticon it takes
// passes the field rules, a source without one is reported, and what compiles dumps back to
// the same emoticons, line for line, and compiles again to the same bytes.

#include "CatalogueMerger.h"
#include "DataFileDumper.h"
#include "DataFileEncoder.h"
#include "FuzzCheck.h"
#include "SourceParser.h"

#include <cstdint>

namespace {

QByteArray sourceLines(const QList<SourceEntry>& entries)
{
    QByteArray text;
    for (const SourceEntry& entry : entries)
        text += (entry.name + u'\t' + entry.representation + u'\n').toUtf8();
    return text;
}

void check(QByteArrayView source, Category::Layout layout)
{
    const SourceParser::Result parsed =
        SourceParser(layout).parse(QStringLiteral("fonte.txt"), source);
    require(!parsed.entries.isEmpty() || !parsed.problems.isEmpty(),
            "a source without an emoticon is reported");
    const FieldRules rules(layout);
    for (const SourceEntry& entry : parsed.entries)
        require(!rules.problemWith(entry.name, FieldRules::Field::Name) &&
                    !rules.problemWith(entry.representation, FieldRules::Field::Representation),
                "every emoticon taken passes the field rules");

    CatalogueMerger merger(layout);
    if (!parsed.problems.isEmpty() || !merger.add(parsed.entries).isEmpty())
        return; // refused, as compile refuses it
    const QByteArray compiled = DataFileEncoder::encode(merger.entries(), layout);
    const DataFileDumper::Result dumped =
        DataFileDumper(layout).dump(QStringLiteral("x.bra"), compiled);
    require(dumped.problems.isEmpty(), "a compiled file dumps exactly");
    require(dumped.text == sourceLines(merger.entries()),
            "the dump gives the source's emoticons back, line for line");
    const SourceParser::Result again =
        SourceParser(layout).parse(QStringLiteral("dump.txt"), *dumped.text);
    require(again.problems.isEmpty() && DataFileEncoder::encode(again.entries, layout) == compiled,
            "the dump compiles again to the same bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView source(data, qsizetype(size));
    check(source, Category::Layout::CategoryFile);
    check(source, Category::Layout::OwnList);
    return 0;
}
