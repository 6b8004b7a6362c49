// Answers a dialog whose window another program has destroyed, so that nothing waits on a
// dialog that is not on screen.
#pragma once

class QDialog;
class QWidget;

// From now on, while the dialog is shown, the loss of its native window rejects it: at once when
// Qt destroys the window, and within a second when the window system loses it.
void RejectWhenWindowIsLost(QDialog* dialog);

// Whether the dialog lost its window that way; it must not be shown again.
bool WindowWasLost(const QDialog* dialog);

// Whether the window system still has the widget's native window; true where it cannot tell.
bool NativeWindowExists(QWidget* widget);
