// What a start button reads, the same on the stopwatch, the timer and the
// full-screen display: one text each, so the three never drift apart.
#pragma once

extern const char kStartCaption[];   // ready to start
extern const char kPauseCaption[];   // running: a press pauses
extern const char kResumeCaption[];  // paused: a press resumes
