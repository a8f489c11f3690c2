// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "Lookup.h"

#include <algorithm>

namespace {

template <typename Row>
const Row *findByName(std::span<const Row> rows, std::string_view text)
{
    const auto row = std::ranges::find(rows, text, &Row::name);
    return row == rows.end() ? nullptr : &*row;
}

} // namespace

LookupResult Lookup(SearchMode mode, std::string_view ragaText, std::string_view ailmentText)
{
    LookupResult result;
    result.mode = mode;

    if (const RagaEntry *raga = findByName(Catalogue().ragas, ragaText)) {
        result.ragaFound = true;
        result.chosenRaga = ragaText;
        result.diseaseItHelpCure = raga->diseaseItHelpCure;
        result.timeOfPerformance = raga->timeOfPerformance;
    }

    if (const AilmentEntry *ailment = findByName(Catalogue().ailments, ailmentText)) {
        result.ailmentFound = true;
        result.chosenAilment = ailmentText;
        result.ragaItHelpCure = ailment->ragaItHelpCure;
    }

    return result;
}
