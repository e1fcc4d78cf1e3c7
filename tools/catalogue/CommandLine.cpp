// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

namespace {

CommandLine::Parsed misuse(const QString& error)
{
    return {std::nullopt, error};
}

} // namespace

CommandLine::Parsed CommandLine::parse(const QStringList& arguments)
{
    CommandLine line;
    if (arguments.isEmpty())
        return misuse(QStringLiteral("falta o comando"));
    const QString& command = arguments.first();
    if (command == u"--help" || command == u"-h")
        return {line, {}};
    if (command == u"compile")
        line.command = Command::Compile;
    else if (command == u"dump")
        line.command = Command::Dump;
    else
        return misuse(QStringLiteral("comando desconhecido: %1").arg(command));

    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(u'-')) {
            line.inputs.append(argument);
        } else if (argument == u"--") {
            optionsEnded = true;
        } else if (argument == u"--own-list") {
            line.layout = Category::Layout::OwnList;
        } else if (argument == u"--sort" && line.command == Command::Compile) {
            line.sort = true;
        } else if (argument == u"-o" || argument == u"--output") {
            if (++i == arguments.size() || !line.output.isEmpty())
                return misuse(QStringLiteral("%1 pede um só arquivo de saída").arg(argument));
            line.output = arguments[i];
        } else {
            return misuse(QStringLiteral("opção desconhecida em %1: %2").arg(command, argument));
        }
    }

    // A source named twice is read once, not taken for a file that repeats its own names.
    line.inputs.removeDuplicates();
    if (line.command == Command::Compile && line.output.isEmpty())
        return misuse(QStringLiteral("compile pede o arquivo de saída: -o SAÍDA"));
    if (line.command == Command::Compile && line.inputs.isEmpty())
        return misuse(QStringLiteral("compile pede ao menos um arquivo-fonte"));
    if (line.command == Command::Dump && line.inputs.size() != 1)
        return misuse(QStringLiteral("dump pede exatamente um arquivo .bra"));
    return {line, {}};
}

QString CommandLine::usage()
{
    return QStringLiteral(
        "uso: quillane-catalogue compile [--own-list] [--sort] -o SAÍDA FONTE...\n"
        "     quillane-catalogue dump [--own-list] ARQUIVO [-o SAÍDA]\n"
        "\n"
        "compile  compila fontes de texto (NOME<TAB>REPRESENTAÇÃO por linha, UTF-8) num\n"
        "         arquivo .bra; várias fontes são reunidas.\n"
        "dump     converte um arquivo .bra de volta no texto-fonte (saída padrão ou -o).\n"
        "\n"
        "--own-list  formato da lista própria (custom.bra): sem bloco inicial e sem «æ»;\n"
        "            no dump, custom.bra e custom.tmp o usam sem precisar da opção.\n"
        "--sort      ordena pelo nome, sem distinguir maiúsculas nem acentos.\n"
        "-o SAÍDA    arquivo gravado (sempre por inteiro, ou não gravado).\n"
        "\n"
        "Saída 0: tudo certo; 1: erro nos dados (ou dump inexato); 2: uso incorreto.\n");
}
