// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Categories.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the user asked the tool to do, read from its arguments:
//   compile [--own-list] [--sort] -o OUTPUT SOURCE...
//   dump [--own-list] FILE [-o OUTPUT]
//   --help
struct CommandLine {
    enum class Command { Compile, Dump, Help };

    Command command = Command::Help;
    std::optional<Category::Layout> layout; // the layout named by --own-list, if any
    bool sort = false;
    QString output; // empty: dump to standard output
    QStringList inputs;

    // The command, or the reason the arguments (those after the program's name) make none,
    // in Portuguese.
    struct Parsed;
    static Parsed parse(const QStringList& arguments);

    static QString usage();
};

struct CommandLine::Parsed {
    std::optional<CommandLine> commandLine;
    QString error;
};
