// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Diagnostic.h"
#include "FieldRules.h"
#include "SourceEntry.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

// Reads one catalogue source: UTF-8 text, one "NAME<TAB>REPRESENTATION" per line, with
// comment lines (starting with '#') and blank lines ignored. Every field is checked against
// the rules of the layout it is compiled into; a bad line is reported with its number and
// gives no entry. A source without any entry is reported too: an empty data file written from
// it would only hide the mistake.
class SourceParser {
public:
    struct Result {
        QList<SourceEntry> entries;
        QList<Diagnostic> problems;
    };

    explicit SourceParser(Category::Layout layout);

    Result parse(const QString& fileName, QByteArrayView content) const;

private:
    void parseLine(QStringView line, SourceEntry place, Result& result) const;

    FieldRules m_rules;
};
