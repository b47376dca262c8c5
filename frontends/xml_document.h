#pragma once
// An XML document of Windows' MSXML 6 DOM, held by its COM interfaces and reached in UTF-8:
// it reads and writes the bytes of a file and escapes every text itself. A call that fails
// throws XmlError.
#include <windows.h>
#include <msxml2.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "platform/status.h"

namespace zeb {

class XmlError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// COM for the current thread while it lives (it may already be there, in any model).
class ComScope {
 public:
  ComScope();
  ~ComScope();
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool uninitialize_;
};

// One node of a document, holding one reference to it; empty when there is none.
class XmlNode {
 public:
  XmlNode() = default;
  explicit XmlNode(IXMLDOMNode* node) : node_(node) {}  // takes the reference
  XmlNode(const XmlNode& other);
  XmlNode(XmlNode&& other) noexcept : node_(std::exchange(other.node_, nullptr)) {}
  XmlNode& operator=(XmlNode other) {
    std::swap(node_, other.node_);
    return *this;
  }
  ~XmlNode();

  explicit operator bool() const { return node_ != nullptr; }
  IXMLDOMNode* get() const { return node_; }

  XmlNode FirstChild() const;
  XmlNode LastChild() const;
  XmlNode NextSibling() const;
  XmlNode PreviousSibling() const;
  bool IsElement() const;
  bool IsText() const;
  // True for the document's own children: the root element, the declaration, comments
  // around the root.
  bool IsTopLevel() const;
  // A text node that holds nothing but blanks, tabs and line ends: indentation.
  bool IsWhitespace() const;
  // The element's or processing instruction's name ("#text" and "#comment" for those).
  std::string Name() const;
  // An element's name as the system's wide characters; empty for any other node. One call,
  // where Name() converts too.
  std::wstring ElementName() const;
  // True for an element of this (ASCII) name.
  bool IsElementNamed(std::string_view name) const;
  // The text inside (for a processing instruction: what follows its name).
  std::string Text() const;
  // The node as XML text, with everything inside it.
  std::string Xml() const;
  // Replaces everything inside the element with this text.
  void SetText(std::string_view text);
  // The first child element of that name, or none.
  XmlNode ChildElement(std::string_view name) const;
  // The last child element, or none.
  XmlNode LastChildElement() const;

 private:
  IXMLDOMNode* node_ = nullptr;
};

class XmlDocument {
 public:
  XmlDocument();
  ~XmlDocument();
  XmlDocument(const XmlDocument&) = delete;
  XmlDocument& operator=(const XmlDocument&) = delete;

  // Reads the document from a file's bytes (any encoding its declaration or byte order mark
  // names). Says why when the bytes are no well-formed XML.
  Status Load(std::string_view bytes);
  // The document as a file's bytes, in the encoding its declaration names (UTF-8 without).
  std::string Save() const;

  XmlNode Root() const;
  // True when the document has a document type definition.
  bool HasDoctype() const;
  // The document's own first child (the XML declaration, when there is one).
  XmlNode FirstChild() const;

  XmlNode NewElement(std::string_view name);
  XmlNode NewText(std::string_view text);
  XmlNode NewDeclaration(std::string_view text);

  // Puts child into parent before ref, or at the end when ref is empty.
  void InsertBefore(const XmlNode& parent, const XmlNode& child, const XmlNode& ref);
  void Replace(const XmlNode& old_child, const XmlNode& new_child);

 private:
  IXMLDOMDocument* document_ = nullptr;
};

}  // namespace zeb
