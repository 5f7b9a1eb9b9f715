#include "writers/ONIXNodes.h"

#include "base/Utf8Text.h"

namespace ONIXFunctions {

namespace {

std::string IndexedPath(const std::string& name, int index)
{
    return name + "[" + std::to_string(index) + "]";
}

} // namespace

TXMLNode FindOrAddNode(TXMLDocument& doc, TXMLNode parent, const std::string& name)
{
    TXMLNode node = doc.FindNode(parent, name);
    if (node) return node;
    node = doc.AddElement(parent, name, "");
    if (name == "SupplyDetail") {
        const TXMLNode supplier = doc.AddElement(node, "Supplier", "");
        doc.AddElement(supplier, "SupplierRole", "00");
    }
    return node;
}

void AddCodedNode(TXMLDocument& doc, TXMLNode parent, const std::string& composite, const std::string& typeElement,
                  const std::string& code, const std::string& valueElement, const std::string& value)
{
    if (value.empty()) return;
    const TXMLNode node = doc.AddElement(parent, composite, "");
    doc.AddElement(node, typeElement, code);
    doc.AddElement(node, valueElement, value);
}

TXMLNode FindNodeByChildText(TXMLDocument& doc, TXMLNode parent, const std::string& name, const std::string& keyElement,
                             const std::string& keyText)
{
    const int count = doc.CountNodes(parent, name);
    for (int i = 0; i < count; ++i) {
        const TXMLNode child = doc.FindNode(parent, IndexedPath(name, i));
        if (child && doc.GetNodeText(child, keyElement) == keyText) return child;
    }
    return TXMLNode();
}

TXMLNode FindSubNodeByChildText(TXMLDocument& doc, TXMLNode parent, const std::string& name,
                                const std::string& grandchildName, const std::string& keyElement,
                                const std::string& keyText)
{
    const int count = doc.CountNodes(parent, name);
    for (int i = 0; i < count; ++i) {
        const TXMLNode child = doc.FindNode(parent, IndexedPath(name, i));
        const int subCount = doc.CountNodes(child, grandchildName);
        for (int j = 0; j < subCount; ++j) {
            const TXMLNode grandchild = doc.FindNode(child, IndexedPath(grandchildName, j));
            if (grandchild && doc.GetNodeText(grandchild, keyElement) == keyText) return grandchild;
        }
    }
    return TXMLNode();
}

void AddContributorNode(TXMLDocument& doc, TXMLNode product, const std::string& role, const std::string& keyNames,
                        const std::string& namesBeforeKey)
{
    const bool hasKeyNames = !Trim(keyNames).empty();
    const bool hasNamesBeforeKey = !Trim(namesBeforeKey).empty();
    if (!hasKeyNames && !hasNamesBeforeKey) return;
    const TXMLNode detail = FindOrAddNode(doc, product, "DescriptiveDetail");
    const int earlier = doc.CountNodes(detail, "Contributor");
    const TXMLNode contributor = doc.AddElement(detail, "Contributor", "");
    doc.AddElement(contributor, "SequenceNumber", std::to_string(earlier + 1));
    doc.AddElement(contributor, "ContributorRole", role);
    if (hasKeyNames) doc.AddElement(contributor, "KeyNames", keyNames);
    if (hasNamesBeforeKey) doc.AddElement(contributor, "NamesBeforeKey", namesBeforeKey);
}

void AddMeasureNode(TXMLDocument& doc, TXMLNode product, const std::string& measureType, const std::string& value,
                    const std::string& unitCode)
{
    if (value.empty()) return;
    const TXMLNode measure = doc.AddElement(FindOrAddNode(doc, product, "DescriptiveDetail"), "Measure", "");
    doc.AddElement(measure, "MeasureType", measureType);
    doc.AddElement(measure, "Measurement", value);
    doc.AddElement(measure, "MeasureUnitCode", unitCode);
}

void AddExtentNode(TXMLDocument& doc, TXMLNode parent, const std::string& extentType, const std::string& value,
                   const std::string& unitCode)
{
    if (value.empty()) return;
    const TXMLNode extent = doc.AddElement(parent, "Extent", "");
    doc.AddElement(extent, "ExtentType", extentType);
    doc.AddElement(extent, "ExtentValue", value);
    doc.AddElement(extent, "ExtentUnit", unitCode);
}

void AddAudienceRangeNode(TXMLDocument& doc, TXMLNode parent, const std::string& qualifier,
                          const std::string& precision, const std::string& value)
{
    if (value.empty()) return;
    const TXMLNode range = doc.AddElement(parent, "AudienceRange", "");
    doc.AddElement(range, "AudienceRangeQualifier", qualifier);
    doc.AddElement(range, "AudienceRangePrecision", precision);
    doc.AddElement(range, "AudienceRangeValue", value);
}

void AddLanguageNode(TXMLDocument& doc, TXMLNode product, const std::string& role, const std::string& languageCode)
{
    const TXMLNode detail = FindOrAddNode(doc, product, "DescriptiveDetail");
    AddCodedNode(doc, detail, "Language", "LanguageRole", role, "LanguageCode", languageCode);
}

void AddSubjectNode(TXMLDocument& doc, TXMLNode parent, const std::string& schemeIdentifier,
                    const std::string& schemeName, const std::string& code)
{
    if (code.empty()) return;
    const TXMLNode subject = doc.AddElement(parent, "Subject", "");
    doc.AddElement(subject, "SubjectSchemeIdentifier", schemeIdentifier);
    doc.AddElement(subject, "SubjectSchemeName", schemeName);
    doc.AddElement(subject, "SubjectCode", code);
}

} // namespace ONIXFunctions
