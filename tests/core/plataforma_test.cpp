// The single running instance against real processes: one that holds the
// name, one that died holding it, and locks that cannot be written at all.
#include "limite_escritura.h"
#include "plataforma.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace norvela;
using Resultado = InstanciaUnica::Resultado;

namespace {

// A first program, in a child process, that takes the name and holds it
// until it is killed without releasing it, as a crash would end it. Its
// pid, or -1 when it could not take the name.
pid_t Primera(const QString &nombre, const QString &carpeta)
{
    int canal[2];
    if (pipe(canal) != 0)
        return -1;
    const pid_t hijo = fork();
    if (hijo == 0) {
        InstanciaUnica primera(nombre, carpeta);
        const char tomada = primera.Adquirir() == Resultado::Propia ? 's' : 'n';
        if (write(canal[1], &tomada, 1) != 1)
            _exit(2);
        pause();
        _exit(0);
    }
    char tomada = 0;
    const bool bien = hijo > 0 && read(canal[0], &tomada, 1) == 1 && tomada == 's';
    close(canal[0]);
    close(canal[1]);
    return bien ? hijo : -1;
}

void Matar(pid_t hijo)
{
    kill(hijo, SIGKILL);
    waitpid(hijo, nullptr, 0);
}

} // namespace

TEST(SingleInstance, OnlyALiveHolderMeansAnotherCopyAndAnUnwritableLockSaysWhy)
{
    enum Antes { Nadie, Vivo, Muerto };
    struct Caso {
        const char *que;
        Antes primera;
        const char *carpeta;   // "fichero" is a file: no folder can be made below it
        bool discoLleno;
        Resultado esperado;
        int error;   // the system's reason, when the lock cannot be written
    };
    const Caso casos[] = {
        {"held by a running program", Vivo, "runtime", false, Resultado::OtraEnMarcha, 0},
        {"left by a program that died", Muerto, "runtime", false, Resultado::Propia, 0},
        {"in a folder that cannot be written", Nadie, "fichero/runtime", false, Resultado::SinCandado, ENOTDIR},
        {"on a full disk", Nadie, "runtime", true, Resultado::SinCandado, EFBIG},
        {"left by a program that died, on a full disk", Muerto, "runtime", true, Resultado::SinCandado, EFBIG},
    };
    const QString nombre = QStringLiteral("prueba-instancia.exe");
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.que);
        QTemporaryDir dir;
        QFile fichero(dir.filePath(QStringLiteral("fichero")));
        ASSERT_TRUE(fichero.open(QIODevice::WriteOnly));
        const QString carpeta = dir.filePath(QString::fromLatin1(c.carpeta));
        const pid_t primera = c.primera == Nadie ? 0 : Primera(nombre, carpeta);
        ASSERT_GE(primera, 0);
        if (c.primera == Muerto)
            Matar(primera);

        InstanciaUnica segunda(nombre, carpeta);
        std::optional<pruebas::LimiteEscritura> limite;
        if (c.discoLleno)
            limite.emplace();
        const Resultado r = segunda.Adquirir();
        limite.reset();
        if (c.primera == Vivo)
            Matar(primera);

        EXPECT_EQ(r, c.esperado);
        const QString ruta = QDir(carpeta).filePath(nombre + QStringLiteral(".lock"));
        const std::string motivo = c.error ? ruta.toStdString() + ": " + std::strerror(c.error) : std::string();
        EXPECT_EQ(segunda.Motivo().toStdString(), motivo);
        // Whoever holds the name keeps it against a later start.
        if (r == Resultado::Propia) {
            EXPECT_EQ(InstanciaUnica(nombre, carpeta).Adquirir(), Resultado::OtraEnMarcha);
        }
    }
}
