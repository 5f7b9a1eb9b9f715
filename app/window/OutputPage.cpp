#include "app/window/OutputPage.h"

#include "app/window/QtText.h"
#include "app/window/UserDialogs.h"
#include "app/window/WizardContext.h"
#include "app/window/WizardControls.h"
#include "base/AtomicFile.h"
#include "base/MessageFormat.h"
#include "app/common/FrontEndTexts.h"
#include "app/window/WindowTexts.h"
#include "convert/MessageKind.h"
#include "messages/FaultMessages.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>
#include <vector>

OutputPage::OutputPage(const WizardContext& context, std::function<QString()> workbookPath, QWidget* parent)
    : QWidget(parent), FContext(context), FWorkbookPath(std::move(workbookPath))
{
    setObjectName(QStringLiteral("pn4"));
    QLabel* xmlLabel = NewLabel(this, QRNConsts::sChooseXmlLabel);
    edXMLFile = NewEdit(this, "edXMLFile");
    btSelectXmlFile = NewEllipsisButton(this, "btSelectXmlFile", QRNConsts::sSelectXmlHint);
    connect(btSelectXmlFile, &QPushButton::clicked, this, &OutputPage::SelectXmlFile);
    lbInfoNakl = NewNote(this, QRNConsts::sInvoicePackageNote);
    lbInfoNakl->setObjectName(QStringLiteral("lbInfoNakl"));
    xmlLabel->setBuddy(edXMLFile);

    // The field and its button, 612 pixels in the middle, the note under
    // them.
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(46, 16, 47, 0);
    page->setSpacing(0);
    page->addWidget(xmlLabel);
    page->addSpacing(1);
    page->addLayout(FieldWithButton(edXMLFile, btSelectXmlFile));
    page->addSpacing(10);
    page->addWidget(lbInfoNakl);
    page->addStretch();
}

QString OutputPage::OutputPath() const
{
    return edXMLFile->text();
}

void OutputPage::SetOutputPath(const QString& path)
{
    edXMLFile->setText(path);
}

void OutputPage::Enter(bool invoice)
{
    lbInfoNakl->setVisible(invoice);
    ProposeXmlFile();
    edXMLFile->setFocus();
}

// The last XML file chosen, else the workbook's name with ".xml" beside it;
// never the name another save dialog left (a scheme's), which one Enter
// would have replaced by the XML.
QString OutputPage::XmlDialogStartFile() const
{
    if (!FXmlDialogFileName.isEmpty()) return FXmlDialogFileName;
    return XmlBesideWorkbook();
}

QString OutputPage::XmlBesideWorkbook() const
{
    const QString workbookPath = FWorkbookPath();
    if (workbookPath.isEmpty()) return QString();
    const QFileInfo workbook(workbookPath);
    return workbook.absolutePath() + QLatin1Char('/') + workbook.completeBaseName() + QStringLiteral(".xml");
}

void OutputPage::SelectXmlFile()
{
    const FileDialogRequest request{QStr(QRNConsts::sXmlSaveDialogTitle), QStr(QRNConsts::sXmlFilter),
                                    QStringLiteral("xml"), XmlDialogStartFile()};
    const auto path = FContext.dialogs.ChooseSaveFile(&FContext.window, request);
    if (!path || !MayReplaceNotXml(*path)) return;
    FXmlDialogFileName = *path;
    FXmlProposal.clear();
    SetTextFromStart(*edXMLFile, *path);
    FocusNextInput(*btSelectXmlFile);
}

// Converting again into the same XML file is the usual thing and is not
// asked about; any other kind of file would be lost to the XML. Nobody is
// there to ask in the automatic mode: such a file is refused.
bool OutputPage::MayReplaceNotXml(const QString& path)
{
    if (!QFileInfo::exists(path) || path.endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive)) return true;
    if (FContext.autoMode) {
        FContext.dialogs.ShowError(&FContext.window, QStr(FormatMessage(QRNConsts::sNotXmlRefused, {StdStr(path)})));
        return false;
    }
    return FContext.dialogs.Confirm(&FContext.window, QStr(FormatMessage(QRNConsts::sReplaceNotXml, {StdStr(path)})));
}

void OutputPage::ProposeXmlFile()
{
    if (FContext.autoMode || (!edXMLFile->text().isEmpty() && edXMLFile->text() != FXmlProposal)) return;
    FXmlProposal = XmlBesideWorkbook();
    SetTextFromStart(*edXMLFile, FXmlProposal);
}

bool OutputPage::AcceptXmlFile(TDocumentType type)
{
    if (OutputPath().isEmpty()) {
        FContext.dialogs.ShowError(&FContext.window, QStr(QRNConsts::sNoXmlFile));
        return false;
    }
    QString path = edXMLFile->text();
    // As the save dialog takes a name typed without an extension.
    if (!FContext.autoMode && !path.endsWith(QLatin1Char('/')) && QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".xml");
        SetTextFromStart(*edXMLFile, path);
    }
    // A file chosen in the dialog was asked about there.
    if (path != FXmlDialogFileName && !MayReplaceNotXml(path)) return false;
    if (FContext.autoMode) return true;
    // A folder that is not there, or cannot be written in, is said now rather
    // than after the whole run (the automatic mode leaves it to the run's
    // log): a file begun there and dropped unwritten tells, and leaves nothing.
    try {
        AtomicFile probe(StdStr(path), AtomicFile::StaleTemporaries::Leave);
    } catch (const std::exception& error) {
        FContext.dialogs.ShowError(&FContext.window, QShown(UserMessage(error)));
        return false;
    }
    const std::vector<std::string> other = OtherKindOfMessage(StdStr(path), type);
    if (other.empty()) return true;
    std::string names;
    for (const std::string& name : other) names += (names.empty() ? "" : ", ") + name;
    const char* held = type == kInvoiceType ? QRNConsts::sPriceListMessage : QRNConsts::sInvoiceMessage;
    return FContext.dialogs.Confirm(&FContext.window,
                                    QStr(FormatMessage(QRNConsts::sReplaceOtherMessage, {names, held})));
}
