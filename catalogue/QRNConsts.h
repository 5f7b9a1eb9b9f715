#pragma once

// Every text the user sees, in one place: the resource strings of the program.
// Their Russian wording is fixed; placeholders are filled with FormatMessage.

namespace QRNConsts {

// Window
inline constexpr char sAppTitle[] = "Конвертер файлов Excel в ONIX XML";
inline constexpr char sVersionSuffix[] = " (версия %s)";
// The package's version, from debian/changelog.
inline constexpr char sVersion[] = QUARNEL_VERSION;

// The window's --help and --version, printed before any window is created
inline constexpr char sWindowUsage[] =
    "Использование: quarnel [ПАРАМЕТРЫ] [КНИГА]\n"
    "   или: quarnel [ПАРАМЕТРЫ] КНИГА ФАЙЛ_XML ТИП_ДОКУМЕНТА [НОМЕР_НАКЛАДНОЙ [НОМЕР_ЗАКАЗА]]\n"
    "\n"
    "Мастер преобразования книг Excel (xls, xlsx, xlsm), таблиц OpenDocument (ods) и текстовых таблиц\n"
    "(csv, tsv, txt) в ONIX XML. Без параметров мастер открывается на шаге 1; с одной книгой - на шаге 1\n"
    "с этой книгой. С книгой, файлом XML и типом документа мастер сам проходит шаги 2-5 со схемой\n"
    "соответствия полей и данными заголовка, запомненными для этого типа, и начинает преобразование;\n"
    "окно остается открытым с протоколом. Один или два параметра, кроме существующей книги, не\n"
    "учитываются.\n"
    "\n"
    "Тип документа:\n"
    "%s"
    "\n"
    "Параметры:\n"
    "  --settings ФАЙЛ       файл настроек; по умолчанию - ~/.config/quarnel/quarnel.ini, а у\n"
    "                        переносной копии вне системных папок - quarnel.ini рядом с\n"
    "                        программой, если он там есть\n"
    "  --sheet ЛИСТ          лист книги: название (точное, иначе без учета регистра и лишних пробелов)\n"
    "                        или номер по порядку (с 1; #N - всегда номер); по умолчанию - первый\n"
    "  --header-row N|auto   строка с названиями столбцов (по умолчанию 1; auto - найти среди первых 30\n"
    "                        строк); данные - в строках под ней\n"
    "  --layout strict|supplier\n"
    "                        разметка листа (по умолчанию - выбранная на шаге 1): strict - столбцы до\n"
    "                        первой пустой ячейки заголовка, строки до первой пустой ячейки в столбце A;\n"
    "                        supplier - все столбцы и строки, без заголовков групп, итогов и повторов\n"
    "                        заголовка\n"
    "  --help                эта справка\n"
    "  --version             версия программы\n"
    "\n"
    "Преобразование без окна: quarnel-convert (справка: quarnel-convert --help).\n";
inline constexpr char sWindowVersion[] = "quarnel %s\n";

// Step titles and descriptions
inline constexpr char sStep1Title[] = "Шаг 1";
inline constexpr char sStep1Info[] = "Выбор файла Excel";
inline constexpr char sStep2Title[] = "Шаг 2";
inline constexpr char sStep2Info[] = "Сопоставление полей Excel и полей описания товара";
inline constexpr char sStep3Title[] = "Шаг 3";
inline constexpr char sStep3Info[] = "Формирование заголовка ONIX сообщения";
inline constexpr char sStep4Title[] = "Шаг 4";
inline constexpr char sStep4Info[] = "Выбор файла XML";
inline constexpr char sStep5Title[] = "Заключительный этап";
inline constexpr char sStep5Info[] = "Преобразование данных из Excel файла в формат ONIX XML";

// Buttons
inline constexpr char sPrev[] = "<< Назад";
inline constexpr char sNext[] = "Далее >>";
inline constexpr char sClose[] = "Закрыть";
inline constexpr char sEllipsis[] = "...";

// Step 1
inline constexpr char sChooseExcelLabel[] = "Выберите файл Excel";
inline constexpr char sSelectExcelHint[] = "Выбор файла Excel...";
inline constexpr char sExcelNote[] =
    "ПРИМЕЧАНИЕ. Файл Excel должен содержать в первой строке названия полей, а в остальных - "
    "соответствующие им значения. Перед преобразованием документа Excel следует закрыть программу MS Excel.";
inline constexpr char sChooseDocTypeLabel[] = "Выберите тип формируемого документа";
inline constexpr char sSheetLabel[] = "Лист";
inline constexpr char sHeaderRowLabel[] = "Строка заголовков";
inline constexpr char sLayoutLabel[] = "Разметка листа";
inline constexpr char sLayoutStrict[] = "строгая";
inline constexpr char sLayoutSupplier[] = "поставщика";
inline constexpr char sLayoutHint[] =
    "Строгая: столбцы до первой пустой ячейки заголовка, строки до первой пустой ячейки в столбце A.\n"
    "Поставщика: все столбцы и строки; заголовки групп, итоги и повторы заголовка пропускаются.";
inline constexpr char sStrictLayoutLosesRows[] =
    "При строгой разметке часть листа не прочитана; в разметке поставщика (--layout supplier) лист читается "
    "весь.";
inline constexpr char sSupplierLayoutQuestion[] =
    "При строгой разметке часть листа не будет прочитана: за пустой ячейкой заголовка есть названия столбцов "
    "или под данными есть заполненные строки. Прочитать лист в разметке поставщика?";
// A hidden sheet in the list of sheets.
inline constexpr char sHiddenSheetMark[] = " (скрытый)";
inline constexpr char sSelectExcelDialogTitle[] = "Выбор файла Excel";

// Step 2
inline constexpr char sListExcelLabel[] = "1. Поля в Excel файле";
inline constexpr char sListOnixLabel[] = "2. Поля описания товара (ONIX)";
inline constexpr char sListCorrespLabel[] = "Схема соответствия полей";
inline constexpr char sMappingInstruction[] =
    "Для установления соответствия между полями Excel и полями описания перенесите мышкой поля из первого "
    "списка на соответствующие поля во втором списке. Результат будет отображен в Схеме соответствия полей.";
inline constexpr char sMappingAdvice[] =
    "Рекомендуется сохранить Схему соответствия полей, чтобы не устанавливать связи повторно";
inline constexpr char sCorrespClear[] = "Очистить";
inline constexpr char sCorrespClearHint[] = "Очистить схему соответствия полей";
inline constexpr char sCorrespDel[] = "Удалить";
inline constexpr char sCorrespDelHint[] = "Удалить запись из списка соответствия полей";
inline constexpr char sCorrespSave[] = "Сохранить...";
inline constexpr char sCorrespSaveHint[] = "Сохранить схему соответствий в файл...";
inline constexpr char sCorrespOpen[] = "Открыть...";
inline constexpr char sCorrespOpenHint[] = "Загрузить схему соответствий из файла...";
inline constexpr char sSchemeSaveDialogTitle[] = "Сохранение схемы соответствия полей";
inline constexpr char sSchemeOpenDialogTitle[] = "Открытие схемы соответствия полей";
inline constexpr char sSchemeFilter[] = "*.sch|*.sch";

// Step 3
inline constexpr char sFromGroup[] = "От кого";
inline constexpr char sToGroup[] = "Кому";
inline constexpr char sSANLabel[] = "ИНН";
inline constexpr char sCompanyLabel[] = "Компания";
inline constexpr char sFromPersonLabel[] = "ФИО отправителя";
inline constexpr char sToPersonLabel[] = "ФИО получателя";
inline constexpr char sMessageNumberLabel[] = "Номер накладной";
inline constexpr char sDocumentReferenceLabel[] = "На основе Заказа №";
inline constexpr char sSentDateLabel[] = "Дата сообщения";
inline constexpr char sMandatoryMark[] = "*";
inline constexpr char sMandatoryLegend[] = "Поля, обязательные для заполнения";

// Date dialog
inline constexpr char sDateDialogTitle[] = "Ввод даты и времени";
inline constexpr char sDateDialogPrompt[] = "Введите дату и время";
inline constexpr char sOK[] = "OK";
inline constexpr char sCancel[] = "Отмена";
inline constexpr char sYes[] = "Да";
inline constexpr char sNo[] = "Нет";

// Step 4
inline constexpr char sChooseXmlLabel[] = "Выберите имя XML файла для сохранения результата";
inline constexpr char sSelectXmlHint[] = "Выбор XML файла...";
inline constexpr char sXmlSaveDialogTitle[] = "Сохранение файла ONIX XML";
inline constexpr char sInvoicePackageNote[] =
    "ПРИМЕЧАНИЕ. При наличии более 15 позиций в Excel файле будет сформирован пакет из нескольких "
    "накладных, в каждой из которых будет не более 15 позиций. К имени XML файлов будут автоматически "
    "добавлены соответствующие порядковые номера накладных в пакете.";

// Step 5
inline constexpr char sProgressLabel[] = "Выполнение преобразования";
inline constexpr char sLogLabel[] = "Протокол преобразования";

// Message boxes
inline constexpr char sErrorCaption[] = "Ошибка";
inline constexpr char sWarningCaption[] = "Предупреждение";
inline constexpr char sNoExcelFile[] = "Не выбран файл Excel";
inline constexpr char sNoXmlFile[] = "Не выбран файл XML";
inline constexpr char sMandatoryFieldsEmpty[] = "Не заполнены обязательные поля";
inline constexpr char sInvalidDocType[] = "Недопустимый тип товара в функции ";
inline constexpr char sLongCellWarning[] = "Длина строки \"%s\" более 250 символов. Строка будет усечена";
inline constexpr char sNotValidInteger[] = "'%s' is not a valid integer value";
inline constexpr char sNotValidDateTime[] = "'%s' is not a valid date and time";

// Conversion log
inline constexpr char sRowError[] = "Ошибка в строке %d. ";
inline constexpr char sConvertSuccess[] = "Преобразование завершено успешно. ";
inline constexpr char sFileSaved[] = "Файл ONIX XML сохранен.";
inline constexpr char sCriticalErrors[] = "Имеются критические ошибки. Файл ONIX XML не сохранен.";
inline constexpr char sPackageErrors[] = "Имеются ошибки. Файл ONIX XML не сохранен.";
inline constexpr char sInvoiceNumber[] = "Накладная № ";
inline constexpr char sLogSeparator[] = "------------------------------------------";
// A price, discount or rate whose cell is not a number (after "Ошибка в
// строке %d. "): the cell text and the field's caption. The product goes
// without its prices.
inline constexpr char sNotANumber[] = "Значение \"%s\" в поле \"%s\" не является числом";
inline constexpr char sOtherCurrency[] = "Значение \"%s\" в поле \"%s\" не в той валюте, что в строке %s (%s)";
inline constexpr char sNumberOutOfRange[] = "Значение \"%s\" в поле \"%s\" вне допустимых пределов";
// Counts that did not read and were taken as 0, one line a field in the
// summary: the caption, the first rows, how many more.
// A stock column in words read as the availability code: the caption, the
// words with their codes.
inline constexpr char sStockWords[] = "Слова в поле \"%s\" прочитаны как код доступности: %s";
inline constexpr char sValuesUnread[] = "Значения в поле \"%s\" не читаются: строки %s";
inline constexpr char sValuesUnreadMore[] = "Значения в поле \"%s\" не читаются: строки %s и ещё %s";

// Message notes
inline constexpr char sPriceListNote[] = "Generated Quarnel 3.0 KALMIRA";
inline constexpr char sInvoiceNote[] = "Generated Quarnel 3.0";

// Writer messages (the writer module's resource strings)
inline constexpr char sISBNLength[] = "ISBN содержит не 10 и не 13 значащих символов";
inline constexpr char sISBN13NotDigits[] = "ISBN-13 содержит не только цифры";
inline constexpr char sISBN13CheckDigit[] = "ISBN-13 имеет неправильную контрольную цифру (должно быть %s)";
inline constexpr char sEAN13Length[] = "EAN-13 содержит не 13 символов";
inline constexpr char sEAN13NotDigits[] = "EAN-13 содержит не только цифры";
inline constexpr char sEAN13CheckDigit[] = "EAN-13 имеет неправильную контрольную цифру (должно быть %s)";
inline constexpr char sNoRecordReference[] = "Не указан артикул товара";
inline constexpr char sBadPublicationYear[] = "Не удается распознать год издания";
// The words that make a reported error non-critical.
inline constexpr char sCheckDigitMarker[] = "неправильную контрольную";

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
// A file a run would write is one it reads or writes already.
inline constexpr char sSameFile[] = "Не удается записать файл \"%s\": это тот же файл, что и \"%s\"";
// Settings that cannot be used are read as empty; this says so once.
inline constexpr char sSettingsNotRead[] = "Файл настроек \"%s\" не прочитан: %s";
// A workbook names, or a reader chooses, a charset the system cannot convert.
inline constexpr char sUnknownCharset[] = "Неизвестная кодировка %s";
// A package file of an earlier run that this run did not replace.
inline constexpr char sStalePackageFile[] = "Файл \"%s\" остался от прежнего преобразования.";

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

// Wizard window: file dialog filters ("description|patterns") and the box for
// a run that failed without a message of its own
inline constexpr char sExcelFilter[] =
    "*.xls; *.xlsx; *.xlsm; *.ods; *.csv; *.tsv; *.txt|*.xls;*.xlsx;*.xlsm;*.ods;*.csv;*.tsv;*.txt";
inline constexpr char sXmlFilter[] = "*.xml|*.xml";
inline constexpr char sUnexpectedRunError[] = "Преобразование прервано непредвиденной ошибкой";
inline constexpr char sConfirmCaption[] = "Подтверждение";
inline constexpr char sReplaceNotXml[] = "Файл %s уже существует и не является файлом XML. Заменить его?";

// Command-line converter quarnel-convert
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
    "                        в строках под ней\n"
    "  --layout strict|supplier\n"
    "                        разметка листа: strict (по умолчанию) - столбцы до первой пустой ячейки\n"
    "                        заголовка, строки до первой пустой ячейки в столбце A; supplier - все\n"
    "                        столбцы (без названия - [D]) и все строки под заголовком; заголовки групп,\n"
    "                        итоги, повторы заголовка и строки без данных пропускаются с записью в\n"
    "                        протоколе, а столбец [группа] в схеме дает полю заголовок группы строки\n"
    "  --list-columns КНИГА  вывести названия столбцов книги\n"
    "  --list-sheets КНИГА   вывести листы книги по порядку (скрытые - с пометкой)\n"
    "  --dump КНИГА          вывести все непустые ячейки листа\n"
    "  --help                эта справка\n"
    "  --version             версия программы\n"
    "\n"
    "Протокол преобразования выводится в стандартный вывод, предупреждения, ошибки и имена сохраненных\n"
    "файлов - в стандартный поток ошибок. Настройки программой не изменяются.\n"
    "%s"
    "Код завершения: 0 - все файлы сохранены и преобразована хотя бы одна строка; 1 - преобразование\n"
    "выполнено, но файл не сохранен или не преобразовано ни одной строки (файл без товаров при этом\n"
    "сохраняется);\n"
    "2 - ошибка в параметрах, в типе документа, при чтении или записи файлов; прерванное сигналом\n"
    "преобразование (Ctrl-C, SIGTERM) не изменяет файлов и завершается этим сигналом (130 или 143 в оболочке).\n";
inline constexpr char sCliDocTypeLine[] = "  %s   %s\n";
inline constexpr char sCliRegionalInUse[] =
    "Региональные форматы сейчас: %s (дата %s, время %s, десятичный разделитель \"%s\").\n";
inline constexpr char sCliRegionalRussian[] = "русские";
inline constexpr char sCliRegionalSystem[] = "системные";
inline constexpr char sCliBadRegional[] = "Неизвестные региональные форматы \"%s\": укажите ru или system";
inline constexpr char sCliVersion[] = "quarnel-convert %s\n";
inline constexpr char sCliHelpHint[] = "Справка: quarnel-convert --help";
inline constexpr char sCliUnknownOption[] = "Неизвестный параметр \"%s\"";
inline constexpr char sCliMissingValue[] = "Не указано значение параметра \"%s\"";
inline constexpr char sCliBadLayout[] = "Неизвестная разметка листа \"%s\": укажите strict или supplier";
inline constexpr char sCliBadHeaderRow[] = "Неверный номер строки заголовков \"%s\": укажите число от 1 до 1048576";

inline constexpr char sCliMissingArguments[] = "Укажите книгу, файл XML и тип документа";
inline constexpr char sCliExtraArgument[] = "Лишний параметр \"%s\"";
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
// The summary after a run's log (both front ends).
inline constexpr char sRowsConverted[] = "Преобразовано строк: %s.";
inline constexpr char sRowsNotRead[] =
    "Чтение остановлено на пустой ячейке A%s; строки %s–%s не прочитаны (прочитать их: --layout supplier).";
inline constexpr char sSchemeColumnsMissing[] = "В книге нет столбцов, названных в схеме: %s.";
inline constexpr char sSchemeCaptionTwice[] =
    "Предупреждение: поле \"%s\" задано в схеме дважды (строки %s и %s); действует первая из них.";
inline constexpr char sFileSavedWithRows[] = "Файл \"%s\" сохранен (строк: %s).";
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
// After a column the sheet hides, in the window's column list.
inline constexpr char sHiddenColumnMark[] = " (скрытый столбец)";
// The rows a run in the supplier layout passes over: a note each in the log,
// their reasons in the summary.
inline constexpr char sRowGroupHeading[] = "Строка %s пропущена: заголовок группы \"%s\".";
inline constexpr char sRowTotal[] = "Строка %s пропущена: строка итогов.";
inline constexpr char sRowRepeatedHeader[] = "Строка %s пропущена: повтор строки заголовков.";
inline constexpr char sRowUnnamed[] = "Строка %s пропущена: в ней нет ни артикула, ни названия товара.";
inline constexpr char sPassedNotesMore[] = "… и ещё %s (%s)";
inline constexpr char sPassedGroupHeadings[] = "заголовки групп";
inline constexpr char sPassedTotals[] = "итоги";
inline constexpr char sPassedRepeatedHeaders[] = "повторы заголовков";
inline constexpr char sPassedUnnamed[] = "без артикула и названия";
inline constexpr char sPassedNothingMapped[] = "без данных в сопоставленных столбцах";
inline constexpr char sRowsPassedOver[] = "Пропущено строк: %s (%s).";
inline constexpr char sWarningsMore[] = "… и ещё %s";
// The window's warning when a run converted no row.
inline constexpr char sNoRowsConverted[] =
    "Не преобразовано ни одной строки: проверьте лист, строку заголовков и схему соответствия полей.";
// --auto-scheme: each pair added, in the scheme line's form.
inline constexpr char sCliMapped[] = "Сопоставлено: %s = %s";
inline constexpr char sCliGuessNotAdded[] = "Предположение: %s = %s (не добавлено; добавит --auto-scheme=all)";
// --header-row auto
inline constexpr char sCliInvalidDate[] = "Неверная дата \"%s\" в параметре --date (нужно дд.мм.гггг)";
inline constexpr char sCliHeaderRowFound[] = "Строка заголовков: %s";
inline constexpr char sCliHeaderRowNotFound[] =
    "Предупреждение: среди первых %s строк нет названий столбцов, знакомых программе; строкой заголовков взята строка 1";
// A run that met rows out of order in the file reads the sheet whole and
// starts over; a console cannot take back the lines it printed.
inline constexpr char sCliRunStartsOver[] =
    "Строки листа идут в файле не по порядку: лист прочитан целиком, и преобразование начато заново. "
    "Сообщения выше не действуют.";
// The same for --dump, which writes the cells as the rows come.
inline constexpr char sCliDumpStartsOver[] =
    "Строки листа идут в файле не по порядку: лист прочитан целиком, и ячейки выведены заново. "
    "Строки выше не действуют.";
// A run ended by Ctrl-C or SIGTERM: its temporary files are removed.
inline constexpr char sInterruptedBySignal[] = "Преобразование прервано сигналом %s; файлы не изменены.";
// The window's question when it is closed or Esc is pressed during a run,
// and the log's last line after Да.
inline constexpr char sAskStopConversion[] = "Прервать преобразование?";
inline constexpr char sConversionStopped[] = "Преобразование прервано. Файлы не изменены.";
// A settings file beside an installed program, named once at start.
inline constexpr char sSettingsBesideIgnored[] =
    "Файл настроек \"%s\" рядом с программой не используется: программа установлена в системную папку, и "
    "настройки хранятся в \"%s\".";
// The window's questions before work could be lost or a file replaced.
inline constexpr char sAskSaveScheme[] = "Сохранить схему соответствия полей?";
inline constexpr char sReplaceOtherMessage[] =
    "Файл %s уже содержит %s. Заменить его файлом с документом другого вида?";
inline constexpr char sPriceListMessage[] = "прайс-лист";
inline constexpr char sInvoiceMessage[] = "накладную";
inline constexpr char sNotXmlRefused[] = "Файл %s уже существует и не является файлом XML; он не будет заменен.";
// A field without which every row is an error: unmapped, or mapped to a
// column the workbook lacks. The window asks whether to go on; its automatic
// mode and the log say it.
inline constexpr char sCriticalFieldUnmapped[] =
    "Поле \"%s\" не сопоставлено ни с одним столбцом: каждая строка будет ошибочной, и файл не будет сохранен.";
inline constexpr char sCriticalFieldColumnMissing[] =
    "Столбца \"%s\", сопоставленного полю \"%s\", в книге нет: каждая строка будет ошибочной, и файл не будет "
    "сохранен.";
inline constexpr char sContinueQuestion[] = "%s Продолжить?";
// A scheme line whose column the workbook lacks, as its tooltip says.
inline constexpr char sSchemeLineColumnMissing[] = "В книге нет столбца \"%s\": строка схемы не действует.";
// quarnel started where there is no display to show the window on.
inline constexpr char sNoDisplay[] =
    "quarnel: нет графического дисплея; для преобразования без окна используйте quarnel-convert\n";
// The log pane's last line once it holds as many lines as it shows.
inline constexpr char sLogLinesNotShown[] = "… ещё %s строк; весь протокол сохраняет кнопка \"Сохранить протокол...\"";

// A file too large to be a scheme (a scheme holds a few kilobytes).
inline constexpr char sSchemeFileTooLarge[] = "Файл \"%s\" слишком велик для схемы соответствия полей (больше %s КБ)";
inline constexpr char sSchemeFileIsWorkbook[] =
    "Файл \"%s\" - книга (xlsx, xls или ods), а не схема соответствия полей; выберите файл схемы (.sch)";
inline constexpr char sSchemeFileInUtf16[] =
    "Файл схемы соответствия полей \"%s\" записан в кодировке %s; сохраните его в кодировке windows-1251 или UTF-8";

// Automatic mapping of columns to fields by their names (step 2 and
// quarnel-convert --auto-scheme)
inline constexpr char sCorrespAuto[] = "Сопоставить автоматически";
inline constexpr char sCorrespAutoHint[] =
    "Сопоставить поля Excel с полями описания товара, названия которых с ними совпадают";
inline constexpr char sInformationCaption[] = "Информация";
// Step 2: the automatic mapping confirmed by the user
inline constexpr char sAutoMappingTitle[] = "Автоматическое сопоставление";
inline constexpr char sAutoMappingNote[] =
    "Отмеченные соответствия будут добавлены в схему; уже заданные строки схемы не меняются. Предположения не "
    "отмечены: проверьте их перед тем, как отметить.";
inline constexpr char sReasonSameAsCaption[] = "совпадает с названием поля";
inline constexpr char sReasonKnownName[] = "известное название";
inline constexpr char sReasonPriceColumn[] = "столбец цены";
inline constexpr char sReasonColumnContent[] = "по содержимому столбца";
inline constexpr char sReasonSimilarName[] = "похожее название";
inline constexpr char sReasonGuess[] = "предположение";
// The header row the automatic mapping found instead of the chosen one.
inline constexpr char sHeaderRowFoundQuestion[] =
    "В строке %s названия столбцов не распознаны, а в строке %s найдены. Взять строку %s строкой заголовков?";
// Step 2: the first data rows as the conversion will read them
inline constexpr char sPreview[] = "Просмотр...";
inline constexpr char sPreviewHint[] = "Показать первые 100 строк данных так, как их прочитает преобразование";
inline constexpr char sPreviewTitle[] = "Просмотр данных";
inline constexpr char sPreviewNote[] =
    "Первые 100 строк данных по сопоставленным полям. Строки, выделенные цветом, при преобразовании дадут "
    "ошибку, из-за которой файл не будет сохранен; подсказка над ячейкой называет ошибки строки.";
inline constexpr char sFieldsMapped[] = "Сопоставлено полей: %d";
inline constexpr char sNoNewMappings[] = "Новых соответствий не найдено.";

// The saved conversion report (step 5 and quarnel-convert --log)
inline constexpr char sSaveLog[] = "Сохранить протокол...";
inline constexpr char sSaveLogHint[] = "Сохранить протокол преобразования в текстовый файл...";
inline constexpr char sLogSaveDialogTitle[] = "Сохранение протокола преобразования";
inline constexpr char sLogFilter[] = "*.log|*.log";
inline constexpr char sReportHeader[] = "Книга: %s; тип документа: %s; дата и время: %s";

} // namespace QRNConsts
