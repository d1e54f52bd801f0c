// The key code and shift state that the program's key-release handlers receive, from a Qt
// key event: the codes of the classic desktop key set (letters and digits as their
// upper-case ASCII code, 37..40 the arrows, 112.. the function keys...), shift state
// 1 Shift + 2 Ctrl + 4 Alt. Keys without a code give 0.
#pragma once

#include <QKeyEvent>
#include <cstdint>

namespace ormane::qt {

std::int16_t keyCode(const QKeyEvent& event);
std::int16_t shiftState(Qt::KeyboardModifiers modifiers);

}  // namespace ormane::qt
