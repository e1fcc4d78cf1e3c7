// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataFileDumper.h"

#include "DataFileEncoder.h"
#include "EmoticonRecord.h"
#include "LeadingBlock.h"
#include "NameOrder.h"
#include "RecordLayout.h"

#include <QHash>
#include <QList>

namespace {

using Field = FieldRules::Field;

// A text for a comment line: control characters, which would break the line or hide in it,
// are spelt out.
QString visible(QStringView text)
{
    QString shown;
    for (const char32_t codePoint : text.toUcs4()) {
        if (codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F))
            shown += u'<' + FieldRules::codePointName(codePoint) + u'>';
        else
            shown += QString::fromUcs4(&codePoint, 1);
    }
    return shown;
}

// What differs between a record and the one its texts compile to.
QString whatIsLost(const EmoticonRecord& stored, const EmoticonRecord& compiled)
{
    QStringList losses;
    for (const auto& [field, storedField, compiledField] :
         {std::tuple{Field::Name, &stored.nameField, &compiled.nameField},
          std::tuple{Field::Representation, &stored.representationField,
                     &compiled.representationField}}) {
        if (storedField->startsWith(u' '))
            losses += FieldRules::label(field) + QStringLiteral(": espaços antes do texto");
        if (trimBlanks(*storedField) != trimBlanks(*compiledField))
            losses += FieldRules::label(field) + QStringLiteral(": caracteres depois do «æ»");
    }
    return losses.join(QStringLiteral("; "));
}

} // namespace

struct DataFileDumper::FieldReading {
    QString text; // as the program reads it; the trimmed raw field when it has no text
    std::optional<QString> problem; // why it cannot stand in a source line
};

// The text form and the reports of one file, as they grow. Reports beyond the listed ones are
// only counted; each of them has its comment in the text all the same.
struct DataFileDumper::Output {
    QString fileName;
    QByteArray text;
    QList<Diagnostic> problems;
    qsizetype unlisted = 0;

    void line(const QString& line) { text += line.toUtf8() + '\n'; }
    void report(const QString& message)
    {
        if (problems.size() < MaxListedProblems)
            problems.append({fileName, 0, message});
        else
            ++unlisted;
    }
};

DataFileDumper::DataFileDumper(Category::Layout layout)
    : m_layout(layout)
    , m_rules(layout)
{
}

DataFileDumper::Result DataFileDumper::dump(const QString& fileName, QByteArrayView bytes) const
{
    Output out{fileName, {}, {}};
    qsizetype recordsStart = 0;
    if (m_layout == Category::Layout::CategoryFile) {
        recordsStart = std::min<qsizetype>(bytes.size(), RecordLayout::LeadingBlockSize);
        checkLeadingBlock(bytes, out);
    }
    const QByteArrayView records = bytes.sliced(recordsStart);
    const qsizetype count = records.size() / EmoticonRecord::Size;
    QHash<QString, qsizetype> numberByName;
    qsizetype omitted = 0;
    for (qsizetype index = 0; index < count; ++index) {
        const qsizetype offset = index * EmoticonRecord::Size;
        if (!dumpRecord(records.sliced(offset, EmoticonRecord::Size), index + 1,
                        recordsStart + offset, numberByName, out))
            ++omitted;
    }
    if (omitted > MaxListedProblems && omitted * 2 > count)
        return {std::nullopt,
                {{fileName, 0,
                  QStringLiteral("não parece um arquivo de emoticons: %1 dos %2 registros não "
                                 "têm um texto que o programa mostre; nada foi escrito")
                      .arg(omitted)
                      .arg(count)}}};
    if (const qsizetype rest = records.size() % EmoticonRecord::Size) {
        const QString message =
            QStringLiteral("sobram %1 bytes depois do último registro, menos que um registro; "
                           "ficam fora do texto")
                .arg(rest);
        out.report(message);
        out.line(QStringLiteral("# ") + message);
    }
    if (out.unlisted > 0)
        out.problems.append({fileName, 0,
                             QStringLiteral("e mais %1 problemas, cada um num comentário do texto")
                                 .arg(out.unlisted)});
    return {out.text, out.problems};
}

void DataFileDumper::checkLeadingBlock(QByteArrayView bytes, Output& out) const
{
    QString message;
    if (bytes.size() < RecordLayout::LeadingBlockSize)
        message = QStringLiteral("arquivo de %1 bytes, menor que o bloco inicial de %2 bytes")
                      .arg(bytes.size())
                      .arg(RecordLayout::LeadingBlockSize);
    else if (bytes.first(RecordLayout::LeadingBlockSize) !=
             LeadingBlock::forRecordCount(RecordLayout::categoryRecordCount(bytes.size())))
        message = QStringLiteral("bloco inicial (bytes 0 a 999) diferente do que esta ferramenta "
                                 "grava; compilar o texto gera o bloco da ferramenta");
    if (!message.isEmpty()) {
        out.report(message);
        out.line(QStringLiteral("# ") + message);
    }
}

bool DataFileDumper::dumpRecord(QByteArrayView bytes, qsizetype number, qsizetype offset,
                                QHash<QString, qsizetype>& numberByName, Output& out) const
{
    const EmoticonRecord record = EmoticonRecord::fromBytes(bytes);
    const FieldReading name = readField(record.nameField, Field::Name);
    const FieldReading representation =
        readField(record.representationField, Field::Representation);
    const QString where = QStringLiteral("registro %1 (byte %2)").arg(number).arg(offset);

    std::optional<QString> omission = name.problem ? name.problem : representation.problem;
    if (!omission && m_layout == Category::Layout::CategoryFile) {
        const QString key = NameOrder::foldKey(name.text);
        if (const auto earlier = numberByName.constFind(key); earlier != numberByName.cend())
            omission = QStringLiteral("nome já usado no registro %1").arg(*earlier);
        else
            numberByName.insert(key, number);
    }
    if (omission) {
        out.report(
            QStringLiteral("%1: %2; fica só como comentário no texto").arg(where, *omission));
        out.line(QStringLiteral("# %1 omitido: %2 | nome: «%3» | representação: «%4»")
                     .arg(where, *omission, visible(name.text), visible(representation.text)));
        return false;
    }
    const QByteArray compiled =
        DataFileEncoder::encodeRecord(name.text, representation.text, m_layout);
    if (compiled != bytes) {
        const QString loss = whatIsLost(record, EmoticonRecord::fromBytes(compiled));
        out.report(
            QStringLiteral("%1: %2; no texto fica como o programa o mostra").arg(where, loss));
        out.line(QStringLiteral("# %1: %2").arg(where, loss));
    }
    out.line(name.text + u'\t' + representation.text);
    return true;
}

DataFileDumper::FieldReading DataFileDumper::readField(QStringView field, Field which) const
{
    FieldReading reading;
    if (m_layout == Category::Layout::CategoryFile) {
        const std::optional<QString> text = categoryFieldText(field);
        if (!text)
            return {trimBlanks(field).toString(),
                    FieldRules::label(which) + QStringLiteral(" sem o terminador «æ»")};
        if (text->endsWith(u' '))
            return {*text, FieldRules::label(which) + QStringLiteral(" com espaço antes do «æ»")};
        reading.text = *text;
    } else {
        reading.text = trimBlanks(field).toString();
    }
    reading.problem = m_rules.problemWith(reading.text, which);
    if (!reading.problem && which == Field::Name && reading.text.startsWith(u'#'))
        reading.problem = QStringLiteral("nome começa com «#», que no texto abre um comentário");
    return reading;
}
