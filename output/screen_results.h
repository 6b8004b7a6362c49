// The results shown in the window's fields: the transition length, and the sections of a run
// in Kp, Lp, Ip(L) and Ip(R).
#pragma once

#include "app/calc_host.h"
#include "app/calc_record.h"

// Sets L = |K2 − K1| and shows it in Text5. False, showing nothing, when it does not fit.
bool ShowTransitionLength(CalcRecord& record, CalcHost& host);

// The immediate display of a single run, first half: Lp of section 1 at ki, before it is
// computed.
void ShowSingleResultDistance(const CalcRecord& record, double ki, CalcHost& host);

// Second half: the key prompt, then station and slopes of section 1.
void ShowSingleResult(const CalcRecord& record, CalcHost& host);

// Sections 1 to `sections` one after the other, each after the key prompt.
void StepThroughResults(const CalcRecord& record, CalcHost& host, int sections);
