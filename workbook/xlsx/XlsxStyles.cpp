#include "workbook/xlsx/XlsxStyles.h"

#include "workbook/NumberFormats.h"
#include "workbook/xlsx/SpreadsheetMl.h"
#include "workbook/XmlPartParser.h"

#include <charconv>
#include <unordered_map>

namespace {

int NumberAttribute(const XmlAttributes& attributes, std::string_view name)
{
    int value = 0;
    if (const auto raw = attributes.Raw(name)) std::from_chars(raw->data(), raw->data() + raw->size(), value);
    return value;
}

class StylesHandler : public XmlHandler {
public:
    void StartElement(std::string_view name, std::string_view uri, const XmlAttributes& attributes) override
    {
        if (!IsSpreadsheetMl(uri)) return;
        // A numFmt of a differential format (conditional formatting, tables)
        // reuses an id without changing the cells that have that format.
        if (name == "numFmt" && inNumFmts_) {
            // An empty code leaves a built-in format as it is.
            if (const auto code = attributes.Text("formatCode"); code && !code->empty())
                customCodes_[NumberAttribute(attributes, "numFmtId")] = StyleOfFormatCode(*code);
        } else if (name == "numFmts") {
            inNumFmts_ = true;
        } else if (name == "cellXfs") {
            inCellXfs_ = true;
        } else if (name == "xf" && inCellXfs_) {
            formatIds_.push_back(NumberAttribute(attributes, "numFmtId"));
        }
    }
    void EndElement(std::string_view name, std::string_view uri) override
    {
        if (!IsSpreadsheetMl(uri)) return;
        if (name == "cellXfs") inCellXfs_ = false;
        if (name == "numFmts") inNumFmts_ = false;
    }
    void Characters(std::string_view) override {}

    // Formats may be listed after the cell formats that use them.
    std::vector<NumberStyle> Styles() const
    {
        std::vector<NumberStyle> styles;
        styles.reserve(formatIds_.size());
        for (int id : formatIds_) {
            const auto custom = customCodes_.find(id);
            styles.push_back(custom != customCodes_.end() ? custom->second : StyleOfBuiltinFormat(id));
        }
        return styles;
    }

private:
    std::unordered_map<int, NumberStyle> customCodes_;
    std::vector<int> formatIds_;
    bool inNumFmts_ = false;
    bool inCellXfs_ = false;
};

} // namespace

std::vector<NumberStyle> ReadXlsxCellStyles(ZipArchive& archive, const std::string& part)
{
    StylesHandler handler;
    ParseXmlPart(archive, part, handler);
    return handler.Styles();
}
