#pragma once

#include "ScriptedDialogs.h"
#include "app/window/RunPage.h"
#include "app/window/SchemePage.h"
#include "app/window/TfmQRNMain.h"
#include "support/TempFolder.h"

#include <QString>
#include <QStringList>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

#include <memory>
#include <optional>
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

// The window's controls, found by the names they carry, as a user finds them
// on the screen; the window keeps them to itself. A name the window lacks
// fails the test that needs it.
struct WindowControls {
    explicit WindowControls(QWidget& window);

    QWidget* pn1;
    // Step 2 as a page: a test drags and drops through it.
    SchemePage* pn2;
    QWidget* pn3;
    QWidget* pn4;
    // Step 5 as a page: a test starts a run through it.
    RunPage* pn5;
    QLabel* lbHeader;
    QLabel* lbInfo;
    QPushButton* btPrev;
    QPushButton* btNext;
    QPushButton* btClose;

    QLineEdit* edExcelFile;
    QLabel* lbExcelNote;
    QLabel* lbExcelProblem;
    QPushButton* btSelectExcelFile;
    QComboBox* cbDocType;
    QComboBox* cbSheet;
    QSpinBox* seHeaderRow;
    QComboBox* cbLayout;

    QListWidget* listExcel;
    QListWidget* listOnix;
    QListWidget* listCorresp;
    QAction* actCorrespClear;
    QAction* actCorrespAuto;
    QAction* actCorrespDel;
    QAction* actCorrespOpen;
    QPushButton* btClearCorresp;
    QPushButton* btAutoCorresp;
    QPushButton* btSaveCorresp;
    QPushButton* btOpenCorresp;
    QPushButton* btPreview;
    QMenu* pmCorresp;

    QLineEdit* edFromSAN;
    QLineEdit* edFromCompany;
    QLineEdit* edFromPerson;
    QLineEdit* edToSAN;
    QLineEdit* edToCompany;
    QLineEdit* edToPerson;
    QLineEdit* edMessageNumber;
    QLineEdit* edDocumentReference;
    QLineEdit* edSentDate;
    QPushButton* btSelectDate;
    QLabel* lbMessageNumber;
    QLabel* lbDocumentReference;
    QLabel* lbMessageNumberMark;
    QLabel* lbDocumentReferenceMark;

    QLineEdit* edXMLFile;
    QPushButton* btSelectXmlFile;
    QLabel* lbInfoNakl;

    QProgressBar* ProgressBar1;
    QPlainTextEdit* memLog;
    QPushButton* btSaveLog;
    QTimer* tmAuto;
};

// One window with scripted dialogs, the Russian regional formats and a
// settings file of its own in a fresh temporary folder.
class WindowFixture {
public:
    explicit WindowFixture(const QStringList& parameters = {});
    ~WindowFixture();

    TfmQRNMain& window() { return *window_; }
    // The controls of the window of the moment (a new one after Recreate).
    const WindowControls& ui() const { return *controls_; }
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
    // Rebuilt in place, so that a reference taken before Recreate stays good.
    std::optional<WindowControls> controls_;
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
