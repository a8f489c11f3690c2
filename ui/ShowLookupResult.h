// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

struct LookupResult;

// Puts a lookup on a freshly loaded result window and brings that window up in place of
// the main window.
void ShowLookupResult(const LookupResult &result);
