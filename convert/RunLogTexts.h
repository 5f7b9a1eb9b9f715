#pragma once

// The run log's texts and the summary after it: the row errors, the lines
// that end a run, the rows a supplier layout passes over, the header of the
// saved report. The runs write them and both front ends only pass them on,
// so they live beside the runs, in convert/. The golden folders compare
// every log byte for byte: a changed word here is a changed log for every
// user, so the wording is fixed.

namespace QRNConsts {

// A cell longer than the 250 characters a field holds, cut to them: the
// window shows it in a box, the command line prints it as a warning.
inline constexpr char sLongCellWarning[] = "Длина строки \"%s\" более 250 символов. Строка будет усечена";

// The lines of the log: a row's error (before the error's own text), the end of
// a run, an invoice's heading in a package
inline constexpr char sRowError[] = "Ошибка в строке %d. ";
inline constexpr char sConvertSuccess[] = "Преобразование завершено успешно. ";
inline constexpr char sFileSaved[] = "Файл ONIX XML сохранен.";
inline constexpr char sCriticalErrors[] = "Имеются критические ошибки. Файл ONIX XML не сохранен.";
inline constexpr char sPackageErrors[] = "Имеются ошибки. Файл ONIX XML не сохранен.";
inline constexpr char sInvoiceNumber[] = "Накладная № ";
inline constexpr char sLogSeparator[] = "------------------------------------------";

// A price, discount or rate whose cell is not a number, or a number it may
// not be (a negative price or rate, a price below a kopeck), after "Ошибка в
// строке %d. ": the cell text and the field's caption. The product goes
// without its prices.
inline constexpr char sNotANumber[] = "Значение \"%s\" в поле \"%s\" не является числом";
inline constexpr char sOtherCurrency[] = "Значение \"%s\" в поле \"%s\" не в той валюте, что в строке %s (%s)";
inline constexpr char sNumberOutOfRange[] = "Значение \"%s\" в поле \"%s\" вне допустимых пределов";
inline constexpr char sNegativeNumber[] = "Значение \"%s\" в поле \"%s\" меньше нуля";
inline constexpr char sLessThanKopeck[] = "Значение \"%s\" в поле \"%s\" меньше копейки";

// An article made from the name that an earlier product of the file already
// has (the same name, or two names that hash alike): the article, that row.
inline constexpr char sSameArticle[] = "Тот же артикул \"%s\" уже получил товар в строке %s (артикул из названия)";

// A stock column in words read as the availability code: the caption, the
// words with their codes.
inline constexpr char sStockWords[] = "Слова в поле \"%s\" прочитаны как код доступности: %s";

// ISBN and EAN-13 cells that held their code several times over: how many,
// and the row of the first.
inline constexpr char sRepeatedCodes[] = "Ячейки с повторенным кодом прочитаны как один код: %s; первая — строка %s.";

// Counts that did not read and were taken as 0, one line a field in the
// summary: the caption, the first rows, how many more.
inline constexpr char sValuesUnread[] = "Значения в поле \"%s\" не читаются: строки %s";
inline constexpr char sValuesUnreadMore[] = "Значения в поле \"%s\" не читаются: строки %s и ещё %s";

// A package file of an earlier run that this run did not replace.
inline constexpr char sStalePackageFile[] = "Файл \"%s\" остался от прежнего преобразования.";

// The summary after a run's log (both front ends).
inline constexpr char sRowsConverted[] = "Преобразовано строк: %s.";
// The rows of a supplier's price list left out of the file for a critical
// error: how many, how many of each kind, the first.
inline constexpr char sRowsLeftOut[] = "Не включено в файл строк с ошибками: %s (%s); первая - строка %s.";
inline constexpr char sLeftOutNoArticle[] = "без артикула";
inline constexpr char sLeftOutSameArticle[] = "повтор артикула";
inline constexpr char sLeftOutISBN[] = "ISBN";
inline constexpr char sLeftOutEAN13[] = "EAN-13";
inline constexpr char sLeftOutYear[] = "год издания";
inline constexpr char sLeftOutOther[] = "другие";

// Where the articles came from, when not from a column named for them.
inline constexpr char sArticleFromColumn[] = "Артикул: из столбца %s";
inline constexpr char sArticleFromName[] = "Артикул: из названия товара, столбца артикула в листе нет";

// The log's closing line of a run that converted no row, instead of the
// success line, and why.
inline constexpr char sNoRowConverted[] = "Ни одна строка не преобразована: %s.";
inline constexpr char sNoDataRows[] = "под строкой заголовков нет строк с данными";
inline constexpr char sAllRowsPassedOver[] = "все строки под заголовками пропущены";
inline constexpr char sAllRowsPassedOrLeftOut[] = "все строки пропущены или не включены в файл из-за ошибок";
inline constexpr char sRowsNotRead[] =
    "Чтение остановлено на пустой ячейке A%s; строки %s–%s не прочитаны (прочитать их: %s).";
inline constexpr char sSchemeColumnsMissing[] = "В книге нет столбцов, названных в схеме: %s.";
// A scheme whose lines name only fields of another document type, said by
// both front ends as it is opened.
inline constexpr char sSchemeForOtherType[] =
    "Схема \"%s\" составлена для вида \"%s\": её строки для полей, которых нет в этом виде, не действуют.";
inline constexpr char sSchemeCaptionTwice[] =
    "Предупреждение: поле \"%s\" задано в схеме дважды (строки %s и %s); действует первая из них.";
inline constexpr char sFileSavedWithRows[] = "Файл \"%s\" сохранен (строк: %s).";

// The rows a run in the supplier layout passes over: a note each in the log,
// their reasons in the summary.
inline constexpr char sRowGroupHeading[] = "Строка %s пропущена: заголовок группы \"%s\".";
inline constexpr char sRowTotal[] = "Строка %s пропущена: строка итогов.";
inline constexpr char sRowRepeatedHeader[] = "Строка %s пропущена: повтор строки заголовков.";
inline constexpr char sRowUnnamed[] = "Строка %s пропущена: в ней нет ни артикула, ни названия товара.";
inline constexpr char sRowUnlikeProducts[] =
    "Строка %s пропущена: она пуста там, где строки товаров этого списка заполнены.";
inline constexpr char sPassedNotesMore[] = "… и ещё %s (%s)";
inline constexpr char sPassedGroupHeadings[] = "заголовки групп";
inline constexpr char sPassedTotals[] = "итоги";
inline constexpr char sPassedRepeatedHeaders[] = "повторы заголовков";
inline constexpr char sPassedUnnamed[] = "без артикула и названия";
inline constexpr char sPassedUnlikeProducts[] = "не похожие на строки товаров";
inline constexpr char sPassedNothingMapped[] = "без данных в сопоставленных столбцах";
inline constexpr char sRowsPassedOver[] = "Пропущено строк: %s (%s).";

// The first line of a saved report (step 5 and quarnel-convert --log).
inline constexpr char sReportHeader[] = "Книга: %s; тип документа: %s; дата и время: %s";

} // namespace QRNConsts
