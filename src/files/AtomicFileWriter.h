// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FileFailure.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

// Replaces a file whole or not at all. The new bytes go to a temporary file beside it (a
// stale one, left by an interrupted run, is deleted first), which is flushed to disk and then
// renamed over the file in one step: a reader finds the old content or the new, never a part
// of it or nothing. After a failure the file is as it was and the temporary file is gone.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(QString temporaryPath);

    // The new file keeps the rights of the file at rightsOf (by default the replaced one), so
    // that a private file stays private.
    std::optional<FileFailure> write(const QString& path, QByteArrayView bytes) const
    {
        return write(path, bytes, path);
    }
    std::optional<FileFailure> write(const QString& path, QByteArrayView bytes,
                                     const QString& rightsOf) const;

private:
    std::optional<FileFailure> replace(const QString& path, QByteArrayView bytes,
                                       const QString& rightsOf) const;

    QString m_temporaryPath;
};
