// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include "RemedyCatalogue.h"

#include <string>
#include <string_view>

enum class SearchMode { ByRaga, ByAilment };

// Both halves are filled on every lookup; the mode only says which one the user sees first.
struct LookupResult {
    SearchMode mode = SearchMode::ByRaga;

    bool ragaFound = false;
    std::string chosenRaga;
    std::string diseaseItHelpCure;
    std::string timeOfPerformance;

    bool ailmentFound = false;
    std::string chosenAilment;
    std::string ragaItHelpCure;
};

// Names match only when identical to the last character: no trimming, no case folding.
LookupResult Lookup(SearchMode mode, std::string_view ragaText, std::string_view ailmentText);
