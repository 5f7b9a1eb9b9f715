#pragma once

// The captions of the document types (the list of step 1); the fields'
// captions stand in their rows of the field table. The wording is fixed, typos
// of the first release included ("кацелярских"): settings and log lines name
// the types by these captions.

namespace QRNConsts {

// Document types, in the order of the list of step 1
inline constexpr char sDocTypeBooks[] = "Прайс-лист для книжных товаров";
inline constexpr char sDocTypeMedia[] = "Прайс-лист для медиа товаров";
inline constexpr char sDocTypeOffice[] = "Прайс-лист для кацелярских товаров";
inline constexpr char sDocTypeDigital[] = "Прайс-лист для цифровой техники";
inline constexpr char sDocTypeMaps[] = "Прайс-лист для карт (листовое издание)";
inline constexpr char sDocTypeSupplies[] = "Прайс-лист для расходных материалов";
inline constexpr char sDocTypePhilately[] = "Прайс-лист для филателии";
inline constexpr char sDocTypeNumismatics[] = "Прайс-лист для нумизматики";
inline constexpr char sDocTypeCalendars[] = "Прайс-лист для календарей";
inline constexpr char sDocTypeInvoice[] = "Накладная";

} // namespace QRNConsts
