#include "app/window/FocusKeepingDialogs.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

// Notes the control with the focus in the parent's window and gives the
// focus back to it when it goes.
class FocusReturn {
public:
    explicit FocusReturn(QWidget* parent) : had_(parent ? parent->window()->focusWidget() : QApplication::focusWidget())
    {
    }
    ~FocusReturn() { Restore(had_); }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

    static void Restore(const QPointer<QWidget>& control)
    {
        if (control && control->isVisible() && control->isEnabled()) control->setFocus(Qt::OtherFocusReason);
    }

private:
    QPointer<QWidget> had_;
};

} // namespace

void FocusKeepingDialogs::ShowError(QWidget* parent, const QString& message)
{
    const FocusReturn back(parent);
    shown_.ShowError(parent, message);
}

void FocusKeepingDialogs::ShowWarning(QWidget* parent, const QString& message)
{
    const FocusReturn back(parent);
    shown_.ShowWarning(parent, message);
}

void FocusKeepingDialogs::ShowInformation(QWidget* parent, const QString& message)
{
    const FocusReturn back(parent);
    shown_.ShowInformation(parent, message);
}

bool FocusKeepingDialogs::Confirm(QWidget* parent, const QString& question)
{
    const FocusReturn back(parent);
    return shown_.Confirm(parent, question);
}

std::optional<bool> FocusKeepingDialogs::ConfirmOrCancel(QWidget* parent, const QString& question)
{
    const FocusReturn back(parent);
    return shown_.ConfirmOrCancel(parent, question);
}

void FocusKeepingDialogs::AskMeanwhile(QWidget* parent, const QString& question, std::function<void(bool)> answered)
{
    QPointer<QWidget> had = parent ? parent->window()->focusWidget() : QApplication::focusWidget();
    shown_.AskMeanwhile(parent, question, [had, answered = std::move(answered)](bool yes) {
        FocusReturn::Restore(had);
        answered(yes);
    });
}

std::optional<QString> FocusKeepingDialogs::ChooseOpenFile(QWidget* parent, const FileDialogRequest& request)
{
    const FocusReturn back(parent);
    return shown_.ChooseOpenFile(parent, request);
}

std::optional<QString> FocusKeepingDialogs::ChooseSaveFile(QWidget* parent, const FileDialogRequest& request)
{
    const FocusReturn back(parent);
    return shown_.ChooseSaveFile(parent, request);
}

void FocusKeepingDialogs::ShowPreview(QWidget* parent, const RunPreview& preview)
{
    const FocusReturn back(parent);
    shown_.ShowPreview(parent, preview);
}

std::optional<std::vector<bool>> FocusKeepingDialogs::ChooseMappings(QWidget* parent,
                                                                     const std::vector<ProposedMapping>& proposed)
{
    const FocusReturn back(parent);
    return shown_.ChooseMappings(parent, proposed);
}
