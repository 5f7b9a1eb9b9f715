#include "app/window/QtUserDialogs.h"

#include "app/window/QtText.h"
#include "app/window/WindowTexts.h"
#include "convert/RunPreview.h"
#include "scheme/AutoMapping.h"
#include "scheme/SchemeLine.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {

std::string MatchReasonText(MatchReason reason)
{
    switch (reason) {
    case MatchReason::Caption: return QRNConsts::sReasonSameAsCaption;
    case MatchReason::KnownName: return QRNConsts::sReasonKnownName;
    case MatchReason::Price: return QRNConsts::sReasonPriceColumn;
    case MatchReason::Content: return QRNConsts::sReasonColumnContent;
    case MatchReason::Similar: return QRNConsts::sReasonSimilarName;
    case MatchReason::Guess: return QRNConsts::sReasonGuess;
    }
    return {};
}

// A dialog of the wizard's own: its content, a note under it, and the buttons
// with the program's texts (OK accepts, the others reject).
void LayOutDialog(QDialog& dialog, QWidget* content, const char* note,
                  std::initializer_list<std::pair<QDialogButtonBox::StandardButton, const char*>> buttons)
{
    auto* noteLabel = new QLabel(QStr(note), &dialog);
    noteLabel->setWordWrap(true);
    auto* box = new QDialogButtonBox(&dialog);
    for (const auto& [button, text] : buttons) box->addButton(button)->setText(QStr(text));
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(content);
    layout->addWidget(noteLabel);
    layout->addWidget(box);
}

// A question box with the program's own button texts, whatever language Qt
// speaks; No is the default, so that Enter never replaces or loses anything.
void SetUpQuestion(QMessageBox& box, QMessageBox::StandardButtons buttons)
{
    box.setStandardButtons(buttons);
    for (const auto& [button, text] :
         {std::pair{QMessageBox::Yes, QRNConsts::sYes}, std::pair{QMessageBox::No, QRNConsts::sNo},
          std::pair{QMessageBox::Cancel, QRNConsts::sCancel}})
        if (QAbstractButton* shown = box.button(button)) shown->setText(QStr(text));
    box.setDefaultButton(QMessageBox::No);
}

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const char* caption, const QString& message)
{
    QMessageBox box(icon, QStr(caption), message, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title);
    // The dates of the files in Russian, whatever the locale.
    dialog.setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The description of each filter already names its patterns.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(NameFiltersOf(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialFile.isEmpty()) {
        const QFileInfo initial(request.initialFile);
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

QStringList NameFiltersOf(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            // File names on this platform are case-sensitive, while the
            // workbooks come from systems where "BOOKS.XLS" is the same file.
            patterns << trimmed;
            if (trimmed.toUpper() != trimmed) patterns << trimmed.toUpper();
        }
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

void QtUserDialogs::ShowError(QWidget* parent, const QString& message)
{
    ShowBox(parent, QMessageBox::Critical, QRNConsts::sErrorCaption, message);
}

void QtUserDialogs::ShowWarning(QWidget* parent, const QString& message)
{
    ShowBox(parent, QMessageBox::Warning, QRNConsts::sWarningCaption, message);
}

void QtUserDialogs::ShowInformation(QWidget* parent, const QString& message)
{
    ShowBox(parent, QMessageBox::Information, QRNConsts::sInformationCaption, message);
}

bool QtUserDialogs::Confirm(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, QStr(QRNConsts::sConfirmCaption), question, QMessageBox::NoButton, parent);
    SetUpQuestion(box, QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<bool> QtUserDialogs::ConfirmOrCancel(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, QStr(QRNConsts::sConfirmCaption), question, QMessageBox::NoButton, parent);
    SetUpQuestion(box, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return true;
    case QMessageBox::No: return false;
    default: return std::nullopt;
    }
}

void QtUserDialogs::AskMeanwhile(QWidget* parent, const QString& question, std::function<void(bool)> answered)
{
    WithdrawQuestion();
    auto* box = new QMessageBox(QMessageBox::Question, QStr(QRNConsts::sConfirmCaption), question,
                                QMessageBox::NoButton, parent);
    SetUpQuestion(*box, QMessageBox::Yes | QMessageBox::No);
    // Esc and the box's close button answer Нет: the run goes on.
    box->setEscapeButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box,
                     [answered = std::move(answered)](int result) { answered(result == QMessageBox::Yes); });
    question_ = box;
    // The window stays open to its close box meanwhile, which answers Да: a
    // window a modal box blocks would refuse to close.
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void QtUserDialogs::WithdrawQuestion()
{
    if (!question_) return;
    // Closed without an answer: the window learns nothing from it.
    question_->disconnect();
    question_->close();
    question_ = nullptr;
}

std::optional<QString> QtUserDialogs::ChooseOpenFile(QWidget* parent, const FileDialogRequest& request)
{
    return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtUserDialogs::ChooseSaveFile(QWidget* parent, const FileDialogRequest& request)
{
    return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

void QtUserDialogs::ShowPreview(QWidget* parent, const RunPreview& preview)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStr(QRNConsts::sPreviewTitle));
    auto* table =
        new QTableWidget(static_cast<int>(preview.rows.size()), static_cast<int>(preview.captions.size()), &dialog);
    QStringList captions;
    for (const std::string& caption : preview.captions) captions << QShown(caption);
    table->setHorizontalHeaderLabels(captions);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const QColor markedRow(255, 220, 220);
    for (int r = 0; r < static_cast<int>(preview.rows.size()); ++r) {
        const RunPreview::Row& row = preview.rows[static_cast<std::size_t>(r)];
        // The sheet's own row numbers, as the log gives them.
        table->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(row.number)));
        QStringList errors;
        for (const std::string& error : row.errors) errors << QShown(error);
        for (int c = 0; c < static_cast<int>(row.texts.size()); ++c) {
            auto* item = new QTableWidgetItem(QShown(row.texts[static_cast<std::size_t>(c)]));
            if (row.marked) item->setBackground(markedRow);
            if (!errors.isEmpty()) item->setToolTip(errors.join(QLatin1Char('\n')));
            table->setItem(r, c, item);
        }
    }
    // Each column as wide as its texts, but no annotation as wide as a page.
    constexpr int kMaxColumnWidth = 300;
    table->resizeColumnsToContents();
    for (int c = 0; c < table->columnCount(); ++c)
        table->setColumnWidth(c, std::min(table->columnWidth(c), kMaxColumnWidth));
    LayOutDialog(dialog, table, QRNConsts::sPreviewNote, {{QDialogButtonBox::Close, QRNConsts::sClose}});
    dialog.resize(760, 480);
    dialog.exec();
}

std::optional<std::vector<bool>> QtUserDialogs::ChooseMappings(QWidget* parent,
                                                               const std::vector<ProposedMapping>& proposed)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStr(QRNConsts::sAutoMappingTitle));
    auto* list = new QListWidget(&dialog);
    for (const ProposedMapping& mapping : proposed) {
        auto* item = new QListWidgetItem(
            QStr(SchemeLineFor(mapping.caption, mapping.column) + "   (" + MatchReasonText(mapping.reason) + ")"),
            list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(mapping.Confident() ? Qt::Checked : Qt::Unchecked);
    }
    LayOutDialog(dialog, list, QRNConsts::sAutoMappingNote,
                 {{QDialogButtonBox::Ok, QRNConsts::sOK}, {QDialogButtonBox::Cancel, QRNConsts::sCancel}});
    dialog.resize(620, 420);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    std::vector<bool> chosen;
    for (int row = 0; row < list->count(); ++row) chosen.push_back(list->item(row)->checkState() == Qt::Checked);
    return chosen;
}
