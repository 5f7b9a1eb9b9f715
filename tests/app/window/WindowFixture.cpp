#include "WindowFixture.h"

#include "base/DateTime.h"
#include "base/Regional.h"
#include "settings/IniStore.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <xlsxwriter.h>

#include <stdexcept>
#include <string>
#include <type_traits>

void WriteWorkbook(const std::string& path, const std::vector<std::vector<std::string>>& rows,
                   const std::vector<int>& hidden)
{
    WriteWorkbookSheets(path, {{"", rows}}, hidden);
}

void WriteWorkbookSheets(const std::string& path, const std::vector<std::pair<std::string, Rows>>& sheets,
                         const std::vector<int>& hidden)
{
    lxw_workbook* workbook = workbook_new(path.c_str());
    for (const auto& [name, rows] : sheets) {
        lxw_worksheet* sheet = workbook_add_worksheet(workbook, name.empty() ? nullptr : name.c_str());
        lxw_row_col_options hiddenColumn{};
        hiddenColumn.hidden = 1;
        for (const int column : hidden)
            worksheet_set_column_opt(sheet, static_cast<lxw_col_t>(column - 1), static_cast<lxw_col_t>(column - 1),
                                     LXW_DEF_COL_WIDTH, nullptr, &hiddenColumn);
        for (std::size_t row = 0; row < rows.size(); ++row)
            for (std::size_t column = 0; column < rows[row].size(); ++column)
                if (!rows[row][column].empty())
                    worksheet_write_string(sheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
                                           rows[row][column].c_str(), nullptr);
    }
    if (workbook_close(workbook) != LXW_NO_ERROR) throw std::runtime_error("cannot write " + path);
}

namespace {

template <typename Control>
Control* Named(QWidget& window, const char* name)
{
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (!control) throw std::logic_error(std::string("the window has no ") + name);
    return control;
}

} // namespace

#define FIND(name) name(Named<std::remove_pointer_t<decltype(name)>>(window, #name))

WindowControls::WindowControls(QWidget& window)
    : FIND(pn1), FIND(pn2), FIND(pn3), FIND(pn4), FIND(pn5), FIND(lbHeader), FIND(lbInfo), FIND(btPrev), FIND(btNext),
      FIND(btClose), FIND(edExcelFile), FIND(lbExcelNote), FIND(lbExcelProblem), FIND(btSelectExcelFile),
      FIND(cbDocType), FIND(cbSheet), FIND(seHeaderRow), FIND(cbLayout), FIND(listExcel), FIND(listOnix),
      FIND(listCorresp), FIND(actCorrespClear), FIND(actCorrespAuto), FIND(actCorrespDel), FIND(actCorrespOpen),
      FIND(btClearCorresp), FIND(btAutoCorresp), FIND(btSaveCorresp), FIND(btOpenCorresp), FIND(btPreview),
      FIND(pmCorresp), FIND(edFromSAN), FIND(edFromCompany), FIND(edFromPerson), FIND(edToSAN), FIND(edToCompany),
      FIND(edToPerson), FIND(edMessageNumber), FIND(edDocumentReference), FIND(edSentDate), FIND(btSelectDate),
      FIND(lbMessageNumber), FIND(lbDocumentReference), FIND(lbMessageNumberMark), FIND(lbDocumentReferenceMark),
      FIND(edXMLFile), FIND(btSelectXmlFile), FIND(lbInfoNakl), FIND(ProgressBar1), FIND(memLog), FIND(btSaveLog),
      FIND(tmAuto)
{
}

#undef FIND

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
    controls_.reset();
    window_.reset();
    window_ = std::make_unique<TfmQRNMain>(Regional::Russian(), dialogs_, parameters);
    controls_.emplace(*window_);
}

bool WindowFixture::WaitForRun(int timeoutMs)
{
    QTimer* timer = controls_->tmAuto;
    return QTest::qWaitFor([&] { return !timer->isActive() && !window_->ConversionRunning(); }, timeoutMs);
}

QStringList Items(const QListWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
    return texts;
}

QString ShownText(const QString& text)
{
    return QString(text).replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove('&').replace('\x01', '&');
}

QString TodayText()
{
    return QString::fromStdString(Regional::Russian().FormatDate(TodayDateTime()));
}

namespace {

QString Describe(const QWidget& widget)
{
    const auto* label = qobject_cast<const QLabel*>(&widget);
    const QString text = label ? label->text().left(30) : QString();
    return widget.metaObject()->className() + QStringLiteral(" ") + widget.objectName() + QStringLiteral(" \"") + text
           + QStringLiteral("\"");
}

} // namespace

QStringList LayoutFaults(const QWidget& panel)
{
    QStringList faults;
    const QList<QWidget*> children = panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < children.size(); ++i) {
        const QWidget& child = *children[i];
        if (!panel.rect().contains(child.geometry())) faults << Describe(child) + QStringLiteral(" leaves the panel");
        // Controls shown in turn in one place (a note, or what keeps the
        // workbook from being read) may share it.
        for (qsizetype j = i + 1; j < children.size(); ++j)
            if (!child.isHidden() && !children[j]->isHidden() && child.geometry().intersects(children[j]->geometry()))
                faults << Describe(child) + QStringLiteral(" overlaps ") + Describe(*children[j]);
        const auto* label = qobject_cast<const QLabel*>(&child);
        if (label && label->wordWrap()) {
            const QRect needed =
                label->fontMetrics().boundingRect(QRect(QPoint(), label->size()), Qt::TextWordWrap, label->text());
            if (needed.height() > label->height()) faults << Describe(child) + QStringLiteral(" is cut off");
        }
    }
    return faults;
}
