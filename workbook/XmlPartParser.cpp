#include "workbook/XmlPartParser.h"

#include "workbook/AttributeCounter.h"
#include "workbook/PartReadAhead.h"
#include "workbook/ReadBudget.h"
#include "workbook/WorkbookFault.h"
#include "workbook/ZipArchive.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <cstring>
#include <exception>
#include <memory>

namespace {

std::optional<std::string_view> FindAttribute(const unsigned char** raw, int count, std::string_view localName,
                                              const std::string_view* uri)
{
    for (int i = 0; i < count; ++i) {
        const unsigned char* const* attribute = raw + 5 * i;
        const auto* name = reinterpret_cast<const char*>(attribute[0]);
        if (localName.empty() || name[0] != localName[0] || localName != name) continue;
        if (uri && *uri != (attribute[2] ? reinterpret_cast<const char*>(attribute[2]) : "")) continue;
        return std::string_view(reinterpret_cast<const char*>(attribute[3]),
                                static_cast<std::size_t>(attribute[4] - attribute[3]));
    }
    return std::nullopt;
}

std::string WithAmpersands(std::string_view raw)
{
    // Without entity substitution libxml2 keeps an "&" of an attribute value as
    // the character reference "&#38;", for a tree builder to expand later.
    std::string out;
    out.reserve(raw.size());
    constexpr std::string_view kAmpersand = "&#38;";
    for (std::size_t i = 0; i < raw.size();) {
        if (raw.substr(i, kAmpersand.size()) == kAmpersand) {
            out += '&';
            i += kAmpersand.size();
        } else {
            out += raw[i++];
        }
    }
    return out;
}

} // namespace

std::optional<std::string_view> XmlAttributes::Raw(std::string_view localName) const
{
    return FindAttribute(raw_, count_, localName, nullptr);
}

std::optional<std::string_view> XmlAttributes::Raw(std::string_view localName, std::string_view uri) const
{
    return FindAttribute(raw_, count_, localName, &uri);
}

std::optional<std::string> XmlAttributes::Text(std::string_view localName) const
{
    const auto raw = Raw(localName);
    return raw ? std::optional<std::string>(WithAmpersands(*raw)) : std::nullopt;
}

std::optional<std::string> XmlAttributes::Text(std::string_view localName, std::string_view uri) const
{
    const auto raw = Raw(localName, uri);
    return raw ? std::optional<std::string>(WithAmpersands(*raw)) : std::nullopt;
}

namespace {

struct ParseState {
    XmlHandler* handler = nullptr;
    xmlParserCtxtPtr context = nullptr;
    std::exception_ptr failure;
    bool doctype = false;
    // The first error libxml2 raised outside the parser's context.
    int threadErrorDomain = XML_FROM_NONE;
    // libxml2 keeps each namespace URI once in its dictionary, so the length
    // of the last one seen saves measuring it on every element.
    const xmlChar* lastUri = nullptr;
    std::size_t lastUriLength = 0;
};

ParseState& StateOf(void* user)
{
    return *static_cast<ParseState*>(static_cast<xmlParserCtxtPtr>(user)->_private);
}

std::string_view View(const xmlChar* text)
{
    return text ? std::string_view(reinterpret_cast<const char*>(text)) : std::string_view();
}

std::string_view UriView(ParseState& state, const xmlChar* uri)
{
    if (!uri) return {};
    if (uri != state.lastUri) {
        state.lastUri = uri;
        state.lastUriLength = std::strlen(reinterpret_cast<const char*>(uri));
    }
    return std::string_view(reinterpret_cast<const char*>(uri), state.lastUriLength);
}

// A handler's exception must not unwind through libxml2's C frames: it is
// kept, the parser stopped, and the exception raised again once parsing
// returns.
template <typename Call>
void Guarded(void* user, Call call)
{
    ParseState& state = StateOf(user);
    if (state.failure) return;
    try {
        call(state);
    } catch (...) {
        state.failure = std::current_exception();
        xmlStopParser(state.context);
    }
}

void OnStartElement(void* user, const xmlChar* localName, const xmlChar*, const xmlChar* uri, int, const xmlChar**,
                    int attributeCount, int, const xmlChar** attributes)
{
    Guarded(user, [&](ParseState& state) {
        state.handler->StartElement(View(localName), UriView(state, uri), XmlAttributes(attributes, attributeCount));
    });
}

void OnEndElement(void* user, const xmlChar* localName, const xmlChar*, const xmlChar* uri)
{
    Guarded(user, [&](ParseState& state) { state.handler->EndElement(View(localName), UriView(state, uri)); });
}

void OnCharacters(void* user, const xmlChar* text, int length)
{
    Guarded(user, [&](ParseState& state) {
        state.handler->Characters(
            std::string_view(reinterpret_cast<const char*>(text), static_cast<std::size_t>(length)));
    });
}

void OnDoctype(void* user, const xmlChar*, const xmlChar*, const xmlChar*)
{
    ParseState& state = StateOf(user);
    state.doctype = true;
    xmlStopParser(state.context);
}

void OnEntityDeclaration(void* user, const xmlChar*, int, const xmlChar*, const xmlChar*, xmlChar*)
{
    OnDoctype(user, nullptr, nullptr, nullptr);
}

void IgnoreError(void*, xmlErrorPtr) {}

void KeepThreadError(void* user, xmlErrorPtr error)
{
    auto& state = *static_cast<ParseState*>(user);
    if (error && state.threadErrorDomain == XML_FROM_NONE) state.threadErrorDomain = error->domain;
}

// A few errors come as bare text, each with a result that says it again.
void DropGenericError(void*, const char*, ...) {}

// libxml2 raises some errors, those of converting a part from its declared
// encoding and of memory among them, without the parser's context, to the
// error handler of the calling thread, which prints them on standard error.
// While a part is parsed, its thread's handler keeps them for the part's own
// fault instead, and whichever thread parses next starts from the handler
// it had.
class ThreadErrorsKept {
public:
    explicit ThreadErrorsKept(ParseState& state)
        : previous_(xmlStructuredError), previousContext_(xmlStructuredErrorContext), previousGeneric_(xmlGenericError),
          previousGenericContext_(xmlGenericErrorContext)
    {
        xmlSetStructuredErrorFunc(&state, KeepThreadError);
        xmlSetGenericErrorFunc(nullptr, DropGenericError);
    }
    ~ThreadErrorsKept()
    {
        xmlSetStructuredErrorFunc(previousContext_, previous_);
        xmlSetGenericErrorFunc(previousGenericContext_, previousGeneric_);
    }
    ThreadErrorsKept(const ThreadErrorsKept&) = delete;
    ThreadErrorsKept& operator=(const ThreadErrorsKept&) = delete;

private:
    xmlStructuredErrorFunc previous_;
    void* previousContext_;
    xmlGenericErrorFunc previousGeneric_;
    void* previousGenericContext_;
};

// A part this large is inflated on a thread of its own while it is parsed.
constexpr std::uint64_t kReadAheadSize = 4 << 20;

} // namespace

struct XmlPushParser::State {
    xmlSAXHandler sax;
    ParseState parse;
    xmlParserCtxtPtr context = nullptr;
    std::string name;
    std::uint64_t partSize = 0;
    std::uint64_t partRead = 0;
    AttributeCounter attributes;

    ~State()
    {
        if (context) xmlFreeParserCtxt(context);
    }

    std::string DeclaredEncoding() const
    {
        const xmlChar* declared = context ? context->encoding : nullptr;
        return declared ? std::string(reinterpret_cast<const char*>(declared)) : std::string("?");
    }

    [[noreturn]] void Malformed() const
    {
        const xmlError* error = context ? xmlCtxtGetLastError(context) : nullptr;
        ThrowBroken(ReadReason::XmlMalformed, {name, error ? std::to_string(error->line) : "?"});
    }

    void Settle(int result) const
    {
        if (parse.failure) std::rethrow_exception(parse.failure);
        if (parse.doctype) ThrowBroken(ReadReason::XmlDoctype, {name});
        if (parse.threadErrorDomain == XML_FROM_MEMORY) throw std::bad_alloc();
        if (parse.threadErrorDomain == XML_FROM_I18N || result == XML_ERR_INVALID_ENCODING)
            ThrowBroken(ReadReason::XmlEncoding, {name, DeclaredEncoding()});
        if (result != XML_ERR_OK || !context->wellFormed) Malformed();
    }
};

XmlPushParser::XmlPushParser(std::string part, std::uint64_t partSize, XmlHandler& handler)
    : state_(std::make_unique<State>())
{
    xmlSAXHandler& sax = state_->sax;
    std::memset(&sax, 0, sizeof sax);
    sax.initialized = XML_SAX2_MAGIC;
    sax.startElementNs = OnStartElement;
    sax.endElementNs = OnEndElement;
    sax.characters = OnCharacters;
    sax.ignorableWhitespace = OnCharacters;
    sax.cdataBlock = OnCharacters;
    sax.internalSubset = OnDoctype;
    sax.externalSubset = OnDoctype;
    sax.entityDecl = OnEntityDeclaration;
    sax.serror = IgnoreError;
    state_->parse.handler = &handler;
    state_->name = std::move(part);
    state_->partSize = partSize;
}

XmlPushParser::~XmlPushParser() = default;

void XmlPushParser::CountAttributes(std::string_view chunk)
{
    state_->attributes.Feed(chunk);
    if (state_->attributes.Most() > kMaxAttributesPerElement)
        throw WorkbookFault(WorkbookFault::Kind::TooLarge, ReadReason::TooManyAttributes,
                            {state_->name, std::to_string(kMaxAttributesPerElement)});
}

void XmlPushParser::Feed(std::string_view chunk)
{
    State& state = *state_;
    state.partRead += chunk.size();
    state.parse.handler->PartRead(state.partRead, state.partSize);
    const ThreadErrorsKept kept(state.parse);
    if (!state.context) {
        state.context = xmlCreatePushParserCtxt(&state.sax, nullptr, nullptr, 0, state.name.c_str());
        if (!state.context) throw std::bad_alloc();
        xmlCtxtUseOptions(state.context, XML_PARSE_NONET);
        state.context->_private = &state.parse;
        state.parse.context = state.context;
    }
    state.Settle(xmlParseChunk(state.context, chunk.data(), static_cast<int>(chunk.size()), 0));
}

void XmlPushParser::Finish()
{
    State& state = *state_;
    if (!state.context) ThrowBroken(ReadReason::XmlMalformed, {state.name, "1"});
    const ThreadErrorsKept kept(state.parse);
    state.Settle(xmlParseChunk(state.context, nullptr, 0, 1));
}

void ParseXmlPart(ZipArchive& archive, std::string_view part, XmlHandler& handler)
{
    const std::string name(part);
    XmlPushParser parser(name, archive.PartSize(part), handler);
    if (archive.PartSize(part) >= kReadAheadSize) {
        PartReadAhead chunks(archive, name, [&](std::string_view chunk) { parser.CountAttributes(chunk); });
        for (std::string_view chunk = chunks.Next(); !chunk.empty(); chunk = chunks.Next()) parser.Feed(chunk);
    } else {
        archive.Read(part, [&](const char* data, std::size_t size) {
            parser.CountAttributes({data, size});
            parser.Feed({data, size});
            return true;
        });
    }
    parser.Finish();
}
