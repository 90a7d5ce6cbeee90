#pragma once

#include <QStringList>

class QWidget;

namespace corvane::test {

// Every text that a window shows whole: captions, items, titles, locked
// values and the lines a box promises. Returns one line per text that does
// not fit its widget's contents rectangle, or a widget outside its parent.
QStringList TextsThatDoNotFit(QWidget* window);

// The window's title must fit its title bar with the window manager's icon
// and buttons beside it.
QStringList TitleThatDoesNotFit(QWidget* window);

} // namespace corvane::test
