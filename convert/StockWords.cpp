#include "convert/StockWords.h"

#include "base/MessageFormat.h"
#include "base/Utf8Text.h"
#include "convert/RunLogTexts.h"

#include <algorithm>

namespace {

constexpr const char* kInStock = "20";
constexpr const char* kNotInStock = "40";

const char* CodeOfWord(const std::string& word)
{
    if (!word.empty() && word.find_first_not_of('*') == std::string::npos) return kInStock;
    for (const char* yes : {"есть", "в наличии", "много", "да", "под заказ"})
        if (word == yes) return kInStock;
    for (const char* no : {"нет", "отсутствует", "ожидается", "-"})
        if (word == no) return kNotInStock;
    return nullptr;
}

} // namespace

const char* StockWords::CodeOf(std::string_view cell, const std::string& caption)
{
    const std::string word = LowerCase(Trim(cell));
    const char* code = CodeOfWord(word);
    if (!code && word == "0" && !seen_.empty()) code = kNotInStock;
    if (!code) return nullptr;
    caption_ = caption;
    const std::string written = Trim(cell);
    if (std::none_of(seen_.begin(), seen_.end(), [&](const auto& known) { return LowerCase(known.first) == word; }))
        seen_.emplace_back(written, code);
    return code;
}

std::vector<std::string> StockWords::SummaryLines() const
{
    if (seen_.empty()) return {};
    std::string words;
    for (const auto& [word, code] : seen_) words += (words.empty() ? "\"" : ", \"") + word + "\" - " + code;
    return {FormatMessage(QRNConsts::sStockWords, {caption_, words})};
}
