#include "UI/OperationFactory.h"

#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmDepositionOperation.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmEtchingOperation.h"
#include "Core/Operations/AnisotropicFilmDeposition/SimplePhysicalVaporDepositionOperation.h"
#include "Core/Operations/CreateSubstrate/CreateSubstrateOperation.h"
#include "Core/Operations/Cuts/CutCellVolumeOperation.h"
#include "Core/Operations/Cuts/MaskedCutCellVolumeOperation.h"
#include "Core/Operations/Cuts/RemoveCutsFromVolumeOperation.h"
#include "Core/Operations/Documents/OpenDocumentOperation.h"
#include "Core/Operations/Documents/SaveDocumentAsOperation.h"
#include "Core/Operations/Documents/SaveDocumentOperation.h"
#include "Core/Operations/DopingOperation/DopingOperation.h"
#include "Core/Operations/DopingOperation/IonImplantationOperation.h"
#include "Core/Operations/Electrodeposition/ElectrodepositionOperation.h"
#include "Core/Operations/ExportData/ExportDataOperation.h"
#include "Core/Operations/ExtractFilm/ExtractFilm.h"
#include "Core/Operations/GeometryExport/ExportSurfaceMeshOperation.h"
#include "Core/Operations/GeometryExport/ExportVolumeOperation.h"
#include "Core/Operations/GlueSubstrate/GlueSubstrateOperation.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDepositionOperation.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtchingOperation.h"
#include "Core/Operations/ModelExtraction/RunModelExtraction.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodDepositionOperation.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodEtchingOperation.h"
#include "Core/Operations/ObjectEditing/CopyObject.h"
#include "Core/Operations/ObjectEditing/DeleteObject.h"
#include "Core/Operations/ObjectEditing/MoveObject.h"
#include "Core/Operations/Operation.h"
#include "Core/Operations/OperationCatalogue.h"
#include "Core/Operations/Photolithography/PhotolithographyOperation.h"
#include "Core/Operations/Planarization/PlanarizationOperation.h"
#include "Core/Operations/Planarization/SpinCoatingOperation.h"
#include "Core/Operations/RandomWalkDoping/RandomWalkDopingOperation.h"
#include "Core/Operations/ReactiveIonEtching/SimpleReactiveIonEtchingOperation.h"
#include "Core/Operations/SelectVolumes/SelectVolumesOperation.h"
#include "Core/Operations/SiOxidation/SimpleSiOxidationOperation.h"
#include "Core/Operations/SiWetEtching/AtomisticSiWetEtchingOperation.h"
#include "Core/Operations/SiWetEtching/ContinousWetEtchOperation.h"
#include "Core/Operations/Visualization/ChangeTotalVolumeVisualizationOptions.h"
#include "Model/Process/ProcessFactory.h"
#include "UI/MainWindow.h"
#include "UI/MainWindowPresenter.h"
#include "UI/Observers/AnisotropicDepositionObserver.h"
#include "UI/Observers/AnisotropicEtchingObserver.h"
#include "UI/Observers/AtomicSiBCAEtchObserver.h"
#include "UI/Observers/BatchRunObserver.h"
#include "UI/Observers/CCAWetEtchingObserver.h"
#include "UI/Observers/ChangeTotalVolumeViewOptionsObserver.h"
#include "UI/Observers/CreateSubstrateObserver.h"
#include "UI/Observers/CutCellVolumeObserver.h"
#include "UI/Observers/DocumentOpenedObserver.h"
#include "UI/Observers/DocumentSavedObserver.h"
#include "UI/Observers/DopingOptionsObserver.h"
#include "UI/Observers/ElectrodepositionObserver.h"
#include "UI/Observers/ExportDataObserver.h"
#include "UI/Observers/ExportFileObserver.h"
#include "UI/Observers/ExtractFilmObserver.h"
#include "UI/Observers/GlueSubstrateObserver.h"
#include "UI/Observers/IonImplantationOptionsObserver.h"
#include "UI/Observers/IsotropicFilmDepositionObserver.h"
#include "UI/Observers/IsotropicFilmEtchingObserver.h"
#include "UI/Observers/MaskedCutObserver.h"
#include "UI/Observers/MaterialConflictObserver.h"
#include "UI/Observers/MooreOptionsObserver.h"
#include "UI/Observers/PVDObserver.h"
#include "UI/Observers/PhotolithographyObserver.h"
#include "UI/Observers/PlanarizationObserver.h"
#include "UI/Observers/RandomWalkDopingObserver.h"
#include "UI/Observers/RunModelExtractionObserver.h"
#include "UI/Observers/SiOxidationObserver.h"
#include "UI/Observers/SimpleRIEObserver.h"
#include "UI/Observers/SpinCoatingObserver.h"

namespace Ui {
namespace {

using namespace Core::Operations;
namespace ProcessIds = Model::Process::ProcessIds;

std::shared_ptr<Operation> withObserver(std::shared_ptr<Operation> operation,
                                        std::shared_ptr<Util::IObserver> observer)
{
    operation->addObserver(std::move(observer));
    return operation;
}

// A process operation whose observer offers the compatible materials of `processId`.
template <class OperationClass, class ObserverClass, class... Arguments>
std::shared_ptr<Operation> processWithObserver(MainWindowPresenter *presenter, uint32_t processId,
                                               Arguments &&...arguments)
{
    Core::Workspace &workspace = presenter->getWorkspace();
    return withObserver(std::make_shared<OperationClass>(workspace, std::forward<Arguments>(arguments)...),
                        std::make_shared<ObserverClass>(workspace, presenter->getMainWindow(), processId));
}

// An operation whose observer's dialog offers no process's materials.
template <class OperationClass, class ObserverClass>
std::shared_ptr<Operation> withOptionsObserver(MainWindowPresenter *presenter)
{
    return processWithObserver<OperationClass, ObserverClass>(presenter, 0);
}

} // namespace

std::shared_ptr<Operation> OperationFactory::create(uint32_t id)
{
    const CatalogueEntry *entry = findCatalogueEntry(id);
    if (!entry)
        return nullptr;
    Core::Workspace &workspace = presenter->getWorkspace();
    switch (id) {
    case 2:
        return withObserver(
            std::make_shared<CreateSubstrateOperation>(workspace),
            std::make_shared<Observers::CreateSubstrateObserver>(workspace, presenter->getMainWindow()));
    case 13:
        return processWithObserver<IsotropicFilmDepositionOperation,
                                   Observers::IsotropicFilmDepositionObserver>(
            presenter, ProcessIds::kIsotropicDeposition, entry->displayName);
    case 33:
        return processWithObserver<IsotropicFilmDepositionOperation,
                                   Observers::IsotropicFilmDepositionObserver>(presenter, ProcessIds::kCvd,
                                                                               entry->displayName);
    case 14:
        return processWithObserver<IsotropicFilmEtchingOperation, Observers::IsotropicFilmEtchingObserver>(
            presenter, ProcessIds::kIsotropicEtching);
    case 6:
        return withObserver(std::make_shared<ChangeTotalVolumeVisualizationOptions>(workspace),
                            std::make_shared<Observers::ChangeTotalVolumeViewOptionsObserver>(
                                workspace, presenter->getMainWindow()));
    case 15:
        return withOptionsObserver<ElectrodepositionOperation, Observers::ElectrodepositionObserver>(
            presenter);
    case 18:
        return withOptionsObserver<MooreNeighborhoodDepositionOperation, Observers::MooreDepositionObserver>(
            presenter);
    case 19:
        return withOptionsObserver<MooreNeighborhoodEtchingOperation, Observers::MooreEtchingObserver>(
            presenter);
    case 27:
        return processWithObserver<AnisotropicFilmDepositionOperation,
                                   Observers::AnisotropicDepositionObserver>(
            presenter, ProcessIds::kAnisotropicDeposition);
    case 31:
        return processWithObserver<SimplePhysicalVaporDepositionOperation, Observers::PVDObserver>(
            presenter, ProcessIds::kPvd);
    case 32:
        return processWithObserver<AnisotropicFilmEtchingOperation, Observers::AnisotropicEtchingObserver>(
            presenter, ProcessIds::kAnisotropicEtching);
    case 9:
        return withObserver(
            std::make_shared<SaveDocumentOperation>(workspace),
            std::make_shared<Observers::DocumentSavedObserver>(workspace, presenter->getMainWindow()));
    case 10:
        return withObserver(
            std::make_shared<SaveDocumentAsOperation>(workspace),
            std::make_shared<Observers::DocumentSavedObserver>(workspace, presenter->getMainWindow()));
    case 11: {
        auto open = std::make_shared<OpenDocumentOperation>(workspace);
        open->setConflictResolver(
            std::make_shared<Observers::MaterialConflictObserver>(presenter->getMainWindow()));
        return withObserver(
            open, std::make_shared<Observers::DocumentOpenedObserver>(workspace, presenter->getMainWindow()));
    }
    case 1: return std::make_shared<CopyObject>(workspace);
    case 4: return std::make_shared<DeleteObject>(workspace);
    case 7: return std::make_shared<MoveObject>(workspace);
    case 8: return withOptionsObserver<ExtractFilm, Observers::ExtractFilmObserver>(presenter);
    case 12: return withOptionsObserver<GlueSubstrateOperation, Observers::GlueSubstrateObserver>(presenter);
    case 1000: {
        auto extraction = std::make_shared<RunModelExtraction>(workspace);
        return withObserver(extraction, std::make_shared<Observers::RunModelExtractionObserver>(
                                            presenter->getMainWindow(), extraction));
    }
    case ExportSurfaceMeshOperation::kId:
        return withObserver(
            std::make_shared<ExportSurfaceMeshOperation>(workspace),
            std::make_shared<Observers::ExportFileObserver>(workspace, presenter->getMainWindow()));
    case ExportVolumeOperation::kId:
        return withObserver(
            std::make_shared<ExportVolumeOperation>(workspace),
            std::make_shared<Observers::ExportFileObserver>(workspace, presenter->getMainWindow()));
    case 16: return withOptionsObserver<CutCellVolumeOperation, Observers::CutCellVolumeObserver>(presenter);
    case 20:
        return withOptionsObserver<PhotolithographyOperation, Observers::PhotolithographyObserver>(presenter);
    case 22: return withOptionsObserver<PlanarizationOperation, Observers::PlanarizationObserver>(presenter);
    case 23: return withOptionsObserver<SpinCoatingOperation, Observers::SpinCoatingObserver>(presenter);
    case 30:
        return withOptionsObserver<SimpleReactiveIonEtchingOperation, Observers::SimpleRIEObserver>(
            presenter);
    case 34:
        return withOptionsObserver<MaskedCutCellVolumeOperation, Observers::MaskedCutObserver>(presenter);
    case 35: return std::make_shared<RemoveCutsFromVolumeOperation>(workspace);
    case 28:
        return withOptionsObserver<AtomisticSiWetEtchingOperation, Observers::AtomicSiBCAEtchObserver>(
            presenter);
    case 29:
        return withOptionsObserver<ContinousWetEtchOperation, Observers::CCAWetEtchingObserver>(presenter);
    case 24:
        return withObserver(std::make_shared<SelectVolumesOperation>(workspace),
                            std::make_shared<Observers::BatchRunObserver>(*presenter));
    case 3:
        return processWithObserver<IonImplantationOperation, Observers::IonImplantationOptionsObserver>(
            presenter, ProcessIds::kIonImplantation);
    case 17:
        return processWithObserver<DopingOperation, Observers::DopingOptionsObserver>(
            presenter, ProcessIds::kSimpleDoping);
    case 26:
        return withOptionsObserver<SimpleSiOxidationOperation, Observers::SiOxidationObserver>(presenter);
    case 36:
        return processWithObserver<RandomWalkDopingOperation, Observers::RandomWalkDopingObserver>(
            presenter, ProcessIds::kSimpleDoping);
    case 37:
        return withObserver(
            std::make_shared<ExportDataOperation>(workspace),
            std::make_shared<Observers::ExportDataObserver>(workspace, presenter->getMainWindow()));
    default:
        // Catalogue operations whose classes are not built yet create nothing.
        return nullptr;
    }
}

} // namespace Ui
