#pragma once

#include "app/window/UserDialogs.h"
#include "convert/RunPreview.h"
#include "scheme/AutoMapping.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// Answers the window's modal boxes and file dialogs without a modal loop:
// boxes are recorded, file dialogs take the next scripted answer (a null
// QString, or nothing scripted, means Cancel).
class ScriptedDialogs final : public UserDialogs {
public:
    QStringList errors;
    QStringList warnings;
    QStringList informations;
    std::vector<RunPreview> previews;
    std::vector<std::vector<ProposedMapping>> proposals;
    std::deque<std::optional<std::vector<bool>>> mappingAnswers;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::deque<QString> fileAnswers;
    QStringList questions;
    // The answers to the questions in turn; No when none is left.
    std::deque<bool> confirmAnswers;
    // The question asked while a run goes on waits here until the test
    // answers it, unless an answer is scripted in confirmAnswers; a withdrawn
    // one is counted.
    std::function<void(bool)> pendingQuestion;
    int withdrawnQuestions = 0;
    // Runs while a warning box would be up; the run waits for it.
    std::function<void()> duringWarning;
    // Runs while a question box would be up (a real one takes the focus).
    std::function<void()> duringBox;

    void ShowError(QWidget*, const QString& message) override { errors << message; }

    void ShowWarning(QWidget*, const QString& message) override
    {
        warnings << message;
        if (duringWarning) duringWarning();
    }

    void ShowInformation(QWidget*, const QString& message) override { informations << message; }
    void ShowPreview(QWidget*, const RunPreview& preview) override { previews.push_back(preview); }

    // Answers with the next of mappingAnswers: the checks as proposed when it
    // holds nothing, nothing ("Отмена") for an empty answer.
    std::optional<std::vector<bool>> ChooseMappings(QWidget*, const std::vector<ProposedMapping>& proposed) override
    {
        proposals.push_back(proposed);
        if (mappingAnswers.empty()) {
            std::vector<bool> checks;
            for (const ProposedMapping& mapping : proposed) checks.push_back(mapping.Confident());
            return checks;
        }
        std::optional<std::vector<bool>> answer = mappingAnswers.front();
        mappingAnswers.pop_front();
        return answer;
    }

    bool Confirm(QWidget*, const QString& question) override
    {
        questions << question;
        if (duringBox) duringBox();
        if (confirmAnswers.empty()) return false;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }

    // The three-way questions (Да / Нет / Отмена) are answered from here:
    // true, false or nothing; Нет when none is left.
    std::deque<std::optional<bool>> threeWayAnswers;

    std::optional<bool> ConfirmOrCancel(QWidget*, const QString& question) override
    {
        questions << question;
        if (threeWayAnswers.empty()) return false;
        const std::optional<bool> answer = threeWayAnswers.front();
        threeWayAnswers.pop_front();
        return answer;
    }

    void AskMeanwhile(QWidget*, const QString& question, std::function<void(bool)> answered) override
    {
        questions << question;
        pendingQuestion = std::move(answered);
        if (confirmAnswers.empty()) return;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        Answer(answer);
    }

    void WithdrawQuestion() override
    {
        if (!pendingQuestion) return;
        pendingQuestion = nullptr;
        ++withdrawnQuestions;
    }

    void Answer(bool yes)
    {
        std::function<void(bool)> answered = std::move(pendingQuestion);
        pendingQuestion = nullptr;
        answered(yes);
    }

    std::optional<QString> ChooseOpenFile(QWidget*, const FileDialogRequest& request) override
    {
        openRequests.push_back(request);
        return NextAnswer();
    }

    std::optional<QString> ChooseSaveFile(QWidget*, const FileDialogRequest& request) override
    {
        saveRequests.push_back(request);
        return NextAnswer();
    }

private:
    std::optional<QString> NextAnswer()
    {
        if (fileAnswers.empty()) return std::nullopt;
        const QString answer = fileAnswers.front();
        fileAnswers.pop_front();
        if (answer.isNull()) return std::nullopt;
        return answer;
    }
};
