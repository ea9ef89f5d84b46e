#pragma once
// What screen readers and other accessibility tools learn of the controls: a label is
// static text named by its caption, a button a push button named by its caption or face,
// an option a radio button that says whether it is selected, a picture a graphic.

namespace qm {

// Makes the controls known to the accessibility tools; call once after the application
// object exists.
void installAccessibility();

}  // namespace qm
