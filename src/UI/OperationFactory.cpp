#include "UI/OperationFactory.h"

#include "Core/Operations/Operation.h"
#include "Core/Operations/OperationCatalogue.h"
#include "UI/MainWindowPresenter.h"

namespace Ui {

std::shared_ptr<Core::Operations::Operation> OperationFactory::create(uint32_t id)
{
    const Core::Operations::CatalogueEntry *entry = Core::Operations::findCatalogueEntry(id);
    if (!entry)
        return nullptr;
    // Operations are added here as their classes are built.
    return nullptr;
}

} // namespace Ui
