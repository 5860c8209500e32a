#include "UI/OperationFactory.h"

#include "Core/Operations/CreateSubstrate/CreateSubstrateOperation.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDepositionOperation.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtchingOperation.h"
#include "Core/Operations/Operation.h"
#include "Core/Operations/OperationCatalogue.h"
#include "Model/Process/ProcessFactory.h"
#include "UI/MainWindow.h"
#include "UI/MainWindowPresenter.h"
#include "UI/Observers/CreateSubstrateObserver.h"
#include "UI/Observers/IsotropicFilmDepositionObserver.h"
#include "UI/Observers/IsotropicFilmEtchingObserver.h"

namespace Ui {
namespace {

using namespace Core::Operations;
namespace ProcessIds = Model::Process::ProcessIds;

std::shared_ptr<Operation> withObserver(std::shared_ptr<Operation> operation, std::shared_ptr<Util::IObserver> observer)
{
    operation->addObserver(std::move(observer));
    return operation;
}

// A process operation whose observer offers the compatible materials of `processId`.
template <class OperationClass, class ObserverClass, class... Arguments>
std::shared_ptr<Operation> processWithObserver(MainWindowPresenter *presenter, uint32_t processId,
                                               Arguments &&...arguments)
{
    Core::Workspace &workspace = presenter->getWorkspace();
    return withObserver(std::make_shared<OperationClass>(workspace, std::forward<Arguments>(arguments)...),
                        std::make_shared<ObserverClass>(workspace, presenter->getMainWindow(), processId));
}

} // namespace

std::shared_ptr<Operation> OperationFactory::create(uint32_t id)
{
    const CatalogueEntry *entry = findCatalogueEntry(id);
    if (!entry)
        return nullptr;
    Core::Workspace &workspace = presenter->getWorkspace();
    switch (id) {
    case 2:
        return withObserver(std::make_shared<CreateSubstrateOperation>(workspace),
                            std::make_shared<Observers::CreateSubstrateObserver>(workspace, presenter->getMainWindow()));
    case 13:
        return processWithObserver<IsotropicFilmDepositionOperation, Observers::IsotropicFilmDepositionObserver>(
            presenter, ProcessIds::kIsotropicDeposition, entry->displayName);
    case 33:
        return processWithObserver<IsotropicFilmDepositionOperation, Observers::IsotropicFilmDepositionObserver>(
            presenter, ProcessIds::kCvd, entry->displayName);
    case 14:
        return processWithObserver<IsotropicFilmEtchingOperation, Observers::IsotropicFilmEtchingObserver>(
            presenter, ProcessIds::kIsotropicEtching);
    default:
        // Catalogue operations whose classes are not built yet create nothing.
        return nullptr;
    }
}

} // namespace Ui
