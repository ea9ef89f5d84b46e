#pragma once
// What screen readers and other accessibility tools learn of the controls: a label is
// static text named by its caption (or the words it is given to be spoken), a label the
// pupil clicks or drags a button, a caption spoken as it appears a notification, a button
// a push button named by its caption or face, an option a radio button that says whether
// it is selected, a picture a graphic. A control the keys can reach now says it can take
// the focus.

namespace qm {

// Makes the controls known to the accessibility tools; call once after the application
// object exists.
void installAccessibility();

}  // namespace qm
