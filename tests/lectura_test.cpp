// Bounded reading of whole files from real paths: pipes, devices, huge and
// unreadable files. A read that waits shows as this test hanging until
// CTest's timeout fails it.
#include "core/lectura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvia {
namespace {

constexpr qint64 kTope = 1024;

class Lecturas : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Ruta(const char* nombre) const { return dir.filePath(QString::fromLatin1(nombre)); }
    QByteArray Nativa(const char* nombre) const { return QFile::encodeName(Ruta(nombre)); }
    void Guardar(const char* nombre, const QByteArray& bytes, qint64 tamano = 0)
    {
        QFile f(Ruta(nombre));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
        if (tamano) { // sparse: costs no disk
            ASSERT_TRUE(f.resize(tamano));
        }
    }
};

// Each kind of path, by name and by reading; what reading gives back is the
// whole file or nothing.
TEST_F(Lecturas, CadaClaseDeRutaSinEsperarNiLeerAMedias)
{
    Guardar("corto", "uno\ndos\n");
    Guardar("vacio", {});
    Guardar("justo", QByteArray(kTope, 'x'));
    Guardar("un byte de mas", QByteArray(kTope + 1, 'x'));
    Guardar("300 MB", "2012-01-01\t9999-12-31\t0,10\t0,20\t0,30\n", qint64{300} << 20);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("carpeta")));
    ASSERT_EQ(mkfifo(Nativa("sin escritor"), 0644), 0);
    // A pipe whose writer holds it open and has written: a read would get
    // those bytes and then wait for more.
    ASSERT_EQ(mkfifo(Nativa("con escritor"), 0644), 0);
    const int escritor = ::open(Nativa("con escritor").constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(escritor, 0);
    ASSERT_EQ(::write(escritor, "hola\n", 5), 5);

    using F = FalloLectura;
    const struct {
        QString ruta;
        FalloLectura fallo;
        QByteArray bytes;
    } casos[] = {
        {Ruta("corto"), F::Ninguno, "uno\ndos\n"},
        {Ruta("vacio"), F::Ninguno, {}},
        {Ruta("justo"), F::Ninguno, QByteArray(kTope, 'x')},
        {Ruta("un byte de mas"), F::DemasiadoGrande, {}},
        {Ruta("300 MB"), F::DemasiadoGrande, {}},
        {Ruta("carpeta"), F::Carpeta, {}},
        {Ruta("sin escritor"), F::NoEsFichero, {}},
        {Ruta("con escritor"), F::NoEsFichero, {}},
        {QStringLiteral("/dev/zero"), F::NoEsFichero, {}}, // endless
        {QStringLiteral("/dev/null"), F::NoEsFichero, {}},
        {Ruta("no existe"), F::NoEncontrado, {}},
        {Ruta("corto/dentro"), F::DirectorioNoExiste, {}},
        {QString(), F::NombreNoValido, {}},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.ruta.toStdString());
        EXPECT_EQ(ComprobarFichero(k.ruta, kTope), k.fallo);
        const Lectura l = LeerFicheroAcotado(k.ruta, kTope);
        EXPECT_EQ(l.fallo, k.fallo);
        EXPECT_EQ(l.bytes, k.bytes);
    }
    ::close(escritor);

    // A reader that stops where its data end gets the beginning and one byte
    // more, so that it can tell; a pipe is refused all the same.
    const Lectura principio = LeerFicheroAcotado(Ruta("300 MB"), kTope, Exceso::Principio);
    EXPECT_EQ(principio.fallo, FalloLectura::Ninguno);
    EXPECT_EQ(principio.bytes.size(), kTope + 1);
    EXPECT_TRUE(principio.bytes.startsWith("2012-01-01\t"));
    EXPECT_EQ(LeerFicheroAcotado(Ruta("sin escritor"), kTope, Exceso::Principio).fallo, FalloLectura::NoEsFichero);
}

// A file that says it has no size (the kernel's own) is read up to the
// limit and refused past it.
TEST_F(Lecturas, FicheroSinTamanoSeCortaEnElLimite)
{
    const QString ruta = QStringLiteral("/proc/self/maps");
    ASSERT_EQ(QFileInfo(ruta).size(), 0);
    const Lectura entero = LeerFicheroAcotado(ruta, qint64{1} << 20);
    ASSERT_EQ(entero.fallo, FalloLectura::Ninguno);
    EXPECT_GT(entero.bytes.size(), 16);
    EXPECT_EQ(LeerFicheroAcotado(ruta, 16).fallo, FalloLectura::DemasiadoGrande);
}

// Not allowed to read: refused on opening. Checking by name alone does not
// open it, so it lets the library that opens it say so.
TEST_F(Lecturas, FicheroSinPermisoDeLectura)
{
    Guardar("ilegible", "x");
    ASSERT_EQ(chmod(Nativa("ilegible").constData(), 0), 0);
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const auto comoOtro = [&](auto accion) {
        if (geteuid() != 0)
            return static_cast<int>(accion());
        const pid_t hijo = fork();
        if (hijo == 0)
            _exit(setgid(65534) == 0 && setuid(65534) == 0 ? static_cast<int>(accion()) : 100);
        int estado = 0;
        return waitpid(hijo, &estado, 0) == hijo && WIFEXITED(estado) ? WEXITSTATUS(estado) : 100;
    };
    EXPECT_EQ(comoOtro([&] { return LeerFicheroAcotado(Ruta("ilegible"), kTope).fallo; }),
              static_cast<int>(FalloLectura::AccesoDenegado));
    EXPECT_EQ(comoOtro([&] { return ComprobarFichero(Ruta("ilegible"), kTope); }),
              static_cast<int>(FalloLectura::Ninguno));
}

TEST(MensajeLectura, UnaFrasePorFallo)
{
    const QString sujeto = QStringLiteral("el fichero de índices de repercusión");
    const struct {
        FalloLectura fallo;
        qint64 tope;
        const char* texto;
    } casos[] = {
        {FalloLectura::Ninguno, 1, ""},
        {FalloLectura::NoEncontrado, 1, "No se encuentra el fichero de índices de repercusión."},
        {FalloLectura::DirectorioNoExiste, 1, "No se encuentra el fichero de índices de repercusión."},
        {FalloLectura::NombreNoValido, 1, "El fichero de índices de repercusión no tiene un nombre válido."},
        {FalloLectura::AccesoDenegado, 1, "No tiene permiso para leer el fichero de índices de repercusión."},
        {FalloLectura::Carpeta, 1, "El fichero de índices de repercusión es una carpeta, no un fichero."},
        {FalloLectura::NoEsFichero, 1, "El fichero de índices de repercusión no es un fichero normal."},
        {FalloLectura::DemasiadoGrande, kTopeIndices,
         "El fichero de índices de repercusión es demasiado grande (más de 256 KB)."},
        {FalloLectura::DemasiadoGrande, kTopeAjustes,
         "El fichero de índices de repercusión es demasiado grande (más de 1 MB)."},
        {FalloLectura::ErrorDeLectura, 1, "No se ha podido leer el fichero de índices de repercusión."},
    };
    for (const auto& k : casos)
        EXPECT_EQ(MensajeLectura(k.fallo, sujeto, k.tope), QString::fromUtf8(k.texto));
}

} // namespace
} // namespace tarvia
