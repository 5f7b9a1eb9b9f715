#pragma once

#include <string>

#include "xml/TXMLDocument.h"

namespace ONIXFunctions {

// The first child of that name, or a new empty one appended as the last child.
// A new "SupplyDetail" comes with Supplier/SupplierRole "00" already inside, so
// every supply detail names its supplier first.
TXMLNode FindOrAddNode(TXMLDocument& doc, TXMLNode parent, const std::string& name);

// Nothing when value is empty; otherwise appends composite holding typeElement
// with code, then valueElement with value.
void AddCodedNode(TXMLDocument& doc, TXMLNode parent, const std::string& composite, const std::string& typeElement,
                  const std::string& code, const std::string& valueElement, const std::string& value);

// The first child named `name` whose `keyElement` text equals keyText exactly
// (a missing key element reads as empty text); empty handle when none.
TXMLNode FindNodeByChildText(TXMLDocument& doc, TXMLNode parent, const std::string& name, const std::string& keyElement,
                             const std::string& keyText);

// The same one level deeper: the first grandchild parent/name/grandchildName
// whose keyElement text equals keyText; empty handle when none.
TXMLNode FindSubNodeByChildText(TXMLDocument& doc, TXMLNode parent, const std::string& name,
                                const std::string& grandchildName, const std::string& keyElement,
                                const std::string& keyText);

// Appends a Contributor to the product's DescriptiveDetail, numbered after
// the contributors already there whatever their roles. Nothing when both
// names are blank; a blank name is left out, a given one is written untrimmed.
void AddContributorNode(TXMLDocument& doc, TXMLNode product, const std::string& role, const std::string& keyNames,
                        const std::string& namesBeforeKey);

// DescriptiveDetail/Measure: MeasureType, Measurement, MeasureUnitCode;
// nothing when value is empty.
void AddMeasureNode(TXMLDocument& doc, TXMLNode product, const std::string& measureType, const std::string& value,
                    const std::string& unitCode);

// Extent: ExtentType, ExtentValue, ExtentUnit below parent; nothing when value
// is empty.
void AddExtentNode(TXMLDocument& doc, TXMLNode parent, const std::string& extentType, const std::string& value,
                   const std::string& unitCode);

// AudienceRange: AudienceRangeQualifier, AudienceRangePrecision,
// AudienceRangeValue below parent; nothing when value is empty.
void AddAudienceRangeNode(TXMLDocument& doc, TXMLNode parent, const std::string& qualifier,
                          const std::string& precision, const std::string& value);

// DescriptiveDetail/Language: LanguageRole, LanguageCode. DescriptiveDetail is
// taken (and so created) even when the code is empty.
void AddLanguageNode(TXMLDocument& doc, TXMLNode product, const std::string& role, const std::string& languageCode);

// Subject: SubjectSchemeIdentifier, SubjectSchemeName (written also when
// empty), SubjectCode below parent; nothing when code is empty.
void AddSubjectNode(TXMLDocument& doc, TXMLNode parent, const std::string& schemeIdentifier,
                    const std::string& schemeName, const std::string& code);

} // namespace ONIXFunctions
