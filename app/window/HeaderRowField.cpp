#include "app/window/HeaderRowField.h"

#include "app/window/QtText.h"
#include "app/window/WaitCursor.h"
#include "app/window/WindowTexts.h"
#include "app/window/WizardContext.h"
#include "app/window/WizardControls.h"
#include "base/MessageFormat.h"
#include "convert/RunWorkbook.h"
#include "scheme/HeaderRow.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"
#include "workbook/CellReference.h"

#include <QLabel>
#include <algorithm>
#include <QSpinBox>

namespace {

constexpr char kAutomatic[] = "auto";

} // namespace

HeaderRowField::HeaderRowField(const WizardContext& context, QWidget* parent, std::function<Sheet()> chosen)
    : FContext(context), FChosen(std::move(chosen)), FBox(new QSpinBox(parent)), FNote(NewNote(parent, ""))
{
    FBox->setObjectName(QStringLiteral("seHeaderRow"));
    FBox->setFixedSize(100, kEditHeight);
    // Below row 1 is "авто".
    FBox->setRange(0, kSheetRows);
    FBox->setSpecialValueText(QStr(QRNConsts::sHeaderRowAuto));
    FBox->setToolTip(QStr(FormatMessage(QRNConsts::sHeaderRowHint, {std::to_string(kHeaderRowSearchRows)})));
    FNote->setObjectName(QStringLiteral("lbHeaderRowFound"));
    QObject::connect(FBox, &QSpinBox::valueChanged, FBox, [this](int value) {
        if (!FSetting) Typed(value);
    });
    Reset();
}

bool HeaderRowField::Automatic() const
{
    return FBox->value() == 0;
}

HeaderRowField::Sheet HeaderRowField::Chosen() const
{
    try {
        return FChosen();
    } catch (const std::exception&) {
        // Said under the file field, and by the reading of step 2.
        return {};
    }
}

std::optional<int> HeaderRowField::FoundIn(const Sheet& chosen) const
{
    if (!FFound || !chosen.workbook || FFound->workbook.lock() != chosen.workbook || FFound->sheet != chosen.sheet
        || FFound->type != chosen.type)
        return std::nullopt;
    return FFound->row;
}

bool HeaderRowField::Searched() const
{
    // The command line's walk reads row 1 unless told otherwise, as
    // quarnel-convert does.
    return Automatic() || (!FTyped && !FContext.autoMode);
}

int HeaderRowField::Row()
{
    if (!Searched()) return FBox->value();
    const Sheet chosen = Chosen();
    std::optional<int> found = FoundIn(chosen);
    if (!found && chosen.workbook) {
        const WaitCursor waiting;
        try {
            found = chosen.workbook->FindHeaderRow(chosen.sheet, chosen.type);
            FFound = Found{chosen.workbook, chosen.sheet, chosen.type, *found};
            Show();
        } catch (const std::exception&) {
            // The reading of step 2 says what is wrong with the workbook.
        }
    }
    if (found.value_or(0) > 0) return *found;
    if (!Automatic()) return 1;
    return chosen.layout == SheetLayout::Supplier ? 0 : 1;
}

void HeaderRowField::SetValue(int value)
{
    FSetting = true;
    FBox->setValue(value);
    FSetting = false;
}

void HeaderRowField::Set(int row)
{
    SetValue(row);
    FTyped = row > 0;
    Search();
}

void HeaderRowField::Reset()
{
    SetValue(IniStore::ReadStringParam(kHeaderRow, "") == kAutomatic ? 0 : 1);
    FTyped = false;
    FNote->clear();
}

void HeaderRowField::FindUnlessTyped()
{
    if (!FTyped) SetValue(0);
    Search();
}

void HeaderRowField::Typed(int value)
{
    const bool automatic = value == 0;
    FTyped = !automatic;
    if (automatic != (IniStore::ReadStringParam(kHeaderRow, "") == kAutomatic))
        FContext.Guarded([automatic] { IniStore::WriteStringParam(kHeaderRow, automatic ? kAutomatic : ""); });
    Search();
}

void HeaderRowField::Search()
{
    FNote->clear();
    if (!Searched()) return;
    const Sheet chosen = Chosen();
    if (!chosen.workbook) return;
    if (FoundIn(chosen)) return Show();
    FNote->setText(QStr(QRNConsts::sHeaderRowSearching));
    // While another search goes on this one does not start: the other's end
    // searches again for what is chosen then.
    FWorker.Start(
        [this, chosen](const StopRequest&) -> WindowWorker::Continuation {
            const int row = chosen.workbook->FindHeaderRow(chosen.sheet, chosen.type);
            return [this, found = Found{chosen.workbook, chosen.sheet, chosen.type, row}] {
                FFound = found;
                Search();
            };
        },
        [this](const QString&) { FNote->clear(); });
}

void HeaderRowField::Show()
{
    const Sheet chosen = Chosen();
    const std::optional<int> found = FoundIn(chosen);
    if (!Searched() || !found) return;
    if (!Automatic()) {
        // Row 1 left as it was: a title block above the names is passed.
        SetValue(std::max(1, *found));
        if (*found > 1) FNote->setText(QStr(FormatMessage(QRNConsts::sHeaderRowFound, {std::to_string(*found)})));
        return;
    }
    if (*found > 0) FNote->setText(QStr(FormatMessage(QRNConsts::sHeaderRowFound, {std::to_string(*found)})));
    else if (chosen.layout == SheetLayout::Supplier) FNote->setText(QStr(QRNConsts::sHeaderRowNoneSupplier));
    else FNote->setText(QStr(FormatMessage(QRNConsts::sHeaderRowNoneStrict, {std::to_string(kHeaderRowSearchRows)})));
}
