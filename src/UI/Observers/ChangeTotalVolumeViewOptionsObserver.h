#pragma once

#include "Core/Operations/Visualization/ChangeTotalVolumeVisualizationOptions.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/ChangeVolumeVisualizationDialog.h"

namespace Ui::Observers {

// Shows the visualization dialog with the chosen volume's current options and hands the
// accepted options and film colours to the Change Visualization operation.
class ChangeTotalVolumeViewOptionsObserver
    : public FilmOptionsObserver<Core::Operations::ChangeTotalVolumeVisualizationOptions,
                                 Ui::Operations::ChangeVolumeVisualizationDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void prepare(Core::Operations::ChangeTotalVolumeVisualizationOptions &operation,
                 Ui::Operations::ChangeVolumeVisualizationDialog &dialog) override
    {
        dialog.setOptions(operation.currentOptions());
    }
    void accept(Core::Operations::ChangeTotalVolumeVisualizationOptions &operation,
                const Ui::Operations::ChangeVolumeVisualizationDialog &dialog) override
    {
        operation.setOptions(dialog.options(), dialog.filmColors());
    }
};

} // namespace Ui::Observers
