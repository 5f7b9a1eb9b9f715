#pragma once

#include "base/Regional.h"
#include "convert/FieldCell.h"
#include "convert/RepeatedCodes.h"
#include "convert/RunObserver.h"
#include "convert/StockWords.h"
#include "convert/UnreadValues.h"

#include <functional>
#include <map>
#include <optional>

// The run state behind the writers' error channel: while it lives it is the
// channel's handler on this thread, logging each reported value against the
// current row ("Ошибка в строке %d. " and the message) and counting it. A
// message about a wrong check digit is the only one that is not critical.
//
// The handler that was installed before is put back when the run ends, so the
// channel never calls into a run that is over.
class RowErrorHandler {
public:
    explicit RowErrorHandler(RunObserver& observer);
    ~RowErrorHandler();
    RowErrorHandler(const RowErrorHandler&) = delete;
    RowErrorHandler& operator=(const RowErrorHandler&) = delete;

    void HandleRowError();

    // The text of the first critical error of the row, or null when the row
    // had none (so far).
    const std::string* FirstCriticalError(int row) const { return criticalRow_ == row ? &firstCritical_ : nullptr; }

    // A currency other than the one the field's first number with a currency
    // gave ("руб." above, "USD" here) does not read either; "р.", "₽" and
    // "руб." are one currency.
    //
    // What a price may be: a price list's price (not negative, and 0 or at
    // least a kopeck: a smaller one would round to no price at all), an
    // invoice's amount (negative in a return; either way up to 10^12), a
    // discount (0 to 100) or a tax rate (not negative).
    enum class PriceKind { ListPrice, Amount, Discount, Rate };

    // The number in a price field's cell (NumberTextOf), 0 when the cell is
    // empty. A cell whose text is not a number, or a number out of its kind's
    // bounds, gives nothing and says so against the row ("Значение ... не
    // является числом"), once a row: a counted error, but not a critical one.
    std::optional<long double> ReadPrice(const std::string& text, const FieldColumn& field, const Regional& regional,
                                         PriceKind kind);
    // The number in any other numeric field's cell, 0 when it is empty or
    // does not read; a cell that does not read is noted in unreadValues, not
    // as an error.
    long double ReadCount(const std::string& text, const FieldColumn& field, const Regional& regional);
    // An invoice's tax rate, read as a count; a negative rate is no rate: an
    // error against the row, as a price's, and nothing.
    std::optional<long double> ReadRate(const std::string& text, const FieldColumn& field, const Regional& regional);

    UnreadValues unreadValues;
    StockWords stockWords;
    RepeatedCodes repeatedCodes;
    int errorCount = 0;
    int currentRow = 0;
    bool criticalError = false;

private:
    void ReportPrice(const std::string& message);
    // What the log says of a number whose currency is not the field's; ""
    // when it is, or when the number carries none.
    std::string OtherCurrency(const std::string& text, const std::string& currency, const FieldColumn& field);
    // The text of a price out of its kind's bounds; "" for one within them.
    static std::string OutOfBounds(long double number, PriceKind kind, const std::string& text,
                                   const FieldColumn& field);

    struct FieldCurrency {
        std::string currency; // as the field's first cell with one wrote it
        std::string code;
        int row = 0;
    };
    std::map<std::string, FieldCurrency> currencies_; // by field identifier

    int priceReportedRow_ = 0;
    int criticalRow_ = 0;
    std::string firstCritical_;
    RunObserver& observer_;
    std::function<void()> previous_;
};
