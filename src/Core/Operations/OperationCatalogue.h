#pragma once

#include <cstdint>
#include <vector>

namespace Core::Operations {

// One row of the operation catalogue: the menu action that starts an operation, its class,
// the display name that prefixes its console messages, the type number it reports, and whether
// it can be undone.
struct CatalogueEntry {
    uint32_t id;
    const char *actionName;
    const char *actionText;
    const char *operationClass;
    const char *displayName;
    uint32_t type;
    bool undoable;
};

const std::vector<CatalogueEntry> &operationCatalogue();
// Null for an id outside the catalogue.
const CatalogueEntry *findCatalogueEntry(uint32_t id);

} // namespace Core::Operations
