// Message boxes that open at the mouse cursor and carry the application title, and showing
// a window at the cursor. The modal boxes remember their anchor between calls.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>
#include <string>

class QMessageBox;
class QWidget;

namespace stonewick {

// Where the most recent modal box was anchored, and where the cursor was when it closed.
extern QPoint lastDialogPos;
extern QPoint lastClosePos;
// When not empty, the caption of every modal box, after one blank.
extern std::string dialogCaption;

// Start-up of the dialog state: both points at (0, 0) and no caption of its own.
void StartDialogs();

// The title derived from the executable's path: the file name cut at its first '.', its first
// character in capitals and the rest in lower case ("/usr/bin/stonewick" -> "Stonewick").
QString ApplicationTitleFromPath(const QString& path);
QString ApplicationTitle();

// Turns every '&' into "&&" so that a toolkit that reads '&' as an accelerator mark shows it;
// true when there was at least one.
bool DoubleAmpersands(std::string& message);

// The cursor position, or the last anchor when the cursor has not moved since the last box
// closed; it becomes the new anchor.
QPoint DialogAnchor();

// Where a window of the given size goes when its top-left corner is wanted at p: pulled back
// left and up so that it ends on the area's right and bottom edges when it would pass them.
// There is no lower bound: a point left of or above the area stays where it is.
QPoint ClampedTopLeft(QPoint p, QSize size, const QRect& area);
// The same, but never past the area's left and top edges: a window larger than the area keeps
// its title bar and menu on it and lets its right and bottom run over.
QPoint KeptOnArea(QPoint p, QSize size, const QRect& area);
// Moves the window's top-left corner to p, clamped to the primary screen's full size.
void ClampToScreen(QWidget& window, QPoint p);

// A modal information box with OK; returns when it is closed.
void InfoDialog(const std::string& message);
// A modal question with Yes, No and Cancel: 'Y', 'N', 'C' (also Esc and the close box) or ' '.
char ConfirmDialog(const std::string& message);

// The boxes of InfoDialog and ConfirmDialog, shown without waiting for an answer: a recording
// played back shows the boxes it met and closes them itself, with the answers it recorded.
std::unique_ptr<QMessageBox> OpenInfoBox(const std::string& message);
std::unique_ptr<QMessageBox> OpenQuestionBox(const std::string& message);
// Closes such a box, remembering where the pointer was as an answered box does.
void CloseOpenedBox(QMessageBox& box);

// Shows the window just below and right of the cursor, kept on the screen, not modal, and
// brings it to the front. The modal boxes' anchor is left alone.
void ShowAtCursor(QWidget& window);

}  // namespace stonewick
