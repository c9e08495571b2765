#pragma once
// What assistive tools see beyond Qt's own: a press action on the clickable labels (the grid's
// cells), the grid's keyboard cursor with the cell it stands on, and labels whose name says
// what they show ("Idő: 03:12") and whose changes are announced.
#include <QString>
#include <functional>

class QAccessibleEvent;
class QLabel;
class QWidget;

namespace kvadrix::app {

// Once per program, before the window is built.
void InstallAccessibles();

// The label's accessible name becomes "<what>: <its text>", kept current without an event of
// its own at each change; AnnounceLabel tells the screen reader when a change is worth saying.
void MakeLiveLabel(QLabel* label, const QString& what);
void AnnounceLabel(QLabel* label);

// The window's own events for assistive tools (the cursor's focus, the announcements) go to Qt,
// which drops them while no screen reader bridge runs; a listener, if one is set, hears each
// of them first, whether or not Qt passes it on.
using AccessibleEventListener = std::function<void(QAccessibleEvent* event)>;
void SetAccessibleEventListener(AccessibleEventListener listener);
void SendAccessibleEvent(QAccessibleEvent* event);

// A cell the keyboard cursor stands on reports focus while the cursor's widget has it.
void SetCursorCell(QWidget* cell, bool focused);

}  // namespace kvadrix::app
