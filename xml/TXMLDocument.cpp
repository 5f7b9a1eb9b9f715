#include "xml/TXMLDocument.h"

#include "base/AtomicFile.h"
#include "base/QuarnelError.h"
#include "base/Cp1251.h"
#include "base/Utf8Text.h"
#include "xml/XmlText.h"

#include <libxml/tree.h>

#include <charconv>
#include <optional>

namespace {

const xmlChar* X(const char* text)
{
    return reinterpret_cast<const xmlChar*>(text);
}

struct PathStep {
    std::string_view name;
    std::optional<int> index;
};

std::vector<PathStep> ParsePath(std::string_view path)
{
    std::vector<PathStep> steps;
    while (!path.empty()) {
        const auto slash = path.find('/');
        std::string_view step = path.substr(0, slash);
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
        PathStep parsed;
        const auto bracket = step.find('[');
        parsed.name = step.substr(0, bracket);
        if (bracket != std::string_view::npos) {
            int index = 0;
            const char* first = step.data() + bracket + 1;
            const char* last = step.data() + step.size();
            const auto result = std::from_chars(first, last, index);
            if (result.ec != std::errc() || result.ptr == last || *result.ptr != ']' || index < 0)
                return {};
            parsed.index = index;
        }
        if (parsed.name.empty()) return {};
        steps.push_back(parsed);
    }
    return steps;
}

bool NameIs(const xmlNode* node, std::string_view name)
{
    if (node->type != XML_ELEMENT_NODE) return false;
    const char* own = reinterpret_cast<const char*>(node->name);
    return std::string_view(own) == name;
}

// Visits the nodes matching steps[i..] below `parent` in document order; the
// visitor returns false to stop. Returns false when stopped.
template <typename Visitor>
bool VisitMatches(xmlNode* parent, const std::vector<PathStep>& steps, std::size_t i, Visitor& visit)
{
    const PathStep& step = steps[i];
    int seen = 0;
    for (xmlNode* child = parent->children; child; child = child->next) {
        if (!NameIs(child, step.name)) continue;
        if (step.index && seen++ != *step.index) continue;
        const bool goOn = i + 1 == steps.size() ? visit(child) : VisitMatches(child, steps, i + 1, visit);
        if (!goOn) return false;
        if (step.index) break;
    }
    return true;
}

} // namespace

// The encoded output. The tree holds only elements and their texts, so the
// markup is written here directly in windows-1251 rather than through
// libxml2's general serializer and encoder, which dominated a long run.
class TXMLDocument::Output {
public:
    explicit Output(const std::string& path) : file_(path) { pending_.reserve(kFlushSize * 2); }

    void WriteText(const char* text) { pending_ += text; }

    void WriteNode(const xmlNode* node)
    {
        if (node->type == XML_TEXT_NODE) {
            WriteEscaped(reinterpret_cast<const char*>(node->content));
        } else if (node->type == XML_ELEMENT_NODE) {
            const char* name = reinterpret_cast<const char*>(node->name);
            pending_ += '<';
            WriteEncoded(name);
            if (!node->children) {
                pending_ += "/>";
            } else {
                pending_ += '>';
                for (const xmlNode* child = node->children; child; child = child->next) WriteNode(child);
                pending_ += "</";
                WriteEncoded(name);
                pending_ += '>';
            }
        }
        if (pending_.size() >= kFlushSize) Flush();
    }

    void WriteStartTag(const xmlNode* element)
    {
        pending_ += '<';
        WriteEncoded(reinterpret_cast<const char*>(element->name));
        pending_ += '>';
    }

    void WriteEndTag(const xmlNode* element)
    {
        pending_ += "</";
        WriteEncoded(reinterpret_cast<const char*>(element->name));
        pending_ += '>';
    }

    void Finish()
    {
        Flush();
        file_.Commit();
    }

private:
    static constexpr std::size_t kFlushSize = 1 << 16;

    void Flush()
    {
        file_.Write(pending_);
        pending_.clear();
    }

    // UTF-8 to windows-1251 in one pass; a character the code page has not
    // becomes a numeric character reference, and in texts (`escape`) "&", "<",
    // ">" and CR become references too. ASCII runs are copied whole.
    void WriteEncoded(std::string_view text, bool escape = false)
    {
        const char* data = text.data();
        const std::size_t size = text.size();
        std::size_t run = 0;
        std::size_t pos = 0;
        while (pos < size) {
            const auto c = static_cast<unsigned char>(data[pos]);
            if (c < 0x80) {
                const char* entity = !escape ? nullptr
                    : c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '\r' ? "&#13;" : nullptr;
                if (!entity) {
                    ++pos;
                    continue;
                }
                pending_.append(data + run, pos - run);
                pending_ += entity;
                run = ++pos;
                continue;
            }
            if (pos > run) pending_.append(data + run, pos - run);
            // А..я, most of a Russian text, are two bytes led by D0 or D1 and
            // one run of the code page (C0..FF): no table needed.
            if ((c == 0xD0 || c == 0xD1) && pos + 1 < size) {
                const auto next = static_cast<unsigned char>(data[pos + 1]);
                const char32_t letter = (static_cast<char32_t>(c & 0x1F) << 6) | (next & 0x3F);
                if ((next & 0xC0) == 0x80 && letter >= 0x0410 && letter <= 0x044F) {
                    pending_ += static_cast<char>(letter - 0x0410 + 0xC0);
                    run = pos += 2;
                    continue;
                }
            }
            const char32_t cp = NextCodePoint(text, pos);
            if (const auto byte = Cp1251Byte(cp))
                pending_ += static_cast<char>(*byte);
            else
                AppendReference(cp);
            run = pos;
        }
        pending_.append(data + run, pos - run);
    }

    void WriteEscaped(const char* text)
    {
        if (text) WriteEncoded(text, true);
    }

    void AppendReference(char32_t cp)
    {
        pending_ += "&#";
        pending_ += std::to_string(static_cast<unsigned long>(cp));
        pending_ += ';';
    }

    AtomicFile file_;
    std::string pending_;
};

TXMLDocument::TXMLDocument() : doc_(xmlNewDoc(X("1.0")))
{
    if (!doc_) throw QuarnelError("libxml2: xmlNewDoc");
    // Element names come from a handful of fixed words: one copy of each.
    doc_->dict = xmlDictCreate();
    if (!doc_->dict) throw QuarnelError("libxml2: xmlDictCreate");
}

TXMLDocument::~TXMLDocument()
{
    output_.reset();
    xmlFreeDoc(doc_);
}

TXMLNode TXMLDocument::CreateRoot(const std::string& name)
{
    AbandonSave();
    if (xmlValidateName(X(name.c_str()), 0) != 0) {
        if (xmlNode* old = xmlDocGetRootElement(doc_)) {
            xmlUnlinkNode(old);
            xmlFreeNode(old);
        }
        return TXMLNode();
    }
    xmlNode* root = xmlNewDocNode(doc_, nullptr, X(name.c_str()), nullptr);
    if (xmlNode* old = xmlDocSetRootElement(doc_, root)) xmlFreeNode(old);
    return TXMLNode(root);
}

TXMLNode TXMLDocument::Root() const
{
    return TXMLNode(xmlDocGetRootElement(doc_));
}

TXMLNode TXMLDocument::AddElement(TXMLNode parent, const std::string& name, const std::string& text)
{
    if (!parent) return TXMLNode();
    xmlNode* element = xmlNewDocNode(doc_, nullptr, X(name.c_str()), nullptr);
    if (!element) throw QuarnelError("libxml2: xmlNewDocNode " + name);
    xmlAddChild(parent.Raw(), element);
    if (!text.empty()) {
        const bool safe = IsXmlSafeText(text);
        const std::string cleaned = safe ? std::string() : XmlSafeText(text);
        const std::string& content = safe ? text : cleaned;
        xmlNode* textNode = xmlNewDocTextLen(doc_, X(content.c_str()), static_cast<int>(content.size()));
        if (!textNode) throw QuarnelError("libxml2: xmlNewDocText");
        xmlAddChild(element, textNode);
    }
    return TXMLNode(element);
}

TXMLNode TXMLDocument::FindNode(TXMLNode parent, std::string_view path) const
{
    if (!parent) return TXMLNode();
    // A plain name, what the writers ask for most: no path to parse.
    if (!path.empty() && path.find_first_of("/[") == std::string_view::npos) {
        for (xmlNode* child = parent.Raw()->children; child; child = child->next)
            if (NameIs(child, path)) return TXMLNode(child);
        return TXMLNode();
    }
    const auto steps = ParsePath(path);
    if (steps.empty()) return TXMLNode();
    xmlNode* found = nullptr;
    auto first = [&](xmlNode* node) {
        found = node;
        return false;
    };
    VisitMatches(parent.Raw(), steps, 0, first);
    return TXMLNode(found);
}

int TXMLDocument::CountNodes(TXMLNode parent, std::string_view path) const
{
    if (!parent) return 0;
    const auto steps = ParsePath(path);
    if (steps.empty()) return 0;
    int count = 0;
    auto counter = [&](xmlNode*) {
        ++count;
        return true;
    };
    VisitMatches(parent.Raw(), steps, 0, counter);
    return count;
}

std::string TXMLDocument::NodeText(TXMLNode node) const
{
    if (!node) return {};
    xmlChar* content = xmlNodeGetContent(node.Raw());
    if (!content) return {};
    std::string text(reinterpret_cast<const char*>(content));
    xmlFree(content);
    return text;
}

std::string TXMLDocument::GetNodeText(TXMLNode parent, std::string_view path) const
{
    return NodeText(FindNode(parent, path));
}

std::string TXMLDocument::NodeXml(TXMLNode node) const
{
    if (!node) return {};
    xmlBufferPtr buffer = xmlBufferCreate();
    if (!buffer) throw QuarnelError("libxml2: xmlBufferCreate");
    xmlNodeDump(buffer, doc_, node.Raw(), 0, 0);
    std::string text(reinterpret_cast<const char*>(xmlBufferContent(buffer)),
                     static_cast<std::size_t>(xmlBufferLength(buffer)));
    xmlBufferFree(buffer);
    return text;
}

void TXMLDocument::SaveDocument(const std::string& path)
{
    BeginSave(path);
    FinishSave();
}

void TXMLDocument::BeginSave(const std::string& path)
{
    AbandonSave();
    output_ = std::make_unique<Output>(path);
    output_->WriteText("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n");
}

void TXMLDocument::WriteAndFree(xmlNode* node)
{
    output_->WriteNode(node);
    xmlUnlinkNode(node);
    xmlFreeNode(node);
}

void TXMLDocument::WriteOpenPath(const std::vector<xmlNode*>& path)
{
    // Close the levels that are not on the new path.
    std::size_t common = 0;
    while (common < openPath_.size() && common < path.size() && openPath_[common] == path[common]) ++common;
    while (openPath_.size() > common) {
        xmlNode* level = openPath_.back();
        while (level->children) WriteAndFree(level->children);
        output_->WriteEndTag(level);
        openPath_.pop_back();
        if (!openPath_.empty()) {
            // Written whole now: its parent must not write it again.
            xmlUnlinkNode(level);
            xmlFreeNode(level);
        }
    }
    for (std::size_t i = common; i < path.size(); ++i) {
        if (i > 0) {
            // Everything before the next open element is complete.
            while (path[i - 1]->children && path[i - 1]->children != path[i])
                WriteAndFree(path[i - 1]->children);
        }
        output_->WriteStartTag(path[i]);
        openPath_.push_back(path[i]);
    }
}

void TXMLDocument::FlushCompleted(TXMLNode open)
{
    if (!output_ || !open) return;
    std::vector<xmlNode*> path;
    for (xmlNode* n = open.Raw(); n && n->type == XML_ELEMENT_NODE; n = n->parent) path.insert(path.begin(), n);
    if (path.empty() || path.front() != xmlDocGetRootElement(doc_)) return;
    WriteOpenPath(path);
    while (open.Raw()->children) WriteAndFree(open.Raw()->children);
}

void TXMLDocument::FinishSave()
{
    if (!output_) return;
    xmlNode* root = xmlDocGetRootElement(doc_);
    if (root) {
        if (openPath_.empty()) WriteOpenPath({root});
        WriteOpenPath({});
        output_->WriteText("\n");
    }
    output_->Finish();
    output_.reset();
}

void TXMLDocument::AbandonSave()
{
    output_.reset();
    openPath_.clear();
}
