#include "app/window/WizardContext.h"

#include "app/window/QtText.h"
#include "app/window/UserDialogs.h"
#include "messages/FaultMessages.h"

#include <exception>

void WizardContext::Guarded(const std::function<void()>& action) const
{
    try {
        action();
    } catch (const std::exception& error) {
        dialogs.ShowError(&window, QShown(UserMessage(error)));
    }
}
