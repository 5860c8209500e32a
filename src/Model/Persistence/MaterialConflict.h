#pragma once

#include "Model/Materials/Material.h"

#include <cstdint>
#include <optional>

namespace Model::Persistence {

// How the user settles a loaded material whose id is taken by a catalogue material of
// another name.
struct MaterialConflictChoice {
    enum Kind {
        UseExisting,     // cells keep pointing at the catalogue material
        ReplaceExisting, // the loaded material replaces the catalogue material under its id
        UseAnother,      // cells point at another catalogue material (`anotherId`)
        AddAsNew,        // the loaded material joins the catalogue under a new id
    };
    Kind kind = AddAsNew;
    uint32_t anotherId = 0;
};

// Asks the user (the material conflict dialog) how to settle a conflict.
class IMaterialConflictResolver {
public:
    virtual ~IMaterialConflictResolver() = default;
    // No value when the user cancelled.
    virtual std::optional<MaterialConflictChoice> resolve(const Materials::Material &loaded,
                                                          const Materials::Material &existing) = 0;
};

} // namespace Model::Persistence
