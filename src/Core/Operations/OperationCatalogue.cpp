#include "Core/Operations/OperationCatalogue.h"

namespace Core::Operations {

const std::vector<CatalogueEntry> &operationCatalogue()
{
    static const std::vector<CatalogueEntry> catalogue = {
        {1, "actionCopy", "Copy", "CopyObject", "Copy Objects", 1, true},
        {2, "actionCreate_Substrate", "Create Substrate", "CreateSubstrateOperation", "Create Substrate", 2,
         true},
        {3, "actionIon_Implantation", "Ion Implantation", "IonImplantationOperation", "Ion Implantation", 3,
         false},
        {4, "actionDelete", "Delete", "DeleteObject", "Delete Objects", 4, true},
        {6, "actionChange_Viewing_Options", "Change Cell Volume Viewing Options",
         "ChangeTotalVolumeVisualizationOptions", "Change Visualization", 6, false},
        {7, "actionMove", "Move", "MoveObject", "Move Objects", 7, true},
        {8, "actionExtract_Film", "Extract Film", "ExtractFilm", "Extract Film", 8, true},
        {9, "actionSave", "Save", "SaveDocumentOperation", "Save document", 9, false},
        {10, "actionSave_as", "Save As ...", "SaveDocumentAsOperation", "Save Document As", 10, false},
        {11, "actionOpen", "Open", "OpenDocumentOperation", "Open document", 11, false},
        {12, "actionGlue_Substrate", "Glue Substrate", "GlueSubstrateOperation", "Glue Volumes", 12, true},
        {13, "actionIsotropic_Deposition", "Isotropic Deposition", "IsotropicFilmDepositionOperation",
         "Isotropic Deposition", 13, true},
        {14, "actionIsotropic_Film_Etching", "Isotropic Etching", "IsotropicFilmEtchingOperation",
         "Isotropic Etching", 14, true},
        {15, "actionElectrodeposition", "Electroplating", "ElectrodepositionOperation", "Electroplating", 15,
         true},
        {16, "actionCut_Cell_Volume", "Cut Cell Volume", "CutCellVolumeOperation", "Change Cut Planes", 2,
         false},
        {17, "actionDoping", "Doping", "DopingOperation", "Doping", 17, true},
        {18, "actionMoore_Deposition", "Moore Deposition", "MooreNeighborhoodDepositionOperation",
         "Moore film deposition", 18, true},
        {19, "actionMoore_Etching", "Moore Etching", "MooreNeighborhoodEtchingOperation",
         "Moore film deposition", 19, true},
        {20, "actionPhotolithography", "Photolithography", "PhotolithographyOperation", "Photolithography",
         20, false},
        {22, "actionPlanarization", "Planarization", "PlanarizationOperation", "Planarization", 22, false},
        {23, "actionSpin_Coating", "Pour Material", "SpinCoatingOperation", "Spin Coating", 23, false},
        {24, "actionBatch_Run", "Batch Run", "SelectVolumesOperation", "Select volumes", 24, false},
        {26, "actionSi_Oxidation", "Si Oxidation", "SimpleSiOxidationOperation", "Simple Si Oxidation", 26,
         false},
        {27, "actionAnisotropic_Deposition", "Anisotropic Deposition", "AnisotropicFilmDepositionOperation",
         "Anisotropic Deposition", 27, true},
        {28, "actionBCA_Wet_Etching", "Si Wet Etching", "AtomisticSiWetEtchingOperation", "BCA Wet Etch", 28,
         false},
        {29, "actionContinuous_Wet_Etching", "Si Wet Etching (CCA)", "ContinousWetEtchOperation",
         "Continuous Wet Etch", 29, false},
        {30, "actionSimple_RIE", "Simple RIE", "SimpleReactiveIonEtchingOperation", "Simple RIE", 30, false},
        {31, "actionPVD", "PVD", "SimplePhysicalVaporDepositionOperation", "Isotropic Deposition", 31, true},
        {32, "actionAnisotropic_Etching", "Anisotropic Etching", "AnisotropicFilmEtchingOperation",
         "Anisotropic Etching", 32, true},
        {33, "actionCVD", "CVD", "IsotropicFilmDepositionOperation", "CVD", 13, true},
        {34, "actionMasked_Volume_Cut", "Masked Volume Cut", "MaskedCutCellVolumeOperation", "Masked Cut", 34,
         true},
        {35, "actionRemove_Masked_Cuts", "Remove Masked Cuts", "RemoveCutsFromVolumeOperation", "Remove Cuts",
         35, false},
        {36, "actionRandom_Walk_Doping", "Random Walk Doping", "RandomWalkDopingOperation",
         "Random Walk Doping", 36, true},
        {37, "actionExport_Data", "Export Data", "ExportDataOperation", "Export Data", 37, false},
        {101, "actionExport_Surface_Mesh", "Export Surface Mesh...", "ExportSurfaceMeshOperation",
         "Export Surface Mesh", 101, false},
        {102, "actionExport_Volume", "Export Volume...", "ExportVolumeOperation", "Export Volume", 102,
         false},
        {1000, "actionModel_Extraction", "Model Extraction", "RunModelExtraction", "Extract Model", 1000,
         false},
    };
    return catalogue;
}

const CatalogueEntry *findCatalogueEntry(uint32_t id)
{
    for (const CatalogueEntry &entry : operationCatalogue()) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

} // namespace Core::Operations
