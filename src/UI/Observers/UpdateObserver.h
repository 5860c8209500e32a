#pragma once

#include "Util/IObserver.h"

#include <QObject>

namespace Ui::Observers {

// Turns a redraw request of the workspace into a signal for the view.
class UpdateObserver : public QObject, public Util::IObserver {
    Q_OBJECT
public:
    void notify() override { emit updateGL(); }

signals:
    void updateGL();
};

} // namespace Ui::Observers
