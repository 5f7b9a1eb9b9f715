#pragma once

#include "base/CharsetFault.h"
#include "base/DateTimeFault.h"
#include "base/EdgeFileFault.h"
#include "base/FileFault.h"
#include "workbook/WorkbookFault.h"

#include <filesystem>
#include <string>

// The messages the user sees for the faults the lower layers raise without
// words of their own. The one place that puts them into Russian.

// "Файл ... поврежден или не является книгой Excel: ...", and so on by kind;
// names the file and the reason.
std::string WorkbookFaultMessage(const WorkbookFault& fault);

// The reason of a failed file operation in Russian: the errors a user meets
// in words, any other as "системная ошибка N".
std::string DescribeSystemError(int error);

// Why a file could not be read or written: "нет доступа", "это не обычный
// файл", ...
std::string FileFaultReason(const FileFault& fault);

// "Не удается прочитать файл ...: ..." or "Не удается записать файл ...: ...";
// a file that is not there to be read is "Файл ... не найден".
std::string FileFaultMessage(const FileFault& fault);

// "'%s' is not a valid date and time".
std::string DateTimeFaultMessage(const DateTimeFault& fault);

// "Файл ... слишком велик для схемы ..." or "Файл настроек ... не прочитан: ...".
std::string EdgeFileFaultMessage(const EdgeFileFault& fault);

// "Неизвестная кодировка ...".
std::string CharsetFaultMessage(const CharsetFault& fault);

// "Не удается обратиться к файлу ...: ..." for a failure of the standard
// library's file-system calls, in the system's reason.
std::string FileSystemErrorMessage(const std::filesystem::filesystem_error& error);

// The message of any error that reaches a front end: the faults above in
// their words, anything else by its own text. The front ends call it where
// they catch; nothing below them puts a fault into words. Memory that ran out
// is "Недостаточно памяти ...", naming the workbook when it ran out reading it.
std::string UserMessage(const std::exception& error);
