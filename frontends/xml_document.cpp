#include "frontends/xml_document.h"

#include <oleauto.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/text_encoding.h"

namespace zeb {

namespace {

// MinGW's headers lack MSXML 6's class id.
const CLSID kDomDocument60 = {
    0x88d96a05, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};

void Check(HRESULT result, const char* what) {
  if (FAILED(result)) {
    char code[16];
    std::snprintf(code, sizeof code, "%08lX", static_cast<unsigned long>(result));
    throw XmlError(std::string("The XML library failed to ") + what + " (error 0x" + code + ")");
  }
}

// A BSTR of UTF-8 text, freed with it.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::string_view utf8) {
    std::wstring wide = WideFromUtf8(utf8);
    value_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (value_ == nullptr) throw std::bad_alloc();
  }
  ~Bstr() { SysFreeString(value_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;

  BSTR get() const { return value_; }
  BSTR* out() { return &value_; }
  std::string Utf8() const { return Utf8FromWide(std::wstring_view(value_, SysStringLen(value_))); }

 private:
  BSTR value_ = nullptr;
};

// A stream that keeps in memory the bytes MSXML writes into it.
class BytesStream final : public IStream {
 public:
  BytesStream() = default;
  const std::string& bytes() const { return bytes_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (id == IID_IUnknown || id == IID_IStream || id == IID_ISequentialStream) {
      *object = static_cast<IStream*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  // It lives on the stack of the one call that uses it.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE Read(void*, ULONG, ULONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Write(const void* buffer, ULONG size, ULONG* written) override {
    try {
      bytes_.append(static_cast<const char*>(buffer), size);
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    }
    if (written != nullptr) *written = size;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin,
                                 ULARGE_INTEGER* position) override {
    LONGLONG base = origin == STREAM_SEEK_SET   ? 0
                    : origin == STREAM_SEEK_CUR ? static_cast<LONGLONG>(position_)
                                                : static_cast<LONGLONG>(bytes_.size());
    LONGLONG target = base + move.QuadPart;
    if (target < 0 || static_cast<ULONGLONG>(target) > bytes_.size()) return STG_E_INVALIDFUNCTION;
    position_ = static_cast<size_t>(target);
    if (position != nullptr) position->QuadPart = position_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD) override {
    *stat = {};
    stat->type = STGTY_STREAM;
    stat->cbSize.QuadPart = bytes_.size();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*,
                                   ULARGE_INTEGER*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }

 private:
  std::string bytes_;
  size_t position_ = 0;  // where Seek has put it; a write always appends
};

std::string TrimLineEnds(std::string text) {
  size_t end = text.find_last_not_of(" \t\r\n");
  text.resize(end == std::string::npos ? 0 : end + 1);
  return text;
}

VARIANT StreamVariant(IStream* stream) {
  VARIANT variant;
  VariantInit(&variant);
  variant.vt = VT_UNKNOWN;
  variant.punkVal = stream;
  return variant;
}

}  // namespace

ComScope::ComScope() {
  HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  // RPC_E_CHANGED_MODE: COM is there already, in the other model, which serves as well.
  uninitialize_ = SUCCEEDED(result);
}

ComScope::~ComScope() {
  if (uninitialize_) CoUninitialize();
}

XmlNode::XmlNode(const XmlNode& other) : node_(other.node_) {
  if (node_ != nullptr) node_->AddRef();
}

XmlNode::~XmlNode() {
  if (node_ != nullptr) node_->Release();
}

XmlNode XmlNode::FirstChild() const {
  IXMLDOMNode* child = nullptr;
  Check(node_->get_firstChild(&child), "read a node");
  return XmlNode(child);
}

XmlNode XmlNode::LastChild() const {
  IXMLDOMNode* child = nullptr;
  Check(node_->get_lastChild(&child), "read a node");
  return XmlNode(child);
}

XmlNode XmlNode::NextSibling() const {
  IXMLDOMNode* sibling = nullptr;
  Check(node_->get_nextSibling(&sibling), "read a node");
  return XmlNode(sibling);
}

XmlNode XmlNode::PreviousSibling() const {
  IXMLDOMNode* sibling = nullptr;
  Check(node_->get_previousSibling(&sibling), "read a node");
  return XmlNode(sibling);
}

namespace {

DOMNodeType TypeOf(IXMLDOMNode* node) {
  DOMNodeType type = NODE_INVALID;
  Check(node->get_nodeType(&type), "read a node");
  return type;
}

}  // namespace

bool XmlNode::IsElement() const { return TypeOf(node_) == NODE_ELEMENT; }

bool XmlNode::IsTopLevel() const {
  IXMLDOMNode* parent = nullptr;
  Check(node_->get_parentNode(&parent), "read a node");
  XmlNode owner(parent);
  return owner && TypeOf(parent) == NODE_DOCUMENT;
}

bool XmlNode::IsText() const { return TypeOf(node_) == NODE_TEXT; }

bool XmlNode::IsWhitespace() const {
  if (!IsText()) return false;
  std::string text = Text();
  return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

std::string XmlNode::Name() const {
  Bstr name;
  Check(node_->get_nodeName(name.out()), "read a node's name");
  return name.Utf8();
}

std::wstring XmlNode::ElementName() const {
  if (TypeOf(node_) != NODE_ELEMENT) return std::wstring();
  Bstr tag;
  Check(node_->get_nodeName(tag.out()), "read a node's name");
  return std::wstring(tag.get(), SysStringLen(tag.get()));
}

bool XmlNode::IsElementNamed(std::string_view name) const {
  std::wstring tag = ElementName();
  // Names zeb asks for are ASCII: compared as they are, without a conversion.
  return std::equal(tag.begin(), tag.end(), name.begin(), name.end(),
                    [](wchar_t w, char c) { return w == static_cast<unsigned char>(c); });
}

std::string XmlNode::Text() const {
  DOMNodeType type = TypeOf(node_);
  if (type == NODE_ELEMENT) {
    Bstr text;
    Check(node_->get_text(text.out()), "read a text");
    return text.Utf8();
  }
  // The node's own value, exactly as it is (the text property may trim white space).
  VARIANT value;
  VariantInit(&value);
  Check(node_->get_nodeValue(&value), "read a text");
  std::string text =
      value.vt == VT_BSTR
          ? Utf8FromWide(std::wstring_view(value.bstrVal, SysStringLen(value.bstrVal)))
          : std::string();
  VariantClear(&value);
  return text;
}

std::string XmlNode::Xml() const {
  Bstr xml;
  Check(node_->get_xml(xml.out()), "read a node");
  return xml.Utf8();
}

void XmlNode::SetText(std::string_view text) {
  Bstr value(text);
  Check(node_->put_text(value.get()), "change a text");
}

XmlNode XmlNode::ChildElement(std::string_view name) const {
  for (XmlNode child = FirstChild(); child; child = child.NextSibling())
    if (child.IsElementNamed(name)) return child;
  return XmlNode();
}

XmlNode XmlNode::LastChildElement() const {
  for (XmlNode child = LastChild(); child; child = child.PreviousSibling())
    if (child.IsElement()) return child;
  return XmlNode();
}

XmlDocument::XmlDocument() {
  Check(CoCreateInstance(kDomDocument60, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                         reinterpret_cast<void**>(&document_)),
        "start (MSXML 6 is missing)");
  Check(document_->put_async(VARIANT_FALSE), "start");
  // Indentation and line ends are the file's own and are kept.
  Check(document_->put_preserveWhiteSpace(VARIANT_TRUE), "start");
}

XmlDocument::~XmlDocument() {
  if (document_ != nullptr) document_->Release();
}

Status XmlDocument::Load(std::string_view bytes) {
  // As an array of bytes, which MSXML reads in the encoding they declare (and, under Wine,
  // twice as fast as from a stream).
  SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
  if (array == nullptr) throw std::bad_alloc();
  void* data = nullptr;
  if (SUCCEEDED(SafeArrayAccessData(array, &data))) {
    std::memcpy(data, bytes.data(), bytes.size());
    SafeArrayUnaccessData(array);
  }
  VARIANT source;
  VariantInit(&source);
  source.vt = VT_ARRAY | VT_UI1;
  source.parray = array;
  VARIANT_BOOL loaded = VARIANT_FALSE;
  HRESULT result = document_->load(source, &loaded);
  VariantClear(&source);
  if (SUCCEEDED(result) && loaded == VARIANT_TRUE) return Status::Ok();
  std::string why;
  IXMLDOMParseError* error = nullptr;
  if (SUCCEEDED(document_->get_parseError(&error)) && error != nullptr) {
    Bstr reason;
    long line = 0;
    error->get_reason(reason.out());
    error->get_line(&line);
    error->Release();
    why = AnsiFromUtf8(TrimLineEnds(reason.Utf8()));
    if (line > 0) why = "line " + std::to_string(line) + (why.empty() ? "" : ": " + why);
  }
  return Status::Error(why.empty() ? "it is no well-formed XML" : why);
}

std::string XmlDocument::Save() const {
  BytesStream stream;
  Check(document_->save(StreamVariant(&stream)), "write the document");
  return stream.bytes();
}

XmlNode XmlDocument::Root() const {
  IXMLDOMElement* root = nullptr;
  Check(document_->get_documentElement(&root), "read the document");
  return XmlNode(root);
}

bool XmlDocument::HasDoctype() const {
  IXMLDOMDocumentType* type = nullptr;
  Check(document_->get_doctype(&type), "read the document");
  if (type == nullptr) return false;
  type->Release();
  return true;
}

XmlNode XmlDocument::FirstChild() const {
  IXMLDOMNode* child = nullptr;
  Check(document_->get_firstChild(&child), "read the document");
  return XmlNode(child);
}

XmlNode XmlDocument::NewElement(std::string_view name) {
  Bstr tag(name);
  IXMLDOMElement* element = nullptr;
  Check(document_->createElement(tag.get(), &element), "make an element");
  return XmlNode(element);
}

XmlNode XmlDocument::NewText(std::string_view text) {
  Bstr value(text);
  IXMLDOMText* node = nullptr;
  Check(document_->createTextNode(value.get(), &node), "make a text");
  return XmlNode(node);
}

XmlNode XmlDocument::NewDeclaration(std::string_view text) {
  Bstr target("xml");
  Bstr data(text);
  IXMLDOMProcessingInstruction* node = nullptr;
  Check(document_->createProcessingInstruction(target.get(), data.get(), &node),
        "make a declaration");
  return XmlNode(node);
}

void XmlDocument::InsertBefore(const XmlNode& parent, const XmlNode& child, const XmlNode& ref) {
  VARIANT where;
  VariantInit(&where);
  if (ref) {
    where.vt = VT_UNKNOWN;
    where.punkVal = ref.get();
  } else {
    where.vt = VT_NULL;
  }
  IXMLDOMNode* inserted = nullptr;
  Check(parent.get()->insertBefore(child.get(), where, &inserted), "add a node");
  if (inserted != nullptr) inserted->Release();
}

void XmlDocument::Replace(const XmlNode& old_child, const XmlNode& new_child) {
  IXMLDOMNode* parent = nullptr;
  Check(old_child.get()->get_parentNode(&parent), "read a node");
  if (parent == nullptr) throw XmlError("The XML library cannot change a node without a parent");
  XmlNode owner(parent);
  IXMLDOMNode* replaced = nullptr;
  Check(parent->replaceChild(new_child.get(), old_child.get(), &replaced), "change a node");
  if (replaced != nullptr) replaced->Release();
}

}  // namespace zeb
