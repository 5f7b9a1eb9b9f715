#include "app/cli/ConsoleObserver.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(ConsoleObserverTest, LogGoesToStandardOutputLineForLine)
{
    std::ostringstream out;
    std::ostringstream err;
    ConsoleObserver observer(out, err, false);
    observer.ClearLog();
    observer.ProgressMaximum(3);
    observer.ProgressPosition(1);
    observer.LogLine("Преобразование завершено успешно. ");
    observer.LogLine("Файл ONIX XML сохранен.");
    observer.ProgressPosition(0);
    EXPECT_EQ(out.str(), "Преобразование завершено успешно. \nФайл ONIX XML сохранен.\n");
    EXPECT_EQ(err.str(), "");
}

TEST(ConsoleObserverTest, ProgressBarRedrawsPerPercentAndGivesWayToTheLog)
{
    std::ostringstream out;
    std::ostringstream err;
    ConsoleObserver observer(out, err, true);
    observer.ProgressMaximum(400);
    for (int position = 1; position <= 4; ++position) observer.ProgressPosition(position);
    const std::string drawn = err.str();
    EXPECT_NE(drawn.find("] 0% (1/400)"), std::string::npos) << drawn;
    EXPECT_NE(drawn.find("] 1% (4/400)"), std::string::npos) << drawn;
    EXPECT_EQ(drawn.find("(2/400)"), std::string::npos) << "no redraw within a percent";

    observer.LogLine("строка протокола");
    EXPECT_EQ(err.str().back(), '\r') << "the bar is wiped before the line is printed";
    EXPECT_EQ(out.str(), "строка протокола\n");
}

TEST(ConsoleObserverTest, KeepsTheLogOfTheRunOnlyWhenAsked)
{
    std::ostringstream out;
    std::ostringstream err;
    ConsoleObserver keeping(out, err, false, true);
    keeping.LogLine("строка прежнего прогона");
    keeping.ClearLog();
    keeping.LogLine("Ошибка в строке 2. Не указан артикул товара");
    keeping.LogLine("Файл ONIX XML сохранен.");
    EXPECT_EQ(keeping.Log(),
              (std::vector<std::string>{"Ошибка в строке 2. Не указан артикул товара", "Файл ONIX XML сохранен."}));

    ConsoleObserver printing(out, err, false);
    printing.LogLine("строка");
    EXPECT_TRUE(printing.Log().empty());
}

} // namespace
