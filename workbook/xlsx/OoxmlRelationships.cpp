#include "workbook/xlsx/OoxmlRelationships.h"

#include "workbook/XmlPartParser.h"
#include "workbook/ZipArchive.h"

namespace {

class RelationshipsHandler : public XmlHandler {
public:
    explicit RelationshipsHandler(const std::string& sourcePart) : sourcePart_(sourcePart) {}

    void StartElement(std::string_view name, std::string_view, const XmlAttributes& attributes) override
    {
        if (name != "Relationship") return;
        const auto mode = attributes.Raw("TargetMode");
        if (mode && *mode == "External") return;
        const auto target = attributes.Text("Target");
        if (!target) return;
        found.push_back({attributes.Text("Id").value_or(std::string()), attributes.Text("Type").value_or(std::string()),
                         ResolvePartName(sourcePart_, *target)});
    }
    void EndElement(std::string_view, std::string_view) override {}
    void Characters(std::string_view) override {}

    std::vector<Relationship> found;

private:
    const std::string& sourcePart_;
};

std::string RelationshipsPartOf(const std::string& part)
{
    const auto slash = part.rfind('/');
    if (slash == std::string::npos) return "_rels/" + part + ".rels";
    return part.substr(0, slash + 1) + "_rels/" + part.substr(slash + 1) + ".rels";
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string PercentDecoded(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

std::vector<Relationship> ReadRelationships(ZipArchive& archive, const std::string& sourcePart)
{
    RelationshipsHandler handler(sourcePart);
    ParseXmlPart(archive, sourcePart.empty() ? "_rels/.rels" : RelationshipsPartOf(sourcePart), handler);
    return std::move(handler.found);
}

bool IsRelationshipKind(const Relationship& relationship, std::string_view kind)
{
    const auto slash = relationship.type.rfind('/');
    return slash != std::string::npos && std::string_view(relationship.type).substr(slash + 1) == kind;
}

std::string ResolvePartName(const std::string& sourcePart, std::string_view rawTarget)
{
    std::string target = PercentDecoded(rawTarget);
    // Some producers write Windows separators into targets.
    for (char& c : target)
        if (c == '\\') c = '/';
    std::string path;
    if (target.empty() || target[0] != '/') {
        const auto slash = sourcePart.rfind('/');
        if (slash != std::string::npos) path = sourcePart.substr(0, slash + 1);
    }
    path += target;

    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        auto end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        const std::string segment = path.substr(start, end - start);
        if (segment == "..") {
            if (!segments.empty()) segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = end + 1;
    }
    std::string out;
    for (const auto& segment : segments) {
        if (!out.empty()) out += '/';
        out += segment;
    }
    return out;
}
