#include "Model/Catalogues.h"

#include "Model/Materials/MaterialFactory.h"
#include "Model/Process/ProcessFactory.h"

namespace Model {

void initializeCatalogues()
{
    Materials::MaterialFactory::instance()->initialize();
    Process::ProcessFactory::instance()->initialize();
}

} // namespace Model
