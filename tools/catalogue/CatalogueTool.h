// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CommandLine.h"
#include "Diagnostic.h"

#include <QIODevice>
#include <QList>
#include <QStringList>

// The catalogue tool's commands: compile text sources into a data file, and dump a data file
// back into text. Messages go to the error device in Portuguese; the exit status says how it
// went.
class CatalogueTool {
public:
    enum ExitStatus { Success = 0, BadInput = 1, Misuse = 2 };

    CatalogueTool(QIODevice& standardOutput, QIODevice& standardError);

    // arguments: those after the program's name.
    int run(const QStringList& arguments);

private:
    int compile(const CommandLine& commandLine);
    int dump(const CommandLine& commandLine);
    void report(const QString& message);
    void report(const QList<Diagnostic>& problems);

    QIODevice& m_out;
    QIODevice& m_err;
};
