#include "Core/Workspace/ScratchFiles.h"

#include <QDebug>
#include <QDir>
#include <QFile>

#include <ctime>
#include <random>

namespace Core {
namespace {

// Draws are bounded so an unwritable working directory cannot hang start-up; the temporary
// folder is the fallback.
constexpr int kAttemptsPerFolder = 200;

bool createEmpty(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite | QIODevice::Truncate);
}

} // namespace

ScratchFiles::ScratchFiles()
{
    std::minstd_rand random(unsigned(std::time(nullptr)));
    std::uniform_int_distribution<unsigned> draw(0, 2147483646u);
    for (const QString &folder : {QDir::currentPath(), QDir::tempPath()}) {
        for (int attempt = 0; attempt < kAttemptsPerFolder; ++attempt) {
            if (tryCreateIn(folder, draw(random)))
                return;
        }
    }
    qDebug() << "Core/Workspace/scratchfiles: could not create the undo and redo files; undo of cell changes "
                "is off";
}

ScratchFiles::~ScratchFiles()
{
    if (!redoPath.isEmpty())
        QFile::remove(redoPath);
    if (!undoPath.isEmpty())
        QFile::remove(undoPath);
}

bool ScratchFiles::tryCreateIn(const QString &folder, unsigned number)
{
    const QDir dir(folder);
    const QString redo = dir.filePath(QStringLiteral("redo%1.temp").arg(number));
    const QString undo = dir.filePath(QStringLiteral("undo%1.temp").arg(number));
    if (QFile::exists(redo) || QFile::exists(undo))
        return false;
    if (createEmpty(redo) && createEmpty(undo)) {
        redoPath = redo;
        undoPath = undo;
        return true;
    }
    QFile::remove(redo);
    QFile::remove(undo);
    return false;
}

} // namespace Core
