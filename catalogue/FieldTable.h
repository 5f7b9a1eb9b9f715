#pragma once

#include "catalogue/DocumentTypes.h"

#include <cstdint>
#include <string>
#include <vector>

// The display type of digital devices is keyed with a Cyrillic es as second
// letter; its writer and the runs use this very identifier, which a Latin
// "ScreenType" typed by hand would miss.
inline constexpr char kScreenTypeFieldID[] = "S\xD1\x81reenType";

// How a price-list product writes a field's cell. Most fields take one of a
// few shapes, told apart by the codes and names that go with them; the few
// that check or translate their values have a writer of their own. Every
// shape writes nothing for an empty cell (a contributor pair for two).
enum class FieldShape : std::uint8_t {
    ReadElsewhere,           // read by the supply part, the invoice run, or with its pair
    DetailElement,           // DescriptiveDetail/<name>
    GroupMember,             // DescriptiveDetail/<code>/<name>: one group per product
    PublishingElement,       // PublishingDetail/<name>
    CopyrightElement,        // PublishingDetail/CopyrightStatement/<name>, one per product
    Subject,                 // DescriptiveDetail/Subject of scheme <code>, scheme name <name>
    Measure,                 // DescriptiveDetail/Measure of type <code> in unit <name>
    Extent,                  // DescriptiveDetail/Extent of type <code> in unit <name>
    Language,                // DescriptiveDetail/Language of role <code>
    Contributor,             // a numbered Contributor of role <code>, the cell as its key names
    ContributorPair,         // the same, with the pair's cell as the names before the key
    CoinContributor,         // a Contributor of role <code> without a number
    CoinContributorInitials, // the names before the key of that Contributor
    TextContent,             // CollateralDetail/TextContent of type <code>
    SalesRights,             // PublishingDetail/SalesRights of type <code>, the cell in <name>
    PublishingDate,          // PublishingDetail/PublishingDate of role <code>, format <name>
    AudienceRange,           // DescriptiveDetail/AudienceRange of qualifier <code>, precision <name>
    OwnWriter,               // a writer of its own, named by `writer`
    TypeProductForm,         // not a field: the form every product of the document type is
};

// The fields whose values are checked, translated into codes or written in a
// composite of their own.
enum class OwnWriter : std::uint8_t {
    None,
    RecordReference,
    NotificationType,
    EAN13,
    ISBN,
    Title,
    Series,
    SubscriptionIndex,
    Periodicity,
    ISSN,
    Publisher,
    PublicationDate,
    InitialPrintRun,
    ProductForm,
    ProductPackaging,
    ProductFormDescription,
    CoverImage,
    CoverDetail,
    ProduceCompanyName,
    DVDRegionCode,
    VideoProportion,
    DigitalFormat,
    Super,
    SoundTrackType,
    Distributor,
    NumberOfPieces,
    OriginalName,
    Trademark,
    NumberOfItemsOfThisForm,
    Used,
};

struct FieldWriting {
    FieldShape shape = FieldShape::ReadElsewhere;
    const char* code = "";
    const char* name = "";
    OwnWriter writer = OwnWriter::None;
};

// The names suppliers give the column of a field, for the automatic mapping
// (see FieldSynonyms.h), in the document types listed; none listed: every
// type that has the field.
struct SynonymEntry {
    std::vector<TDocumentType> types;
    std::vector<std::string> names;
    std::vector<std::string> guesses;
    std::vector<std::string> weakNames = {};
};

// A caption that some document types give a field instead of its own.
struct TypeCaption {
    std::vector<TDocumentType> types;
    const char* caption;
};

// One product field: everything the program knows of it. Which document types
// list it, and where in their list, is each type's own order (FieldOrder).
struct FieldRow {
    const char* id;
    const char* caption;
    FieldWriting writing;
    std::vector<SynonymEntry> synonyms = {};
    // The field whose cell is read just before this one and written with it:
    // the names before the key of a contributor, the subtitle of a title.
    const char* pair = nullptr;
    std::vector<TypeCaption> otherCaptions = {};
};

// Every field, in the order in which the price-list run writes them below
// Product; the order decides the order of the elements.
const std::vector<FieldRow>& FieldRows();

// The row of a field identifier; nullptr for an unknown one.
const FieldRow* FindFieldRow(const std::string& fieldID);

// The field's caption in the document type's list.
const char* CaptionIn(const FieldRow& row, TDocumentType type);

// The identifiers of the document type's fields, in the order of its list of
// step 2.
const std::vector<const char*>& FieldOrder(TDocumentType type);
