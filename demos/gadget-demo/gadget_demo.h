// gadget-demo's parts, apart from its command line: the start-up (fonts, pictures, the menu, one
// gadget of every type, window 2, the event handler) and one pass of its frame loop with the
// reactions to every gadget, the menu and the windows. main.cpp puts them around the demo
// runner; the tests drive them frame by frame on the headless device.
//
// Order of use: InitDemo, OpenScreen (800 x 600 x 32, "TestQuillon"), BuildDemo, then DemoFrame
// until it returns something other than kGoOn.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/toolkit.h"

namespace bevel::gadget_demo {

// Gadget, window and menu numbers the frame loop reacts to.
enum Number : int {
  kText = 100,  // the multi-line String that shows what happened
  kPlay = 101,
  kStop = 102,
  kList = 104,
  kAdd = 105,
  kRemove = 106,
  kSelect = 107,  // HyperLink: copies the selected item's text
  kQuitButton = 108,
  kProgress = 109,
  kDisabledOption = 110,
  kMessageYesNo = 117,
  kMessageEntries = 118,
  kSpin = 119,
  kCombo = 120,
  kTrackBar = 121,
  kScrollBar = 122,
  kInput = 123,
  kColor = 124,
  kTree = 125,
  kKnoten = 126,  // expands or collapses every node of the tree
  kWindow1Button = 127,
  kOpenFile = 129,
  kSaveFile = 130,
  kFileList = 131,
  kComplexMessage = 132,
  kDate = 134,
  kCalendar = 135,
  kArtificialOption1 = 150,  // 150 .. 152: toggle buttons kept as one option group
  kArtificialOption3 = 152,
  kWindow1Link = 300,
  kWindow1ShowWindow2 = 301,
  kWindow2Ok = 400,
  kWindow2CloseWindow1 = 401,
  kRequesterList = 600,  // the list the complex message requester's callback adds

  kWindow1 = 1,
  kWindow2 = 2,
  kMenu = 1,
  kQuitMenuItem = 5,  // "Beenden", also Ctrl+B
};

// How a frame left the demo.
enum class Frame { kGoOn, kQuitMenu, kQuitButton, kClosed };

// Initialises the toolkit and loads fonts 1 to 4 ("MS Sans Serif" 8, its bold, "MS Sans Serif"
// 8 for the menus, "Symbol" 8) as the default schemes' fonts. Before OpenScreen.
void InitDemo();
// After OpenScreen: screen size and pointer, the pictures (found in the working directory or
// beside the program), the menu, the gadgets, window 2 (hidden), gadget 127's colours and the
// event handler. The frame counter of the progress bar starts at 0.
void BuildDemo();
// One pass of the frame loop: ShowFrame, ClearScreen, the window's messages, GadgetEvent and the
// reactions (requesters run their frames inside it).
Frame DemoFrame();
// The event handler BuildDemo installs: 150 .. 152 act as one option group (a pressed "on"
// button cannot be switched off), and list 104's header and right-button clicks write into the
// String.
int EventHandler(Gadget* gadget, int kind, std::intptr_t item);
// Starts the frame loop's own state afresh: the count-up from 0, the tree as collapsed.
// BuildDemo calls it.
void ResetFrameLoop();
// Receives a line for each requester the demo opened and what it answered ("requester 117 2");
// the demo runner puts them into its report.
void SetDemoLog(std::function<void(const std::string& line)> log);

}  // namespace bevel::gadget_demo
