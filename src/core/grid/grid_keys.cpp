// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/grid_keys.h"

#include <algorithm>

int VirtualKeyCode(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VirtualKey::Enter;
    case Qt::Key_PageUp:
        return VirtualKey::PageUp;
    case Qt::Key_PageDown:
        return VirtualKey::PageDown;
    case Qt::Key_End:
        return VirtualKey::End;
    case Qt::Key_Home:
        return VirtualKey::Home;
    case Qt::Key_Left:
        return VirtualKey::Left;
    case Qt::Key_Up:
        return VirtualKey::Up;
    case Qt::Key_Right:
        return VirtualKey::Right;
    case Qt::Key_Down:
        return VirtualKey::Down;
    case Qt::Key_Delete:
        return VirtualKey::Delete;
    default:
        return 0;
    }
}

int ModifierMask(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? ShiftMask : 0) |
           (modifiers & Qt::ControlModifier ? CtrlMask : 0) | (modifiers & Qt::AltModifier ? AltMask : 0);
}

GridBars GridKeyEffect(int keyCode, int mask, GridBars bars, int drawCount) {
    switch (keyCode) {
    case VirtualKey::Up:
        if (bars.vertical > 1)
            --bars.vertical;
        break;
    case VirtualKey::Down:
        if (bars.vertical < drawCount)
            ++bars.vertical;
        break;
    case VirtualKey::PageUp:
        bars.vertical = std::max(bars.vertical - GridPageStep, 1);
        break;
    case VirtualKey::PageDown:
        bars.vertical = std::min(bars.vertical + GridPageStep, drawCount);
        break;
    case VirtualKey::Left:
        if (bars.horizontal > 1)
            --bars.horizontal;
        break;
    case VirtualKey::Right:
        if (bars.horizontal < 11)
            ++bars.horizontal;
        break;
    case VirtualKey::Home:
        if (mask == 0)
            bars.horizontal = 1;
        else if (mask == CtrlMask)
            bars.vertical = 1;
        break;
    case VirtualKey::End:
        if (mask == 0)
            bars.horizontal = 11;
        else if (mask == CtrlMask)
            bars.vertical = drawCount;
        break;
    default:
        break;
    }
    return bars;
}
