// What the page's script (page_library.js and page.mjs) offers the C++ side. The C++ side
// calls it; the script never calls into the program, it only queues input for it to take.
#pragma once

#include <cstdint>

extern "C" {

// Lets the browser run for one turn of its event loop: input is queued, the canvas shows.
void page_yield();
// Lets the browser run until input is queued or a box is answered, or at most ms (-1: no
// limit); returns at once when input is already waiting.
void page_wait(int ms);
// The oldest queued input as its kind and two numbers (see InputKind); 0 when none.
int page_take_input(std::int32_t* fields);

// Now as a date-time: days since 1899-12-30 in local time, the time of day as the fraction.
double page_now_days();
// The seed of the hall's board of the day that every clock reading answers (?daily); -1 when
// the game is not on it.
double page_daily_seed();

// Copies the rectangle of the board's pixels (352 by 352, RGBA) onto the canvas.
void page_present(const std::uint32_t* pixels, int x, int y, int width, int height);
void page_set_icon(const std::uint32_t* pixels, int width, int height);
// A read-out: its caption in English with %1 standing for `number`, which the page words in
// the player's language.
void page_show_readout(int readout, const char* caption, const char* number);
// Whether play runs: the timers run and the player has not paused. A page hidden meanwhile
// pauses it with pause_command, the menu's Pause.
void page_set_play_running(int running, int pause_command);
// A menu command, its caption with '&' before its accelerator letter.
void page_add_command(int command, const char* caption, int visible);
void page_set_caption(int command, const char* caption);
void page_enable_command(int command, int enabled);

// Opens a message box at the pointer: 0 information with OK, 1 question with Yes, No and
// Cancel; `message` is the English the page's catalogue words it from. A modal box takes the keys
// and blocks the window; a box of a recording being watched does neither, and closes only by
// page_close_box. Returns the box's number.
int page_open_box(int question, const char* message, int modal);
void page_close_box(int box);
// 'Y', 'N', 'C' or ' ' (also OK) once the box is closed, 0 while it is open.
int page_box_answer(int box);
// The verdict on a recording watched, with OK, and with a button that answers 'D' to go to
// just before the first difference when `differs`. Returns the box's number.
int page_open_verdict(const char* verdict, int differs);

void page_show_about();
void page_hide_about();
// The Instructions window's text, once as the page opens; then the window shown on a pastel,
// or closed.
void page_set_instructions_text(const char* text);
void page_show_instructions(std::uint32_t rgb);
void page_hide_instructions();
// The main window closes, taking the About and Instructions windows with it.
void page_close();

// Whether the page's address asks for a recording of the game (?record).
int page_wants_recording();
// Now in local time as "yyyy-mm-dd hh:mm:ss", into text of size bytes.
void page_local_date(char* text, int size);
// The next lines of the recording, kept by the page; once it has ended, the page offers the
// player the file.
void page_record(const char* lines);
void page_recording_ended();
// A recording is to be watched: what was recorded of the game until now is offered to the
// player as it stands, and the recording starts anew.
void page_recording_restart();

// Whether the page's address names a recording to watch (?play=NAME), which the page fetches.
int page_will_watch();
// The recording the player opened (a button, a file dropped on the page, or ?play=NAME): its
// length in bytes, then its text and its name into buffers of those sizes.
int page_recording_length();
void page_take_recording(char* text, int size, char* name, int nameSize);
// Why the recording opened cannot be watched, in one line.
void page_refuse_recording(const char* why);
// While a recording plays, the keys steer it, in any window and box, and the playback bar
// shows where it stands (a JSON object: see PageHost::ShowWatching).
void page_set_watching(int watching);
void page_show_watching(const char* status);
// What every key does while a recording plays, in a box.
void page_show_watch_keys();

}  // extern "C"
