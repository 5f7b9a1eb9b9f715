#pragma once

// The captions of the document types: the list of step 1, the help's list of
// types and the header of a saved log (the fields' captions stand in their
// rows of the field table). Nothing stored is read back by them: the settings
// remember a type's scheme under a key of its own (GetCorrespondenceParamName).

namespace QRNConsts {

// Document types, in the order of the list of step 1
inline constexpr char sDocTypeBooks[] = "Прайс-лист для книжных товаров";
inline constexpr char sDocTypeMedia[] = "Прайс-лист для медиа товаров";
inline constexpr char sDocTypeOffice[] = "Прайс-лист для канцелярских товаров";
inline constexpr char sDocTypeDigital[] = "Прайс-лист для цифровой техники";
inline constexpr char sDocTypeMaps[] = "Прайс-лист для карт (листовое издание)";
inline constexpr char sDocTypeSupplies[] = "Прайс-лист для расходных материалов";
inline constexpr char sDocTypePhilately[] = "Прайс-лист для филателии";
inline constexpr char sDocTypeNumismatics[] = "Прайс-лист для нумизматики";
inline constexpr char sDocTypeCalendars[] = "Прайс-лист для календарей";
inline constexpr char sDocTypeInvoice[] = "Накладная";

} // namespace QRNConsts
