#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace Model::Process {

// One kind of process of the process catalogue: its id, its name and the materials it may act on
// (in insertion order; a material may be listed twice). A plain value record.
class Process {
public:
    Process() = default;
    Process(const QString &name, uint32_t id, std::vector<uint32_t> compatibleMaterials = {})
        : name(name), id(id), compatibleMaterials(std::move(compatibleMaterials))
    {
    }

    const QString &getName() const { return name; }
    void setName(const QString &value) { name = value; }
    uint32_t getId() const { return id; }
    void setId(uint32_t value) { id = value; }

    std::vector<uint32_t> getCompatibleMaterials() const { return compatibleMaterials; }
    void addCompatibleMaterial(uint32_t materialId) { compatibleMaterials.push_back(materialId); }
    // Removes the first occurrence of the material, if listed.
    void removeCompatibleMaterial(uint32_t materialId);
    bool isCompatible(uint32_t materialId) const;

    bool operator==(const Process &o) const
    {
        return name == o.name && id == o.id && compatibleMaterials == o.compatibleMaterials;
    }

private:
    QString name;
    uint32_t id = 0;
    std::vector<uint32_t> compatibleMaterials;
};

} // namespace Model::Process
