#pragma once
// Attribute values as the table file holds them: code page 1250 bytes with the markup
// characters, line breaks, tabs and backslashes written as references.
#include <string>
#include <string_view>

namespace kvadrix::tables {

// Appends the UTF-8 text encoded and escaped. Returns false, leaving out partly written, when the
// text has a character the file cannot hold: one without a code page 1250 byte, a control
// character other than tab, CR and LF, or malformed UTF-8.
bool AppendEscapedCp1250(std::string& out, std::string_view utf8);

// True when AppendEscapedCp1250 would take the text.
bool StorableInFile(std::string_view utf8);

}  // namespace kvadrix::tables
