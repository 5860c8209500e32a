#pragma once

#include <QSaveFile>
#include <QString>
#include <QTextStream>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace Model::Export {

// Writes a file through a temporary file beside it that replaces the target only when every
// byte was written (QSaveFile): a failure leaves no half-written file, and an existing file
// stays as it was. Small writes are gathered in a buffer, so writers may go value by value.
class SafeFileWriter {
public:
    explicit SafeFileWriter(const QString &path);
    SafeFileWriter(const SafeFileWriter &) = delete;
    SafeFileWriter &operator=(const SafeFileWriter &) = delete;

    // False, with the reason in error(), when the temporary file cannot be created.
    bool open();
    void write(const void *data, size_t bytes);
    void write(const QByteArray &text) { write(text.constData(), size_t(text.size())); }
    // Writes what is buffered and renames the temporary file onto the target. False, with the
    // reason, when any write failed; the temporary file is then removed.
    bool commit();

    // Gives up: nothing will be written, commit() fails with this reason.
    void abandon(const QString &reason) { fail(reason); }
    // Bytes handed to write() so far.
    uint64_t written() const { return total; }

    // "<path>: <reason>" of the first failure.
    const QString &error() const { return failure; }

private:
    void flushBuffer();
    void fail(const QString &reason);

    QSaveFile file;
    std::vector<char> buffer;
    size_t used = 0;
    uint64_t total = 0;
    QString failure;
};

// Writes a text file the same safe way: `writeText` fills the stream. False, with the file's
// reason in `reason`, when the file could not be created or written.
bool writeTextFileSafely(const QString &path, const std::function<void(QTextStream &)> &writeText,
                         QString &reason);

} // namespace Model::Export
