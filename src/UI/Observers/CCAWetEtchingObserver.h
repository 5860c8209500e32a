#pragma once

#include "UI/Observers/SiWetEtchDepthObserver.h"

namespace Ui::Observers {

// The depth of a continuous wet etch, asked in the same dialog as for the BCA wet etch.
class CCAWetEtchingObserver : public SiWetEtchDepthObserver {
public:
    using SiWetEtchDepthObserver::SiWetEtchDepthObserver;
};

} // namespace Ui::Observers
