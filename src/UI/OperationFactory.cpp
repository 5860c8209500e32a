#include "UI/OperationFactory.h"

#include "Core/Operations/CreateSubstrate/CreateSubstrateOperation.h"
#include "Core/Operations/Documents/OpenDocumentOperation.h"
#include "Core/Operations/Documents/SaveDocumentAsOperation.h"
#include "Core/Operations/Documents/SaveDocumentOperation.h"
#include "Core/Operations/OperationCatalogue.h"
#include "Core/Operations/SelectVolumes/SelectVolumesOperation.h"
#include "UI/MainWindow.h"
#include "UI/MainWindowPresenter.h"
#include "UI/Observers/BatchRunObserver.h"
#include "UI/Observers/CreateSubstrateObserver.h"
#include "UI/Observers/DocumentOpenedObserver.h"
#include "UI/Observers/DocumentSavedObserver.h"
#include "UI/Observers/MaterialConflictObserver.h"

namespace Ui {
namespace {

template <class OperationClass>
std::shared_ptr<Core::Operations::Operation> withObserver(std::shared_ptr<OperationClass> operation,
                                                          std::shared_ptr<Util::IObserver> observer)
{
    operation->addObserver(std::move(observer));
    return operation;
}

} // namespace

std::shared_ptr<Core::Operations::Operation> OperationFactory::create(uint32_t id)
{
    const Core::Operations::CatalogueEntry *entry = Core::Operations::findCatalogueEntry(id);
    if (!entry)
        return nullptr;
    Core::Workspace &workspace = presenter->getWorkspace();
    QWidget *window = presenter->getMainWindow();
    switch (id) {
    case 2:
        return withObserver(std::make_shared<Core::Operations::CreateSubstrateOperation>(workspace),
                            std::make_shared<Observers::CreateSubstrateObserver>(workspace, window));
    case 9:
        return withObserver(std::make_shared<Core::Operations::SaveDocumentOperation>(workspace),
                            std::make_shared<Observers::DocumentSavedObserver>(workspace, window));
    case 10:
        return withObserver(std::make_shared<Core::Operations::SaveDocumentAsOperation>(workspace),
                            std::make_shared<Observers::DocumentSavedObserver>(workspace, window));
    case 11: {
        auto open = std::make_shared<Core::Operations::OpenDocumentOperation>(workspace);
        open->setConflictResolver(std::make_shared<Observers::MaterialConflictObserver>(window));
        return withObserver(open, std::make_shared<Observers::DocumentOpenedObserver>(workspace, window));
    }
    case 24:
        return withObserver(std::make_shared<Core::Operations::SelectVolumesOperation>(workspace),
                            std::make_shared<Observers::BatchRunObserver>(*presenter));
    default:
        // Catalogue operations whose classes are not built yet create nothing.
        return nullptr;
    }
}

} // namespace Ui
