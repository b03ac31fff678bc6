// The headless device's driver: for tests, and for users testing their own screens.
//
// With SelectDevice(DEVICE_HEADLESS) (or DEVICE_AUTO on a machine without a display) the screen
// has no window. The program that drives it sets key and lock states, the mouse and the clock
// here, and reads the back buffer pixel by pixel or saves it as PNG.
//
// Input reaches code that runs its own frame loop (a modal requester calls ShowFrame and
// GadgetEvent until answered) through queued actions and an examine callback: the device runs
// them on every examination (PollKeyboard, PollMouse), so a test can answer a requester from
// outside.
//
// The driver's state lives for the whole process; Reset() returns it to the start values.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace bevel::headless {

// Selects the headless device for the next OpenScreen (same as SelectDevice(DEVICE_HEADLESS)).
void Use();
// Back to the start values: no keys or buttons, locks off, mouse (0, 0), clock 0, frame advance
// 0, the default date, no queued actions, no callback, frame count 0, an empty clipboard, no
// close request.
void Reset();

void SetKey(int scanCode, bool down);
void ReleaseAllKeys();
void SetCapsLock(bool on);
void SetNumLock(bool on);

void SetMouse(int x, int y);
// n: 1 left, 2 right, 3 middle.
void SetButton(int n, bool down);
// Wheel notches delivered at the next examination (positive away from the user).
void AddWheel(int notches);
int MouseXNow();
int MouseYNow();

// The millisecond clock that TickCount returns.
void SetClock(std::uint32_t ms);
void AdvanceClock(std::uint32_t ms);
std::uint32_t Clock();
// Milliseconds added to the clock by every ShowFrame (0 = the clock moves only when told).
void SetFrameAdvance(std::uint32_t ms);
// The local date and time (seconds, as DateNow counts them) at clock 0; DateNow is this plus
// the clock's whole seconds. Default: 2007-02-14 12:00:00.
void SetDateAtClockZero(int date);

// The headless device's clipboard (Windows-1252; see ClipboardText in services/services.h),
// also readable and settable while no headless screen is open. A text ends at a NUL byte.
void SetClipboard(std::string_view text);
std::string Clipboard();

// Number of ShowFrame calls since Reset.
int FrameCount();

// As if the user asked to close the program's window: PollWindowMessages reports it once.
void RequestClose();

// Runs `action` at the first examination at which FrameCount() >= frame.
void AtFrame(int frame, std::function<void()> action);
// Runs `action` at the first examination at which Clock() >= ms.
void AtTime(std::uint32_t ms, std::function<void()> action);
// Called at every examination (PollKeyboard and PollMouse) with FrameCount(); may change any
// input state. An empty function removes it.
void SetExamineCallback(std::function<void(int frame)> callback);

// Pixel of the back buffer as 0x00BBGGRR; -1 outside it or without a headless screen.
int Pixel(int x, int y);
// Pixel of the last shown frame (the front buffer); -1 as above.
int ShownPixel(int x, int y);
// Saves the back buffer (or, with shown, the last shown frame) as PNG; true on success.
bool SavePng(const std::string& path, bool shown = false);

}  // namespace bevel::headless
