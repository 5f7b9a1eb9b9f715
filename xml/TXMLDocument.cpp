#include "xml/TXMLDocument.h"

#include "base/AtomicFile.h"
#include "xml/Cp1251Markup.h"
#include "xml/ElementTree.h"
#include "xml/XmlText.h"

#include <libxml/tree.h> // xmlValidateName

#include <charconv>
#include <optional>

namespace {

struct PathStep {
    const ElementName* name;
    std::optional<int> index;
};

// The steps of a path; empty when the path is malformed or names an element
// the document never had, so that nothing matches.
std::vector<PathStep> ParsePath(const ElementPool& pool, std::string_view path)
{
    std::vector<PathStep> steps;
    while (!path.empty()) {
        const auto slash = path.find('/');
        std::string_view step = path.substr(0, slash);
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
        PathStep parsed{};
        const auto bracket = step.find('[');
        if (bracket != std::string_view::npos) {
            int index = 0;
            const char* first = step.data() + bracket + 1;
            const char* last = step.data() + step.size();
            const auto result = std::from_chars(first, last, index);
            if (result.ec != std::errc() || result.ptr == last || *result.ptr != ']' || index < 0) return {};
            parsed.index = index;
        }
        parsed.name = pool.FindName(step.substr(0, bracket));
        if (!parsed.name) return {};
        steps.push_back(parsed);
    }
    return steps;
}

// Visits the elements matching steps[i..] below `parent` in document order;
// the visitor returns false to stop. Returns false when stopped.
template <typename Visitor>
bool VisitMatches(TXMLElement* parent, const std::vector<PathStep>& steps, std::size_t i, Visitor& visit)
{
    const PathStep& step = steps[i];
    int seen = 0;
    for (TXMLElement* child = parent->firstChild; child; child = child->next) {
        if (child->name != step.name) continue;
        if (step.index && seen++ != *step.index) continue;
        const bool goOn = i + 1 == steps.size() ? visit(child) : VisitMatches(child, steps, i + 1, visit);
        if (!goOn) return false;
        if (step.index) break;
    }
    return true;
}

void AppendTexts(std::string& out, const TXMLElement* element)
{
    out += element->text;
    for (const TXMLElement* child = element->firstChild; child; child = child->next) AppendTexts(out, child);
}

void AppendUtf8Markup(std::string& out, const TXMLElement* element)
{
    out += '<';
    out += element->name->utf8;
    if (element->IsEmpty()) {
        out += "/>";
        return;
    }
    out += '>';
    AppendEscapedUtf8(out, element->text);
    for (const TXMLElement* child = element->firstChild; child; child = child->next) AppendUtf8Markup(out, child);
    out += "</";
    out += element->name->utf8;
    out += '>';
}

} // namespace

// The saved file, written in windows-1251 as the elements are completed.
class TXMLDocument::Output {
public:
    Output(const std::string& path, AtomicFile::StaleTemporaries stale)
        : file_(std::make_unique<AtomicFile>(path, stale))
    {
        pending_.reserve(kFlushSize * 2);
    }

    void WriteText(std::string_view text) { pending_ += text; }

    void WriteElement(const TXMLElement* element)
    {
        pending_ += '<';
        pending_ += element->name->cp1251;
        if (element->IsEmpty()) {
            pending_ += "/>";
        } else {
            pending_ += '>';
            AppendCp1251(pending_, element->text, true);
            for (const TXMLElement* child = element->firstChild; child; child = child->next) WriteElement(child);
            WriteEndTag(element);
        }
        if (pending_.size() >= kFlushSize) Flush();
    }

    // The start tag and the element's own text.
    void WriteStartTag(const TXMLElement* element)
    {
        pending_ += '<';
        pending_ += element->name->cp1251;
        pending_ += '>';
        AppendCp1251(pending_, element->text, true);
    }

    void WriteEndTag(const TXMLElement* element)
    {
        pending_ += "</";
        pending_ += element->name->cp1251;
        pending_ += '>';
    }

    // The file, on disk under its temporary name, ready to replace its target.
    std::unique_ptr<AtomicFile> Complete()
    {
        Flush();
        file_->Complete();
        return std::move(file_);
    }

private:
    static constexpr std::size_t kFlushSize = 1 << 16;

    void Flush()
    {
        file_->Write(pending_);
        pending_.clear();
    }

    std::unique_ptr<AtomicFile> file_;
    std::string pending_;
};

TXMLDocument::TXMLDocument() : pool_(std::make_unique<ElementPool>()) {}

TXMLDocument::~TXMLDocument() = default;

void TXMLDocument::ReleaseRoot()
{
    if (root_) pool_->Release(root_);
    root_ = nullptr;
}

TXMLNode TXMLDocument::CreateRoot(const std::string& name)
{
    AbandonSave();
    ReleaseRoot();
    if (xmlValidateName(reinterpret_cast<const xmlChar*>(name.c_str()), 0) != 0) return TXMLNode();
    root_ = pool_->New(pool_->Name(name));
    return TXMLNode(root_);
}

TXMLNode TXMLDocument::AddElement(TXMLNode parent, std::string_view name, std::string_view text)
{
    if (!parent) return TXMLNode();
    TXMLElement* element = pool_->New(pool_->Name(name));
    if (!text.empty()) {
        element->hasText = true;
        if (IsXmlSafeText(text)) element->text.assign(text);
        else element->text = XmlSafeText(text);
    }
    AppendChild(parent.Raw(), element);
    return TXMLNode(element);
}

void TXMLDocument::RemoveElement(TXMLNode node)
{
    TXMLElement* element = node.Raw();
    if (!element || !element->parent) return;
    UnlinkChild(element->parent, element);
    pool_->Release(element);
}

TXMLNode TXMLDocument::FindNode(TXMLNode parent, std::string_view path) const
{
    if (!parent) return TXMLNode();
    // A plain name, what the writers ask for most: no path to parse.
    if (!path.empty() && path.find_first_of("/[") == std::string_view::npos) {
        const ElementName* name = pool_->FindName(path);
        if (!name) return TXMLNode();
        for (TXMLElement* child = parent.Raw()->firstChild; child; child = child->next)
            if (child->name == name) return TXMLNode(child);
        return TXMLNode();
    }
    const auto steps = ParsePath(*pool_, path);
    if (steps.empty()) return TXMLNode();
    TXMLElement* found = nullptr;
    auto first = [&](TXMLElement* element) {
        found = element;
        return false;
    };
    VisitMatches(parent.Raw(), steps, 0, first);
    return TXMLNode(found);
}

int TXMLDocument::CountNodes(TXMLNode parent, std::string_view path) const
{
    if (!parent) return 0;
    const auto steps = ParsePath(*pool_, path);
    if (steps.empty()) return 0;
    int count = 0;
    auto counter = [&](TXMLElement*) {
        ++count;
        return true;
    };
    VisitMatches(parent.Raw(), steps, 0, counter);
    return count;
}

std::string TXMLDocument::NodeText(TXMLNode node) const
{
    if (!node) return {};
    if (!node.Raw()->firstChild) return node.Raw()->text;
    std::string text;
    AppendTexts(text, node.Raw());
    return text;
}

std::string TXMLDocument::GetNodeText(TXMLNode parent, std::string_view path) const
{
    return NodeText(FindNode(parent, path));
}

std::string TXMLDocument::NodeXml(TXMLNode node) const
{
    if (!node) return {};
    std::string markup;
    AppendUtf8Markup(markup, node.Raw());
    return markup;
}

void TXMLDocument::SaveDocument(const std::string& path)
{
    BeginSave(path);
    FinishSave();
}

void TXMLDocument::BeginSave(const std::string& path, AtomicFile::StaleTemporaries stale)
{
    AbandonSave();
    output_ = std::make_unique<Output>(path, stale);
    output_->WriteText("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n");
}

void TXMLDocument::WriteAndRelease(TXMLElement* element)
{
    output_->WriteElement(element);
    pool_->Release(element);
}

void TXMLDocument::WriteOpenPath(const std::vector<TXMLElement*>& path)
{
    // Close the levels that are not on the new path.
    std::size_t common = 0;
    while (common < openPath_.size() && common < path.size() && openPath_[common] == path[common]) ++common;
    while (openPath_.size() > common) {
        TXMLElement* level = openPath_.back();
        while (TXMLElement* child = TakeFirstChild(level)) WriteAndRelease(child);
        output_->WriteEndTag(level);
        openPath_.pop_back();
        // Written whole now: its parent must not write it again. It is the
        // parent's first child, what preceded it was written when it opened.
        if (!openPath_.empty()) pool_->Release(TakeFirstChild(openPath_.back()));
    }
    for (std::size_t i = common; i < path.size(); ++i) {
        if (i > 0) {
            // Everything before the next open element is complete.
            while (path[i - 1]->firstChild != path[i]) WriteAndRelease(TakeFirstChild(path[i - 1]));
        }
        output_->WriteStartTag(path[i]);
        path[i]->text.clear();
        openPath_.push_back(path[i]);
    }
}

void TXMLDocument::FlushCompleted(TXMLNode open)
{
    if (!output_ || !open) return;
    std::vector<TXMLElement*> path;
    for (TXMLElement* element = open.Raw(); element; element = element->parent) path.insert(path.begin(), element);
    if (path.front() != root_) return;
    WriteOpenPath(path);
    while (TXMLElement* child = TakeFirstChild(open.Raw())) WriteAndRelease(child);
}

void TXMLDocument::FinishSave()
{
    if (const std::unique_ptr<AtomicFile> file = CompleteSave()) file->Commit();
}

std::unique_ptr<AtomicFile> TXMLDocument::CompleteSave()
{
    if (!output_) return nullptr;
    if (root_) {
        if (openPath_.empty()) WriteOpenPath({root_});
        WriteOpenPath({});
        output_->WriteText("\n");
    }
    std::unique_ptr<AtomicFile> file = output_->Complete();
    output_.reset();
    return file;
}

void TXMLDocument::AbandonSave()
{
    output_.reset();
    openPath_.clear();
}
