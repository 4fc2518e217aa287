#pragma once

// The reading step: checks the entries, finds the sign, fills the reading window
// from the sign's profile and puts it on screen in place of the input window.
void ShowReading();
