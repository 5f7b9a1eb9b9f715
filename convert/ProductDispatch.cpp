#include "convert/ProductDispatch.h"

#include "catalogue/FieldCatalogue.h"
#include "convert/PriceRule.h"
#include "convert/SoundTrackCode.h"
#include "writers/ONIXFunctions.h"

#include <array>

namespace P = ONIXFunctions::Product;

using TextWriter = void (*)(TXMLDocument&, TXMLNode, const std::string&);
using PairWriter = void (*)(TXMLDocument&, TXMLNode, const std::string&, const std::string&);

// One writer call of the dispatch. A text step hands its field's cell to the
// writer. A pair step reads two cells, the names before the key (or the
// subtitle) first, and hands them over the other way round: key names (or
// title) first. The fixed-form step reads nothing.
struct ProductWriterStep {
    enum Kind { Text, Pair, FixedProductForm } kind;
    const char* first = nullptr;
    const char* second = nullptr;
    TextWriter text = nullptr;
    PairWriter pair = nullptr;
};

namespace {

using Step = ProductWriterStep;

constexpr Step Text(const char* field, TextWriter writer)
{
    return {Step::Text, field, nullptr, writer, nullptr};
}

constexpr Step Pair(const char* readFirst, const char* readSecond, PairWriter writer)
{
    return {Step::Pair, readFirst, readSecond, nullptr, writer};
}

constexpr Step FixedProductForm()
{
    return {Step::FixedProductForm};
}

// Steps 1 to 162; 163 to 166 (availability, price, stock, pack quantity) read
// numbers and are written by WriteSupply.
const std::array kSteps{
    Text("RecordReference", P::RecordReference),
    Text("NotificationType", P::NotificationType),
    Text("EAN13", P::EAN13),
    Text("ISBN", P::ISBN),
    Pair("Subtitle", "Title", P::Title),
    Pair("AuthorNamesBeforeKey", "AuthorKeyNames", P::Author),
    Pair("VocalNamesBeforeKey", "VocalKeyNames", P::Vocal),
    Pair("ReadByNamesBeforeKey", "ReadByKeyNames", P::ReadBy),
    Pair("ComposerNamesBeforeKey", "ComposerKeyNames", P::Composer),
    Pair("RegisserNamesBeforeKey", "RegisserKeyNames", P::Regisser),
    Pair("Actor1NamesBeforeKey", "Actor1KeyNames", P::Actor),
    Pair("Actor2NamesBeforeKey", "Actor2KeyNames", P::Actor),
    Pair("ScenarNamesBeforeKey", "ScenarKeyNames", P::Scenar),
    Pair("ProdusNamesBeforeKey", "ProdusKeyNames", P::Produs),
    Text("EditionStatement", P::EditionStatement),
    Text("ContributorStatement", P::ContributorStatement),
    Text("Series", P::Series),
    Text("Publisher", P::Publisher),
    Text("CityOfPublication", P::CityOfPublication),
    Text("PublicationDate", P::PublicationDate),
    Text("InitialPrintRun", P::InitialPrintRun),
    Text("NumberOfPages", P::NumberOfPages),
    Text("ProductFormForBook", P::ProductForm),
    Text("ProductForm", P::ProductForm),
    Text("UDC", P::UDC),
    Text("UDC_DEF", P::UDC_DEF),
    Text("KTK", P::KTK),
    Text("BBK", P::BBK),
    Text("TextLanguage", P::TextLanguage),
    Text("OriginLanguage", P::OriginLanguage),
    Text("Editor", P::Editor),
    Text("Translated", P::Translated),
    Text("Compiled", P::Compiled),
    Text("Artist", P::Artist),
    Text("ProductContentType", P::ProductContentType),
    Text("ProduceCountryName", P::ProduceCountryName),
    Text("ProduceCompanyName", P::ProduceCompanyName),
    Text("DVDRegionCode", P::DVDRegionCode),
    Text("VideoProportion", P::VideoProportion),
    Text("DigitalFormat", P::DigitalFormat),
    Text("SoundTrack", P::SoundTrack),
    Text("SubtitleLanguage", P::SubtitleLanguage),
    Text("RecordLength", P::RecordLength),
    Text("TrackCount", P::TrackCount),
    Text("ProduceDate", P::ProduceDate),
    Text("SalesRights", P::SalesRights),
    Text("NotForSale", P::NotForSale),
    Text("SalesRightsRegion", P::SalesRightsRegion),
    Text("NotForSaleRegion", P::NotForSaleRegion),
    Text("Weight", P::Weight),
    Text("Height", P::Height),
    Text("Width", P::Width),
    Text("Thickness", P::Thickness),
    Text("Annotation", P::Annotation),
    Text("ProductPackaging", P::ProductPackaging),
    Text("ProductFormDescription",
         [](TXMLDocument& doc, TXMLNode product, const std::string& text) {
             P::ProductFormDescription(doc, product, text.empty() ? text : "+" + text);
         }),
    Text("RecommendedBy", P::RecommendedBy),
    Text("SubscriptionIndex", P::SubscriptionIndex),
    Text("Super", P::Super),
    Text("CoverDetail", P::CoverDetail),
    Text("IllustrationsNote", P::IllustrationsNote),
    Text("MapScale", P::MapScale),
    Text("Periodicity", P::Periodicity),
    Text("Dimensions", P::Dimensions),
    Text("SoundTrackType", [](TXMLDocument& doc, TXMLNode product,
                              const std::string& text) { P::SoundTrackType(doc, product, SoundTrackCode(text)); }),
    Text("Manufacturer", P::ProduceCompanyName),
    Text("Distributor", P::Distributor),
    Text("NumberOfPieces", P::NumberOfPieces),
    Text("CopyrightType", P::CopyrightType),
    Text("CopyrightYear", P::CopyrightYear),
    Text("CopyrightAgreementType", P::CopyrightAgreementType),
    Text("CopyrightAgreementNum", P::CopyrightAgreementNum),
    Text("CopyrightAgreementDate", P::CopyrightAgreementDate),
    Text("CorporateName", P::CorporateName),
    Text("PersonName", P::PersonName),
    Text("Bitrate", P::Bitrate),
    Text("ISSN", P::ISSN),
    Text("OriginalName", P::OriginalName),
    Text("CoverImage",
         [](TXMLDocument& doc, TXMLNode product, const std::string& text) { P::CoverImage(doc, product, text, 0, 0); }),
    Text("AgeCategory", P::AgeCategory),
    FixedProductForm(),
    Text("Trademark", P::Trademark),
    Text("Certificate", P::Certificate),
    Text("Warranty", P::Warranty),
    Text("Decor", P::Decor),
    Text("Model", P::Model),
    Text("Color", P::Color),
    Text("OperatingSystem", P::OperatingSystem),
    Text("ProcessorDescriptive", P::ProcessorDescriptive),
    Text("Ram", P::Ram),
    Text("InternalStorage", P::InternalStorage),
    Text("MemoryCard", P::MemoryCard),
    Text("MemoryCardCapacity", P::MemoryCardCapacity),
    Text("Resolution", P::Resolution),
    Text("ScreenSize", P::ScreenSize),
    Text(kScreenTypeFieldID, P::ScreenType),
    Text("SensorType", P::SensorType),
    Text("StorageCapacity", P::StorageCapacity),
    Text("ReadSpeed", P::ReadSpeed),
    Text("WriteSpeed", P::WriteSpeed),
    Text("FormatSupported", P::FormatSupported),
    Text("WiFi", P::WiFi),
    Text("Network", P::Network),
    Text("Bluetooth", P::Bluetooth),
    Text("NavigationSystem", P::NavigationSystem),
    Text("RearCamera", P::RearCamera),
    Text("FrontCamera", P::FrontCamera),
    Text("BatteryVolume", P::BatteryVolume),
    Text("BatteryLife", P::BatteryLife),
    Text("CaseMaterial", P::CaseMaterial),
    Text("Suitableforusewith", P::Suitableforusewith),
    Text("PartNumber", P::PartNumber),
    Text("NumberOfItemsOfThisForm", P::NumberOfItemsOfThisForm),
    Text("StampType", P::StampType),
    Text("STANDART", P::STANDART),
    Text("MICHEL", P::MICHEL),
    Text("CFA", P::CFA),
    Text("ITC_MARKA", P::ITC_MARKA),
    Text("SCOTT", P::SCOTT),
    Text("YVERT", P::YVERT),
    Text("STANLEY_GIBBONS", P::STANLEY_GIBBONS),
    Text("PrintMethod", P::PrintMethod),
    Text("Heightmm", P::Heightmm),
    Text("Widthmm", P::Widthmm),
    Text("Perforation", P::Perforation),
    Text("Watermark", P::Watermark),
    Text("Paper", P::Paper),
    Text("Raster", P::Raster),
    Text("Illustration", P::Illustration),
    Text("Used", P::Used),
    Text("CityOfUse", P::CityOfUse),
    Text("Theme", P::Theme),
    Text("KeyWords", P::KeyWords),
    Text("PublishingDateFull", P::PublishingDateFull),
    Text("Denomination", P::Denomination),
    Text("Painter", P::Painter),
    Text("PainterInit", P::PainterInit),
    Text("Mincmeister", P::Mincmeister),
    Text("MincmeisterInit", P::MincmeisterInit),
    Text("Ruler", P::Ruler),
    Text("Diameter", P::Diameter),
    Text("HightCoin", P::HightCoin),
    Text("WidthCoin", P::WidthCoin),
    Text("ThinCoin", P::ThinCoin),
    Text("WeightCoin", P::WeightCoin),
    Text("Preserved", P::Preserved),
    Text("CoinQuality", P::CoinQuality),
    Text("Centrobank", P::Centrobank),
    Text("Morvel", P::Morvel),
    Text("Tarnovik", P::Tarnovik),
    Text("Krauze", P::Krauze),
    Text("Conros", P::Conros),
    Text("Utk", P::Utk),
    Text("Obverse", P::Obverse),
    Text("Reverse", P::Reverse),
    Text("CertificateCoin", P::CertificateCoin),
    Text("Metal", P::Metal),
    Text("Mint", P::Mint),
    Text("Edge", P::Edge),
    Text("CoinGrading", P::CoinGrading),
    Text("Developer", P::Developer),
    Text("DownloadSize", P::DownloadSize),
};
static_assert(kSteps.size() == 162);

// What every product of a kind of goods is, after the row's own forms;
// books and media carry none.
constexpr std::array<const char*, 9> kFixedProductForms{"", "", "ZA", "ZZ", "CA", "ZR", "ZS", "ZT", "PC"};

} // namespace

ProductDispatch::ProductDispatch(const RunInputs& inputs)
    : regional_(inputs.regional), price01_(ResolveFieldColumn("Price01", inputs)),
      price_(ResolveFieldColumn("Price", inputs)), discountPercent_(ResolveFieldColumn("DiscountPercent", inputs)),
      productAvailability_(ResolveFieldColumn("ProductAvailability", inputs)), vat_(ResolveFieldColumn("VAT", inputs)),
      onHand_(ResolveFieldColumn("OnHand", inputs)), packQuantity_(ResolveFieldColumn("PackQuantity", inputs))
{
    if (inputs.documentType < kFixedProductForms.size()) fixedProductForm_ = kFixedProductForms[inputs.documentType];
    steps_.reserve(kSteps.size());
    for (const Step& step : kSteps) {
        ResolvedStep resolved{&step, {}, {}};
        if (step.first) resolved.first = ResolveFieldColumn(step.first, inputs);
        if (step.second) resolved.second = ResolveFieldColumn(step.second, inputs);
        steps_.push_back(std::move(resolved));
    }
}

void ProductDispatch::WriteProduct(TXMLDocument& doc, TXMLNode product, const SheetRow& row, RunObserver& observer,
                                   RowErrorHandler& rowErrors) const
{
    for (const ResolvedStep& resolved : steps_) {
        switch (resolved.step->kind) {
        case Step::Text: resolved.step->text(doc, product, GetFieldValue(row, resolved.first, observer)); break;
        case Step::Pair: {
            const std::string first = GetFieldValue(row, resolved.first, observer);
            const std::string second = GetFieldValue(row, resolved.second, observer);
            resolved.step->pair(doc, product, second, first);
            break;
        }
        case Step::FixedProductForm:
            if (!fixedProductForm_.empty()) P::ProductForm(doc, product, fixedProductForm_);
            break;
        }
    }
    WriteSupply(doc, product, row, observer, rowErrors);
}

void ProductDispatch::WriteSupply(TXMLDocument& doc, TXMLNode product, const SheetRow& row, RunObserver& observer,
                                  RowErrorHandler& rowErrors) const
{
    // Each number is read, and a price that is no number reported, as its
    // cell is read. A product with a price that does not read goes without
    // prices: a price of 0 would tell the trade partner something else.
    bool pricesRead = true;
    const auto price = [&](const FieldColumn& field, RowErrorHandler::PriceKind kind, std::string* text = nullptr) {
        const std::string cell = GetFieldValue(row, field, observer);
        if (text) *text = NumberTextOf(cell, field.fieldID);
        const std::optional<long double> value = rowErrors.ReadPrice(cell, field, regional_, kind);
        pricesRead = pricesRead && value.has_value();
        return value.value_or(0);
    };
    const auto count = [&](const FieldColumn& field) {
        return rowErrors.ReadCount(GetFieldValue(row, field, observer), field, regional_);
    };
    using Kind = RowErrorHandler::PriceKind;
    std::string price01Text;
    std::string discountText;
    const long double price01 = price(price01_, Kind::Amount, &price01Text);
    long double listedPrice = price(price_, Kind::Amount);
    const long double discount = price(discountPercent_, Kind::Discount, &discountText);
    // Without an availability code of its own, a stock column in words
    // gives one, and no stock.
    const std::string stock = GetFieldValue(row, onHand_, observer);
    const char* stockCode =
        productAvailability_.column == 0 ? rowErrors.stockWords.CodeOf(stock, onHand_.caption) : nullptr;
    P::ProductAvailability(doc, product, stockCode ? stockCode : GetFieldValue(row, productAvailability_, observer));

    if (listedPrice == 0) listedPrice = DiscountedPrice(price01Text, discountText, regional_);
    const long double vat = price(vat_, Kind::Rate);
    if (pricesRead) P::Price(doc, product, price01, listedPrice, discount, vat);
    if (!stockCode) P::OnHand(doc, product, rowErrors.ReadCount(stock, onHand_, regional_));
    P::PackQuantity(doc, product, count(packQuantity_));
}
