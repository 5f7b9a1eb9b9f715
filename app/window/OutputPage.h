#pragma once

#include "catalogue/DocumentTypes.h"

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
struct WizardContext;

// Step 4: the XML file the run writes. The program proposes the workbook's
// name with ".xml" until the user gives a name of their own, and asks
// before a file is lost to the XML.
class OutputPage : public QWidget {
public:
    // `workbookPath` gives the path of the workbook chosen on step 1.
    OutputPage(const WizardContext& context, std::function<QString()> workbookPath, QWidget* parent);

    QString OutputPath() const;
    // The output the command line names, as it names it.
    void SetOutputPath(const QString& path);
    // On entering the step: the note on invoice packages for the invoice
    // only, the proposed name, the focus in the field.
    void Enter(bool invoice);
    // On "Далее >>": a path given, as the save dialog would take it, and the
    // questions before a file is replaced; false when there is none (said)
    // or the user says no.
    bool AcceptXmlFile(TDocumentType type);

private:
    void SelectXmlFile();
    // Before a file other than XML is replaced: asked, or in the automatic
    // mode refused.
    bool MayReplaceNotXml(const QString& path);
    void ProposeXmlFile();
    QString XmlDialogStartFile() const;
    // The workbook's path with ".xml" for its extension; "" without one.
    QString XmlBesideWorkbook() const;

    const WizardContext& FContext;
    std::function<QString()> FWorkbookPath;
    QLineEdit* edXMLFile;
    QPushButton* btSelectXmlFile;
    QLabel* lbInfoNakl;
    // The XML file chosen last: the XML dialog starts with it, not with the
    // name another save left.
    QString FXmlDialogFileName;
    // The name the field was last given by the program: while the field
    // holds it, the program may give another.
    QString FXmlProposal;
};
