#include "support/xlsx_contents.h"

#include <expat.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace kvadrix::testing {
namespace {

std::string Unzip(const std::filesystem::path& file, const std::string& part) {
  const std::string command = "unzip -p '" + file.string() + "' '" + part + "'";
  std::unique_ptr<FILE, decltype(&pclose)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) throw std::runtime_error("cannot run unzip");
  std::string bytes;
  char buffer[4096];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe.get())) bytes.append(buffer, n);
  if (pclose(pipe.release()) != 0) throw std::runtime_error("unzip failed on " + part);
  return bytes;
}

struct Node {
  std::string name;
  std::map<std::string, std::string> attributes;
  std::vector<Node> children;
  std::string text;

  const Node* Find(const std::string& child) const {
    for (const Node& node : children) {
      if (node.name == child) return &node;
    }
    return nullptr;
  }
  const Node& Child(const std::string& child) const {
    if (const Node* node = Find(child)) return *node;
    throw std::runtime_error("no <" + child + "> in <" + name + ">");
  }
  std::string Get(const std::string& key, const std::string& otherwise = "") const {
    auto it = attributes.find(key);
    return it == attributes.end() ? otherwise : it->second;
  }
};

Node ParseXml(const std::string& text) {
  struct Tree {
    Node root{"document", {}, {}, {}};
    std::vector<Node*> open{&root};
  } tree;
  std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(XML_ParserCreate("UTF-8"),
                                                                      XML_ParserFree);
  XML_SetUserData(parser.get(), &tree);
  XML_SetElementHandler(
      parser.get(),
      [](void* data, const XML_Char* name, const XML_Char** attributes) {
        auto& t = *static_cast<Tree*>(data);
        Node& node = t.open.back()->children.emplace_back(Node{name, {}, {}, {}});
        for (int i = 0; attributes[i] != nullptr; i += 2) {
          node.attributes[attributes[i]] = attributes[i + 1];
        }
        t.open.push_back(&node);
      },
      [](void* data, const XML_Char*) { static_cast<Tree*>(data)->open.pop_back(); });
  XML_SetCharacterDataHandler(parser.get(), [](void* data, const XML_Char* chars, int length) {
    static_cast<Tree*>(data)->open.back()->text.append(chars, length);
  });
  if (XML_Parse(parser.get(), text.data(), int(text.size()), 1) != XML_STATUS_OK) {
    throw std::runtime_error("bad XML");
  }
  return std::move(tree.root.children.at(0));
}

sheet::Line LineOf(const Node& side) {  // any other style throws
  static const std::map<std::string, sheet::Line> kLines = {
      {"none", sheet::Line::kNone}, {"thin", sheet::Line::kThin}, {"medium", sheet::Line::kMedium}};
  return kLines.at(side.Get("style", "none"));
}

// styles.xml's cell formats by index.
std::vector<sheet::CellFormat> CellFormats(const Node& styles) {
  std::vector<sheet::CellFormat> formats;
  for (const Node& xf : styles.Child("cellXfs").children) {
    sheet::CellFormat format;
    if (const int font_id = std::stoi(xf.Get("fontId", "0")); font_id != 0) {
      const Node& font = styles.Child("fonts").children.at(font_id);
      format.bold = font.Find("b") != nullptr;
      format.font_size = std::stoi(font.Child("sz").Get("val"));
    }
    const Node* alignment = xf.Find("alignment");
    if (alignment != nullptr && alignment->Get("horizontal") == "center") {
      format.alignment = sheet::Alignment::kCentre;
    }
    const Node& border = styles.Child("borders").children.at(std::stoi(xf.Get("borderId", "0")));
    format.top = LineOf(border.Child("top"));
    format.bottom = LineOf(border.Child("bottom"));
    format.left = LineOf(border.Child("left"));
    format.right = LineOf(border.Child("right"));
    formats.push_back(format);
  }
  return formats;
}

}  // namespace

XlsxContents ReadXlsx(const std::filesystem::path& file) {
  XlsxContents contents;
  contents.worksheet_count =
      int(ParseXml(Unzip(file, "xl/workbook.xml")).Child("sheets").children.size());
  const auto formats = CellFormats(ParseXml(Unzip(file, "xl/styles.xml")));
  const Node worksheet = ParseXml(Unzip(file, "xl/worksheets/sheet1.xml"));
  if (const Node* cols = worksheet.Find("cols")) {
    for (const Node& col : cols->children) {
      // A stored width holds the cell's padding: 5 pixels beside digits 7 pixels wide.
      const double characters = std::round(std::stod(col.Get("width")) * 7 - 5) / 7;
      for (int c = std::stoi(col.Get("min")); c <= std::stoi(col.Get("max")); ++c) {
        contents.column_widths[c] = characters;
      }
    }
  }
  for (const Node& row : worksheet.Child("sheetData").children) {
    if (!row.Get("ht").empty())
      contents.row_heights[std::stoi(row.Get("r"))] = std::stod(row.Get("ht"));
    for (const Node& cell : row.children) {
      if (const Node* value = cell.Find("v"))
        contents.values[cell.Get("r")] = std::stoi(value->text);
      if (const int style = std::stoi(cell.Get("s", "0")); style != 0) {
        contents.formats[cell.Get("r")] = formats.at(style);
      }
    }
  }
  return contents;
}

}  // namespace kvadrix::testing
