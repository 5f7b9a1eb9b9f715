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

// A part this large is inflated on a thread of its own while it is parsed.
constexpr std::uint64_t kReadAheadSize = 4 << 20;

struct ContextFree {
    void operator()(xmlParserCtxtPtr context) const { xmlFreeParserCtxt(context); }
};

} // namespace

void ParseXmlPart(ZipArchive& archive, std::string_view part, XmlHandler& handler)
{
    xmlSAXHandler sax;
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

    ParseState state;
    state.handler = &handler;
    std::unique_ptr<xmlParserCtxt, ContextFree> context;
    const std::string name(part);
    const auto malformed = [&] {
        const xmlError* error = context ? xmlCtxtGetLastError(context.get()) : nullptr;
        const std::string line = error ? std::to_string(error->line) : "?";
        ThrowBroken(ReadReason::XmlMalformed, {name, line});
    };
    const auto settle = [&] {
        if (state.failure) std::rethrow_exception(state.failure);
        if (state.doctype) ThrowBroken(ReadReason::XmlDoctype, {name});
    };

    AttributeCounter attributes;
    const auto countAttributes = [&](std::string_view chunk) {
        attributes.Feed(chunk);
        if (attributes.Most() > kMaxAttributesPerElement)
            throw WorkbookFault(WorkbookFault::Kind::TooLarge, ReadReason::TooManyAttributes,
                                {name, std::to_string(kMaxAttributesPerElement)});
    };
    const std::uint64_t partSize = archive.PartSize(part);
    std::uint64_t partRead = 0;
    const auto parse = [&](std::string_view chunk) {
        partRead += chunk.size();
        handler.PartRead(partRead, partSize);
        if (!context) {
            context.reset(xmlCreatePushParserCtxt(&sax, nullptr, nullptr, 0, name.c_str()));
            if (!context) throw std::bad_alloc();
            xmlCtxtUseOptions(context.get(), XML_PARSE_NONET);
            context->_private = &state;
            state.context = context.get();
        }
        const int result = xmlParseChunk(context.get(), chunk.data(), static_cast<int>(chunk.size()), 0);
        settle();
        if (result != XML_ERR_OK || !context->wellFormed) malformed();
    };
    if (partSize >= kReadAheadSize) {
        PartReadAhead chunks(archive, name, countAttributes);
        for (std::string_view chunk = chunks.Next(); !chunk.empty(); chunk = chunks.Next()) parse(chunk);
    } else {
        archive.Read(part, [&](const char* data, std::size_t size) {
            countAttributes({data, size});
            parse({data, size});
            return true;
        });
    }
    if (!context) ThrowBroken(ReadReason::XmlMalformed, {name, "1"});
    const int result = xmlParseChunk(context.get(), nullptr, 0, 1);
    settle();
    if (result != XML_ERR_OK || !context->wellFormed) malformed();
}
