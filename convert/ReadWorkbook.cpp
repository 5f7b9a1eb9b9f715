#include "convert/ReadWorkbook.h"

#include "base/QuarnelError.h"
#include "catalogue/FaultMessages.h"

std::unique_ptr<Workbook> ReadWorkbook(const std::string& path, const Regional& regional)
{
    try {
        return OpenWorkbook(path, regional);
    } catch (const WorkbookFault& fault) {
        throw QuarnelError(WorkbookFaultMessage(fault));
    }
}
