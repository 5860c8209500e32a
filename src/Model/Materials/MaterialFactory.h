#pragma once

#include "Model/Materials/Material.h"

#include <QMutex>

#include <map>
#include <memory>
#include <vector>

namespace Model::Materials {

// The process-wide materials catalogue; every operation takes the catalogue's lock.
class MaterialFactory {
public:
    static std::shared_ptr<MaterialFactory> instance();

    // Start-up rule: load materials.xml, or install the built-in table and save it.
    void initialize();

    bool loadMaterials();
    void saveMaterials();
    void createDefaultMaterials();
    bool addMaterial(const Material &material);
    Material getMaterialById(uint32_t id);
    Material getMaterialByName(const QString &name);
    std::vector<Material> getMaterials();
    uint32_t getFreeMaterialId();

private:
    MaterialFactory() = default;

    QMutex mutex;
    std::map<uint32_t, Material> materials;
};

} // namespace Model::Materials
