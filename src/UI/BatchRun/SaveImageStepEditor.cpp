#include "UI/BatchRun/SaveImageStepEditor.h"

#include "Core/Batch/ProcessEntries.h"
#include "UI/Input/SaveFileName.h"

#include <QDir>

namespace Ui::BatchRun {

std::optional<Ui::ProcessData> SaveImageStepEditor::edit(QWidget *parent, const Ui::ProcessData *current)
{
    QString start = QDir::homePath();
    if (current && current->hasProcessParameter(QStringLiteral("Filename")))
        start = current->getProcessParameter(QStringLiteral("Filename")).toString();
    const QString filename =
        Input::SaveFileName::ask(parent, QStringLiteral("Save Image"), start,
                                 QStringLiteral("Images (*.png *.xpm *.jpg)"), QStringLiteral("png"));
    if (filename.isEmpty())
        return std::nullopt;
    return Core::Batch::ProcessEntries::saveImage(filename);
}

} // namespace Ui::BatchRun
