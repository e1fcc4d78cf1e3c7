// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QTemporaryDir>
#include <optional>

// A scratch data folder for the targets that read through real files, as the program does.
// It lies on a RAM disk where there is one, so that a run measures the readers and not the
// disk (a removal forces its file onto the disk).
class FuzzFolder {
public:
    FuzzFolder();

    QString path() const { return m_folder.path(); }
    QString filePath(const QString& name) const { return m_folder.filePath(name); }

    // Replaces the file's content; a failure stops the run, since every check after it would
    // be about the wrong file.
    void write(const QString& name, QByteArrayView bytes) const;
    std::optional<QByteArray> read(const QString& name) const;

private:
    QTemporaryDir m_folder;
};
