// The services the toolkit draws and reads through: screen, software raster, sprites, images,
// keyboard and mouse, fonts, clock, dates, directories and files.
//
// Everything here is the toolkit's own software raster on 32-bit surfaces, so a frame looks the
// same on every device. Two devices present the back buffer and deliver input: SDL2 (a real
// window or full screen) and headless (driven by a program, see services/headless.h).
//
// Conventions:
// - Colours are 0x00BBGGRR (red in the low byte) whatever the pixel format inside; the top byte
//   of a colour passed in is ignored.
// - Texts are Windows-1252 bytes.
// - Failures are silent: a missing sprite, image, font or file gives 0 or "" and changes nothing.
//   Nothing is ever drawn outside a surface.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace bevel {

// Asks a creating operation for a new unique number (and the same value as the "any" number of
// windows, gadgets and menus).
inline constexpr int ANY_NUMBER = INT32_MIN;

// Colour-less forms of the drawing operations use the pen colour.
inline constexpr int USE_PEN = -1;

// Pixel positions that the mouse reports, and that the toolkit keeps for its records, lie within
// -COORDINATE_LIMIT .. COORDINATE_LIMIT: far beyond any screen, and far enough from the ends of
// int that sums of a few of them cannot overflow.
inline constexpr int COORDINATE_LIMIT = 1000000;

constexpr int RGB(int r, int g, int b) {
  return (r & 255) | (g & 255) << 8 | (b & 255) << 16;
}
constexpr int Red(int c) {
  return c & 255;
}
constexpr int Green(int c) {
  return (c >> 8) & 255;
}
constexpr int Blue(int c) {
  return (c >> 16) & 255;
}

// ---------------------------------------------------------------------------------------------
// Screen and devices
// ---------------------------------------------------------------------------------------------

enum DeviceKind : int {
  DEVICE_AUTO = 0,      // SDL2 when a display can be opened, else headless
  DEVICE_SDL = 1,       // SDL2 only; OpenScreen fails without a display
  DEVICE_HEADLESS = 2,  // no window; input, lock keys and clock set by services/headless.h
};

// OpenScreen flags.
inline constexpr int SCREEN_WINDOWED = 1;  // an operating-system window instead of full screen

// Each back-buffer pixel of the windowed screens opened from now on shows as factor x factor
// pixels of the window (nearest neighbour: the bitmap font stays crisp), and the mouse is still
// reported in back-buffer pixels. factor 1..8, default 1; other values change nothing. When the
// scaled window would not fit the desktop, the largest factor that fits is taken. Full screen
// and the headless device do not scale.
void SetWindowScale(int factor);
// Chooses the device used by the next OpenScreen (default DEVICE_AUTO). Closes an open screen.
void SelectDevice(int kind);
// The device of the open screen (DEVICE_SDL or DEVICE_HEADLESS), 0 when no screen is open.
int ScreenDevice();

// Opens a double-buffered screen of width x height pixels. depth must be 0 or 32 (the raster is
// always 32-bit). Full screen scales the back buffer to the display keeping its aspect.
// Returns nonzero on success, 0 for bad sizes or when the device cannot open.
int OpenScreen(int width, int height, int depth, std::string_view title, int flags = 0);
// Closes the screen and its device; sprites, images and fonts stay.
void CloseScreen();
// Size of the open screen's back buffer, 0 without a screen.
int ScreenPixelWidth();
int ScreenPixelHeight();

// Fills the whole back buffer (ignores any drawing session and its mode).
void ClearScreen(int colour);
// Shows the back buffer. The back buffer keeps its contents.
void ShowFrame();
// The back buffer as a target of BeginDrawing; 0 without a screen.
int BackBufferTarget();
// Handles the operating-system window's pending messages without waiting. Returns 1 when the
// user asked to close the window (once per request), else 0.
int PollWindowMessages();
// As PollWindowMessages, but the close request stays for PollWindowMessages to report: 1 while
// one waits. A modal loop ends on it and leaves it to the host's loop.
int CloseRequested();

// ---------------------------------------------------------------------------------------------
// Drawing. Only between BeginDrawing and EndDrawing; every call outside does nothing (and
// TextWidth / TextHeight return 0). Everything is clipped to the target.
// ---------------------------------------------------------------------------------------------

// Draw mode bits (combinable).
inline constexpr int DRAW_TRANSPARENT = 1;  // text without background
inline constexpr int DRAW_INVERT = 2;       // lines, plots and boxes invert the pixels below
inline constexpr int DRAW_OUTLINE = 4;      // boxes draw only their outline

// Starts drawing on a target (BackBufferTarget or ImageTarget). Pen black, mode 0, system font.
// Returns nonzero on success; a session already open is ended first.
int BeginDrawing(int target);
void EndDrawing();
// The open session (target 0 when none), to be reopened later with ResumeDrawing: code that
// must run drawing of its own while the caller's session is open (a frame run from inside a
// frame) puts the caller's back this way.
struct DrawingState {
  int target = 0;
  int mode = 0;
  int pen = 0;
  int font = -1;
};
DrawingState CurrentDrawing();
// Reopens a session as saved. A saved target 0, or a target that no longer exists, leaves no
// session open.
void ResumeDrawing(const DrawingState& state);
void SetDrawMode(int mode);
// Font for DrawText, TextWidth and TextHeight; -1 (or an unknown handle) selects the system font.
void SetDrawFont(int font);
void SetPenColour(int colour);
void Plot(int x, int y, int colour = USE_PEN);
// Reads one pixel of the target; -1 outside it or without a session.
int ReadPixel(int x, int y);
// From (x, y) to (x + w, y + h), the end point excluded: (1, 0) sets one pixel, (0, 0) nothing.
void Line(int x, int y, int w, int h, int colour = USE_PEN);
// Between two points, both ends included.
void LineBetween(int x1, int y1, int x2, int y2, int colour = USE_PEN);
// Filled rectangle x .. x + w - 1, y .. y + h - 1 (its outline only in DRAW_OUTLINE mode).
// A zero or negative side draws nothing.
void Box(int x, int y, int w, int h, int colour = USE_PEN);
// Text with its top-left corner at (x, y) in the current font; the text's cell is filled with
// backColour first unless DRAW_TRANSPARENT is set.
void DrawText(int x, int y, std::string_view text, int colour = USE_PEN, int backColour = 0);
// Width of the text in the current font; 0 for "".
int TextWidth(std::string_view text);
// Line height of the current font for a non-empty text; 0 for "".
int TextHeight(std::string_view text);
// Draws an image (by handle) at (x, y), scaled to w x h when both are nonzero. Images with an
// alpha channel (icons) are blended.
void DrawImage(int image, int x, int y, int w = 0, int h = 0);

// ---------------------------------------------------------------------------------------------
// Fonts
// ---------------------------------------------------------------------------------------------

inline constexpr int FONT_BOLD = 256;

// Loads a font: the family is resolved by fontconfig (an unknown family falls back to a sans
// font), size is in points at 96 dpi. Bitmap families take their nearest strike ("MS Sans
// Serif" 8 -> the 13-pixel strike). FONT_BOLD is synthesised when the family has no bold face.
// number is a font number of the caller's choice or ANY_NUMBER. Returns the font handle (the
// number, or a new one for ANY_NUMBER), 0 on failure.
int LoadFont(int number, std::string_view name, int size, int flags = 0);

// ---------------------------------------------------------------------------------------------
// Sprites: off-screen pictures blitted to the back buffer (outside drawing sessions too)
// ---------------------------------------------------------------------------------------------

// Loads a BMP file into sprite `number` (or a new one with ANY_NUMBER). Returns the new number
// for ANY_NUMBER, else nonzero on success; 0 for a missing or corrupt file.
int LoadSprite(int number, std::string_view file);
int SpriteExists(int number);
void ReleaseSprite(int number);
// Copies a rectangle of the back buffer into sprite `number` (replacing it) or a new sprite
// (ANY_NUMBER); parts outside the back buffer are black. Returns as LoadSprite.
int CaptureSprite(int number, int x, int y, int w, int h);
void BlitSprite(int number, int x, int y);
// As BlitSprite, but black pixels of the sprite are not copied.
void BlitSpriteKeyed(int number, int x, int y);
int SpriteWidth(int number);
int SpriteHeight(int number);

// ---------------------------------------------------------------------------------------------
// Images: pictures that can be drawn on (ImageTarget) and drawn with DrawImage (by handle)
// ---------------------------------------------------------------------------------------------

// Loads a BMP or ICO file. Returns the image handle, 0 on failure.
int LoadImage(int number, std::string_view file);
// A new opaque black picture. Returns the image number (new one for ANY_NUMBER, else `number`
// itself, which must then be nonzero); 0 on failure.
int CreateImage(int number, int width, int height);
// A new picture from 0xAABBGGRR pixels (row by row, width x height), with its alpha channel.
// Returns as CreateImage.
int CreateImageFromPixels(int number, int width, int height, const std::uint32_t* pixels);
// The picture of image `number` as target of BeginDrawing; 0 when it does not exist.
int ImageTarget(int number);
// Scales the picture to the new size (bilinear).
void ResizeImage(int number, int width, int height);
// The handle DrawImage takes; 0 when the image does not exist.
int ImageHandle(int number);
// Size of an image by handle; 0 when it does not exist.
int ImageWidth(int handle);
int ImageHeight(int handle);
void ReleaseImage(int number);

// ---------------------------------------------------------------------------------------------
// Keyboard and mouse. The examine operations read the device once; the queries return that.
// Keys are scan codes (set 1): 1 Escape, 2..11 digit row, 14 Backspace, 15 Tab, 16..27, 30..41,
// 43..53 letter rows, 28 Enter, 29/157 Ctrl, 42/54 Shift, 56/184 Alt, 57 Space, 71..83 keypad,
// 86 the key left of Z, 181 keypad divide, 199..211 navigation block.
// ---------------------------------------------------------------------------------------------

void PollKeyboard();
// Nonzero while the key is down (level); key -1 = any key.
int KeyPushed(int key);
// 1 in the frame (examination) in which a key that was down is first seen up, else 0.
int KeyReleased(int key);
// Caps Lock and Num Lock states of the operating system (or of the headless driver).
int CapsLockOn();
int NumLockOn();

void PollMouse();
// Within -COORDINATE_LIMIT .. COORDINATE_LIMIT, whatever the device delivered.
int MouseX();
int MouseY();
// Nonzero while button n (1 left, 2 right, 3 middle) is down.
int MouseButton(int n);
// Notches moved since the previous examination, positive away from the user.
int MouseWheel();
void SetMousePosition(int x, int y);

// ---------------------------------------------------------------------------------------------
// Clipboard. Texts are Windows-1252: the SDL device exchanges them with the system's clipboard
// as UTF-8 (characters Windows-1252 lacks arrive as '?'); the headless device keeps a clipboard
// of its own (services/headless.h). Without a screen there is no clipboard.
// ---------------------------------------------------------------------------------------------

// The clipboard's text; "" when it holds none or no screen is open.
std::string ClipboardText();
// Puts a text on the clipboard (up to a NUL byte, which ends a text there).
void SetClipboardText(std::string_view text);

// ---------------------------------------------------------------------------------------------
// Time and dates. A date is i32 seconds since 1970-01-01 00:00:00 of local civil time, computed
// with civil-date arithmetic (no time zone, no daylight saving).
// ---------------------------------------------------------------------------------------------

// Monotonic milliseconds.
std::uint32_t TickCount();
// Waits ms milliseconds (frame pacing); on the headless device it only advances the clock.
void Delay(int ms);
int DateNow();
// Out-of-range fields carry over (13th month = January of the next year); results beyond the
// i32 range are clamped to it.
int MakeDate(int year, int month, int day, int hour, int minute, int second);
int DateYear(int date);
int DateMonth(int date);
int DateDay(int date);
int DateHour(int date);
int DateMinute(int date);
int DateSecond(int date);
// 0 = Sunday .. 6 = Saturday.
int DateDayOfWeek(int date);
int DateAddDays(int date, int days);
// Replaces "%yyyy", "%yy", "%mm", "%dd", "%hh", "%ii", "%ss" (letters in either case) by the
// zero-padded fields; any other "%" stays as it is.
std::string FormatDate(std::string_view mask, int date);
// The German names the calendar shows, in Windows-1252: the full month name (1 = "Januar") and
// the two-letter weekday abbreviation (0 = "So" for Sunday .. 6 = "Sa"); "" out of range.
std::string_view MonthName(int month);
std::string_view WeekdayAbbreviation(int weekday);

// ---------------------------------------------------------------------------------------------
// Recording a session: what a program needs to write down a person's input frame by frame so
// that the headless device replays it to the same pixels (the demo runner's --record).
// ---------------------------------------------------------------------------------------------

// With frameMs > 0 time steps with the frames as on the headless device: TickCount is 0 now and
// advances by exactly frameMs at every ShowFrame, DateNow goes on from its value now at the same
// pace, and on a real display ShowFrame waits until frameMs have passed since the previous
// frame was shown. All the toolkit times (double clicks, auto-repeat, the caret's blink) then
// depend on the frames alone. 0 returns to the device's own clock.
void SetFrameClock(int frameMs);

// What an examination read (the first argument of an examine observer).
inline constexpr int EXAMINED_KEYBOARD = 1;  // PollKeyboard
inline constexpr int EXAMINED_MOUSE = 2;     // PollMouse
// Called after every examination of the open screen's device with what was examined and the
// number of ShowFrame calls since the screen was opened; the queries (KeyPushed, CapsLockOn,
// MouseX, MouseButton, MouseWheel) return what it read. An empty function removes it.
void SetExamineObserver(std::function<void(int examined, int frame)> observer);

// ---------------------------------------------------------------------------------------------
// Directories and files. Paths use "/"; texts are Windows-1252 and converted to the file
// system's UTF-8 here. The drives are the mounted file systems, "/" first.
// ---------------------------------------------------------------------------------------------

inline constexpr int ENTRY_FILE = 1;
inline constexpr int ENTRY_DIRECTORY = 2;

// Starts listing the entries of a directory matching pattern ("" = all; "*" and "?" wildcards,
// alternatives separated by ";", case ignored). "." and ".." are not listed. An entry whose kind
// cannot be read (a dangling link, a link loop) is a file.
// Returns the listing id (`number`, or a new one for ANY_NUMBER), 0 on failure.
int OpenListing(int number, std::string_view path, std::string_view pattern);
// Steps to the next entry; nonzero while one was read.
int NextListingEntry(int id);
std::string ListingEntryName(int id);
int ListingEntryKind(int id);
// 1 when the entry's name is its name on disk; 0 when characters Windows-1252 lacks (or bytes
// that are no UTF-8) were read as "?": such a name does not lead back to the entry.
int ListingEntryExact(int id);
void CloseListing(int id);

// One wildcard pattern against a name: "*" matches any run of bytes (none too), "?" exactly
// one, other bytes themselves ignoring ASCII case. Work at most name length x pattern length.
bool WildcardMatch(std::string_view pattern, std::string_view name);

// 0 when empty or holding a control character or one of " * / : < > ? \ |.
int IsValidFileName(std::string_view name);

// Drive kinds as the classic desktop numbered them.
inline constexpr int DRIVE_UNKNOWN = 0;
inline constexpr int DRIVE_NO_ROOT = 1;
inline constexpr int DRIVE_REMOVABLE = 2;
inline constexpr int DRIVE_FIXED = 3;
inline constexpr int DRIVE_REMOTE = 4;
inline constexpr int DRIVE_CDROM = 5;
inline constexpr int DRIVE_RAMDISK = 6;

// The roots of the mounted file systems that hold files, "/" first, each ending in "/".
std::vector<std::string> DriveRoots();
// Kind of the file system mounted at root; DRIVE_NO_ROOT when root is no mount point.
int DriveType(std::string_view root);
// Volume label of the file system at root, "" when it has none.
std::string DriveLabel(std::string_view root);

inline constexpr int ATTRIBUTE_READONLY = 0x1;
inline constexpr int ATTRIBUTE_HIDDEN = 0x2;
inline constexpr int ATTRIBUTE_DIRECTORY = 0x10;
inline constexpr int ATTRIBUTE_NORMAL = 0x80;

// Attribute bits; 0 for an empty path or nothing there. Read-only when no write permission bit
// is set; hidden for names starting with "."; ATTRIBUTE_NORMAL for a file with no other bit.
int FileAttributes(std::string_view path);
// Bytes; -1 when nothing is there, -2 for a directory or drive root.
std::int64_t FileSize(std::string_view path);
// 1 when the running user may write to what is at path (access(2): root may write a file
// without write permission bits, nobody may on a read-only file system); 0 otherwise or when
// nothing is there.
int FileWritable(std::string_view path);
// The user's home directory (HOME, else the user database) ending in "/"; "" when unknown or
// when its name has characters Windows-1252 lacks.
std::string HomeDirectory();

}  // namespace bevel
