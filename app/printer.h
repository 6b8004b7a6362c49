// The printer part of the host: the report's lines, in twips and character columns.
#pragma once

#include <string>
#include <vector>

// One text of a printed line: at a character column (1 = left edge), or, with column 0,
// directly after the previous text.
struct PrintText {
  int column = 0;
  std::string text;

  bool operator==(const PrintText&) const = default;
};

// What a printer operation came to. Declined means the user chose not to print (for example
// refused to save a PDF instead): stop quietly.
struct PrintStatus {
  enum Kind { Ok, Declined, Failed };
  Kind kind = Ok;
  std::string reason{};  // for Failed: why, in the user's language

  // Where an ended document went (EndDocument only): the printer and the print service's job
  // number, or the PDF file it was saved as; and its page count.
  std::string printer{};
  int job = 0;
  std::string file{};
  int pages = 0;

  static PrintStatus Success() { return {}; }
  static PrintStatus Failure(std::string why) { return {Failed, std::move(why)}; }
  bool ok() const { return kind == Ok; }
};

// A document starts with the first operation after EndDocument or AbandonDocument. After an
// operation that did not succeed the caller makes no further one but AbandonDocument.
class Printer {
 public:
  virtual ~Printer() = default;

  // Where the next line starts: its top (down) and the place of a first text without a column.
  virtual PrintStatus SetPrintPosition(float across_twips, float down_twips) = 0;
  virtual PrintStatus SetPrintFontName(const std::string& name) = 0;
  // The column width follows the size.
  virtual PrintStatus SetPrintFontSize(float points) = 0;
  // Prints the texts on the current line and moves to the next; an empty list prints an empty
  // line.
  virtual PrintStatus PrintLine(const std::vector<PrintText>& texts) = 0;
  // The line printed again at the top of every page on which the lines continue, followed by
  // one empty line; an empty list repeats nothing. Holds until the document ends.
  virtual PrintStatus SetPageHeading(const std::vector<PrintText>& texts) = 0;
  // Ends the document and hands it on: to the printer, or to the PDF file.
  virtual PrintStatus EndDocument() = 0;
  // Discards the document after an operation that did not succeed; nothing of it is printed.
  virtual void AbandonDocument() = 0;
};
