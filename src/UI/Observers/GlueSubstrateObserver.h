#pragma once

#include "Core/Operations/GlueSubstrate/GlueSubstrateOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/GlueSubstrateDialog.h"

namespace Ui::Observers {

// Asks how to glue the two chosen volumes and hands the placement to Glue Volumes.
class GlueSubstrateObserver : public FilmOptionsObserver<Core::Operations::GlueSubstrateOperation,
                                                         Ui::Operations::GlueSubstrateDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void prepare(Core::Operations::GlueSubstrateOperation &operation,
                 Ui::Operations::GlueSubstrateDialog &dialog) override;
    void accept(Core::Operations::GlueSubstrateOperation &operation,
                const Ui::Operations::GlueSubstrateDialog &dialog) override;
};

} // namespace Ui::Observers
