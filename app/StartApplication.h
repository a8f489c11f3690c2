#pragma once

// Runs once when the process starts, from inside the event loop.
void StartApplication();
