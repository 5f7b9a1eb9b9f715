#include "convert/ReadWorkbook.h"

#include "catalogue/FaultMessages.h"
#include "scheme/HeaderRow.h"

std::unique_ptr<Workbook> ReadWorkbook(const std::string& path, const Regional& regional)
{
    return WithUserMessages([&] { return OpenWorkbook(path, regional); });
}

std::vector<std::string> ReadWorkbookColumnNames(const std::string& path, const Regional& regional)
{
    return WithUserMessages([&] { return ReadColumnNames(path, regional); });
}
