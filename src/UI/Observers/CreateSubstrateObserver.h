#pragma once

#include "Core/Operations/CreateSubstrate/CreateSubstrateOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/CreateSubstrateDialog.h"

namespace Ui::Observers {

// Shows the Create Substrate dialog and hands the accepted values to the operation.
class CreateSubstrateObserver : public FilmOptionsObserver<Core::Operations::CreateSubstrateOperation,
                                                           Ui::Operations::CreateSubstrateDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void prepare(Core::Operations::CreateSubstrateOperation &operation,
                 Ui::Operations::CreateSubstrateDialog &dialog) override;
    void accept(Core::Operations::CreateSubstrateOperation &operation,
                const Ui::Operations::CreateSubstrateDialog &dialog) override;
};

} // namespace Ui::Observers
