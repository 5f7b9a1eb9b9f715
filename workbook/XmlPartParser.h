#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class ZipArchive;

// The attributes of one start tag as libxml2's SAX2 parser hands them over.
class XmlAttributes {
public:
    XmlAttributes(const unsigned char** raw, int count) : raw_(raw), count_(count) {}

    // The value of the attribute with this local name, in any namespace (the
    // parts we read never give one name two meanings on the same element).
    // Only "&" arrives still escaped from libxml2; Text() undoes that.
    std::optional<std::string_view> Raw(std::string_view localName) const;
    std::optional<std::string> Text(std::string_view localName) const;
    // The same, in one namespace only.
    std::optional<std::string_view> Raw(std::string_view localName, std::string_view uri) const;
    std::optional<std::string> Text(std::string_view localName, std::string_view uri) const;

private:
    const unsigned char** raw_;
    int count_;
};

// Receives the elements and text of an XML part. Names are local names with
// the namespace URI beside them, so any prefix a producer chose reads alike.
class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual void StartElement(std::string_view name, std::string_view uri, const XmlAttributes& attributes) = 0;
    virtual void EndElement(std::string_view name, std::string_view uri) = 0;
    virtual void Characters(std::string_view text) = 0;
    // How many of the part's bytes are read so far, of its inflated size.
    virtual void PartRead(std::uint64_t, std::uint64_t) {}
};

// One part through libxml2's SAX2 push parser, fed chunk by chunk as its
// reader inflates them, so that a reader may take a part only as far as it
// needs. Errors as ParseXmlPart's.
class XmlPushParser {
public:
    XmlPushParser(std::string part, std::uint64_t partSize, XmlHandler& handler);
    ~XmlPushParser();
    XmlPushParser(const XmlPushParser&) = delete;
    XmlPushParser& operator=(const XmlPushParser&) = delete;

    // Refuses an element with too many attributes before the parser sees it:
    // every chunk, on whichever thread inflates them, before Feed.
    void CountAttributes(std::string_view chunk);
    void Feed(std::string_view chunk);
    // The end of the part.
    void Finish();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Streams a part of the archive through libxml2's SAX2 push parser. A part that
// is not well-formed, or that declares a DOCTYPE (entity expansion and external
// fetches have no place in a workbook), is damaged: WorkbookFault. Exceptions
// a handler raises travel through the parser to the caller.
void ParseXmlPart(ZipArchive& archive, std::string_view part, XmlHandler& handler);
