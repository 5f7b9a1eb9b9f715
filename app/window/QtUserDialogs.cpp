#include "app/window/QtUserDialogs.h"

#include "app/window/QtText.h"
#include "catalogue/QRNConsts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const char* caption, const QString& message)
{
    QMessageBox box(icon, QStr(caption), message, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title);
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
    QMessageBox box(QMessageBox::Question, QStr(QRNConsts::sConfirmCaption), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtUserDialogs::ChooseOpenFile(QWidget* parent, const FileDialogRequest& request)
{
    return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtUserDialogs::ChooseSaveFile(QWidget* parent, const FileDialogRequest& request)
{
    return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}
