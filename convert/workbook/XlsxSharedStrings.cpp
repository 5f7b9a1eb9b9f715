#include "convert/workbook/XlsxSharedStrings.h"

#include "convert/workbook/SpreadsheetMl.h"
#include "convert/workbook/XlsxStringItem.h"
#include "convert/workbook/XmlPartParser.h"

#include <algorithm>
#include <charconv>

namespace {

class SharedStringsHandler : public XmlHandler {
public:
    void StartElement(std::string_view name, std::string_view uri, const XmlAttributes& attributes) override
    {
        if (!IsSpreadsheetMl(uri)) return;
        if (name == "si") {
            inItem_ = true;
            item_.Begin();
        } else if (inItem_) {
            item_.StartElement(name);
        } else if (name == "sst") {
            // The declared count is a hint only: trusting it could reserve
            // gigabytes for a table of three strings.
            std::size_t count = 0;
            if (const auto raw = attributes.Raw("uniqueCount"))
                std::from_chars(raw->data(), raw->data() + raw->size(), count);
            table.reserve(std::min<std::size_t>(count, 1 << 20));
        }
    }
    void EndElement(std::string_view name, std::string_view uri) override
    {
        if (!inItem_ || !IsSpreadsheetMl(uri)) return;
        if (name == "si") {
            inItem_ = false;
            table.push_back(item_.Text());
        } else {
            item_.EndElement(name);
        }
    }
    void Characters(std::string_view text) override
    {
        if (inItem_) item_.Characters(text);
    }

    std::vector<std::string> table;

private:
    XlsxStringItem item_;
    bool inItem_ = false;
};

} // namespace

std::vector<std::string> ReadXlsxSharedStrings(ZipArchive& archive, const std::string& part)
{
    SharedStringsHandler handler;
    ParseXmlPart(archive, part, handler);
    return std::move(handler.table);
}
