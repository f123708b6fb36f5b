#pragma once

// Waits ms milliseconds while every pending window event is handled.
// A pause of 0 or less returns at once without handling any event.
void temporisation(int ms);
