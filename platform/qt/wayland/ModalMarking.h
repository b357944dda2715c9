#pragma once
// Boxes marked modal for the compositor, through GNOME's gtk_shell1.
class QWindow;

// Asks the compositor to treat pBox, a transient window about to be shown,
// as its parent's modal box: mutter then centres it over the parent, where it would
// otherwise place it as a new window (at the screen's top-left). Nothing
// where the compositor offers no such request; others centre transients.
void MarkModal(QWindow* pBox);
