// One look for every window: Qt's Fusion style with the program's palette
// and the "Arial" family, applied once at start-up.
#pragma once

class QApplication;

namespace norvela {

void AplicarEstilo(QApplication &app);

} // namespace norvela
