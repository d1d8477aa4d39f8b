// The program's icon for the main window and its dialogs: the hand-held radio of the desktop
// entry's icon (packaging/m742.svg), drawn here so that no image plug-in is needed.
#pragma once

#include <QIcon>

namespace m742 {

QIcon ProgramIcon();

}  // namespace m742
