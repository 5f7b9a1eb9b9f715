#pragma once

#include "ScriptedDialogs.h"
#include "app/window/TfmQRNMain.h"
#include "support/TempFolder.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

// Writes an xlsx workbook whose first sheet holds these rows of text cells
// (row 1 first), the columns `hidden` (from 1) hidden.
void WriteWorkbook(const std::string& path, const std::vector<std::vector<std::string>>& rows,
                   const std::vector<int>& hidden = {});
// The same with several sheets, each with its name, in this order.
using Rows = std::vector<std::vector<std::string>>;
void WriteWorkbookSheets(const std::string& path, const std::vector<std::pair<std::string, Rows>>& sheets,
                         const std::vector<int>& hidden = {});

// One window with scripted dialogs, the Russian regional formats and a
// settings file of its own in a fresh temporary folder.
class WindowFixture {
public:
    explicit WindowFixture(const QStringList& parameters = {});
    ~WindowFixture();

    TfmQRNMain& window() { return *window_; }
    ScriptedDialogs& dialogs() { return dialogs_; }
    std::string File(const std::string& name) const { return folder_.File(name); }
    QString QFile(const std::string& name) const { return QString::fromStdString(folder_.File(name)); }

    // Makes a new window with these parameters (the settings stay).
    void Recreate(const QStringList& parameters);

    // Waits until the timer has fired and the run it started has finished.
    bool WaitForRun(int timeoutMs = 20000);

private:
    TempFolder folder_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<TfmQRNMain> window_;
};

// The text a button or label shows: without the "&" of its Alt-letter key.
QString ShownText(const QString& text);

// The texts of a list's items.
QStringList Items(const class QListWidget& list);

// Today in the short date format of the Russian profile.
QString TodayText();

// What is wrong with the fixed layout of a panel, one text per fault: direct
// children that overlap each other or reach out of the panel, and word-wrapped
// labels whose text needs more height than they have.
QStringList LayoutFaults(const QWidget& panel);
