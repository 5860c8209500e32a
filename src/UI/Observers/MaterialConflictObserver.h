#pragma once

#include "Model/Persistence/MaterialConflict.h"

#include <QPointer>
#include <QWidget>

namespace Ui::Observers {

// Settles a material conflict of a document or process list being loaded by asking the user
// in the material conflict dialog.
class MaterialConflictObserver : public Model::Persistence::IMaterialConflictResolver {
public:
    explicit MaterialConflictObserver(QWidget *parent) : parent(parent) {}

    std::optional<Model::Persistence::MaterialConflictChoice>
    resolve(const Model::Materials::Material &loaded, const Model::Materials::Material &existing) override;

private:
    QPointer<QWidget> parent;
};

} // namespace Ui::Observers
