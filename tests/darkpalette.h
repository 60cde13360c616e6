#pragma once

// A dark desktop's palette, as GNOME's and KDE Plasma's dark themes give one:
// what the layout test and the screenshot of the dark window use.

#include <QColor>
#include <QPalette>

#include <utility>

inline QPalette darkPalette()
{
    QPalette dark;
    for (const auto &[role, colour] : {std::pair{QPalette::Window, QColor(0x24, 0x24, 0x24)},
                                       {QPalette::WindowText, QColor(0xee, 0xee, 0xee)},
                                       {QPalette::Base, QColor(0x1c, 0x1c, 0x1c)},
                                       {QPalette::AlternateBase, QColor(0x2c, 0x2c, 0x2c)},
                                       {QPalette::Text, QColor(0xee, 0xee, 0xee)},
                                       {QPalette::Button, QColor(0x33, 0x33, 0x33)},
                                       {QPalette::ButtonText, QColor(0xee, 0xee, 0xee)},
                                       {QPalette::PlaceholderText, QColor(0x99, 0x99, 0x99)},
                                       {QPalette::Highlight, QColor(0x35, 0x84, 0xe4)}})
        dark.setColor(role, colour);
    return dark;
}
