#include "Model/Catalogues.h"

#include "Model/Materials/MaterialFactory.h"

namespace Model {

void initializeCatalogues()
{
    Materials::MaterialFactory::instance()->initialize();
}

} // namespace Model
