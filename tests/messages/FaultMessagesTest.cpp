#include "messages/FaultMessages.h"

#include "base/CharsetFault.h"
#include "base/Cp1251.h"
#include "base/EdgeFileFault.h"
#include "base/FileFault.h"
#include "messages/QuarnelError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <new>
#include <string>

namespace {

// What the window shows and the command line prints for the faults of the
// settings, scheme and text files, raised below the layers that speak to the
// user, byte for byte. (A plain FileFault is worded the same for every file.)
struct WordingCase {
    const char* name;
    void (*raise)();
    const char* message;
};

constexpr char kScheme[] = "/home/user/Схемы/книги.sch";
constexpr char kSettings[] = "/home/user/.config/quarnel/quarnel.ini";

const WordingCase kWordings[] = {
    {"SchemeTooLarge",
     [] {
         throw EdgeFileFault(EdgeFileFault::Reason::SchemeTooLarge,
                             FileFault(FileFault::Action::Read, kScheme, FileFault::Reason::TooLarge, 0, 1 << 20));
     },
     "Файл \"/home/user/Схемы/книги.sch\" слишком велик для схемы соответствия полей (больше 1024 КБ)"},
    {"SchemeInUtf16",
     [] {
         throw EdgeFileFault(EdgeFileFault::Reason::SchemeInUtf16,
                             FileFault(FileFault::Action::Read, kScheme, FileFault::Reason::SystemError), "UTF-16LE");
     },
     "Файл схемы соответствия полей \"/home/user/Схемы/книги.sch\" записан в кодировке UTF-16LE; сохраните его в "
     "кодировке windows-1251 или UTF-8"},
    {"SchemeIsWorkbook",
     [] {
         throw EdgeFileFault(EdgeFileFault::Reason::SchemeIsWorkbook,
                             FileFault(FileFault::Action::Read, kScheme, FileFault::Reason::SystemError));
     },
     "Файл \"/home/user/Схемы/книги.sch\" - книга (xlsx, xls или ods), а не схема соответствия полей; выберите "
     "файл схемы (.sch)"},
    {"SettingsNotRegular",
     [] {
         throw EdgeFileFault(EdgeFileFault::Reason::SettingsNotRead,
                             FileFault(FileFault::Action::Read, kSettings, FileFault::Reason::NotRegularFile));
     },
     "Файл настроек \"/home/user/.config/quarnel/quarnel.ini\" не прочитан: это не обычный файл"},
    {"SettingsTooLarge",
     [] {
         throw EdgeFileFault(
             EdgeFileFault::Reason::SettingsNotRead,
             FileFault(FileFault::Action::Read, kSettings, FileFault::Reason::TooLarge, 0, std::size_t{4} << 20));
     },
     "Файл настроек \"/home/user/.config/quarnel/quarnel.ini\" не прочитан: файл больше 4096 КБ"},
    {"SettingsUnreadable",
     [] {
         throw EdgeFileFault(EdgeFileFault::Reason::SettingsNotRead,
                             FileFault(FileFault::Action::Read, kSettings, FileFault::Reason::SystemError, EACCES));
     },
     "Файл настроек \"/home/user/.config/quarnel/quarnel.ini\" не прочитан: нет доступа"},
    {"OutputAcrossDisks",
     [] { throw FileFault(FileFault::Action::Write, "/mnt/x.xml", FileFault::Reason::SystemError, EXDEV); },
     "Не удается записать файл \"/mnt/x.xml\": файл нельзя перенести на другой диск"},
    {"SystemErrorWithoutWords",
     [] { throw FileFault(FileFault::Action::Write, "/mnt/x.xml", FileFault::Reason::SystemError, 200); },
     "Не удается записать файл \"/mnt/x.xml\": системная ошибка 200"},
    {"MemoryRanOut", [] { throw std::bad_alloc(); }, "Недостаточно памяти для выполнения операции"},
    {"FileSystemCall",
     [] {
         throw std::filesystem::filesystem_error("status", kScheme, std::error_code(ELOOP, std::generic_category()));
     },
     "Не удается обратиться к файлу \"/home/user/Схемы/книги.sch\": символические ссылки в пути образуют петлю"},
    {"UnknownCharset", [] { (void)DecodeToUtf8("\xC0\xC1", "NO-SUCH-CHARSET"); },
     "Неизвестная кодировка NO-SUCH-CHARSET"},
};

class FaultWording : public testing::TestWithParam<WordingCase> {};

TEST_P(FaultWording, UserMessageSaysItInRussian)
{
    try {
        GetParam().raise();
        ADD_FAILURE() << "nothing was raised";
    } catch (const std::exception& error) {
        EXPECT_EQ(UserMessage(error), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultWording, testing::ValuesIn(kWordings),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
