// The single running instance against real processes: one that holds the
// name, and one that died holding it.
#include "plataforma.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace norvela;

TEST(SingleInstance, ALiveHolderRefusesAndACrashedOnesLockIsTakenOver)
{
    const QString nombre = QStringLiteral("prueba-instancia-%1.exe").arg(getpid());
    int alPadre[2];
    int alHijo[2];
    ASSERT_EQ(pipe(alPadre), 0);
    ASSERT_EQ(pipe(alHijo), 0);
    const pid_t hijo = fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        // The first program: takes the name, waits, then dies without
        // releasing it, as a crash would.
        InstanciaUnica primera(nombre);
        const char tomada = primera.Adquirir() ? 's' : 'n';
        if (write(alPadre[1], &tomada, 1) != 1)
            _exit(2);
        char seguir = 0;
        if (read(alHijo[0], &seguir, 1) != 1)
            _exit(2);
        raise(SIGKILL);
        _exit(3);
    }
    char tomada = 0;
    ASSERT_EQ(read(alPadre[0], &tomada, 1), 1);
    ASSERT_EQ(tomada, 's');
    {
        InstanciaUnica segunda(nombre);
        EXPECT_FALSE(segunda.Adquirir()) << "a running first instance must keep the name";
    }
    ASSERT_EQ(write(alHijo[1], "x", 1), 1);
    int estado = 0;
    ASSERT_EQ(waitpid(hijo, &estado, 0), hijo);
    ASSERT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == SIGKILL);

    InstanciaUnica tras(nombre);
    EXPECT_TRUE(tras.Adquirir()) << "the lock of a program that died must not block the next start";
    InstanciaUnica otra(nombre);
    EXPECT_FALSE(otra.Adquirir());
    for (int fd : {alPadre[0], alPadre[1], alHijo[0], alHijo[1]})
        close(fd);
}
