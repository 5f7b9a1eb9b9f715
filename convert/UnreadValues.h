#pragma once

#include <string>
#include <vector>

// The cells of a numeric field that did not read as numbers and were taken
// as 0 (stock, pack quantity, quantity): no row error each, one summary line
// for the field.
struct UnreadColumn {
    std::string caption;
    std::vector<int> rows; // the first kRowsNamed, in sheet order
    int count = 0;
};

class UnreadValues {
public:
    static constexpr std::size_t kRowsNamed = 10;

    void Add(const std::string& caption, int row);
    // By the field's first unread cell.
    const std::vector<UnreadColumn>& Columns() const { return columns_; }

private:
    std::vector<UnreadColumn> columns_;
};

// The summary's lines: `Значения в поле "Остатки" не читаются: строки 5, 9 и ещё 3`.
std::vector<std::string> UnreadValueLines(const std::vector<UnreadColumn>& columns);
