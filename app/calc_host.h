// The one seam between the program's logic and the world: window fields, prompts, messages,
// printer.
#pragma once

#include <optional>
#include <string>
#include <vector>

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

// One text of a printed line: at a character column (1 = left edge), or, with column 0,
// directly after the previous text.
struct PrintText {
  int column = 0;
  std::string text;

  bool operator==(const PrintText&) const = default;
};

// What a printer operation came to. Declined means the user chose not to print
// (for example refused to save a PDF instead): stop quietly.
struct PrintStatus {
  enum Kind { Ok, Declined, Failed };
  Kind kind = Ok;
  std::string reason;  // for Failed: why, in the user's language

  static PrintStatus Success() { return {}; }
  bool ok() const { return kind == Ok; }
};

class CalcHost {
 public:
  virtual ~CalcHost() = default;

  // Shows a modal prompt with one empty input line; the typed text, or nullopt for Cancel.
  virtual std::optional<std::string> InputBox(const std::string& prompt) = 0;
  // Replaces the whole text of a field, visibly at once.
  virtual void SetText(TextField field, const std::string& text) = 0;
  // The text a field shows now; read only to give it back when a click is abandoned.
  virtual std::string GetText(TextField field) = 0;
  // Shows a modal message with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;

  // The printer. The first operation after EndDocument starts a new document.
  virtual PrintStatus SetPrintPosition(float across_twips, float down_twips) = 0;
  virtual PrintStatus SetPrintFontName(const std::string& name) = 0;
  virtual PrintStatus SetPrintFontSize(float points) = 0;
  virtual PrintStatus PrintLine(const std::vector<PrintText>& texts) = 0;
  virtual PrintStatus EndDocument() = 0;

  // Ends the program.
  virtual void End() = 0;
};
