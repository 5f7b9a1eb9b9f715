#include "WindowFixture.h"

#include "base/DateTime.h"
#include "base/Regional.h"
#include "settings/IniStore.h"

#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <xlsxwriter.h>

#include <stdexcept>

void WriteWorkbook(const std::string& path, const std::vector<std::vector<std::string>>& rows)
{
    lxw_workbook* workbook = workbook_new(path.c_str());
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t column = 0; column < rows[row].size(); ++column)
            if (!rows[row][column].empty())
                worksheet_write_string(sheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
                                       rows[row][column].c_str(), nullptr);
    if (workbook_close(workbook) != LXW_NO_ERROR) throw std::runtime_error("cannot write " + path);
}

WindowFixture::WindowFixture(const QStringList& parameters)
{
    IniStore::SetIniFileName(folder_.File("quarnel.ini"));
    Recreate(parameters);
}

WindowFixture::~WindowFixture()
{
    window_.reset();
    IniStore::SetIniFileName("");
}

void WindowFixture::Recreate(const QStringList& parameters)
{
    window_.reset();
    window_ = std::make_unique<TfmQRNMain>(Regional::Russian(), dialogs_, parameters);
}

bool WindowFixture::WaitForRun(int timeoutMs)
{
    QTimer* timer = window_->tmAuto;
    return QTest::qWaitFor([&] { return !timer->isActive() && !window_->ConversionRunning(); }, timeoutMs);
}

QStringList Items(const QListWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
    return texts;
}

QString TodayText()
{
    return QString::fromStdString(Regional::Russian().FormatDate(TodayDateTime()));
}
