#include "Model/Export/SafeFileWriter.h"

#include <cstring>

namespace Model::Export {
namespace {

constexpr size_t kBufferBytes = size_t(1) << 20;

} // namespace

SafeFileWriter::SafeFileWriter(const QString &path) : file(path), buffer(kBufferBytes) {}

bool SafeFileWriter::open()
{
    if (!file.open(QIODevice::WriteOnly)) {
        fail(file.errorString());
        return false;
    }
    return true;
}

void SafeFileWriter::write(const void *data, size_t bytes)
{
    if (!failure.isEmpty())
        return;
    const char *source = static_cast<const char *>(data);
    total += bytes;
    while (bytes > 0) {
        if (used == buffer.size()) {
            flushBuffer();
            if (!failure.isEmpty())
                return;
        }
        const size_t part = std::min(bytes, buffer.size() - used);
        std::memcpy(buffer.data() + used, source, part);
        used += part;
        source += part;
        bytes -= part;
    }
}

void SafeFileWriter::flushBuffer()
{
    if (used == 0 || !failure.isEmpty())
        return;
    if (file.write(buffer.data(), qint64(used)) != qint64(used))
        fail(file.errorString());
    used = 0;
}

bool SafeFileWriter::commit()
{
    flushBuffer();
    if (!failure.isEmpty()) {
        if (file.isOpen()) {
            file.cancelWriting();
            file.commit(); // removes the temporary file
        }
        return false;
    }
    if (!file.commit()) {
        fail(file.errorString());
        return false;
    }
    return true;
}

void SafeFileWriter::fail(const QString &reason)
{
    if (failure.isEmpty())
        failure = QStringLiteral("%1: %2").arg(file.fileName(), reason);
}

bool writeTextFileSafely(const QString &path, const std::function<void(QTextStream &)> &writeText,
                         QString &reason)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        QTextStream stream(&file);
        writeText(stream);
        stream.flush();
        if (stream.status() == QTextStream::Ok && file.commit())
            return true;
    }
    reason = file.errorString();
    return false;
}

} // namespace Model::Export
