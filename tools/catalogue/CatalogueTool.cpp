// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogueTool.h"

#include "AtomicFileWriter.h"
#include "CatalogueMerger.h"
#include "DataFileDumper.h"
#include "DataFileEncoder.h"
#include "DataFileNames.h"
#include "NameOrder.h"
#include "SourceParser.h"
#include "SystemFile.h"

#include <QFileInfo>
#include <algorithm>
#include <filesystem>

namespace {

std::optional<QByteArray> readWholeFile(const QString& path, QString& error)
{
    QByteArray content;
    if (const std::error_code failure =
            SystemFile::readWhole(path, SystemFile::Links::Follow, content)) {
        error = FileFailure{FileFailure::Action::Read, path, failure}.message();
        return std::nullopt;
    }
    return content;
}

// The input that the output would be written over, under its own name or another (a link).
std::optional<QString> inputAtOutput(const CommandLine& commandLine)
{
    const std::filesystem::path output = QFileInfo(commandLine.output).filesystemFilePath();
    for (const QString& input : commandLine.inputs) {
        std::error_code error;
        if (std::filesystem::equivalent(QFileInfo(input).filesystemFilePath(), output, error))
            return input;
    }
    return std::nullopt;
}

// Readers of the output, the program among them, find its old content or the new, never a
// part of it.
std::optional<FileFailure> writeWholeFile(const QString& path, QByteArrayView bytes)
{
    return AtomicFileWriter(path + QStringLiteral(".tmp")).write(path, bytes);
}

// The program keeps its own list in custom.bra, and in custom.tmp while it removes an entry.
Category::Layout layoutByName(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    for (const QLatin1StringView ownList :
         {DataFileNames::OwnList, DataFileNames::OwnListTemporary})
        if (name.compare(ownList, Qt::CaseInsensitive) == 0)
            return Category::Layout::OwnList;
    return Category::Layout::CategoryFile;
}

} // namespace

CatalogueTool::CatalogueTool(QIODevice& standardOutput, QIODevice& standardError)
    : m_out(standardOutput)
    , m_err(standardError)
{
}

int CatalogueTool::run(const QStringList& arguments)
{
    const CommandLine::Parsed parsed = CommandLine::parse(arguments);
    if (!parsed.commandLine) {
        report(QStringLiteral("quillane-catalogue: ") + parsed.error);
        m_err.write(CommandLine::usage().toUtf8());
        return Misuse;
    }
    if (const std::optional<QString> input = inputAtOutput(*parsed.commandLine)) {
        report(QStringLiteral("quillane-catalogue: a saída %1 é o arquivo de entrada %2; nada foi "
                              "escrito")
                   .arg(parsed.commandLine->output, *input));
        return Misuse;
    }
    switch (parsed.commandLine->command) {
    case CommandLine::Command::Compile:
        return compile(*parsed.commandLine);
    case CommandLine::Command::Dump:
        return dump(*parsed.commandLine);
    case CommandLine::Command::Help:
        break;
    }
    m_out.write(CommandLine::usage().toUtf8());
    return Success;
}

// Every source is read and checked before anything is written, so that bad input leaves the
// output as it was.
int CatalogueTool::compile(const CommandLine& commandLine)
{
    const Category::Layout layout = commandLine.layout.value_or(Category::Layout::CategoryFile);
    const SourceParser parser(layout);
    CatalogueMerger merger(layout);
    bool failed = false;
    for (const QString& path : commandLine.inputs) {
        QString error;
        const std::optional<QByteArray> content = readWholeFile(path, error);
        if (!content) {
            report(error);
            failed = true;
            continue;
        }
        const SourceParser::Result parsed = parser.parse(path, *content);
        QList<Diagnostic> problems = parsed.problems + merger.add(parsed.entries);
        std::stable_sort(problems.begin(), problems.end(),
                         [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
        report(problems);
        failed = failed || !problems.isEmpty();
    }
    if (failed)
        return BadInput;

    QList<SourceEntry> entries = merger.entries();
    if (commandLine.sort)
        NameOrder::sort(entries);
    if (const auto failure =
            writeWholeFile(commandLine.output, DataFileEncoder::encode(entries, layout))) {
        report(failure->message());
        return BadInput;
    }
    return Success;
}

int CatalogueTool::dump(const CommandLine& commandLine)
{
    const QString& path = commandLine.inputs.first();
    QString error;
    const std::optional<QByteArray> content = readWholeFile(path, error);
    if (!content) {
        report(error);
        return BadInput;
    }
    const DataFileDumper dumper(commandLine.layout.value_or(layoutByName(path)));
    const DataFileDumper::Result dumped = dumper.dump(path, *content);
    report(dumped.problems);
    if (!dumped.text)
        return BadInput;
    if (commandLine.output.isEmpty()) {
        m_out.write(*dumped.text);
    } else if (const auto failure = writeWholeFile(commandLine.output, *dumped.text)) {
        report(failure->message());
        return BadInput;
    }
    return dumped.problems.isEmpty() ? Success : BadInput;
}

void CatalogueTool::report(const QString& message)
{
    m_err.write(message.toUtf8() + '\n');
}

void CatalogueTool::report(const QList<Diagnostic>& problems)
{
    for (const Diagnostic& problem : problems)
        report(problem.text());
}
