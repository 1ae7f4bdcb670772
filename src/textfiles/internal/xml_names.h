#pragma once
// Matching element and attribute names of XML documents that bind their namespaces to
// prefixes: the prefix a document uses is looked up once on its root element.

#include <pugixml.hpp>

#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

namespace lexorim {

// The prefix (with its ":") that `root` binds to one of `uris`, "" when one of them is the
// default namespace, or `fallback` when the root binds none of them.
inline std::string NamespacePrefix(const pugi::xml_node& root,
                                   std::initializer_list<std::string_view> uris,
                                   std::string_view fallback) {
    for (const pugi::xml_attribute& attribute : root.attributes()) {
        const std::string_view name = attribute.name();
        bool matches = false;
        for (const std::string_view uri : uris) {
            matches = matches || uri == attribute.value();
        }
        if (!matches) {
            continue;
        }
        if (name == "xmlns") {
            return {};
        }
        if (name.starts_with("xmlns:")) {
            return std::string(name.substr(6)) + ":";
        }
    }
    return std::string(fallback);
}

// One qualified name, compared against element and attribute names.
class QName {
  public:
    QName(const std::string& prefix, std::string_view local) : full_(prefix + std::string(local)) {}
    bool Names(const pugi::xml_node& node) const {
        return std::strcmp(node.name(), full_.c_str()) == 0;
    }
    const char* c_str() const { return full_.c_str(); }

  private:
    std::string full_;
};

// A name without its namespace prefix.
inline std::string_view LocalName(std::string_view name) {
    const size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// True when the element's name ends in "Pr" (a property element such as w:rPr or w:tblPr).
inline bool IsPropertyElement(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    return name.size() > 2 && name.ends_with("Pr");
}

// Parses XML kept in `buffer`; whitespace-only text is kept because it can be document text.
inline bool ParseXml(pugi::xml_document& document, const std::string& buffer) {
    const pugi::xml_parse_result result = document.load_buffer(
        buffer.data(), buffer.size(), pugi::parse_default | pugi::parse_ws_pcdata);
    return static_cast<bool>(result);
}

}  // namespace lexorim
