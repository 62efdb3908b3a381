// While alive, every file write past a few bytes fails, even for root: the
// way tests make a save fail on a disk they can otherwise write.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace norvela::pruebas {

class LimiteEscritura {
public:
    LimiteEscritura()
    {
        getrlimit(RLIMIT_FSIZE, &antes_);
        anterior_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = antes_;
        r.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~LimiteEscritura()
    {
        setrlimit(RLIMIT_FSIZE, &antes_);
        std::signal(SIGXFSZ, anterior_);
    }
    LimiteEscritura(const LimiteEscritura &) = delete;
    LimiteEscritura &operator=(const LimiteEscritura &) = delete;

private:
    rlimit antes_{};
    void (*anterior_)(int) = nullptr;
};

} // namespace norvela::pruebas
