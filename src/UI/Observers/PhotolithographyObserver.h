#pragma once

#include "Core/Operations/Photolithography/PhotolithographyOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/PhotolithographyDialog.h"

namespace Ui::Observers {

// Asks for the masks and the resist of a photolithography; each mask applied in the dialog goes
// to the operation at once, which shows it on the volume.
class PhotolithographyObserver : public FilmOptionsObserver<Core::Operations::PhotolithographyOperation,
                                                            Ui::Operations::PhotolithographyDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void prepare(Core::Operations::PhotolithographyOperation &operation,
                 Ui::Operations::PhotolithographyDialog &dialog) override;
    void accept(Core::Operations::PhotolithographyOperation &operation,
                const Ui::Operations::PhotolithographyDialog &dialog) override;
};

} // namespace Ui::Observers
