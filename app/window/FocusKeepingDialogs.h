#pragma once

#include "app/window/UserDialogs.h"

// The window's dialogs as the user meets them: after a box or a file dialog
// closes, the focus is back on the control that had it before, whatever the
// box did with it meanwhile (a control hidden or disabled by then is left).
class FocusKeepingDialogs final : public UserDialogs {
public:
    explicit FocusKeepingDialogs(UserDialogs& shown) : shown_(shown) {}

    void ShowError(QWidget* parent, const QString& message) override;
    void ShowWarning(QWidget* parent, const QString& message) override;
    void ShowInformation(QWidget* parent, const QString& message) override;
    bool Confirm(QWidget* parent, const QString& question) override;
    std::optional<bool> ConfirmOrCancel(QWidget* parent, const QString& question) override;
    void AskMeanwhile(QWidget* parent, const QString& question, std::function<void(bool)> answered) override;
    void WithdrawQuestion() override { shown_.WithdrawQuestion(); }
    std::optional<QString> ChooseOpenFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> ChooseSaveFile(QWidget* parent, const FileDialogRequest& request) override;
    void ShowPreview(QWidget* parent, const RunPreview& preview) override;
    std::optional<std::vector<bool>> ChooseMappings(QWidget* parent,
                                                    const std::vector<ProposedMapping>& proposed) override;

private:
    UserDialogs& shown_;
};
