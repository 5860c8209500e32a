#pragma once

#include "Model/Materials/Material.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace Ui::Operations {

// Which materials the material boxes of an options dialog offer. From the menus a process
// offers its compatible materials (those it may act on); the batch dialog offers every material
// of the catalogue, because a process list is written for volumes that do not exist yet.
class MaterialOffer {
public:
    static MaterialOffer compatibleWith(uint32_t processId) { return MaterialOffer(processId); }
    static MaterialOffer wholeCatalogue() { return MaterialOffer(std::nullopt); }

    // The offered materials the catalogue knows: the process's in its order, or the whole
    // catalogue in ascending id order.
    std::vector<Model::Materials::Material> materials() const;

private:
    explicit MaterialOffer(std::optional<uint32_t> processId) : processId(processId) {}

    std::optional<uint32_t> processId;
};

} // namespace Ui::Operations
