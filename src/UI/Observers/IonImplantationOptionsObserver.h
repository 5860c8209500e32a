#pragma once

#include "Core/Operations/DopingOperation/IonImplantationOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/IonImplantationOptionsDialog.h"

namespace Ui::Observers {

// Asks for the doped material and the distances of an ion implantation.
class IonImplantationOptionsObserver
    : public FilmOptionsObserver<Core::Operations::IonImplantationOperation,
                                 Ui::Operations::IonImplantationOptionsDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void accept(Core::Operations::IonImplantationOperation &operation,
                const Ui::Operations::IonImplantationOptionsDialog &dialog) override;
};

} // namespace Ui::Observers
