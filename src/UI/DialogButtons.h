#pragma once

class QDialog;
class QDialogButtonBox;

namespace Ui {

// The OK and Cancel buttons of a dialog (object name "buttonBox"), wired to its accept and
// reject; the caller places them in its layout.
QDialogButtonBox *okCancelButtons(QDialog *dialog);

} // namespace Ui
