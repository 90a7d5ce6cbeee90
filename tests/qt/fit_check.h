#pragma once

#include <QStringList>

class QLabel;
class QWidget;

namespace corvane::test {

// Every text that a window shows whole: captions, items, titles, locked
// values and the lines a box promises. Returns one line per text that does
// not fit its widget's contents rectangle, or a widget outside its parent.
QStringList TextsThatDoNotFit(QWidget* window);

// The window's title must fit its title bar with the window manager's icon
// and buttons beside it.
QStringList TitleThatDoesNotFit(QWidget* window);

// Texts of the window (title, captions, buttons, frames, hints, accessible
// names and descriptions) that a pseudo-translation left as they were:
// words that never passed through the translation. Entries and lists hold
// values, not words; the standard buttons of a message box are Qt's own.
QStringList Untranslated(QWidget* window);

// Word-wrapped labels whose wrapping leaves one word or sign alone on a line.
QStringList LoneWords(QWidget* window);
// The lines of each paragraph of a label as it wraps them at its width.
QList<QStringList> LinesShown(const QLabel* label);

// Framed widgets (entries, boxes, bordered labels, frames) whose border is
// not drawn whole along their bottom or right edge in the window's rendering.
QStringList CutBorders(QWidget* window);

} // namespace corvane::test
