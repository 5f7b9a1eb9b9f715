#pragma once

// The texts both front ends say alike: the window and quarnel-convert name a
// missing input, a hidden sheet, a bad document type, an interrupted run and
// an ignored settings file in the same words, so that a user who moves from
// one to the other meets one wording. Nothing below the front ends says
// them, so they live in app/common/, which both include. The window's and
// the command-line tests compare them exactly.

namespace QRNConsts {

// The package's version, from debian/changelog.
inline constexpr char sVersion[] = QUARNEL_VERSION;

// A hidden sheet in the list of sheets.
inline constexpr char sHiddenSheetMark[] = " (скрытый)";

// The inputs a run cannot go without (the command line names the missing
// fields after sMandatoryFieldsEmpty).
inline constexpr char sNoExcelFile[] = "Не выбран файл Excel";
inline constexpr char sNoXmlFile[] = "Не выбран файл XML";
inline constexpr char sMandatoryFieldsEmpty[] = "Не заполнены обязательные поля";

// The document type given to either front end: a value that is not one of
// the list's numbers, and one line of the list of types in both --help texts.
inline constexpr char sBadDocumentType[] =
    "Недопустимый тип документа \"%s\": укажите число от 0 до 9 (0-8 - прайс-листы, 9 - накладная).";
inline constexpr char sCliDocTypeLine[] = "  %s   %s\n";

// A run ended by Ctrl-C, SIGTERM or SIGHUP: before its files began to replace
// the old ones, its temporary files are removed; after, every new file is put
// in place first.
inline constexpr char sInterruptedBySignal[] = "Преобразование прервано сигналом %s; файлы не изменены.";
inline constexpr char sInterruptedAfterReplacing[] =
    "Преобразование прервано сигналом %s после замены файлов; новые файлы сохранены.";

// A settings file beside an installed program, named once at start.
inline constexpr char sSettingsBesideIgnored[] =
    "Файл настроек \"%s\" рядом с программой не используется: программа установлена в системную папку, и "
    "настройки хранятся в \"%s\".";

} // namespace QRNConsts
