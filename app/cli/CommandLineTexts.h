#pragma once

// quarnel-convert's own texts: its --help (from which help2man writes its
// manual page), its refusals of options and arguments, its warnings, and the
// lines of --auto-scheme, --header-row auto and --dump. Only app/cli/ reads
// them, so a changed word here rebuilds the command line alone. Its output
// may be read by scripts as well as by people, and the command-line tests
// compare it exactly: the wording is fixed.

namespace QRNConsts {

// --help, and the lines it fills in
inline constexpr char sCliUsage[] =
    "Использование: quarnel-convert [ПАРАМЕТРЫ] КНИГА ФАЙЛ_XML ТИП_ДОКУМЕНТА [НОМЕР_НАКЛАДНОЙ [НОМЕР_ЗАКАЗА]]\n"
    "   или: quarnel-convert [--sheet ЛИСТ] [--header-row N|auto] [--layout РАЗМЕТКА] --list-columns КНИГА\n"
    "   или: quarnel-convert --list-sheets КНИГА\n"
    "   или: quarnel-convert [--sheet ЛИСТ] --dump КНИГА\n"
    "\n"
    "Преобразует книгу Excel (xls, xlsx, xlsm), таблицу OpenDocument (ods) или текстовую таблицу (csv,\n"
    "tsv, txt) в ONIX XML без окна мастера, как при запуске мастера quarnel с параметрами.\n"
    "\n"
    "Тип документа:\n"
    "%s"
    "\n"
    "Параметры:\n"
    "  --scheme ФАЙЛ         схема соответствия полей (.sch); по умолчанию - последняя схема,\n"
    "                        сохраненная или открытая в мастере для этого типа документа\n"
    "  --settings ФАЙЛ       файл настроек; по умолчанию - файл настроек мастера\n"
    "  --date ТЕКСТ          дата сообщения в региональном формате; по умолчанию - сегодняшняя\n"
    "  --from-san ТЕКСТ      ИНН отправителя\n"
    "  --from-company ТЕКСТ  компания отправителя\n"
    "  --from-person ТЕКСТ   ФИО отправителя\n"
    "  --to-san ТЕКСТ        ИНН получателя\n"
    "  --to-company ТЕКСТ    компания получателя\n"
    "  --to-person ТЕКСТ     ФИО получателя\n"
    "                        (по умолчанию - значения, запомненные мастером)\n"
    "  --no-split            одна накладная при любом числе позиций\n"
    "  --auto-scheme[=all]   дополнить схему соответствия полей: столбцы, названные так же, как поля\n"
    "                        описания товара или как их обычно называют поставщики, сопоставляются\n"
    "                        с этими полями; предположения только называются (=all - добавляются и они)\n"
    "  --save-scheme ФАЙЛ    сохранить использованную схему соответствия полей (.sch)\n"
    "  --log ФАЙЛ            сохранить протокол преобразования в текстовый файл (UTF-8)\n"
    "  --regional ru|system  региональные форматы дат, времени и чисел: русские или системные;\n"
    "                        по умолчанию - системные, а если система их не задает (C, POSIX) - русские\n"
    "  --sheet ЛИСТ          лист книги: название (точное, иначе без учета регистра и лишних пробелов)\n"
    "                        или номер по порядку (с 1; #N - всегда номер); по умолчанию - первый\n"
    "  --header-row N|auto   строка с названиями столбцов (по умолчанию 1; auto - найти среди первых 30\n"
    "                        строк, в том числе с пустой первой ячейкой или из двух строк); данные -\n"
    "                        в строках под ней; в разметке supplier лист без такой строки читается\n"
    "                        с первой строки, а столбцы узнаются по содержимому\n"
    "  --layout strict|supplier\n"
    "                        разметка листа: strict (по умолчанию) - столбцы до первой пустой ячейки\n"
    "                        заголовка, строки до первой пустой ячейки в столбце A; supplier - все\n"
    "                        столбцы (без названия - [D]) и все строки под заголовком; заголовки групп,\n"
    "                        итоги, повторы заголовка, строки без данных и строки, не похожие на\n"
    "                        строки товаров, пропускаются с записью в протоколе; строка прайс-листа\n"
    "                        с критической ошибкой не включается в файл, остальные сохраняются;\n"
    "                        столбец [группа] в схеме дает полю заголовок группы строки\n"
    "  --list-columns КНИГА  вывести названия столбцов книги\n"
    "  --list-sheets КНИГА   вывести листы книги по порядку (скрытые - с пометкой)\n"
    "  --dump КНИГА          вывести все непустые ячейки листа\n"
    "  --help                эта справка\n"
    "  --version             версия программы\n"
    "\n"
    "Столбец [из названия] (в любой разметке) дает товару артикул из его названия: \"Н\" и 16\n"
    "шестнадцатеричных цифр хеша FNV-1a названия без учета регистра, лишних пробелов и \"ё\".\n"
    "\n"
    "Протокол преобразования выводится в стандартный вывод, предупреждения, ошибки и имена сохраненных\n"
    "файлов - в стандартный поток ошибок. Настройки программой не изменяются.\n"
    "%s"
    "Код завершения: 0 - все файлы сохранены и преобразована хотя бы одна строка; 1 - преобразование\n"
    "выполнено, но файл не сохранен или не преобразовано ни одной строки (файл без товаров при этом\n"
    "сохраняется);\n"
    "2 - ошибка в параметрах, в типе документа, при чтении или записи файлов; прерванное сигналом\n"
    "преобразование (Ctrl-C, SIGTERM, SIGHUP) заменяет свои файлы все вместе или не заменяет вовсе и\n"
    "завершается этим сигналом (130, 143 или 129 в оболочке).\n";
inline constexpr char sCliRegionalInUse[] =
    "Региональные форматы сейчас: %s (дата %s, время %s, десятичный разделитель \"%s\").\n";
inline constexpr char sCliRegionalRussian[] = "русские";
inline constexpr char sCliRegionalSystem[] = "системные";
inline constexpr char sCliBadRegional[] = "Неизвестные региональные форматы \"%s\": укажите ru или system";

// --version, and the refusals of a command line the program cannot run
inline constexpr char sCliVersion[] = "quarnel-convert %s\n";
inline constexpr char sCliHelpHint[] = "Справка: quarnel-convert --help";
inline constexpr char sCliUnknownOption[] = "Неизвестный параметр \"%s\"";
inline constexpr char sCliMissingValue[] = "Не указано значение параметра \"%s\"";
inline constexpr char sCliBadLayout[] = "Неизвестная разметка листа \"%s\": укажите strict или supplier";
inline constexpr char sCliBadHeaderRow[] = "Неверный номер строки заголовков \"%s\": укажите число от 1 до 1048576";
inline constexpr char sCliMissingArguments[] = "Укажите книгу, файл XML и тип документа";
inline constexpr char sCliExtraArgument[] = "Лишний параметр \"%s\"";

// Warnings before a run
inline constexpr char sCliNoScheme[] =
    "Предупреждение: схема соответствия полей для этого типа документа не запомнена, ни одно поле не сопоставлено";
inline constexpr char sCliSchemeMissing[] =
    "Предупреждение: запомненная схема соответствия полей \"%s\" не найдена, ни одно поле не сопоставлено";
inline constexpr char sCliLongCell[] = "Предупреждение (строка %d, поле %s): %s";

// The mandatory fields found empty, after sMandatoryFieldsEmpty and ": ".
inline constexpr char sCliMissingFromSAN[] = "ИНН отправителя (--from-san)";
inline constexpr char sCliMissingSentDate[] = "дата сообщения (--date)";
inline constexpr char sCliMissingMessageNumber[] = "номер накладной (4-й параметр)";
inline constexpr char sCliMissingDocumentReference[] = "номер заказа (5-й параметр)";

// --auto-scheme: each pair added, in the scheme line's form, and how many
// fields the scheme maps.
inline constexpr char sCliMapped[] = "Сопоставлено: %s = %s";
inline constexpr char sCliGuessNotAdded[] = "Предположение: %s = %s (не добавлено; добавит --auto-scheme=all)";

// --date that does not read as a date, with the short date format in use
// written in these letters ("дд.мм.гггг", "м/д/гг")
inline constexpr char sCliInvalidDate[] = "Неверная дата \"%s\" в параметре --date (нужно %s)";
inline constexpr char sCliDayLetter[] = "д";
inline constexpr char sCliMonthLetter[] = "м";
inline constexpr char sCliYearLetter[] = "г";

// What the run's summary advises for the rows the strict layout left unread.
inline constexpr char sCliSupplierLayoutAdvice[] = "--layout supplier";

// --header-row auto
inline constexpr char sCliHeaderRowFound[] = "Строка заголовков: %s";
inline constexpr char sCliHeaderRowNotFound[] =
    "Предупреждение: среди первых %s строк нет названий столбцов, знакомых программе; строкой заголовков взята строка 1";
// The supplier layout reads such a sheet as one without a header.
inline constexpr char sCliNoHeaderRow[] =
    "Предупреждение: среди первых %s строк нет названий столбцов, знакомых программе; лист прочитан без строки "
    "заголовков: столбцы названы буквами ([A], [B], ...), данные - с первой строки";

// A run that met rows out of order in the file reads the sheet whole and
// starts over; a console cannot take back the lines it printed.
inline constexpr char sCliRunStartsOver[] =
    "Строки листа идут в файле не по порядку: лист прочитан целиком, и преобразование начато заново. "
    "Сообщения выше не действуют.";

// The same for --dump, which writes the cells as the rows come.
inline constexpr char sCliDumpStartsOver[] =
    "Строки листа идут в файле не по порядку: лист прочитан целиком, и ячейки выведены заново. "
    "Строки выше не действуют.";
inline constexpr char sFieldsMapped[] = "Сопоставлено полей: %d";

} // namespace QRNConsts
