#include "tables/filter_parser.h"

#include "common/error.h"
#include "tables/field_types.h"
#include "tables/table_store.h"
#include "tables/utf8.h"

namespace kvadrix::tables {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool EndsWord(char c) {
  return IsSpace(c) || c == '=' || c == '<' || c == '>' || c == '\'' || c == '"' || c == '(' ||
         c == ')';
}

class FilterParser {
 public:
  explicit FilterParser(std::string_view text) : text_(text) {}

  std::vector<FilterCondition> Parse() {
    std::vector<FilterCondition> conditions;
    SkipSpaces();
    if (AtEnd()) return conditions;
    while (true) {
      conditions.push_back(Condition());
      SkipSpaces();
      if (AtEnd()) return conditions;
      const std::string_view joiner = Word();
      if (!EqualsIgnoreCase(joiner, "and")) {
        Fail(joiner.empty() ? "a feltétel után csak \"and\" következhet"
                            : std::string("\"and\" helyett \"") + std::string(joiner) + "\" áll");
      }
    }
  }

 private:
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

  void SkipSpaces() {
    while (!AtEnd() && IsSpace(text_[pos_])) ++pos_;
  }

  std::string_view Word() {
    const size_t start = pos_;
    while (!AtEnd() && !EndsWord(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
  }

  [[noreturn]] void Fail(const std::string& detail) const {
    throw Error(std::string("Hibás szűrőfeltétel: \"") + std::string(text_) + "\" (" + detail +
                ").");
  }

  FilterCondition Condition() {
    FilterCondition condition;
    SkipSpaces();
    condition.field = std::string(Word());
    if (condition.field.empty()) Fail("mezőnév hiányzik");
    SkipSpaces();
    const char op = Peek();
    if (op != '=' && op != '<') {
      Fail("a(z) \"" + condition.field + "\" után \"=\" vagy \"<\" jelnek kell állnia");
    }
    ++pos_;
    if (Peek() == '=' || Peek() == '>') Fail("csak az \"=\" és a \"<\" művelet használható");
    condition.op = op == '=' ? FilterOp::kEqual : FilterOp::kLess;
    SkipSpaces();
    if (Peek() == '\'') {
      condition.quoted = true;
      condition.constant = StringConstant();
    } else {
      condition.quoted = false;
      condition.constant = Number();
    }
    return condition;
  }

  std::string StringConstant() {
    std::string value;
    ++pos_;  // the opening apostrophe
    while (true) {
      const size_t close = text_.find('\'', pos_);
      if (close == std::string_view::npos) throw Error("Unterminated string constant");
      value.append(text_.substr(pos_, close - pos_));
      pos_ = close + 1;
      if (Peek() != '\'') break;
      value += '\'';  // a doubled apostrophe stands for one
      ++pos_;
    }
    return std::string(CutToCodePoints(value, kMaxFilterStringChars));
  }

  std::string Number() {
    const size_t start = pos_;
    if (Peek() == '-') ++pos_;
    const size_t digits = pos_;
    while (IsDigit(Peek())) ++pos_;
    if (pos_ == digits || !(AtEnd() || IsSpace(Peek()))) {
      const std::string_view rest = text_.substr(start);
      Fail(rest.empty()
               ? "az érték hiányzik"
               : "az érték sem szám, sem aposztrófok közti szöveg: \"" + std::string(rest) + "\"");
    }
    return std::string(text_.substr(start, pos_ - start));
  }

  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace

std::vector<FilterCondition> ParseFilter(std::string_view text) {
  return FilterParser(text).Parse();
}

std::string QuoteFilterString(std::string_view text) {
  std::string quoted = "'";
  for (const char c : text) {
    quoted += c;
    if (c == '\'') quoted += '\'';
  }
  quoted += '\'';
  return quoted;
}

}  // namespace kvadrix::tables
