#pragma once

#include "Model/Persistence/ProcessData.h"

#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace Ui::BatchRun {

// Shows a process list in the batch dialog's tree: one item per entry with its position and
// display name, one child per visible parameter with its name and value (and a colour swatch
// where the entry holds the parameter's colour), expanded as the entry says.
class ProcessTree {
public:
    static void fill(QTreeWidget *tree, const std::vector<Ui::ProcessData> &entries);
    // The top-level position of the item's entry, or -1.
    static int entryIndex(QTreeWidget *tree, QTreeWidgetItem *item);
};

} // namespace Ui::BatchRun
