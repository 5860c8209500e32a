#pragma once

#include "Model/Materials/Material.h"
#include "Model/Persistence/MaterialConflict.h"
#include "Model/Persistence/ObjectArchiver.h"

#include <QString>

#include <map>
#include <set>

namespace Model::Materials {
class MaterialFactory;
}

namespace Model::Persistence {

// Merges the materials a document or process list brings into the catalogue and records, for
// each loaded id, the catalogue id its cells and parameters must use:
// - neither the id nor the name is known: the material is added under its own id;
// - only the name is known: the loaded id maps onto the catalogue material of that name;
// - the id is known with the same name: the id maps onto itself;
// - the id is known under another name: a conflict, settled by the resolver, or (no resolver,
//   or cancelled) by adding the material under a new free id.
// Changes are staged: the catalogue is untouched until `commit`, so a file that fails to load
// leaves it as it was.
class MaterialMerger {
public:
    // `remap` receives one entry per merged material. `resolver` may be null.
    MaterialMerger(Materials::MaterialFactory &catalogue, MaterialIdMap &remap,
                   IMaterialConflictResolver *resolver);

    void merge(const Materials::Material &loaded);
    // Writes the staged materials into the catalogue.
    void commit();

    // The material the catalogue will hold under this id after `commit` ("Empty" if none).
    Materials::Material materialById(uint32_t id) const;

private:
    Materials::Material materialByName(const QString &name) const;
    void resolveConflict(const Materials::Material &loaded, const Materials::Material &existing);
    void addUnderNewId(Materials::Material loaded);
    void stage(const Materials::Material &material);
    uint32_t freeId() const;

    Materials::MaterialFactory &catalogue;
    MaterialIdMap &remap;
    IMaterialConflictResolver *resolver;
    std::map<uint32_t, Materials::Material> view; // the catalogue as it will be after commit
    std::map<QString, std::set<uint32_t>> idsByName;
    std::map<uint32_t, Materials::Material> staged;
};

} // namespace Model::Persistence
