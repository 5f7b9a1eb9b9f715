#pragma once

#include "app/window/UserDialogs.h"

#include <QMessageBox>
#include <QPointer>
#include <QStringList>

// The dialogs as the user sees them: QMessageBox and QFileDialog.
class QtUserDialogs final : public UserDialogs {
public:
    void ShowError(QWidget* parent, const QString& message) override;
    void ShowWarning(QWidget* parent, const QString& message) override;
    void ShowInformation(QWidget* parent, const QString& message) override;
    bool Confirm(QWidget* parent, const QString& question) override;
    std::optional<bool> ConfirmOrCancel(QWidget* parent, const QString& question) override;
    void AskMeanwhile(QWidget* parent, const QString& question, std::function<void(bool)> answered) override;
    void WithdrawQuestion() override;
    std::optional<QString> ChooseOpenFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> ChooseSaveFile(QWidget* parent, const FileDialogRequest& request) override;
    void ShowPreview(QWidget* parent, const RunPreview& preview) override;
    std::optional<std::vector<bool>> ChooseMappings(QWidget* parent,
                                                    const std::vector<ProposedMapping>& proposed) override;

private:
    QPointer<QMessageBox> question_;
};

// "*.xls|*.xls;*.xlsx" -> {"*.xls (*.xls *.xlsx)"}: the resource form of a
// filter as the name filters of a Qt file dialog.
QStringList NameFiltersOf(const QString& filter);
