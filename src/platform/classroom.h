#pragma once
// The whole-class display: on a projector or an interactive whiteboard every screen is
// drawn larger, uniformly, so that the class can read it from the back of the room. The
// screens keep their layout in twips; only the drawing is scaled, by the window system's
// own scaling, so text and the board are drawn afresh at the larger size and the mouse is
// mapped back exactly.

#include <QSize>

namespace qm {

// The largest uniform scale at which an 800 × 600 screen and its title bar fit in the
// space the display offers (in pixels), in steps of 0.05; 1 when the display is no larger.
double classroomScale(QSize available);

// Whether the command line asks for the whole-class display ("--classroom").
bool classroomRequested(int argc, char** argv);

// Asks the window system for the available space before the program's application object
// exists, and sets the scale the application will draw at. Returns the scale set.
double prepareClassroomDisplay(int argc, char** argv);

}  // namespace qm
