#include "convert/ConversionReport.h"

#include "base/AtomicFile.h"
#include "base/MessageFormat.h"
#include "base/ShownText.h"
#include "convert/RunLogTexts.h"
#include "messages/FaultMessages.h"

std::string ConversionReportText(const std::string& workbookPath, TDocumentType type, double runDateTime,
                                 const Regional& regional, const std::vector<std::string>& logLines)
{
    // Date and time always both: a run at midnight still says when it ran.
    const std::string when = regional.FormatDate(runDateTime) + " " + regional.FormatTime(runDateTime);
    std::string text =
        FormatMessage(QRNConsts::sReportHeader, {ShownText(workbookPath), DocumentTypeCaption(type), when});
    text += '\n';
    for (const std::string& line : logLines) {
        text += ShownText(line);
        text += '\n';
    }
    return text;
}

void WriteConversionReport(const std::string& path, const std::string& text)
{
    AtomicFile file(path);
    file.Write(text);
    file.Commit();
}

std::unique_ptr<AtomicFile> BeginConversionReport(const std::string& path)
{
    return std::make_unique<AtomicFile>(path);
}
