#include "frontends/es_de.h"

#include <unordered_map>

#include "frontends/es_de_rules.h"
#include "frontends/xml_document.h"
#include "frontends/xml_layout.h"
#include "platform/name_rules.h"
#include "platform/text_rules.h"

namespace zeb {

namespace {

// The files zeb makes where there are none, laid out as ES-DE writes them.
constexpr std::string_view kNewSystems = "<?xml version=\"1.0\"?>\n<systemList>\n</systemList>\n";
constexpr std::string_view kNewGamelist = "<?xml version=\"1.0\"?>\n<gameList>\n</gameList>\n";

// How a document indents, learnt from it, so that what zeb adds looks like what is there.
class Indentation {
 public:
  Indentation(XmlDocument& document, std::string default_unit)
      : document_(document), unit_(std::move(default_unit)) {
    std::string indent = ChildIndent(document.Root());
    size_t line_end = indent.rfind('\n');
    if (line_end != std::string::npos && line_end + 1 < indent.size())
      unit_ = indent.substr(line_end + 1);
  }

  // The white space before a node: a line end and its indentation.
  std::string Before(const XmlNode& node) const {
    if (node.IsTopLevel()) return "\n";
    XmlNode before = node.PreviousSibling();
    return before && before.IsWhitespace() ? before.Text() : "";
  }

  // The white space before a new child of parent: as before its last element, or one step
  // in from the parent's own.
  std::string ChildIndent(const XmlNode& parent) const {
    if (XmlNode last = parent.LastChildElement()) return Before(last);
    std::string own = Before(parent);
    return own.empty() ? own : own + unit_;
  }

  // Adds child as parent's last element, indented like its siblings.
  void Append(const XmlNode& parent, const XmlNode& child) {
    std::string indent = ChildIndent(parent);
    XmlNode trailing = parent.LastChild();
    if (!trailing) {
      std::string closing = Before(parent);
      if (!indent.empty() && !closing.empty()) {
        trailing = document_.NewText(closing);
        document_.InsertBefore(parent, trailing, XmlNode());
      }
    } else if (!trailing.IsWhitespace()) {
      trailing = XmlNode();
    }
    PutBefore(parent, child, trailing, indent);
  }

  // Puts child before ref (at the end when ref is empty) with indent before it. No text goes
  // next to another text: the library would merge the two.
  void PutBefore(const XmlNode& parent, const XmlNode& child, const XmlNode& ref,
                 const std::string& indent) {
    XmlNode before = ref ? ref.PreviousSibling() : parent.LastChild();
    document_.InsertBefore(parent, child, ref);
    if (!indent.empty() && !(before && before.IsText()))
      document_.InsertBefore(parent, document_.NewText(indent), child);
  }

  const std::string& unit() const { return unit_; }

 private:
  XmlDocument& document_;
  std::string unit_;
};

// Sets the text of parent's first child element called name, adding the element when there
// is none. An unchanged text is not touched, so its bytes stay.
void SetChildText(XmlDocument& document, Indentation& indentation, const XmlNode& parent,
                  XmlNode child, std::string_view name, std::string_view text) {
  if (!child) {
    child = document.NewElement(name);
    child.SetText(text);
    indentation.Append(parent, child);
  } else if (child.Text() != text) {
    child.SetText(text);
  }
}

// zeb writes UTF-8. A declaration that names another encoding would be wrong about the bytes
// (and Wine's MSXML writes UTF-8 whatever it names), so it becomes one that names UTF-8.
void DeclareUtf8(XmlDocument& document) {
  XmlNode first = document.FirstChild();
  if (!first || first.IsElement() || first.Name() != "xml") return;
  std::string declaration = UpperCase(first.Text());
  if (declaration.find("ENCODING") == std::string::npos ||
      declaration.find("\"UTF-8\"") != std::string::npos ||
      declaration.find("'UTF-8'") != std::string::npos)
    return;
  document.Replace(first, document.NewDeclaration("version=\"1.0\" encoding=\"UTF-8\""));
}

// Loads existing (or, when there is none, the new file) and checks its root.
Status LoadDocument(XmlDocument& document, std::string_view bytes, std::string_view root_name) {
  Status loaded = document.Load(bytes);
  if (!loaded.ok()) return Status::Error("it cannot be read as XML (" + loaded.message() + ")");
  // No file of ES-DE's has one, and Windows' MSXML 6 refuses one where Wine's does not.
  if (document.HasDoctype()) return Status::Error("it holds a document type definition");
  XmlNode root = document.Root();
  if (!root || root.Name() != root_name)
    return Status::Error("its outermost element is not <" + std::string(root_name) + ">");
  return Status::Ok();
}

// The first child elements of a game that zeb reads or writes.
struct GameNodes {
  XmlNode game, path, name, developer, releasedate;
};

GameNodes NodesOf(const XmlNode& game) {
  GameNodes nodes{game, {}, {}, {}, {}};
  for (XmlNode child = game.FirstChild(); child; child = child.NextSibling()) {
    std::wstring name = child.ElementName();
    XmlNode* slot = name == L"path"          ? &nodes.path
                    : name == L"name"        ? &nodes.name
                    : name == L"developer"   ? &nodes.developer
                    : name == L"releasedate" ? &nodes.releasedate
                                             : nullptr;
    if (slot != nullptr && !*slot) *slot = child;
  }
  return nodes;
}

// A game's fields as zeb writes them: empty ones are left out.
std::vector<std::pair<const char*, std::string>> GameFields(const FrontendGame& game) {
  std::vector<std::pair<const char*, std::string>> fields = {{"path", EsDeGamePath(game)},
                                                             {"name", GameTitle(game)}};
  std::string developer = Developer(game.entry);
  if (!developer.empty()) fields.emplace_back("developer", developer);
  std::string date = EsDeReleaseDate(game.entry);
  if (!date.empty()) fields.emplace_back("releasedate", date);
  return fields;
}

}  // namespace

struct EsDeFile::Parsed {
  std::string original;
  XmlDocument document;
  // The gamelist's games, by the file they name; the first of each counts.
  std::unordered_map<std::string, GameNodes> listed;
};

EsDeFile::EsDeFile(Kind kind) : kind_(kind) {}

EsDeFile::~EsDeFile() = default;

Status EsDeFile::Load(std::string_view existing, std::string_view entry_folder) {
  parsed_.reset();
  try {
    auto parsed = std::make_unique<Parsed>();
    bool systems = kind_ == Kind::kSystems;
    parsed->original = existing.empty() ? (systems ? kNewSystems : kNewGamelist) : existing;
    Status loaded =
        LoadDocument(parsed->document, parsed->original, systems ? "systemList" : "gameList");
    if (!loaded.ok()) return loaded;
    if (!systems) {
      XmlNode root = parsed->document.Root();
      for (XmlNode child = root.FirstChild(); child; child = child.NextSibling()) {
        if (!child.IsElementNamed("game")) continue;
        GameNodes nodes = NodesOf(child);
        if (nodes.path)
          parsed->listed.try_emplace(EsDeGameKey(nodes.path.Text(), entry_folder),
                                     std::move(nodes));
      }
    }
    parsed_ = std::move(parsed);
    return Status::Ok();
  } catch (const XmlError& error) {
    return Status::Error(error.what());
  }
}

namespace {

void MergeSystem(XmlDocument& document, const FrontendCatalogue& catalogue) {
  XmlNode root = document.Root();
  Indentation indentation(document, "  ");
  XmlNode system;
  for (XmlNode child = root.FirstChild(); child && !system; child = child.NextSibling()) {
    if (!child.IsElementNamed("system")) continue;
    XmlNode name = child.ChildElement("name");
    if (name && TrimSpaces(name.Text()) == kEsDeSystemName) system = child;
  }
  if (!system) {
    system = document.NewElement("system");
    indentation.Append(root, system);
    SetChildText(document, indentation, system, XmlNode(), "name", kEsDeSystemName);
  }
  auto set = [&](std::string_view name, std::string_view text) {
    SetChildText(document, indentation, system, system.ChildElement(name), name, text);
  };
  set("fullname", kEsDeFullName);
  set("path", catalogue.entry_folder);
  set("extension", kEntryExtension);
  set("command", EsDeCommand(catalogue));
  // How ES-DE shows the system is the user's to change.
  for (auto [name, text] : {std::pair{"platform", kEsDePlatform}, {"theme", kEsDeTheme}})
    if (!system.ChildElement(name)) set(name, text);
}

void MergeGames(XmlDocument& document, const std::unordered_map<std::string, GameNodes>& listed,
                const FrontendCatalogue& catalogue) {
  XmlNode root = document.Root();
  Indentation indentation(document, "\t");
  // New games go before the white space that closes the list, indented like the others.
  std::string game_indent = indentation.ChildIndent(root);
  std::string field_indent = game_indent.empty() ? "" : game_indent + indentation.unit();
  XmlNode closing = root.LastChild();
  if (closing && !closing.IsWhitespace()) closing = XmlNode();
  bool empty_list = !root.FirstChild();

  for (const FrontendGame& game : catalogue.games) {
    auto found = listed.find(EsDeGameKey(EsDeGamePath(game), catalogue.entry_folder));
    if (found != listed.end()) {
      const GameNodes& nodes = found->second;
      for (auto& [name, text] : GameFields(game)) {
        std::string_view field = name;
        if (field == "path") continue;
        XmlNode node = field == "name"        ? nodes.name
                       : field == "developer" ? nodes.developer
                                              : nodes.releasedate;
        SetChildText(document, indentation, nodes.game, node, field, text);
      }
      continue;
    }
    if (empty_list && !game_indent.empty()) {
      // "<gameList/>": the line end before "</gameList>" comes first.
      closing = document.NewText(indentation.Before(root));
      document.InsertBefore(root, closing, XmlNode());
      empty_list = false;
    }
    XmlNode element = document.NewElement("game");
    for (auto& [name, text] : GameFields(game)) {
      if (!field_indent.empty()) document.InsertBefore(element, document.NewText(field_indent), {});
      XmlNode field = document.NewElement(name);
      field.SetText(text);
      document.InsertBefore(element, field, XmlNode());
    }
    if (!field_indent.empty()) document.InsertBefore(element, document.NewText(game_indent), {});
    indentation.PutBefore(root, element, closing, game_indent);
  }
}

}  // namespace

Status EsDeFile::Merge(const FrontendCatalogue& catalogue, std::string* merged) {
  if (!parsed_) return Status::Error("it was not read");
  try {
    if (kind_ == Kind::kSystems)
      MergeSystem(parsed_->document, catalogue);
    else
      MergeGames(parsed_->document, parsed_->listed, catalogue);
    // A document merges once: what it holds now is zeb's.
    std::unique_ptr<Parsed> parsed = std::move(parsed_);
    DeclareUtf8(parsed->document);
    *merged = KeepLayout(parsed->original, parsed->document.Save());
    return Status::Ok();
  } catch (const XmlError& error) {
    return Status::Error(error.what());
  }
}

namespace {

Status LoadAndMerge(EsDeFile::Kind kind, std::string_view existing,
                    const FrontendCatalogue& catalogue, std::string* merged) {
  ComScope com;
  EsDeFile file(kind);
  Status loaded = file.Load(existing, catalogue.entry_folder);
  return loaded.ok() ? file.Merge(catalogue, merged) : loaded;
}

}  // namespace

Status MergeEsDeSystems(std::string_view existing, const FrontendCatalogue& catalogue,
                        std::string* merged) {
  return LoadAndMerge(EsDeFile::Kind::kSystems, existing, catalogue, merged);
}

Status MergeEsDeGamelist(std::string_view existing, const FrontendCatalogue& catalogue,
                         std::string* merged) {
  return LoadAndMerge(EsDeFile::Kind::kGamelist, existing, catalogue, merged);
}

}  // namespace zeb
