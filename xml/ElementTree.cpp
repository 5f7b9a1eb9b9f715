#include "xml/ElementTree.h"

#include "xml/Cp1251Markup.h"

#include <cstdint>

namespace {

// A recycled element keeps its text buffer, except a large one, so that a
// single long cell does not stay allocated for the rest of the run.
constexpr std::size_t kKeptTextCapacity = 4096;

} // namespace

const ElementName* ElementPool::Recent(std::string_view name) const
{
    const RecentName& recent = recent_[(reinterpret_cast<std::uintptr_t>(name.data()) >> 2) % kRecentNames];
    return recent.text == name.data() && recent.name->utf8 == name ? recent.name : nullptr;
}

void ElementPool::Remember(std::string_view name, const ElementName* held) const
{
    recent_[(reinterpret_cast<std::uintptr_t>(name.data()) >> 2) % kRecentNames] = {name.data(), held};
}

const ElementName* ElementPool::Name(std::string_view name)
{
    if (const ElementName* recent = Recent(name)) return recent;
    const auto found = names_.find(name);
    if (found != names_.end()) {
        Remember(name, found->second.get());
        return found->second.get();
    }
    auto entry = std::make_unique<ElementName>();
    entry->utf8 = std::string(name);
    AppendCp1251(entry->cp1251, name, false);
    const ElementName* held = entry.get();
    names_.emplace(held->utf8, std::move(entry));
    return held;
}

const ElementName* ElementPool::FindName(std::string_view name) const
{
    if (const ElementName* recent = Recent(name)) return recent;
    const auto found = names_.find(name);
    if (found == names_.end()) return nullptr;
    Remember(name, found->second.get());
    return found->second.get();
}

TXMLElement* ElementPool::New(const ElementName* name)
{
    TXMLElement* element;
    if (free_.empty()) {
        element = &storage_.emplace_back();
    } else {
        element = free_.back();
        free_.pop_back();
    }
    element->name = name;
    return element;
}

void ElementPool::Release(TXMLElement* element)
{
    TXMLElement* child = element->firstChild;
    while (child) {
        TXMLElement* next = child->next;
        Release(child);
        child = next;
    }
    if (element->text.capacity() > kKeptTextCapacity) std::string().swap(element->text);
    else element->text.clear();
    element->hasText = false;
    element->parent = element->firstChild = element->lastChild = element->next = nullptr;
    free_.push_back(element);
}

void AppendChild(TXMLElement* parent, TXMLElement* child)
{
    child->parent = parent;
    if (parent->lastChild) parent->lastChild->next = child;
    else parent->firstChild = child;
    parent->lastChild = child;
}

TXMLElement* TakeFirstChild(TXMLElement* element)
{
    TXMLElement* child = element->firstChild;
    if (!child) return nullptr;
    element->firstChild = child->next;
    if (!element->firstChild) element->lastChild = nullptr;
    child->parent = child->next = nullptr;
    return child;
}

void UnlinkChild(TXMLElement* element, TXMLElement* child)
{
    TXMLElement* before = nullptr;
    for (TXMLElement* sibling = element->firstChild; sibling != child; sibling = sibling->next) {
        if (!sibling) return;
        before = sibling;
    }
    (before ? before->next : element->firstChild) = child->next;
    if (element->lastChild == child) element->lastChild = before;
    child->parent = child->next = nullptr;
}
