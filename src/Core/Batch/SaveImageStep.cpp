#include "Core/Batch/SaveImageStep.h"

#include "Core/Batch/BatchContext.h"
#include "Core/Batch/BatchResult.h"
#include "Core/Batch/StepParameters.h"

namespace Core::Batch {

int runSaveImageStep(const Ui::ProcessData &entry, BatchContext &context)
{
    StepParameters p(entry);
    const QString filename = p.toText(QStringLiteral("Filename"));
    if (const int code = p.resultCode())
        return code;
    context.saveImage(filename);
    return Success;
}

} // namespace Core::Batch
