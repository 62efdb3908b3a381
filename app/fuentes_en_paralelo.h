// The font configuration, read on a thread of its own while the application
// object connects to the window system: the first caption drawn then finds
// it ready instead of reading it then (several milliseconds of start-up,
// which the connection's waits hide).
#pragma once

#include <thread>

namespace norvela {

class FuentesEnParalelo {
public:
    FuentesEnParalelo();
    ~FuentesEnParalelo() { Esperar(); }
    // Waits for the thread, if it is still reading: the application object
    // waits before it goes, since Qt lets the configuration go with it.
    void Esperar();
    FuentesEnParalelo(const FuentesEnParalelo &) = delete;
    FuentesEnParalelo &operator=(const FuentesEnParalelo &) = delete;

private:
    std::thread hilo_;
};

} // namespace norvela
