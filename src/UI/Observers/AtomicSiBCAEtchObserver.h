#pragma once

#include "UI/Observers/SiWetEtchDepthObserver.h"

namespace Ui::Observers {

// The depth of a BCA wet etch.
class AtomicSiBCAEtchObserver : public SiWetEtchDepthObserver {
public:
    using SiWetEtchDepthObserver::SiWetEtchDepthObserver;
};

} // namespace Ui::Observers
