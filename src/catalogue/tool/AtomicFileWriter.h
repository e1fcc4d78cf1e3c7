#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// Writes a whole file so that it is never seen half-written: the bytes go to a temporary file
// in the same folder, which replaces the target by a rename once it is complete and flushed.
// On any failure the target keeps its previous content (or stays missing).
namespace AtomicFileWriter {

// Why the file could not be written, in Portuguese; nothing on success.
std::optional<QString> write(const QString& path, QByteArrayView bytes);

} // namespace AtomicFileWriter
