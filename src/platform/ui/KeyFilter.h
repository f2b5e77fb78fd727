#pragma once

class QWidget;

namespace platform::ui {

enum class EntryKeys {
    EnterAndQuote,  // Enter moves to the next field and the double quote is dropped
    EnterOnly,      // Enter moves to the next field
};

// The keyboard rule of the data-entry windows, seen before any control of `form`: Enter (either key)
// moves the focus to the next field in tab order and is dropped, so it never presses a default button;
// the double quote is dropped, from typed keys and from pasted text alike; control characters (tab,
// line feed, the other C0 codes, DEL) put into a single-line field are dropped in both rules. On a
// focused push button Enter presses that button.
void installEntryKeys(QWidget* form, EntryKeys keys = EntryKeys::EnterAndQuote);

// Removes every double quote from text that is about to be pasted into a field of such a window.
bool dropsQuotes(const QWidget* control);

}  // namespace platform::ui
