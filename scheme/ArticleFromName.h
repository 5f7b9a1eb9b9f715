#pragma once

#include <string>
#include <string_view>

// The reserved column a scheme line may give the article ("Артикул = [из
// названия]") where the sheet has no identifier: each product's article is
// then made from its name. Listed in both layouts, after the sheet's columns.
inline constexpr char kFromNameColumn[] = "[из названия]";

// Whether a column name is one of the reserved columns a run adds after the
// sheet's own (kFromNameColumn, the supplier layout's kGroupColumn).
bool IsReservedColumn(std::string_view name);

// The article made from a product's name: "Н" and the 16 upper-case
// hexadecimal digits of the 64-bit FNV-1a hash of the name's UTF-8 bytes,
// once the name is trimmed, its runs of blanks (spaces, tabs, line breaks)
// made one space, its Latin and Cyrillic letters made lower case and "ё"
// made "е". The same name gives the same article in every run, on every
// machine, in every list; receivers key products on it. "" for a name
// of blanks only, which gives no article.
std::string ArticleFromName(std::string_view name);
