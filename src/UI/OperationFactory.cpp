#include "UI/OperationFactory.h"

#include "Core/Operations/CreateSubstrate/CreateSubstrateOperation.h"
#include "Core/Operations/OperationCatalogue.h"
#include "UI/MainWindow.h"
#include "UI/MainWindowPresenter.h"
#include "UI/Observers/CreateSubstrateObserver.h"

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
    default:
        // Catalogue operations whose classes are not built yet create nothing.
        return nullptr;
    }
}

} // namespace Ui
