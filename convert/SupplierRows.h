#pragma once

#include "convert/FieldColumns.h"
#include "convert/RunInputs.h"
#include "convert/RunObserver.h"
#include "workbook/SheetRow.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Why a row of a sheet read in the supplier layout is not a product.
enum class PassedOver {
    NothingMapped,  // nothing in any column the scheme maps
    GroupHeading,   // one cell alone, a text: "Художественная литература"
    Total,          // "Итого", "Всего:", "Total по складу", with no article, ISBN or EAN
    RepeatedHeader, // the header again, as on every printed page, or its column numbers
    Unnamed,        // no article, ISBN, EAN or name: "По доверенности №" under a waybill
    UnlikeProducts, // empty where the list's products are filled: "13" above the 13-inch tyres
};
inline constexpr std::size_t kPassedOverReasons = 6;

// Tells the product rows of a supplier's sheet from the rest, row by row in
// sheet order, keeping the nearest group heading above.
class SupplierRowSorter {
public:
    SupplierRowSorter(const RunInputs& inputs, const FieldColumns& fields);

    // Why the row is passed over; nullopt for a product.
    std::optional<PassedOver> Sort(const SheetRow& row);

    // How many rows under the header LearnShape is given at most: those
    // MayBeAProduct.
    static constexpr std::size_t kShapeRows = 1000;
    // Learns the shape of the list's products from the first rows under the
    // header, before any row is sorted. The products of one list look alike:
    // a mapped column is common when 80 % of the rows fill it, and a row
    // empty in two common columns and in more than half of them is no product
    // (a size or series heading, a section title, a printed form's footer).
    // A row empty in one is a product: without an article (an error), or
    // without a price, as a list gives what is priced on request.
    void LearnShape(const std::vector<SheetRow>& rows);
    // Whether nothing but its shape may keep the row from being a product:
    // it carries a text in a mapped column and is no heading, total or
    // header. LearnShape learns from such rows.
    bool MayBeAProduct(const SheetRow& row) const;

    // The text of the last group heading sorted, "" before the first.
    const std::string& Group() const { return group_; }
    // The column the scheme maps to kGroupColumn, 0 when none.
    int GroupColumn() const { return groupColumn_; }

private:
    bool IsRepeatedHeader(const SheetRow& row) const;
    bool IsTotal(const SheetRow& row) const;
    bool HasProductShape(const SheetRow& row) const;
    // Why the row is passed over but for its shape; `heading` receives the
    // text of a group heading.
    std::optional<PassedOver> ByItsCells(const SheetRow& row, std::string_view& heading) const;

    std::vector<std::string> columnNames_;
    std::vector<int> mapped_;
    std::vector<int> identifying_;
    // The columns that name a product: identifying_ and the name's; empty
    // when the scheme maps no name, as the article alone may be missing on a
    // product.
    std::vector<int> naming_;
    int groupColumn_ = 0;
    std::string group_;
    // The mapped columns the products fill (LearnShape).
    std::vector<int> common_;
};

// The rows a run passed over: a note in the log for each (none for a row
// without mapped data), at most kNotesPerReason of a reason, and their counts
// for the summary. A note is no error: it neither counts as one nor keeps
// anything from being saved.
class PassedRows {
public:
    static constexpr int kNotesPerReason = 20;

    explicit PassedRows(RunObserver& observer) : observer_(observer) {}

    // `group`: the heading's text, for a group heading.
    void Note(const SheetRow& row, PassedOver reason, const std::string& group);
    // After the rows: how many notes of each reason the log left out.
    void Finish();

    const std::array<int, kPassedOverReasons>& Counts() const { return counts_; }

    // The counts as the summary gives them: "заголовки групп: 5, итоги: 1";
    // "" when no row was passed over.
    static std::string CountsText(const std::array<int, kPassedOverReasons>& counts);

private:
    RunObserver& observer_;
    std::array<int, kPassedOverReasons> counts_{};
};
