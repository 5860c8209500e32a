#include "UI/BatchRun/ProcessTree.h"

#include "Model/Persistence/ProcessParameterCodec.h"
#include "Model/Persistence/ProcessTypeNames.h"

#include <QColor>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace Ui::BatchRun {
namespace {

enum Column { Position = 0, Process = 1, Parameter = 2, Value = 3 };

void addParameters(QTreeWidgetItem *item, const Ui::ProcessData &entry)
{
    for (const QString &name : entry.getParameterNames()) {
        if (!entry.getParameterVisibility(name))
            continue;
        auto *child = new QTreeWidgetItem(item);
        child->setText(Parameter, name);
        child->setText(
            Value, Model::Persistence::ProcessParameterCodec::displayText(entry.getProcessParameter(name)));
        const QString colorName = name + QStringLiteral("_Color");
        if (!entry.hasProcessParameter(colorName))
            continue;
        const QVariant color = entry.getProcessParameter(colorName);
        if (color.userType() == QMetaType::QColor) {
            QPixmap swatch(25, 25);
            swatch.fill(color.value<QColor>());
            child->setIcon(Value, QIcon(swatch));
        }
    }
}

} // namespace

void ProcessTree::fill(QTreeWidget *tree, const std::vector<Ui::ProcessData> &entries)
{
    const QSignalBlocker blocker(tree);
    tree->clear();
    for (size_t i = 0; i < entries.size(); ++i) {
        auto *item = new QTreeWidgetItem(tree);
        item->setText(Position, QString::number(i + 1));
        item->setText(Process,
                      Model::Persistence::ProcessTypeNames::displayName(entries[i].getProcessType()));
        addParameters(item, entries[i]);
        item->setExpanded(entries[i].isExpanded());
    }
    tree->resizeColumnToContents(Position);
    tree->resizeColumnToContents(Process);
    tree->resizeColumnToContents(Parameter);
}

int ProcessTree::entryIndex(QTreeWidget *tree, QTreeWidgetItem *item)
{
    if (!item)
        return -1;
    while (item->parent())
        item = item->parent();
    return tree->indexOfTopLevelItem(item);
}

} // namespace Ui::BatchRun
