// What the rules need from the world around them. The Qt window and the headless replay
// host each implement this; the rules never see anything else of the screen or the clock.
#pragma once

#include <cstdint>
#include <string>

namespace stonewick {

class Host {
 public:
  virtual ~Host() = default;

  // Shows the tile of `code` at cell (col, row) at once.
  virtual void DrawCell(int col, int row, std::int32_t code) = 0;
  // Label1 to Label6 of the main window.
  virtual void SetLabel(int label, const std::string& text) = 0;
  // Handles pending window events; key presses and timer events may run inside.
  virtual void ProcessMessages() = 0;

  virtual void InfoDialog(const std::string& message) = 0;
  // 'Y', 'N', 'C' or ' '.
  virtual char ConfirmDialog(const std::string& message) = 0;

  // Timer1, Timer2 and Timer3 are always switched together.
  virtual void SetTimersEnabled(bool enabled) = 0;
  virtual void SetTimer3Interval(std::int32_t ms) = 0;
  virtual std::int32_t Timer3Interval() const = 0;

  // Now as a date-time: days, with the time of day as the fraction.
  virtual double Now() = 0;
  // A time of day (a fraction of a day) in the system's long time format.
  virtual std::string LongTimeText(double time) = 0;
  // A clock reading that differs from run to run, for seeding the generator.
  virtual std::uint32_t ClockReading() = 0;
  virtual void PauseMs(std::int32_t ms) = 0;

  virtual std::string PauseCaption() const = 0;
  virtual void SetPauseCaption(const std::string& caption) = 0;
  virtual void SetSkipEnabled(bool enabled) = 0;
  virtual bool GlideChecked() const = 0;
  // Closes the main window, which ends the program.
  virtual void CloseMainWindow() = 0;
};

}  // namespace stonewick
