// The one seam between the program's logic and the world: window fields, prompts, messages,
// the note line, the diagram, and the printer.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "app/printer.h"

struct CalcRecord;

// The window's eleven text fields, numbered as on the form.
enum class TextField {
  Text1 = 1,
  Text2,
  Text3,
  Text4,
  Text5,
  Text6,
  Text7,
  Text8,
  Text9,
  Text10,
  Text11
};

inline constexpr std::size_t kFieldCount = 11;

// The field's place in an array of all eleven, Text1 first.
constexpr std::size_t FieldSlot(TextField field) {
  return static_cast<std::size_t>(field) - 1;
}

constexpr TextField FieldAt(std::size_t slot) {
  return static_cast<TextField>(slot + 1);
}

// What a prompt dialog shows.
struct Prompt {
  std::string text;
  std::string title;        // empty: the program's title
  std::string offered;      // already in the input line, all selected; empty: starts empty
  bool key_prompt = false;  // the small prompt beside the result fields, not over the panel

  // A prompt with nothing but its text, so that a text can stand for it.
  Prompt(const char* prompt_text) : text(prompt_text) {}             // NOLINT(google-explicit-*)
  Prompt(std::string prompt_text) : text(std::move(prompt_text)) {}  // NOLINT(google-explicit-*)
  Prompt(std::string prompt_text, std::string dialog_title, std::string offered_text = {},
         bool is_key_prompt = false)
      : text(std::move(prompt_text)),
        title(std::move(dialog_title)),
        offered(std::move(offered_text)),
        key_prompt(is_key_prompt) {}
};

class CalcHost : public virtual Printer {
 public:
  // Shows a modal prompt with one input line; the typed text, or nullopt for Cancel.
  virtual std::optional<std::string> InputBox(const Prompt& prompt) = 0;
  // Replaces the whole text of a field, visibly at once.
  virtual void SetText(TextField field, const std::string& text) = 0;
  // The text a field shows now; read only to give it back when a click is abandoned.
  virtual std::string GetText(TextField field) = 0;
  // Shows a modal warning with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // Shows one line of news in the window until the next command; empty clears it.
  virtual void ShowNote(const std::string& text) = 0;
  // The calculation the window draws, and the section of it the result fields show (0: none).
  // Read at once; the record need not outlive the call.
  virtual void ShowCalculation(const CalcRecord& record, int shown_section) = 0;

  // Ends the program.
  virtual void End() = 0;
};
