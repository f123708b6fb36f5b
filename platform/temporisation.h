#pragma once

// Waits ms milliseconds while every pending window event is handled, each as it arrives; the
// wait sleeps in the event loop instead of keeping the processor busy (all but its last
// fraction of a millisecond, which ends it on time).
// A pause of 0 or less returns at once without handling any event.
void temporisation(int ms);
