#pragma once

#include <array>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// An element name, held once per document, with the bytes that stand for it
// in the saved file.
struct ElementName {
    std::string utf8;
    std::string cp1251; // windows-1251, characters it lacks as references
};

// One element of the message. A text is what the element was created with;
// children follow it. `hasText` tells an element created with a text that
// cleaning emptied (written as a start and an end tag) from one created
// without (written as an empty-element tag).
struct TXMLElement {
    const ElementName* name = nullptr;
    std::string text;
    bool hasText = false;
    TXMLElement* parent = nullptr;
    TXMLElement* firstChild = nullptr;
    TXMLElement* lastChild = nullptr;
    TXMLElement* next = nullptr;

    bool IsEmpty() const { return !hasText && !firstChild; }
};

// Storage of a document's elements. A message is written out product by
// product, so the elements of one product are recycled for the next: a long
// run allocates only as many elements as its largest product needs.
class ElementPool {
public:
    // The document's one copy of the name, added when new.
    const ElementName* Name(std::string_view name);

    // The copy of the name, or null when no element was ever given it.
    const ElementName* FindName(std::string_view name) const;

    // A new element without parent, children or text.
    TXMLElement* New(const ElementName* name);

    // Returns the element and its whole subtree for reuse; the caller has
    // unlinked it from its parent.
    void Release(TXMLElement* element);

private:
    // The writers name elements with string literals, the same few hundred
    // over and over: a name is first looked up by where its text lies, and
    // the text compared, before it is hashed.
    struct RecentName {
        const char* text = nullptr;
        const ElementName* name = nullptr;
    };
    static constexpr std::size_t kRecentNames = 256;

    const ElementName* Recent(std::string_view name) const;
    void Remember(std::string_view name, const ElementName* held) const;

    std::unordered_map<std::string_view, std::unique_ptr<ElementName>> names_;
    mutable std::array<RecentName, kRecentNames> recent_{};
    std::deque<TXMLElement> storage_;
    std::vector<TXMLElement*> free_;
};

// Appends the element as the last child of the parent.
void AppendChild(TXMLElement* parent, TXMLElement* child);

// Unlinks the first child of the element and returns it.
TXMLElement* TakeFirstChild(TXMLElement* element);

// Unlinks the child from the element.
void UnlinkChild(TXMLElement* element, TXMLElement* child);
