// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

// The program's one pseudo-random generator, drawing numbers in [0, 1).
namespace RandomDraw {

void seedFromClock();
double next();

// Lets a test decide the draws; an empty function restores the generator.
void replaceSource(std::function<double()> source);

} // namespace RandomDraw
