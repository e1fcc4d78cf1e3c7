// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue tool's dump of any file, read as either layout: the report stays short, a file
// that is mostly unreadable gives no text, any other text compiles (unless it holds no
// emoticon at all), and a dump without problems compiles back to the very bytes.

#include "CatalogueMerger.h"
#include "DataFileDumper.h"
#include "DataFileEncoder.h"
#include "EmoticonRecord.h"
#include "FuzzCheck.h"
#include "SourceParser.h"

#include <cstdint>

namespace {

void check(QByteArrayView bytes, Category::Layout layout)
{
    const DataFileDumper::Result dumped =
        DataFileDumper(layout).dump(QStringLiteral("x.bra"), bytes);
    require(dumped.problems.size() <= DataFileDumper::MaxListedProblems + 1,
            "the report lists a bounded number of problems");
    if (!dumped.text) {
        require(dumped.problems.size() == 1, "a file taken for no catalogue is told in one line");
        return;
    }
    const SourceParser::Result parsed =
        SourceParser(layout).parse(QStringLiteral("x.txt"), *dumped.text);
    require(parsed.entries.size() <= bytes.size() / EmoticonRecord::Size,
            "at most one emoticon per record");
    if (parsed.entries.isEmpty())
        require(parsed.problems.size() == 1 && parsed.problems[0].line == 0,
                "a text without emoticons is refused only for that");
    else
        require(parsed.problems.isEmpty(), "the text compiles");
    CatalogueMerger merger(layout);
    require(merger.add(parsed.entries).isEmpty(), "the text repeats no name it may not");
    if (dumped.problems.isEmpty())
        require(DataFileEncoder::encode(parsed.entries, layout) == bytes,
                "an exact dump compiles back to the same bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    check(bytes, Category::Layout::CategoryFile);
    check(bytes, Category::Layout::OwnList);
    return 0;
}
