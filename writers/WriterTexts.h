#pragma once

// The writers' row errors: what a checking writer reports on the error
// channel when a row's article, ISBN, EAN-13 or year of publication is wrong.
// The runs log each after "Ошибка в строке N. ". They stay beside the writers
// that report them, and the channel carries them as text. The check-digit
// marker is a part of two of these texts and is how a run tells an error
// that does not stop the file from being saved: change those texts and the
// marker together. The writers' tests and the golden logs compare them
// exactly.

namespace QRNConsts {

// The checks of identifiers, the article and the year
inline constexpr char sISBNLength[] = "ISBN содержит не 10 и не 13 значащих символов";
inline constexpr char sISBN13NotDigits[] = "ISBN-13 содержит не только цифры";
inline constexpr char sISBN13CheckDigit[] = "ISBN-13 имеет неправильную контрольную цифру (должно быть %s)";
inline constexpr char sEAN13Length[] = "EAN-13 содержит не 13 символов";
inline constexpr char sEAN13NotDigits[] = "EAN-13 содержит не только цифры";
inline constexpr char sEAN13CheckDigit[] = "EAN-13 имеет неправильную контрольную цифру (должно быть %s)";
// A cell of two different codes (CodeOfCell): the first and the other.
inline constexpr char sISBNTwoCodes[] = "ISBN содержит разные коды: %s и %s";
inline constexpr char sEAN13TwoCodes[] = "EAN-13 содержит разные коды: %s и %s";
inline constexpr char sNoRecordReference[] = "Не указан артикул товара";
inline constexpr char sBadPublicationYear[] = "Не удается распознать год издания";

// The words that make a reported error non-critical.
inline constexpr char sCheckDigitMarker[] = "неправильную контрольную";

} // namespace QRNConsts
