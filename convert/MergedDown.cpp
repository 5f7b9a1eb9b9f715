#include "convert/MergedDown.h"

#include <algorithm>

MergedDown::MergedDown(std::vector<CellRange> ranges) : ranges_(std::move(ranges))
{
    std::stable_sort(ranges_.begin(), ranges_.end(),
                     [](const CellRange& a, const CellRange& b) { return a.firstRow < b.firstRow; });
}

const SheetRow& MergedDown::Fill(const SheetRow& row)
{
    const int number = row.Number();
    std::erase_if(active_, [number](const Active& active) { return active.range.lastRow < number; });
    for (; next_ < ranges_.size() && ranges_[next_].firstRow <= number; ++next_) {
        const CellRange& range = ranges_[next_];
        // A first row the sheet left empty gives nothing.
        if (range.firstRow == number && range.lastRow > number)
            active_.push_back({range, std::string(row.CellText(range.firstColumn))});
    }
    std::vector<std::pair<int, const std::string*>> gaps;
    for (const Active& active : active_)
        if (active.range.firstRow < number && !active.text.empty() && row.CellText(active.range.firstColumn).empty())
            gaps.emplace_back(active.range.firstColumn, &active.text);
    if (gaps.empty()) return row;
    std::sort(gaps.begin(), gaps.end());
    filled_.Start(number);
    auto gap = gaps.begin();
    row.ForEachCell([&](int column, std::string_view text) {
        for (; gap != gaps.end() && gap->first < column; ++gap) filled_.Add(gap->first, *gap->second);
        // An empty cell in the range's column is the range's.
        if (gap != gaps.end() && gap->first == column) filled_.Add(column, *gap++->second);
        else filled_.Add(column, text);
    });
    for (; gap != gaps.end(); ++gap) filled_.Add(gap->first, *gap->second);
    return filled_;
}
