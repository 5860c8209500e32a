#include "UI/OperationFactory.h"

#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDepositionOperation.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtchingOperation.h"
#include "Core/Operations/Operation.h"
#include "Core/Operations/OperationCatalogue.h"
#include "Model/Process/ProcessFactory.h"
#include "UI/MainWindow.h"
#include "UI/MainWindowPresenter.h"
#include "UI/Observers/IsotropicFilmDepositionObserver.h"
#include "UI/Observers/IsotropicFilmEtchingObserver.h"

namespace Ui {
namespace {

using namespace Core::Operations;
namespace ProcessIds = Model::Process::ProcessIds;

// Builds an operation and attaches the observer that asks for its options.
template <class OperationClass, class ObserverClass, class... Arguments>
std::shared_ptr<Operation> withObserver(MainWindowPresenter *presenter, uint32_t processId,
                                        Arguments &&...arguments)
{
    Core::Workspace &workspace = presenter->getWorkspace();
    auto operation = std::make_shared<OperationClass>(workspace, std::forward<Arguments>(arguments)...);
    operation->addObserver(std::make_shared<ObserverClass>(workspace, presenter->getMainWindow(), processId));
    return operation;
}

} // namespace

std::shared_ptr<Operation> OperationFactory::create(uint32_t id)
{
    const CatalogueEntry *entry = findCatalogueEntry(id);
    if (!entry)
        return nullptr;
    switch (id) {
    case 13:
        return withObserver<IsotropicFilmDepositionOperation, Observers::IsotropicFilmDepositionObserver>(
            presenter, ProcessIds::kIsotropicDeposition, entry->displayName);
    case 33:
        return withObserver<IsotropicFilmDepositionOperation, Observers::IsotropicFilmDepositionObserver>(
            presenter, ProcessIds::kCvd, entry->displayName);
    case 14:
        return withObserver<IsotropicFilmEtchingOperation, Observers::IsotropicFilmEtchingObserver>(
            presenter, ProcessIds::kIsotropicEtching);
    default:
        // Operations are added here as their classes are built.
        return nullptr;
    }
}

} // namespace Ui
