#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QWidget;
struct ProposedMapping;
struct RunPreview;

// What a file dialog is asked to show. The filter is written as the resource
// texts hold it: pairs of "description|patterns", patterns separated by ";".
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultSuffix; // appended when the chosen name has no extension; "" for none
    QString initialFile;   // the file name the dialog starts with
};

// The modal windows of the wizard: the error, warning and information boxes
// and the open and save dialogs. The window reaches them only through this
// interface, so a test can answer them without a modal loop.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A box titled "Ошибка" with an error icon and one OK button.
    virtual void ShowError(QWidget* parent, const QString& message) = 0;
    // A box titled "Предупреждение" with a warning icon and one OK button.
    virtual void ShowWarning(QWidget* parent, const QString& message) = 0;
    // A box titled "Информация" with an information icon and one OK button.
    virtual void ShowInformation(QWidget* parent, const QString& message) = 0;
    // A box titled "Подтверждение" with a question icon and the buttons Yes
    // and No; true for Yes.
    virtual bool Confirm(QWidget* parent, const QString& question) = 0;
    // A box titled "Подтверждение" with the buttons Да, Нет and Отмена: true
    // for Да, false for Нет, nothing for Отмена (and for closing the box).
    virtual std::optional<bool> ConfirmOrCancel(QWidget* parent, const QString& question) = 0;
    // The same question asked while a run goes on: the box does not hold the
    // window's thread, and `answered` gets true for Yes once it is closed.
    // One such question is up at a time.
    virtual void AskMeanwhile(QWidget* parent, const QString& question, std::function<void(bool)> answered) = 0;
    // Closes that question unanswered (the run ended meanwhile); nothing
    // when none is up.
    virtual void WithdrawQuestion() = 0;

    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> ChooseOpenFile(QWidget* parent, const FileDialogRequest& request) = 0;
    // Never asks whether an existing file may be replaced.
    virtual std::optional<QString> ChooseSaveFile(QWidget* parent, const FileDialogRequest& request) = 0;

    // The window "Просмотр данных": the rows a run would read, one column per
    // mapped field, the rows with errors marked; closed by the user.
    virtual void ShowPreview(QWidget* parent, const RunPreview& preview) = 0;

    // The window "Автоматическое сопоставление": the proposed pairs as scheme
    // lines with their reasons, guesses unchecked, the rest checked. Which the
    // user left checked when pressing OK; nothing for "Отмена".
    virtual std::optional<std::vector<bool>> ChooseMappings(QWidget* parent,
                                                            const std::vector<ProposedMapping>& proposed) = 0;
};
