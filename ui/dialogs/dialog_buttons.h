// The OK and Cancel buttons of the small dialogs.
#pragma once

class QDialog;
class QDialogButtonBox;

namespace kwarrel::ui {

// "OK" and "Cancel" that accept and reject `dialog`. The texts are the program's
// own, as in the turn entry and check-word dialogs, not the translated standard
// texts of the platform.
QDialogButtonBox* okCancelButtons(QDialog* dialog);

}  // namespace kwarrel::ui
