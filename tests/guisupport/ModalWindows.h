#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace GuiTest {

// Runs open, which shows a window modally and returns once it has closed.
// While it runs, waits until the window on top is of class window (any
// class when window is empty), has stayed on top for a few polls, and its
// focused control is named focus (any control when focus is empty), or
// five seconds have passed; then calls look with the window on top and rejects
// every modal window above keep (all of them when keep is null), from the
// inside out. Returns the class of the window that was on top.
QString WhenOnTop(const std::function<void()>& open, const QString& window,
                  const std::function<void(QWidget* top)>& look, const QString& focus = {},
                  QWidget* keep = nullptr);

} // namespace GuiTest
