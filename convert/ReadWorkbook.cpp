#include "convert/ReadWorkbook.h"

#include "catalogue/FaultMessages.h"

std::unique_ptr<Workbook> ReadWorkbook(const std::string& path, const Regional& regional)
{
    return WithUserMessages([&] { return OpenWorkbook(path, regional); });
}
