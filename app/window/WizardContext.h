#pragma once

#include "base/Regional.h"

#include <functional>

class QWidget;
class UserDialogs;

// What the wizard's steps share: the user's regional formats, the dialogs,
// the window the dialogs stand over, and whether the command line walks
// the steps (nobody is there to answer a question then).
struct WizardContext {
    Regional regional;
    UserDialogs& dialogs;
    QWidget& window;
    bool autoMode = false;
    // The window has been on the screen: what goes wrong is said at once.
    bool shown = false;

    // Runs a user action; a platform error it raises ends the action and is
    // shown in the error box, and the window stays usable.
    void Guarded(const std::function<void()>& action) const;
};
