// One prompt-and-confirm step of the parameter dialogue.
#pragma once

#include <optional>
#include <string>

#include "app/calc_host.h"
#include "entry/prompt_texts.h"
#include "entry/refusal_texts.h"

// A reply read as a value, or why it was refused.
template <class T>
struct Checked {
  std::optional<T> value;
  Refusal why = Refusal::NotANumber;
};

// Whether a confirmation reply asks to enter the value again: a number equal to 0.
// Anything else accepts, the empty reply, words and Cancel included.
bool WantsReentry(const std::optional<std::string>& reply);

// Asks until `read` accepts a reply, telling why after each refused one and offering the
// refused text again, then hands the value to `store` (which keeps and echoes it) and asks for
// confirmation; a confirmation of 0 starts over with the re-entry prompt, empty. False when the
// user cancels a value prompt.
template <class Read, class Store>
bool ConfirmedEntry(CalcHost& host, const EntryPrompts& step, Read read, Store store) {
  const std::string title = prompt::StepTitle(step);
  Prompt ask(step.first, title);
  for (;;) {
    const std::optional<std::string> reply = host.InputBox(ask);
    if (!reply) {
      return false;
    }
    ask = Prompt(step.reentry, title);
    const auto checked = read(*reply);
    if (!checked.value) {
      host.ShowMessage(RefusalMessage(step, checked.why));
      ask.offered = *reply;
      continue;
    }
    store(*checked.value);
    if (!WantsReentry(host.InputBox(Prompt(step.confirm, title)))) {
      return true;
    }
  }
}
