#pragma once

// The wizard window's texts: its frame and five steps, their buttons, lists,
// dialogs and questions, and the window's own --help. Only app/window/ reads
// them, so a changed word here rebuilds the window and nothing else. The
// wording is the one the wizard has always shown, which its users know step
// by step, and the window tests look for several of these texts word for
// word.

namespace QRNConsts {

// The frame's title, and the version after it
inline constexpr char sAppTitle[] = "Конвертер файлов Excel в ONIX XML";
inline constexpr char sVersionSuffix[] = " (версия %s)";

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
    "ПРИМЕЧАНИЕ. Файл Excel должен содержать в строке заголовков (по умолчанию первой) названия полей, а ниже - "
    "соответствующие им значения. Перед преобразованием документа Excel следует закрыть программу MS Excel.";
inline constexpr char sChooseDocTypeLabel[] = "Выберите тип формируемого документа";
inline constexpr char sSheetLabel[] = "Лист";
inline constexpr char sHeaderRowLabel[] = "Строка заголовков";
// The header row searched as the command line's "--header-row auto" does.
inline constexpr char sHeaderRowAuto[] = "авто";
inline constexpr char sHeaderRowHint[] =
    "«авто»: строка заголовков ищется среди первых %s строк листа по названиям столбцов, знакомым программе";
inline constexpr char sHeaderRowSearching[] = "Строка заголовков ищется...";
inline constexpr char sHeaderRowFound[] = "Строка заголовков: найдена строка %s";
inline constexpr char sHeaderRowNoneStrict[] =
    "Строка заголовков не найдена: в первых %s строках нет знакомых названий столбцов; взята строка 1";
inline constexpr char sHeaderRowNoneSupplier[] =
    "Строка заголовков не найдена: лист читается без строки заголовков, столбцы названы буквами ([A], [B], ...), "
    "данные - с первой строки";
inline constexpr char sLayoutLabel[] = "Разметка листа";
inline constexpr char sLayoutStrict[] = "строгая";
inline constexpr char sLayoutSupplier[] = "поставщика";
inline constexpr char sLayoutHint[] =
    "Строгая: столбцы до первой пустой ячейки заголовка, строки до первой пустой ячейки в столбце A.\n"
    "Поставщика: все столбцы и строки; заголовки групп, итоги и повторы заголовка пропускаются.";
inline constexpr char sStrictLayoutLosesRows[] =
    "При строгой разметке часть листа не прочитана; в разметке поставщика (шаг 1, \"Разметка листа\") лист "
    "читается весь.";
// What the summary advises for the rows the strict layout left unread.
inline constexpr char sSupplierLayoutAdvice[] = "разметка поставщика на шаге 1";
inline constexpr char sSupplierLayoutQuestion[] =
    "При строгой разметке часть листа не будет прочитана: за пустой ячейкой заголовка есть названия столбцов "
    "или под данными есть заполненные строки. Прочитать лист в разметке поставщика?";
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
// Before "Очистить" takes more than one line; Ctrl+Z brings them back.
inline constexpr char sAskClearScheme[] = "Удалить из схемы все строки (%s)? Вернуть их можно клавишами Ctrl+Z.";
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
inline constexpr char sYes[] = "&Да";
inline constexpr char sNo[] = "&Нет";

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

// File dialog filters ("description|patterns") and the box for a run that
// failed without a message of its own
inline constexpr char sExcelFilter[] =
    "*.xls; *.xlsx; *.xlsm; *.ods; *.csv; *.tsv; *.txt|*.xls;*.xlsx;*.xlsm;*.ods;*.csv;*.tsv;*.txt";
inline constexpr char sXmlFilter[] = "*.xml|*.xml";
inline constexpr char sUnexpectedRunError[] = "Преобразование прервано непредвиденной ошибкой";
inline constexpr char sConfirmCaption[] = "Подтверждение";
inline constexpr char sReplaceNotXml[] = "Файл %s уже существует и не является файлом XML. Заменить его?";

// After a column the sheet hides, in the window's column list.
inline constexpr char sHiddenColumnMark[] = " (скрытый столбец)";

// Entering step 2 or 5 after the workbook was saved again (or replaced) since
// the wizard opened it: it is read anew.
inline constexpr char sWorkbookChangedReread[] =
    "Книга \"%s\" изменилась после того, как была открыта; прочитана её новая версия.";

// The window's question when it is closed or Esc is pressed during a run,
// the log's line after Да (the summary follows it), and the line when the
// question came as the files were being put in place.
inline constexpr char sAskStopConversion[] = "Прервать преобразование?";
inline constexpr char sConversionStopped[] = "Преобразование прервано. Файлы не изменены.";
// Да, or Esc, came when the run's files were already replacing the old ones.
inline constexpr char sStoppedAfterReplacing[] =
    "Преобразование не прервано: файлы уже заменялись, новые файлы сохранены.";
// A run that saved no file says so in its log before the summary, and in a
// box with the reason.
inline constexpr char sNoFileSaved[] = "Файл не сохранен.";
inline constexpr char sCriticalErrorsKept[] = "В строках есть критические ошибки; они названы в протоколе.";

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
inline constexpr char sSchemeLineFieldMissing[] = "Поля \"%s\" нет в этом виде документа: строка схемы не действует.";

// quarnel started where there is no display to show the window on.
inline constexpr char sNoDisplay[] =
    "quarnel: нет графического дисплея; для преобразования без окна используйте quarnel-convert\n";

// The log pane's last line once it holds as many lines as it shows.
inline constexpr char sLogLinesNotShown[] = "… ещё %s %s; весь протокол сохраняет кнопка \"Сохранить протокол...\"";
inline constexpr char sLineForms[] = "строка|строки|строк";

// Automatic mapping of columns to fields by their names (step 2)
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
inline constexpr char sNoNewMappings[] = "Новых соответствий не найдено.";

// The saved conversion report (step 5)
inline constexpr char sSaveLog[] = "Сохранить протокол...";
inline constexpr char sSaveLogHint[] = "Сохранить протокол преобразования в текстовый файл...";
inline constexpr char sLogSaveDialogTitle[] = "Сохранение протокола преобразования";
inline constexpr char sLogFilter[] = "*.log|*.log";

} // namespace QRNConsts
