#pragma once

#include <string>
#include <string_view>
#include <vector>

// A stock column that says in words whether there is stock ("есть", "нет",
// "***"), read as the availability code when the scheme maps none.
class StockWords {
public:
    // "20" for a word that says there is stock or it can be ordered, "40"
    // for one that says there is none; nullptr for a number or any other
    // text. "0" is a word, as "нет", once the column has given a word.
    const char* CodeOf(std::string_view cell, const std::string& caption);

    // The summary's line, none when no word was read:
    // `Слова в поле "Остатки" прочитаны как код доступности: "есть" - 20, "нет" - 40`.
    std::vector<std::string> SummaryLines() const;

private:
    std::string caption_;
    std::vector<std::pair<std::string, const char*>> seen_; // each word once, as first written
};
