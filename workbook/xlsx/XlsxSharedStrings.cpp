#include "workbook/xlsx/XlsxSharedStrings.h"

#include "workbook/xlsx/SpreadsheetMl.h"
#include "workbook/xlsx/XlsxStringItem.h"
#include "workbook/XmlPartParser.h"


namespace {

class SharedStringsHandler : public XmlHandler {
public:
    explicit SharedStringsHandler(SheetCells& cells) : cells_(cells) {}

    void StartElement(std::string_view name, std::string_view uri, const XmlAttributes&) override
    {
        if (!IsSpreadsheetMl(uri)) return;
        if (name == "si") {
            inItem_ = true;
            item_.Begin();
        } else if (inItem_) {
            item_.StartElement(name);
        }
    }
    void EndElement(std::string_view name, std::string_view uri) override
    {
        if (!inItem_ || !IsSpreadsheetMl(uri)) return;
        if (name == "si") {
            inItem_ = false;
            cells_.AddSharedString(item_.Text());
        } else {
            item_.EndElement(name);
        }
    }
    void Characters(std::string_view text) override
    {
        if (inItem_) item_.Characters(text);
    }

private:
    SheetCells& cells_;
    XlsxStringItem item_;
    bool inItem_ = false;
};

} // namespace

void ReadXlsxSharedStrings(ZipArchive& archive, const std::string& part, SheetCells& cells)
{
    SharedStringsHandler handler(cells);
    ParseXmlPart(archive, part, handler);
}
