#include "qt/text/key_codes.h"

#include <array>
#include <utility>

namespace ormane::qt {

namespace {

constexpr std::array<std::pair<int, std::int16_t>, 32> kNamedKeys{{
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},         {Qt::Key_Backtab, 9},
    {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},      {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},        {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},     {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34},   {Qt::Key_End, 35},
    {Qt::Key_Home, 36},     {Qt::Key_Left, 37},       {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},    {Qt::Key_Down, 40},       {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},   {Qt::Key_Meta, 91},       {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144}, {Qt::Key_Semicolon, 186}, {Qt::Key_Equal, 187},
    {Qt::Key_Comma, 188},   {Qt::Key_Minus, 189},     {Qt::Key_Period, 190},
    {Qt::Key_Slash, 191},   {Qt::Key_Asterisk, 106},
}};

// The numeric keypad has codes of its own.
std::int16_t keypadCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<std::int16_t>(96 + key - Qt::Key_0);
    switch (key) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 110;
        case Qt::Key_Slash:
            return 111;
        case Qt::Key_Enter:
            return 13;
        default:
            return -1;
    }
}

}  // namespace

std::int16_t keyCode(const QKeyEvent& event) {
    int key = event.key();
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        std::int16_t code = keypadCode(key);
        if (code >= 0) return code;
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return static_cast<std::int16_t>(key);  // Qt uses the same ASCII codes
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return static_cast<std::int16_t>(112 + key - Qt::Key_F1);
    }
    for (const auto& [qtKey, code] : kNamedKeys) {
        if (qtKey == key) return code;
    }
    return 0;
}

std::int16_t shiftState(Qt::KeyboardModifiers modifiers) {
    std::int16_t state = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) state |= 1;
    if (modifiers.testFlag(Qt::ControlModifier)) state |= 2;
    if (modifiers.testFlag(Qt::AltModifier)) state |= 4;
    return state;
}

}  // namespace ormane::qt
