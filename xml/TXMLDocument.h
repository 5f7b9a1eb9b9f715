#pragma once

#include "base/AtomicFile.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class ElementPool;
struct TXMLElement;

// A reference to an element of a document under construction, or empty. An
// empty handle is a legal input everywhere and makes the operation do nothing.
// A handle to an element that was written out must not be used again: the
// element is reused for later ones.
class TXMLNode {
public:
    TXMLNode() = default;
    explicit TXMLNode(TXMLElement* element) : element_(element) {}
    bool IsEmpty() const { return element_ == nullptr; }
    explicit operator bool() const { return element_ != nullptr; }
    TXMLElement* Raw() const { return element_; }
    bool operator==(const TXMLNode& other) const { return element_ == other.element_; }

private:
    TXMLElement* element_ = nullptr;
};

// The output message: a tree of elements with texts, saved with the
// declaration <?xml version="1.0" encoding="windows-1251"?> alone on the first
// line and the elements without indentation. Characters windows-1251 cannot
// hold are written as numeric character references.
//
// Paths: an element name, steps joined by "/", each optionally followed by a
// 0-based index in square brackets ("Contributor[1]").
//
// A long message need not be held in memory whole: BeginSave writes the
// declaration, FlushCompleted writes out and releases what is finished, and
// FinishSave writes the rest and puts the file in place. The bytes are the
// same as SaveDocument of the whole tree.
class TXMLDocument {
public:
    TXMLDocument();
    ~TXMLDocument();
    TXMLDocument(const TXMLDocument&) = delete;
    TXMLDocument& operator=(const TXMLDocument&) = delete;

    // Replaces the document by an empty root element; empty handle when the
    // name is not a valid element name.
    TXMLNode CreateRoot(const std::string& name);

    // Appends a new element with the text as the last child of the parent.
    // Characters XML 1.0 forbids are left out of the text.
    TXMLNode AddElement(TXMLNode parent, std::string_view name, std::string_view text);
    // Takes an element not yet written out, with everything in it, out of
    // the document: a product left out of the message after it was begun.
    void RemoveElement(TXMLNode element);

    TXMLNode FindNode(TXMLNode parent, std::string_view path) const;
    int CountNodes(TXMLNode parent, std::string_view path) const;
    // The element's text followed by the texts of its descendants.
    std::string NodeText(TXMLNode node) const;
    std::string GetNodeText(TXMLNode parent, std::string_view path) const;

    // The element as UTF-8 markup, without indentation (for logs and tests).
    std::string NodeXml(TXMLNode node) const;

    // Writes the document to the file, replacing it atomically; a failure
    // raises FileFault naming the file and leaves a previous file intact.
    // The elements are released as they are written: saving ends the
    // document's use.
    void SaveDocument(const std::string& path);

    // Streaming save. BeginSave opens the temporary file beside the target.
    // FlushCompleted(open) writes every element that precedes `open` in
    // document order or lies inside it, keeping `open` and its ancestors
    // open for more children, and releases what it wrote. FinishSave writes the
    // rest and renames the file over the target; AbandonSave (or destroying
    // the document) removes the temporary file.
    void BeginSave(const std::string& path, AtomicFile::StaleTemporaries stale = AtomicFile::StaleTemporaries::Remove);
    void FlushCompleted(TXMLNode open);
    void FinishSave();
    void AbandonSave();
    // FinishSave without the rename: the file is complete on disk under its
    // temporary name and replaces the target when committed (destroyed
    // uncommitted, it leaves the target as it was). For files that must
    // replace their targets together.
    std::unique_ptr<AtomicFile> CompleteSave();

private:
    class Output;
    void WriteOpenPath(const std::vector<TXMLElement*>& path);
    void WriteAndRelease(TXMLElement* element);
    void ReleaseRoot();

    std::unique_ptr<ElementPool> pool_;
    TXMLElement* root_ = nullptr;
    std::unique_ptr<Output> output_;
    std::vector<TXMLElement*> openPath_; // elements whose start tag is written
};
