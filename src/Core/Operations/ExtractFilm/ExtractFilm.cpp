#include "Core/Operations/ExtractFilm/ExtractFilm.h"

#include "Core/Operations/ExtractFilm/FilmExtraction.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Materials/MaterialFactory.h"

namespace Core::Operations {

ExtractFilm::ExtractFilm(Core::Workspace &workspace) : VolumeStepMachine(workspace, "Extract Film", 8, {}) {}

std::shared_ptr<Model::Automaton::TotalVolume> ExtractFilm::chooseVolume()
{
    return chooseCellVolume(*this, workspace,
                            {"cell volume selected.", "select a cell volume and press Enter/Return."});
}

void ExtractFilm::setFilm(uint32_t material, bool invertFilm)
{
    materialId = material;
    invert = invertFilm;
    materialGiven = true;
}

void ExtractFilm::abandon()
{
    workspace.getCommandInterpreter().reset();
}

void ExtractFilm::apply(Model::Automaton::TotalVolume &source)
{
    {
        const Core::BusyScope busy(workspace);
        film = FilmExtraction(materialId, invert).run(source);
        if (film)
            film->refreshDrawingData();
    }
    if (film)
        workspace.getScene().addObject(film);
}

std::string ExtractFilm::finishedSentence() const
{
    if (film)
        return "film extracted.";
    const QString name = Model::Materials::MaterialFactory::instance()->getMaterialById(materialId).getName();
    return "there is no " + name.toStdString() + " in the cell volume; nothing was extracted.";
}

int ExtractFilm::undo()
{
    workspace.getScene().removeObject(film);
    workspace.requestRedraw();
    return 1;
}

void ExtractFilm::redo()
{
    workspace.getScene().addObject(film);
    workspace.requestRedraw();
}

} // namespace Core::Operations
