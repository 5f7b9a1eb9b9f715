#include "app/cli/ConsoleObserver.h"

#include "app/cli/CommandLineTexts.h"
#include "base/MessageFormat.h"
#include "base/ShownText.h"

#include <string>

namespace {

constexpr int kBarWidth = 40;

} // namespace

ConsoleObserver::ConsoleObserver(std::ostream& out, std::ostream& err, bool progressBar, bool keepLog)
    : out_(out), err_(err), progressBar_(progressBar), keepLog_(keepLog)
{
}

void ConsoleObserver::ClearLog()
{
    // A console keeps what it printed. A run clears the log once as it
    // starts; a second time only when it starts over (rows out of order in
    // the file), and the lines above no longer count.
    log_.clear();
    if (!logPrinted_) return;
    ClearProgressBar();
    err_ << QRNConsts::sCliRunStartsOver << '\n';
    err_.flush();
}

void ConsoleObserver::LogLine(const std::string& line)
{
    ClearProgressBar();
    logPrinted_ = true;
    out_ << ShownText(line) << '\n';
    out_.flush();
    if (keepLog_) log_.push_back(line);
}

void ConsoleObserver::ProgressMaximum(int maximum)
{
    maximum_ = maximum;
    shownPercent_ = -1;
}

void ConsoleObserver::ProgressPosition(int position)
{
    if (!progressBar_) return;
    if (position == 0 || maximum_ <= 0) {
        ClearProgressBar();
        return;
    }
    // Redraw only when the percentage moves: a million rows must not mean a
    // million terminal writes.
    const int percent = static_cast<int>(100LL * position / maximum_);
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    const int filled = kBarWidth * percent / 100;
    err_ << '\r' << '[' << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << percent << "% (" << position
         << '/' << maximum_ << ')';
    err_.flush();
    barShown_ = true;
}

void ConsoleObserver::LongCellWarning(const std::string& message, int row, const std::string& fieldID)
{
    ClearProgressBar();
    err_ << ShownText(FormatMessage(QRNConsts::sCliLongCell, {std::to_string(row), fieldID, message})) << '\n';
    err_.flush();
}

void ConsoleObserver::ClearProgressBar()
{
    if (!barShown_) return;
    err_ << '\r' << std::string(kBarWidth + 32, ' ') << '\r';
    err_.flush();
    barShown_ = false;
    shownPercent_ = -1;
}
