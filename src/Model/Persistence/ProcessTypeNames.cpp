#include "Model/Persistence/ProcessTypeNames.h"

namespace Model::Persistence {
namespace {

struct Names {
    const char *display;
    const char *label;
};

const Names kNames[ProcessTypeNames::kLastType + 1] = {
    {"Photolithography", "Photolithography"},
    {"Si wet etching", "Si Wet Etching"},
    {"Moore deposition", "Moore Deposition"},
    {"Moore etching", "Moore Etching"},
    {"CVD", "CVD"},
    {"Isotropic etching", "Isotropic Etching"},
    {"Planarization", "Planarization"},
    {"Electroplating", "Electroplating"},
    {"Doping", "Doping"},
    {"Spin Coating", "Pour Material"},
    {"Save Image", "Save Image"},
    {"Create Substrate", "Create Substrate"},
    {"PVD", "PVD"},
    {"Simple RIE", "RIE"},
    {"Ion Implantation", "Ion Implantation"},
    {"Si Oxidation", "Thermal Oxidation"},
    {"Isotropic Deposition", "Isotropic Deposition"},
    {"Anisotropic Deposition", "Anisotropic Deposition"},
    {"Anisotropic Etching", "Anisotropic Etching"},
    {"Doping (Random Walk CA)", "Random Walk Doping"},
    {"Si Wet Etching (CCA)", "Si Wet Etching (CCA)"},
};

} // namespace

QString ProcessTypeNames::displayName(uint32_t type)
{
    return type <= kLastType ? QString::fromLatin1(kNames[type].display) : QStringLiteral("Unknown process");
}

QString ProcessTypeNames::menuLabel(uint32_t type)
{
    return type <= kLastType ? QString::fromLatin1(kNames[type].label) : QString();
}

std::vector<uint32_t> ProcessTypeNames::allTypes()
{
    std::vector<uint32_t> types;
    for (uint32_t type = 0; type <= kLastType; ++type)
        types.push_back(type);
    return types;
}

} // namespace Model::Persistence
