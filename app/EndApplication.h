// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

// Unloads every loaded window, then ends the program: the one way it ends.
void EndApplication();
