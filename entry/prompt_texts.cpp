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

std::string StepTitle(const EntryPrompts& step) {
  return Titled("第 " + std::to_string(step.step) + " 步：" + step.name);
}

std::string SectionTitle(int section, int sections) {
  return Titled("第 " + std::to_string(section) + " / " + std::to_string(sections) + " 个断面");
}

std::string OutputTitle() {
  return Titled("输出方式");
}

}  // namespace prompt
