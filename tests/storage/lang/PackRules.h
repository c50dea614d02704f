#pragma once
#include <string>
#include <vector>

namespace s {
namespace xml {
class Node;
}
} // namespace s

namespace packrules {

// The rules every language-pack document keeps, read through the XML model itself (the loader
// would hide a gap behind the English text): each entry has a numeric id of its own outside the
// encoder-panel range and exactly one child per language, in the order of the languages element;
// every translation keeps the English text's spaces and no-break spaces at both ends, its numbers
// and its closing ellipsis, adds no "&", "#" caption or format sequence, and the program's name,
// version, date and web addresses are the same in every language. One line per fault, naming
// the id and the language; empty when the document keeps them all.
std::vector<std::wstring> CheckPack(s::xml::Node* root);

// The tags of the languages element, in order.
std::vector<std::wstring> LanguageTags(s::xml::Node* root);

} // namespace packrules
