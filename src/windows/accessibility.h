#pragma once

class QApplication;
class QComboBox;
class QTabWidget;

// What Qt 6.4 leaves unsaid to a screen reader, said by the program itself.
namespace accessibility {

// For the whole application: a panel without a caption is no frame of its own to a
// screen reader, and a text box is spoken on its first visit too, and once, its text
// whole, when it holds text.
void install(QApplication &app);

// A drop-down list says its current item through its description; Up or Down focuses the new one in its list.
void reportCurrentItem(QComboBox *list);

// Ctrl+Tab and Ctrl+PageDown (with Shift, Ctrl+PageUp: back) switch the tabs from
// anywhere in the tabs' window, not only from their tab strip.
void switchTabsFromWindow(QTabWidget *tabs);

// A screen reader keeps the controls of a page built hidden as not showing, and skips
// them; they are told anew each time their page comes up.
void refreshPagesAsShown(QTabWidget *tabs);

} // namespace accessibility
