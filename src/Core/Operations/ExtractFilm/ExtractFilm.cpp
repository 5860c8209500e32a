#include "Core/Operations/ExtractFilm/ExtractFilm.h"

#include "Core/Operations/CellVolumeChoice.h"
#include "Core/Operations/ExtractFilm/FilmExtraction.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Materials/MaterialFactory.h"

namespace Core::Operations {

ExtractFilm::ExtractFilm(Core::Workspace &workspace) : ObjectOperation(workspace, "Extract Film", 8) {}

void ExtractFilm::execute()
{
    if (source)
        return;
    source = chooseCellVolume(*this, workspace,
                              {"cell volume selected.", "select a cell volume and press Enter/Return."});
    if (!source)
        return;
    notifyObservers();
    finish();
}

void ExtractFilm::setFilm(uint32_t material, bool invertFilm)
{
    materialId = material;
    invert = invertFilm;
    materialGiven = true;
}

void ExtractFilm::cancel()
{
    workspace.getCommandInterpreter().reset();
    workspace.finishWithoutUndo();
}

// A material that does not occur in the volume extracts nothing: no empty volume is made and
// nothing is left to undo.
void ExtractFilm::finish()
{
    if (!source || !materialGiven || extracted)
        return;
    extracted = true;
    {
        const Core::BusyScope busy(workspace);
        film = FilmExtraction(materialId, invert).run(*source);
        if (film)
            film->refreshDrawingData();
    }
    if (!film) {
        const QString name =
            Model::Materials::MaterialFactory::instance()->getMaterialById(materialId).getName();
        postNamedMessage("there is no " + name.toStdString() + " in the cell volume; nothing was extracted.");
        workspace.finishWithoutUndo();
        return;
    }
    workspace.getScene().addObject(film);
    postNamedMessage("film extracted.");
    workspace.finishWithUndo();
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
