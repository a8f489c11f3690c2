// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <span>
#include <string_view>

// The remedy catalogue: every raga and ailment the program knows, fixed at build time.
// Texts are printable ASCII; a text of several lines joins them with CR LF.
// The odd spaces, commas and spellings are part of the data and are kept as they are.

struct RagaEntry {
    std::string_view name;
    std::string_view diseaseItHelpCure;
    std::string_view timeOfPerformance;
};

struct AilmentEntry {
    std::string_view name;
    std::string_view ragaItHelpCure;
};

struct RemedyCatalogue {
    std::span<const RagaEntry> ragas;
    std::span<const AilmentEntry> ailments;
};

// Both tables in their own order, which is also the order of the lists and of the search.
const RemedyCatalogue &Catalogue();
