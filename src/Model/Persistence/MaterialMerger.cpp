#include "Model/Persistence/MaterialMerger.h"

#include "Model/Materials/MaterialFactory.h"

namespace Model::Persistence {

using Model::Materials::Material;

namespace {
// Random draws before falling back to scanning for a free id.
constexpr int kFreeIdAttempts = 1000;
constexpr uint32_t kFirstUserId = 2000;
} // namespace

MaterialMerger::MaterialMerger(Materials::MaterialFactory &catalogue, MaterialIdMap &remap,
                               IMaterialConflictResolver *resolver)
    : catalogue(catalogue), remap(remap), resolver(resolver)
{
    for (const Material &material : catalogue.getMaterials()) {
        view[material.getId()] = material;
        idsByName[material.getName()].insert(material.getId());
    }
}

void MaterialMerger::merge(const Material &loaded)
{
    const Material byId = materialById(loaded.getId());
    const Material byName = materialByName(loaded.getName());
    if (byId.getId() == 0 && byName.getId() == 0) {
        stage(loaded);
        remap[loaded.getId()] = loaded.getId();
    } else if (byId.getId() == 0) {
        remap[loaded.getId()] = byName.getId();
    } else if (byId.getName() == loaded.getName()) {
        remap[loaded.getId()] = byId.getId();
    } else {
        resolveConflict(loaded, byId);
    }
}

void MaterialMerger::resolveConflict(const Material &loaded, const Material &existing)
{
    const std::optional<MaterialConflictChoice> choice =
        resolver ? resolver->resolve(loaded, existing) : std::nullopt;
    if (!choice) {
        addUnderNewId(loaded);
        return;
    }
    switch (choice->kind) {
    case MaterialConflictChoice::UseExisting: remap[loaded.getId()] = existing.getId(); break;
    case MaterialConflictChoice::ReplaceExisting:
        stage(loaded);
        remap[loaded.getId()] = loaded.getId();
        break;
    case MaterialConflictChoice::UseAnother: remap[loaded.getId()] = choice->anotherId; break;
    case MaterialConflictChoice::AddAsNew: addUnderNewId(loaded); break;
    }
}

void MaterialMerger::addUnderNewId(Material loaded)
{
    const uint32_t oldId = loaded.getId();
    loaded.setId(freeId());
    stage(loaded);
    remap[oldId] = loaded.getId();
}

void MaterialMerger::stage(const Material &material)
{
    const auto previous = view.find(material.getId());
    if (previous != view.end()) {
        auto &ids = idsByName[previous->second.getName()];
        ids.erase(material.getId());
        if (ids.empty())
            idsByName.erase(previous->second.getName());
    }
    view[material.getId()] = material;
    idsByName[material.getName()].insert(material.getId());
    staged[material.getId()] = material;
}

void MaterialMerger::commit()
{
    for (const auto &entry : staged)
        catalogue.addMaterial(entry.second);
    staged.clear();
}

Material MaterialMerger::materialById(uint32_t id) const
{
    const auto found = view.find(id);
    return found == view.end() ? Material() : found->second;
}

Material MaterialMerger::materialByName(const QString &name) const
{
    const auto found = idsByName.find(name);
    if (found == idsByName.end() || found->second.empty())
        return Material();
    return materialById(*found->second.begin());
}

// A new id from the catalogue's generator that the staged materials do not use either.
uint32_t MaterialMerger::freeId() const
{
    for (int attempt = 0; attempt < kFreeIdAttempts; ++attempt) {
        const uint32_t id = catalogue.getFreeMaterialId();
        if (view.count(id) == 0)
            return id;
    }
    uint32_t id = kFirstUserId;
    while (view.count(id) != 0)
        ++id;
    return id;
}

} // namespace Model::Persistence
