#pragma once

// Tells Qt's accessibility what our own widgets are, so that screen readers
// hear a switch as a check box, a panel header as a button that expands, a
// clickable label as a link or button, and a drop-down by the name it is
// given; each of our widgets' constructors and the naming of a control call
// it, the first call installs it.
void InstallAccessibleWidgets();
