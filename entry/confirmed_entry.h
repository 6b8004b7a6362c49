// One prompt-and-confirm step of the parameter dialogue.
#pragma once

#include <optional>
#include <string>

#include "app/calc_host.h"

struct EntryPrompts {
  const char* first;    // asked the first time
  const char* reentry;  // asked after a refused reply and after a confirmation of 0
  const char* confirm;  // asks whether the value is right
};

// A reply read as a value, or the message that tells why it was refused.
template <class T>
struct Checked {
  std::optional<T> value;
  const char* message = nullptr;
};

// Whether a confirmation reply asks to enter the value again: a number equal to 0.
// Anything else accepts, the empty reply, words and Cancel included.
bool WantsReentry(const std::optional<std::string>& reply);

// Asks until `read` accepts a reply, showing its message after each refused one, then hands
// the value to `store` (which keeps and echoes it) and asks for confirmation; a confirmation
// of 0 starts over with the re-entry prompt. False when the user cancels a value prompt.
template <class Read, class Store>
bool ConfirmedEntry(CalcHost& host, const EntryPrompts& prompts, Read read, Store store) {
  const char* prompt = prompts.first;
  for (;;) {
    const std::optional<std::string> reply = host.InputBox(prompt);
    if (!reply) {
      return false;
    }
    prompt = prompts.reentry;
    const auto checked = read(*reply);
    if (!checked.value) {
      host.ShowMessage(checked.message);
      continue;
    }
    store(*checked.value);
    if (!WantsReentry(host.InputBox(prompts.confirm))) {
      return true;
    }
  }
}
