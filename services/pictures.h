// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class QLabel;
class QWidget;

// How a picture file reaches a label, drawn for the density of the screen the
// label is on. The PNG decides: it is read anew at every use, so a file
// changed on disk shows at once, and where it cannot be read the label shows
// nothing; its size is the label's logical size. Only regular files are read,
// and a PNG larger than LARGEST_SIDE shows nothing, as a broken one does. At a
// device pixel ratio of 1 the label shows the PNG itself. At a ratio of 2 it
// shows the PNG's double beside it ("gazo/S01@2x.png"), drawn by the build at
// twice the size, if that is there and exactly twice the PNG's size: reading
// it costs far less than rendering the twin below. At any other ratio, or
// without the double, the label shows the PNG's vector twin beside it
// ("gazo/S01.svg") rendered at exactly the device size, or, if the twin is
// missing, empty or broken, the PNG scaled smoothly to it. Renderings are made
// when first needed and kept per file and ratio.
namespace Pictures {

// The widest or tallest PNG, in logical pixels, that a label takes: four
// times the height of a card, the tallest picture the game draws. A larger
// one counts as broken, so at a density of 3 no rendering of a picture
// exceeds 864 by 864 device pixels (3 MiB).
inline constexpr int LARGEST_SIDE = 288;

// Each label keeps the file of the picture it shows in this property, so the
// picture can be drawn anew for another density; empty once it is cleared.
inline constexpr char FILE_PROPERTY[] = "picture";

// Shows `file` on `label` for the label's current screen and remembers the
// file, so that the picture can be drawn anew when the screen changes.
void show(QLabel *label, const QString &file);

// The same, and cuts the label to the picture's outline in logical pixels,
// so the table shows around it.
void showCutOut(QLabel *label, const QString &file);

// Reads `files` for the primary screen's density, so that showing them on
// the first window costs little: done while another thread reads the fonts,
// the reading overlaps. The pictures are kept where show() looks first.
void readAhead(const QStringList &files);

// Empties `label` and forgets its file, so no change of screen brings the
// picture back.
void clear(QLabel *label);

// Draws the pictures on `window`'s labels anew whenever the window comes to a
// screen of another density. A label that has been cleared stays empty.
void followScreen(QWidget *window);

} // namespace Pictures
