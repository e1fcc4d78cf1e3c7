// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SourceParser.h"

#include <QStringDecoder>

namespace {

// Blank lines and comment lines may be indented with blanks or tabs.
QStringView withoutIndent(QStringView line)
{
    qsizetype start = 0;
    while (start < line.size() && (line[start] == u' ' || line[start] == u'\t'))
        ++start;
    return line.sliced(start);
}

// Editors on Windows may save CRLF line ends, and a byte order mark before the first line.
QByteArrayView withoutLineEnd(QByteArrayView line)
{
    return line.endsWith('\r') ? line.chopped(1) : line;
}

std::optional<QString> decodeUtf8(QByteArrayView line, bool firstLine)
{
    using Flag = QStringConverter::Flag;
    // Only the first line may start with a byte order mark; later ones keep it as a character.
    const QStringConverter::Flags flags =
        firstLine ? Flag::Stateless : Flag::Stateless | Flag::ConvertInitialBom;
    QStringDecoder decoder(QStringConverter::Utf8, flags);
    QString text = decoder.decode(line);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

SourceParser::SourceParser(Category::Layout layout)
    : m_rules(layout)
{
}

SourceParser::Result SourceParser::parse(const QString& fileName, QByteArrayView content) const
{
    Result result;
    int lineNumber = 0;
    for (qsizetype start = 0; start < content.size();) {
        qsizetype end = content.indexOf('\n', start);
        if (end < 0)
            end = content.size();
        ++lineNumber;
        const QByteArrayView bytes = withoutLineEnd(content.sliced(start, end - start));
        // Some editors save an accented letter decomposed, as the letter and then its accent;
        // the data files hold letters composed.
        if (const std::optional<QString> line = decodeUtf8(bytes, lineNumber == 1))
            parseLine(line->normalized(QString::NormalizationForm_C),
                      {{}, {}, fileName, lineNumber}, result);
        else
            result.problems.append({fileName, lineNumber, QStringLiteral("texto que não é UTF-8")});
        start = end + 1;
    }
    if (result.entries.isEmpty() && result.problems.isEmpty())
        result.problems.append(
            {fileName, 0,
             QStringLiteral("nenhum emoticon: a fonte está vazia ou só tem comentários")});
    return result;
}

// place: the file and line, to be completed into the line's entry.
void SourceParser::parseLine(QStringView line, SourceEntry place, Result& result) const
{
    const QStringView content = withoutIndent(line);
    if (content.isEmpty() || content.startsWith(u'#'))
        return;
    const auto report = [&](const QString& message) {
        result.problems.append({place.file, place.line, message});
    };
    const qsizetype tabs = line.count(u'\t');
    if (tabs != 1) {
        report(tabs == 0 ? QStringLiteral("linha sem o TAB entre o nome e a representação")
                         : QStringLiteral("linha com %1 TABs; use um só, entre o nome e a "
                                          "representação")
                               .arg(tabs));
        return;
    }
    const qsizetype tab = line.indexOf(u'\t');
    place.name = line.first(tab).toString();
    place.representation = line.sliced(tab + 1).toString();
    bool valid = true;
    for (const auto& [field, text] :
         {std::pair{FieldRules::Field::Name, &place.name},
          std::pair{FieldRules::Field::Representation, &place.representation}}) {
        if (const std::optional<QString> problem = m_rules.problemWith(*text, field)) {
            report(*problem);
            valid = false;
        }
    }
    if (valid)
        result.entries.append(place);
}
