#pragma once

#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/MooreOptionsDialog.h"

namespace Ui::Observers {

// Asks for the material and the layer count of a layer-by-layer process, naming the count
// after the process ("Film Thickness", "Etch Depth").
class MooreOptionsObserver : public FilmOptionsObserver<Core::Operations::MooreNeighborhoodOperation,
                                                        Ui::Operations::MooreOptionsDialog> {
public:
    MooreOptionsObserver(Core::Workspace &workspace, QWidget *dialogParent, QString valueLabel)
        : FilmOptionsObserver(workspace, dialogParent), valueLabel(std::move(valueLabel))
    {
    }

protected:
    void prepare(Core::Operations::MooreNeighborhoodOperation &,
                 Ui::Operations::MooreOptionsDialog &dialog) override
    {
        dialog.setValueLabel(valueLabel);
    }
    void accept(Core::Operations::MooreNeighborhoodOperation &operation,
                const Ui::Operations::MooreOptionsDialog &dialog) override
    {
        operation.setMaterial(dialog.getMaterialId());
        operation.setCount(dialog.getValue());
    }

private:
    QString valueLabel;
};

// Moore deposition's options: the count is the "Film Thickness".
class MooreDepositionObserver : public MooreOptionsObserver {
public:
    MooreDepositionObserver(Core::Workspace &workspace, QWidget *dialogParent, uint32_t = 0)
        : MooreOptionsObserver(workspace, dialogParent, QStringLiteral("Film Thickness"))
    {
    }
};

// Moore etching's options: the count is the "Etch Depth".
class MooreEtchingObserver : public MooreOptionsObserver {
public:
    MooreEtchingObserver(Core::Workspace &workspace, QWidget *dialogParent, uint32_t = 0)
        : MooreOptionsObserver(workspace, dialogParent, QStringLiteral("Etch Depth"))
    {
    }
};

} // namespace Ui::Observers
