#include "Model/Materials/MaterialFactory.h"

#include "Model/CatalogueFile.h"
#include "Model/Materials/MaterialXml.h"

#include <QMutexLocker>
#include <QRandomGenerator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace Model::Materials {
namespace {

const QString kFileName = QStringLiteral("materials.xml");
constexpr int kRandomAttempts = 100000;

const Material kBuiltIn[] = {
    {1, "Si", 2329, 1.88e11f, 0.28f, {0.5f, 0.5f, 0.5f, 1.0f}},
    {3, "Thermal Si02", 2200, 7e10f, 0.17f, {0.5f, 0.5f, 1.0f, 1.0f}},
    {4, "Al (bulk)", 2700, 7e10f, 0.14f, {0.7f, 0.7f, 0.7f, 1.0f}},
    {5, "Cu (bulk)", 8960, 1.28e11f, 0.36f, {1.0f, 0.8f, 0.3f, 1.0f}},
    {6, "Cr (bulk)", 7190, 2.79e11f, 0.21f, {0.8f, 0.8f, 0.8f, 1.0f}},
    {7, "Ni (bulk)", 8908, 2e11f, 0.31f, {0.8f, 0.9f, 0.8f, 1.0f}},
    {8, "Pt (bulk)", 21450, 1.68e11f, 0.38f, {0.9f, 0.9f, 0.8f, 1.0f}},
    {9, "Au (bulk)", 19300, 7.9e10f, 0.44f, {0.5f, 1.0f, 0.5f, 1.0f}},
    {10, "Ti (bulk)", 4506, 1.16e11f, 0.32f, {0.3f, 0.3f, 0.3f, 1.0f}},
    {11, "Photoresist +", 1000, 1e9f, 0.4f, {1.0f, 0.5f, 0.5f, 1.0f}},
    {12, "Photoresist -", 1000, 1e9f, 0.4f, {1.0f, 0.3f, 1.0f, 1.0f}},
    {13, "PDMS", 1000, 1e9f, 0.4f, {1.0f, 1.0f, 1.0f, 1.0f}},
    {14, "N-doped Si (100)", 2329, 1.88e11f, 0.28f, {1.0f, 1.0f, 0.67f, 1.0f}},
    {15, "P-doped Si (100)", 2329, 1.88e11f, 0.28f, {0.67f, 0.67f, 1.0f, 1.0f}},
    {16, "Poly-Si", 2329, 1.88e11f, 0.28f, {0.3f, 0.5f, 0.4f, 1.0f}},
};

} // namespace

std::shared_ptr<MaterialFactory> MaterialFactory::instance()
{
    static const std::shared_ptr<MaterialFactory> factory(new MaterialFactory);
    return factory;
}

void MaterialFactory::initialize()
{
    if (!loadMaterials()) {
        createDefaultMaterials();
        saveMaterials();
    }
}

bool MaterialFactory::loadMaterials()
{
    QMutexLocker lock(&mutex);
    return CatalogueFile::load(
        kFileName, QStringLiteral("Materials"),
        [this](QXmlStreamReader &reader) {
            if (const auto material = MaterialXml::read(reader))
                materials[material->getId()] = *material;
        },
        "Model/Materials/materialfactory: bool Model::Materials::MaterialFactory::loadMaterials()");
}

void MaterialFactory::saveMaterials()
{
    QMutexLocker lock(&mutex);
    CatalogueFile::save(kFileName, QStringLiteral("Materials"), [this](QXmlStreamWriter &writer) {
        for (const auto &entry : materials)
            MaterialXml::write(writer, entry.second);
    });
}

void MaterialFactory::createDefaultMaterials()
{
    QMutexLocker lock(&mutex);
    materials.clear();
    for (const Material &material : kBuiltIn)
        materials[material.getId()] = material;
}

bool MaterialFactory::addMaterial(const Material &material)
{
    if (material.getId() == 0)
        return false;
    QMutexLocker lock(&mutex);
    materials[material.getId()] = material;
    return true;
}

Material MaterialFactory::getMaterialById(uint32_t id)
{
    QMutexLocker lock(&mutex);
    const auto found = materials.find(id);
    return found == materials.end() ? Material() : found->second;
}

Material MaterialFactory::getMaterialByName(const QString &name)
{
    QMutexLocker lock(&mutex);
    for (const auto &entry : materials) {
        if (entry.second.getName() == name)
            return entry.second;
    }
    return Material();
}

std::vector<Material> MaterialFactory::getMaterials()
{
    QMutexLocker lock(&mutex);
    std::vector<Material> result;
    result.reserve(materials.size());
    for (const auto &entry : materials)
        result.push_back(entry.second);
    return result;
}

uint32_t MaterialFactory::getFreeMaterialId()
{
    QMutexLocker lock(&mutex);
    for (int attempt = 0; attempt < kRandomAttempts; ++attempt) {
        const float r = float(QRandomGenerator::global()->bounded(32768));
        const uint32_t id = 2000 + uint32_t(r * 30767.0f * 3.0517578125e-05f);
        if (materials.count(id) == 0)
            return id;
    }
    // A catalogue that fills (nearly) the whole random range, e.g. from a hostile file:
    // take the first free id from 2000 upwards instead of drawing forever.
    uint32_t id = 2000;
    while (materials.count(id) != 0)
        ++id;
    return id;
}

} // namespace Model::Materials
