#pragma once
// The whole-class display: on a projector or an interactive whiteboard every screen is
// drawn larger, uniformly, so that the class can read it from the back of the room. The
// screens keep their layout in twips; only the drawing is scaled, by the window system's
// own scaling, so text and the board are drawn afresh at the larger size and the mouse is
// mapped back exactly. With several displays (a laptop and a projector as one extended
// desktop) each display has its own scale, and a screen is drawn at the scale of the display
// it is on.

#include <QByteArray>
#include <QList>
#include <QSize>

namespace qm {

// The largest uniform scale at which an 800 × 600 screen and its title bar fit in the
// space the display offers (in pixels), in steps of 0.05; 1 when the display is no larger.
double classroomScale(QSize available);

// Whether the command line asks for the whole-class display ("--classroom").
bool classroomRequested(int argc, char** argv);

// The scale of each display, in the window system's order, as the toolkit takes them
// ("1.00;1.70") when there are several, so that a screen on the laptop and a screen on the
// projector each fill their own display; empty with one display, which takes its scale alone.
QByteArray classroomScreenScales(const QList<QSize>& available);

// Asks the window system for the available space of every display before the program's
// application object exists, and sets the scale the application will draw at on each.
// Returns the scale of the primary display.
double prepareClassroomDisplay(int argc, char** argv);

}  // namespace qm
