#include "workbook/xlsx/XlsxWorkbookPart.h"

#include "workbook/xlsx/SpreadsheetMl.h"
#include "workbook/WorkbookFault.h"
#include "workbook/XmlPartParser.h"

namespace {

class WorkbookHandler : public XmlHandler {
public:
    void StartElement(std::string_view name, std::string_view uri, const XmlAttributes& attributes) override
    {
        if (depth_++ == 0) {
            if (name != "workbook") ThrowUnsupported(ReadReason::NoSpreadsheet);
            if (!IsSpreadsheetMl(uri)) ThrowUnsupported(ReadReason::PrereleaseFormat);
            return;
        }
        if (!IsSpreadsheetMl(uri)) return;
        if (name == "workbookPr") {
            if (const auto flag = attributes.Raw("date1904")) info.date1904 = IsXmlTrue(*flag);
        } else if (name == "sheet") {
            const auto state = attributes.Raw("state");
            info.sheets.push_back({attributes.Text("name").value_or(std::string()),
                                   attributes.Text("id").value_or(std::string()), state && *state != "visible"});
        }
    }
    void EndElement(std::string_view, std::string_view) override { --depth_; }
    void Characters(std::string_view) override {}

    XlsxWorkbookInfo info;

private:
    int depth_ = 0;
};

} // namespace

XlsxWorkbookInfo ReadXlsxWorkbookPart(ZipArchive& archive, const std::string& part)
{
    WorkbookHandler handler;
    ParseXmlPart(archive, part, handler);
    if (handler.info.sheets.empty()) ThrowBroken(ReadReason::NoSheets);
    return handler.info;
}
