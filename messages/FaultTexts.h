#pragma once

// The Russian words of the faults and read warnings the lower layers raise
// without words of their own: a file missing, unreadable or unwritable, a
// workbook that cannot be read and why, a scheme or settings file that
// cannot be used, what a reader found odd and read anyway. Below messages/
// a fault is a type with a reason code; these texts word it in one place for
// the runs and both front ends. Each names the file or value it is about, so
// that a user can act on it alone; the fault tests and the golden logs
// compare the wording exactly.

namespace QRNConsts {

// A date and time that does not read in the regional formats
inline constexpr char sNotValidDateTime[] = "'%s' is not a valid date and time";

// File and platform errors (the name of the file or value is always given)
inline constexpr char sFileNotFound[] = "Файл \"%s\" не найден";
inline constexpr char sFileNotReadable[] = "Не удается прочитать файл \"%s\": %s";
inline constexpr char sFileNotWritable[] = "Не удается записать файл \"%s\": %s";
inline constexpr char sWorkbookBroken[] = "Файл \"%s\" поврежден или не является книгой Excel: %s";
inline constexpr char sWorkbookEncrypted[] = "Файл \"%s\" защищен паролем. Снимите пароль в Excel и повторите";
inline constexpr char sWorkbookUnsupported[] = "Формат файла \"%s\" не поддерживается: %s";

// Reasons given with the file errors (the system's own reason when none fits)
inline constexpr char sReasonAccessDenied[] = "нет доступа";
inline constexpr char sReasonNoSuchFolder[] = "папка не существует";
inline constexpr char sReasonIsFolder[] = "это папка, а не файл";
inline constexpr char sReasonDiskFull[] = "недостаточно места на диске";
inline constexpr char sReasonReadOnly[] = "файловая система доступна только для чтения";
inline constexpr char sReasonNameTooLong[] = "слишком длинное имя файла или пути";
inline constexpr char sReasonLinkLoop[] = "символические ссылки в пути образуют петлю";
inline constexpr char sReasonInputOutput[] = "ошибка ввода-вывода на диске";
inline constexpr char sReasonTooManyOpenFiles[] = "открыто слишком много файлов";
inline constexpr char sReasonFileTooBig[] = "файл превысил допустимый размер";
inline constexpr char sReasonOtherDevice[] = "файл нельзя перенести на другой диск";
inline constexpr char sReasonSystemError[] = "системная ошибка %s";
inline constexpr char sReasonNotRegularFile[] = "это не обычный файл";
inline constexpr char sReasonFileTooLarge[] = "файл больше %s КБ";

// Memory ran out, while reading the file named or elsewhere.
inline constexpr char sOutOfMemory[] = "Недостаточно памяти для выполнения операции";
inline constexpr char sOutOfMemoryReading[] = "Недостаточно памяти, чтобы прочитать файл \"%s\"";

// A file-system operation failed on a file, or on none the system named.
inline constexpr char sFileSystemFailed[] = "Не удается обратиться к файлу \"%s\": %s";
inline constexpr char sFileSystemError[] = "Ошибка файловой системы: %s";

// A file a run would write is one it reads or writes already.
inline constexpr char sSameFile[] = "Не удается записать файл \"%s\": это тот же файл, что и \"%s\"";

// Settings that cannot be used are read as empty; this says so once.
inline constexpr char sSettingsNotRead[] = "Файл настроек \"%s\" не прочитан: %s";

// A workbook names, or a reader chooses, a charset the system cannot convert.
inline constexpr char sUnknownCharset[] = "Неизвестная кодировка %s";

// Why an .xls workbook cannot be read
inline constexpr char sReasonOleDamaged[] = "контейнер OLE2 поврежден";
inline constexpr char sReasonOleStreamTooLarge[] =
    "поток \"%s\" объявлен размером %s байт, а весь файл занимает %s байт";
inline constexpr char sReasonNoWorkbookStream[] = "в файле OLE2 нет книги Excel";
inline constexpr char sReasonRecordTooShort[] = "запись книги короче своего содержимого";
inline constexpr char sReasonSheetNotFound[] = "первый лист книги не найден по его адресу";
inline constexpr char sReasonFirstSheetMacros[] = "первый лист книги - лист макросов, на нем нет ячеек";
inline constexpr char sReasonWorkbookStreamDamaged[] = "поток книги Excel поврежден";

// Workbook reading: the file errors above give these reasons
inline constexpr char sWorkbookTooLarge[] = "Файл \"%s\" слишком велик: на первом листе больше %s ячеек";
inline constexpr char sReasonEmptyFile[] = "файл пуст";
inline constexpr char sReasonNotWorkbook[] =
    "это не книга Excel (xls, xlsx, xlsm), не таблица OpenDocument (ods) и не текст с разделителями (csv, tsv, txt)";
inline constexpr char sReasonZipDamaged[] = "архив поврежден";
inline constexpr char sReasonDuplicateEntry[] = "в архиве дважды записан элемент \"%s\"";
inline constexpr char sReasonPartMissing[] = "нет обязательной части \"%s\"";
inline constexpr char sReasonPartDamaged[] = "часть \"%s\" повреждена";
inline constexpr char sReasonPartTooLarge[] = "часть \"%s\" распаковывается в недопустимо большой объем";
inline constexpr char sReasonXmlMalformed[] = "ошибка XML в части \"%s\", строка %s";
inline constexpr char sReasonXmlEncoding[] = "в части \"%s\" есть байты, недопустимые в ее кодировке %s";
inline constexpr char sReasonXmlDoctype[] = "часть \"%s\" содержит недопустимое объявление DOCTYPE";
inline constexpr char sReasonNoSheets[] = "в книге нет ни одного листа";

// A sheet asked for by number or name that the workbook does not hold.
inline constexpr char sNoSuchSheet[] = "В книге \"%s\" нет листа \"%s\". Листы книги: %s";
inline constexpr char sReasonFirstSheetNotCells[] =
    "первый лист книги - диаграмма или диалоговое окно, на нем нет ячеек";
inline constexpr char sReasonBadCellReference[] = "неверный адрес ячейки \"%s\"";
inline constexpr char sReasonCellOutOfSheet[] = "ячейка за пределами листа (строка %s, столбец %s)";
inline constexpr char sReasonBadSharedString[] = "ссылка на несуществующую общую строку %s";

// A read that would produce more than a workbook of its size can honestly hold
inline constexpr char sWorkbookOverBudget[] = "Файл \"%s\" слишком велик или поврежден: %s";
inline constexpr char sReasonTooMuchText[] = "в нем больше %s МБ текста";
inline constexpr char sReasonCellTextTooLong[] = "в одной ячейке больше %s МБ текста";
inline constexpr char sReasonTooManySharedStrings[] = "в нем больше %s общих строк";
inline constexpr char sReasonTooManyAttributes[] = "у элемента в части \"%s\" больше %s атрибутов";
inline constexpr char sReasonCsvQuoteNotClosed[] = "кавычка поля, начатого в строке %s, не закрыта до конца файла";
inline constexpr char sReasonCsvUtf16Odd[] = "текст в UTF-16 обрывается на половине знака";
inline constexpr char sReasonCsvTooManyFields[] = "в строке %s больше %s полей";
inline constexpr char sReasonBadDateValue[] = "неверное значение даты или времени \"%s\"";
inline constexpr char sReasonNoSpreadsheet[] = "архив не содержит книги Excel или таблицы OpenDocument";
inline constexpr char sReasonPrereleaseFormat[] = "книга сохранена в предварительной версии формата Office Open XML";
inline constexpr char sReasonFileTruncated[] = "файл обрывается до конца данных";
inline constexpr char sReasonSheetIdTwice[] = "ссылка \"%s\" на первый лист книги указывает на две разные части";
inline constexpr char sReasonNotAWorksheet[] =
    "часть \"%s\", на которую указывает первый лист книги, не является листом";
inline constexpr char sReasonSheetForeignNamespace[] =
    "первый лист книги записан в незнакомом пространстве имен XML \"%s\"";

// What the readers found odd and read anyway, at most a few of each kind,
// then how many more there were.
inline constexpr char sWarnInvalidUtf8[] =
    "Предупреждение: в строке %s файла байты, недопустимые в UTF-8, заменены знаком \"\xEF\xBF\xBD\".";
inline constexpr char sWarnByteOrderMark[] =
    "Предупреждение: метка порядка байтов в начале файла говорит о кодировке %s, но текст записан в %s "
    "и прочитан в этой кодировке.";
inline constexpr char sWarnOneFieldRow[] =
    "Предупреждение: строка %s файла прочитана как одно поле, хотя в ней есть разделитель \"%s\".";
inline constexpr char sWarnTextCutShort[] =
    "Предупреждение: текст ячейки %s в файле оборван; взята его прочитанная часть.";
inline constexpr char sWarnSharedStringCut[] =
    "Предупреждение: общая строка %s в файле оборвана; взята ее прочитанная часть.";
inline constexpr char sWarnCellGivenTwice[] =
    "Предупреждение: ячейка %s записана в файле дважды; взято последнее значение.";
inline constexpr char sWarnRowGivenTwice[] =
    "Предупреждение: строка %s листа записана в файле дважды; взяты ячейки обеих записей, а ячейка, "
    "заданная в обеих, - из последней.";
inline constexpr char sWarningsMore[] = "… и ещё %s";

// A file too large to be a scheme (a scheme holds a few kilobytes).
inline constexpr char sSchemeFileTooLarge[] = "Файл \"%s\" слишком велик для схемы соответствия полей (больше %s КБ)";
inline constexpr char sSchemeFileIsWorkbook[] =
    "Файл \"%s\" - книга (xlsx, xls или ods), а не схема соответствия полей; выберите файл схемы (.sch)";
inline constexpr char sSchemeFileNotRead[] = "Файл схемы соответствия полей \"%s\" не прочитан: %s";
// A scheme or settings file with a NUL byte: a damaged file, or none of its kind.
inline constexpr char sReasonNulByte[] = "в строке %s нулевой байт (NUL); файл поврежден или это не текст";
inline constexpr char sSchemeFileInUtf16[] =
    "Файл схемы соответствия полей \"%s\" записан в кодировке %s; сохраните его в кодировке windows-1251 или UTF-8";

} // namespace QRNConsts
