#pragma once

#include "Util/IObserver.h"

#include <QObject>

namespace Ui::Observers {

// Turns a change of the undo or redo stack into a signal for the presenter.
class UndoRedoObserver : public QObject, public Util::IObserver {
    Q_OBJECT
public:
    void notify() override { emit stackChanged(); }

signals:
    void stackChanged();
};

} // namespace Ui::Observers
