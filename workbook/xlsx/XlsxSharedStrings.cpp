#include "workbook/xlsx/XlsxSharedStrings.h"

#include "workbook/SheetExtent.h"
#include "workbook/xlsx/SpreadsheetMl.h"
#include "workbook/xlsx/XlsxStringItem.h"
#include "workbook/XmlPartParser.h"

namespace {

class SharedStringsHandler : public XmlHandler {
public:
    SharedStringsHandler(CellSink& cells, std::size_t wanted) : cells_(cells), wanted_(wanted) {}

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
            if (cells_.SharedStringCount() >= wanted_) throw ReadingStopped();
        } else {
            item_.EndElement(name);
        }
    }
    void Characters(std::string_view text) override
    {
        if (inItem_) item_.Characters(text);
    }

private:
    CellSink& cells_;
    std::size_t wanted_;
    XlsxStringItem item_;
    bool inItem_ = false;
};

} // namespace

void ReadXlsxSharedStrings(ZipArchive& archive, const std::string& part, CellSink& cells, std::size_t wanted)
{
    SharedStringsHandler handler(cells, wanted);
    try {
        ParseXmlPart(archive, part, handler);
    } catch (const ReadingStopped&) {
    }
}

XlsxSharedStringReader::XlsxSharedStringReader(const WorkbookFile& workbook, const std::string& part, CellSink& cells)
    : cells_(cells), archive_(workbook), stream_(archive_, part),
      handler_(std::make_unique<SharedStringsHandler>(cells, SIZE_MAX)),
      parser_(part, archive_.PartSize(part), *handler_)
{
}

XlsxSharedStringReader::~XlsxSharedStringReader() = default;

void XlsxSharedStringReader::ReadUpTo(std::size_t count)
{
    while (!ended_ && cells_.SharedStringCount() < count) {
        const std::string_view chunk = stream_.Next();
        if (chunk.empty()) {
            ended_ = true;
            parser_.Finish();
        } else {
            parser_.CountAttributes(chunk);
            parser_.Feed(chunk);
        }
    }
}
