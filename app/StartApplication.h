// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

// Runs once when the process starts, from inside the event loop.
void StartApplication();

// What every run sets up before its first window, and the tests with it: the name the
// settings are kept under, the icon, and that closing the last window does not end it.
void setUpApplication();
