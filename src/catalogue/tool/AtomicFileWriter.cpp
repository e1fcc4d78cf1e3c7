#include "AtomicFileWriter.h"

#include <QSaveFile>

namespace AtomicFileWriter {

std::optional<QString> write(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: não foi possível criar: %2").arg(path, file.errorString());
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit())
        return QStringLiteral("%1: não foi possível gravar: %2").arg(path, file.errorString());
    return std::nullopt;
}

} // namespace AtomicFileWriter
