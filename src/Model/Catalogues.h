#pragma once

namespace Model {

// Start-up: loads the materials catalogue and then the process catalogue from the settings
// folder, installing and saving the built-in tables where the files cannot be read.
void initializeCatalogues();

} // namespace Model
