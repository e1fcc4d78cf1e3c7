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

    std::optional<FileFailure> write(const QString& path, QByteArrayView bytes) const;

    // The steps of a replacement that can fail once the temporary file exists.
    enum class Step { Write, Flush, Rename };

    // Stands in for a failing disk in the tests: while one lives, every replacement fails at
    // its step with its error, as the system would report it; a failing write stops halfway.
    class SimulatedFault {
    public:
        SimulatedFault(Step step, std::errc error);
        ~SimulatedFault();
        SimulatedFault(const SimulatedFault&) = delete;
        SimulatedFault& operator=(const SimulatedFault&) = delete;
    };

private:
    std::optional<FileFailure> replace(const QString& path, QByteArrayView bytes) const;

    QString m_temporaryPath;
};
