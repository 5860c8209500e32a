#include "UI/Operations/MaterialOffer.h"

#include "Model/Materials/MaterialFactory.h"
#include "Model/Process/ProcessFactory.h"

namespace Ui::Operations {

using Model::Materials::Material;

std::vector<Material> MaterialOffer::materials() const
{
    const auto catalogue = Model::Materials::MaterialFactory::instance();
    if (!processId)
        return catalogue->getMaterials();
    std::vector<Material> offered;
    for (uint32_t id :
         Model::Process::ProcessFactory::instance()->getProcess(*processId).getCompatibleMaterials()) {
        const Material material = catalogue->getMaterialById(id);
        if (material.getId() != 0)
            offered.push_back(material);
    }
    return offered;
}

} // namespace Ui::Operations
