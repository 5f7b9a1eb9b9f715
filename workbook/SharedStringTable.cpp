#include "workbook/SharedStringTable.h"

void SharedStringTable::Clear()
{
    texts_ = TextArena();
    starts_.clear();
}
