#pragma once

#include <string>
#include <string_view>
#include <vector>

class ZipArchive;

// One relationship of a package part: its id, its type URI and the name of the
// part it points to, already resolved against the source part.
struct Relationship {
    std::string id;
    std::string type;
    std::string target;
};

// The relationships of a part ("" for the package itself) from its ".rels"
// part, leaving out external targets. A missing ".rels" part is damage: every
// part we read lies on the way from the package to the first sheet.
std::vector<Relationship> ReadRelationships(ZipArchive& archive, const std::string& sourcePart);

// Whether a relationship type names this kind ("officeDocument", "worksheet",
// ...): the transitional and strict vocabularies differ only before the last
// "/".
bool IsRelationshipKind(const Relationship& relationship, std::string_view kind);

// The part a target names: absolute ("/xl/workbook.xml") from the package
// root, relative from the source part's folder, with "." and ".." steps and
// %-escapes resolved.
std::string ResolvePartName(const std::string& sourcePart, std::string_view target);
