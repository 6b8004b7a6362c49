// The titles of the Calculate command's prompts.
#include "entry/prompt_texts.h"

namespace prompt {

namespace {

std::string Titled(const std::string& where) {
  std::string title = kProgramTitle;
  title += " — ";
  title += where;
  return title;
}

}  // namespace

std::vector<std::string> PromptPieces(const std::string& text) {
  // Chinese punctuation after which a line may break, in UTF-8.
  static const char* const kBreaksAfter[] = {"，", "；", "：", "。", "、", "）"};
  std::vector<std::string> pieces;
  std::string piece;
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const std::string ch = text.substr(i, length);
    piece += ch;
    i += length;
    const bool next_is_blank = i < text.size() && text[i] == ' ';
    const bool next_is_chinese = i < text.size() && static_cast<unsigned char>(text[i]) >= 0x80;
    bool next_is_mark = i < text.size() && std::string(",:;").find(text[i]) != std::string::npos;
    bool breaks = (ch == "," || ch == ":" || ch == ";") && next_is_chinese;
    for (const char* mark : kBreaksAfter) {
      breaks = breaks || (ch == mark && !next_is_blank);
      next_is_mark = next_is_mark || text.compare(i, std::string(mark).size(), mark) == 0;
    }
    // A line never starts with a punctuation mark.
    breaks = breaks || (ch == " " && !next_is_blank && !next_is_mark);
    if (breaks && i < text.size()) {
      pieces.push_back(std::move(piece));
      piece.clear();
    }
  }
  if (!piece.empty()) {
    pieces.push_back(std::move(piece));
  }
  return pieces;
}

std::string StepTitle(const EntryPrompts& step) {
  return Titled("第 " + std::to_string(step.step) + " 步：" + step.name);
}

std::string SectionTitle(int section, int sections) {
  // The key prompt is small; its title is what it must say.
  return "第 " + std::to_string(section) + " / " + std::to_string(sections) + " 个断面";
}

std::string OutputTitle() {
  return Titled("输出方式");
}

}  // namespace prompt
