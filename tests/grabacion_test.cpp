// Saving under attack: a disk that refuses part of a save, a name that is
// taken however it is written, the owner and permissions of a replaced file,
// the remains of a save that was killed, names at the system's limit.
#include "bytes_prueba.h"
#include "core/archivo.h"
#include "core/archivo_seguro.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarvia;

namespace {

using prueba::Contenido;
using prueba::Guardar;

struct stat Estado(const QString& ruta)
{
    struct stat st {};
    EXPECT_EQ(::lstat(RutaNativa(ruta).constData(), &st), 0) << ruta.toStdString();
    return st;
}

// Every entry of a folder, hidden ones too.
QStringList Entradas(const QString& carpeta)
{
    return QDir(carpeta).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The system calls of the safe writer as the program has them, back after each test.
class Grabacion : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Calculo c;
    const LlamadasGrabacion originales = Llamadas();

    void SetUp() override
    {
        InicializarCalculo(c);
        ASSERT_EQ(LeerValores(QStringLiteral(TARVIA_TEST_DATA "/articulado_cp1252.trv"), c), FalloArchivo::Ninguno);
        c.Personal.C(7) = Valor(99000.0);
    }
    void TearDown() override { Llamadas() = originales; }
    QString Ruta(const QString& nombre) const { return dir.filePath(nombre); }
};

int FallaConEio(int) { return errno = EIO, -1; }
int PermisosQueFallan(int, mode_t) { return errno = EPERM, -1; }
int DuenoQueFalla(int, uid_t, gid_t) { return errno = EPERM, -1; }

} // namespace

// Each step of a save the disk may refuse without a full disk to show it: the
// file's own sync, the permissions and the owner copied to the new file (a
// 0600 file must not become 0644), and the folder's sync after the rename.
// Before the rename the old file keeps every byte; after it the save is not
// confirmed, so the calculation keeps its unsaved changes.
TEST_F(Grabacion, CadaPasoQueFallaSeDice)
{
    const struct {
        const char* paso;
        void (*romper)(LlamadasGrabacion&);
        FalloArchivo fallo;
        bool reemplazado;
    } casos[] = {
        {"sincronizar el archivo", [](LlamadasGrabacion& l) { l.sincronizar = FallaConEio; }, FalloArchivo::ErrorES,
         false},
        {"copiar los permisos", [](LlamadasGrabacion& l) { l.permisos = PermisosQueFallan; },
         FalloArchivo::AccesoDenegado, false},
        {"copiar el dueño", [](LlamadasGrabacion& l) { l.dueno = DuenoQueFalla; }, FalloArchivo::AccesoDenegado, false},
        {"sincronizar la carpeta", [](LlamadasGrabacion& l) { l.sincronizarCarpeta = FallaConEio; },
         FalloArchivo::SinConfirmar, true},
    };
    const bool root = ::geteuid() == 0;
    for (const auto& k : casos) {
        SCOPED_TRACE(k.paso);
        if (!root && k.romper == casos[2].romper)
            continue; // only root may save over someone else's file
        const QString ruta = Ruta("viejo.trv");
        Guardar(ruta, "viejo\r\n");
        ASSERT_EQ(::chmod(RutaNativa(ruta).constData(), 0600), 0);
        if (root) { // someone else's file, which only root may replace keeping its owner
            ASSERT_EQ(::chown(RutaNativa(ruta).constData(), 65534, 65534), 0);
        }
        const Calculo antes = c;
        k.romper(Llamadas());
        EXPECT_EQ(EscribirValores(ruta, c, QDate(2026, 1, 2)), k.fallo);
        Llamadas() = originales;
        EXPECT_EQ(Contenido(ruta) != "viejo\r\n", k.reemplazado);
        EXPECT_TRUE(antes.Grabado == c.Grabado) << "a save not confirmed keeps the changes unsaved";
        EXPECT_EQ(Estado(ruta).st_mode & 07777, 0600u);
        if (root) {
            EXPECT_EQ(Estado(ruta).st_uid, 65534u);
        }
        EXPECT_EQ(Entradas(dir.path()), QStringList{"viejo.trv"}) << "no temporary left";
    }
}

// A good save keeps the replaced file's permissions and owner.
TEST_F(Grabacion, ElArchivoReemplazadoConservaPermisosYDueno)
{
    const QString ruta = Ruta("privado.trv");
    Guardar(ruta, "viejo\r\n");
    ASSERT_EQ(::chmod(RutaNativa(ruta).constData(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(RutaNativa(ruta).constData(), 65534, 65534), 0);
    }
    ASSERT_EQ(EscribirValores(ruta, c, QDate(2026, 1, 2)), FalloArchivo::Ninguno);
    EXPECT_NE(Contenido(ruta), "viejo\r\n");
    EXPECT_EQ(Estado(ruta).st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(Estado(ruta).st_uid, 65534u);
        EXPECT_EQ(Estado(ruta).st_gid, 65534u);
    }
}

// A real full disk: a small memory disk filled to the last block. The old
// file keeps its bytes, nothing is left beside it, and the message says
// what happened and that the file is intact.
TEST_F(Grabacion, DiscoLlenoDeVerdad)
{
    const QString punto = Ruta("disco");
    ASSERT_TRUE(QDir().mkpath(punto));
    if (::mount("tarvia", RutaNativa(punto).constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "this machine does not let the test mount a small disk: " << std::strerror(errno);
    const QString ruta = punto + "/camion.trv";
    Guardar(ruta, "viejo\r\n");
    {
        // Fill what is left.
        QFile relleno(punto + "/relleno");
        ASSERT_TRUE(relleno.open(QIODevice::WriteOnly));
        const QByteArray bloque(4096, 'x');
        while (relleno.write(bloque) == bloque.size() && relleno.flush()) {
        }
    }
    const Calculo antes = c;
    const FalloArchivo fallo = EscribirValores(ruta, c, QDate(2026, 1, 2));
    const QStringList entradas = Entradas(punto);
    const QByteArray contenido = Contenido(ruta);
    const QString mensaje = MensajeEscritura(fallo, ruta);
    ::umount(RutaNativa(punto).constData());
    EXPECT_EQ(fallo, FalloArchivo::SinEspacio);
    EXPECT_EQ(mensaje, "No queda espacio en el disco: el archivo «" + ruta + "» no se ha modificado.");
    EXPECT_EQ(contenido, "viejo\r\n");
    EXPECT_EQ(entradas, (QStringList{"camion.trv", "relleno"}));
    EXPECT_TRUE(antes.Grabado == c.Grabado);
}

// "Guardar como" takes only a free name: an entry of that name, whatever it
// is, is never replaced, nor one that appears while the file is written.
TEST_F(Grabacion, UnArchivoNuevoNuncaReemplazaNada)
{
    Guardar(Ruta("otro.trv"), "otro\r\n");
    Guardar(Ruta(".oculto.trv"), "oculto\r\n");
    Guardar(Ruta("destino"), "destino\r\n");
    ASSERT_EQ(::symlink("destino", RutaNativa(Ruta("enlace.trv")).constData()), 0);
    ASSERT_EQ(::symlink("nada", RutaNativa(Ruta("roto.trv")).constData()), 0);
    const QStringList antes = Entradas(dir.path());
    for (const char* nombre : {"otro.trv", ".oculto.trv", "enlace.trv", "roto.trv"}) {
        SCOPED_TRACE(nombre);
        EXPECT_EQ(EscribirValores(Ruta(nombre), c, QDate(2026, 1, 2), ArchivoSeguro::Modo::Nuevo),
                  FalloArchivo::YaExiste);
    }
    EXPECT_EQ(Contenido(Ruta("otro.trv")), "otro\r\n");
    EXPECT_EQ(Contenido(Ruta(".oculto.trv")), "oculto\r\n");
    EXPECT_EQ(Contenido(Ruta("destino")), "destino\r\n");
    EXPECT_TRUE(S_ISLNK(Estado(Ruta("roto.trv")).st_mode));

    // The name is taken between the check and the last step.
    ArchivoSeguro archivo(Ruta("carrera.trv"), ArchivoSeguro::Modo::Nuevo);
    ASSERT_EQ(archivo.Abrir(), FalloArchivo::Ninguno);
    ASSERT_EQ(archivo.write("nuevo\r\n"), 7);
    Guardar(Ruta("carrera.trv"), "el otro\r\n");
    EXPECT_EQ(archivo.Confirmar(), FalloArchivo::YaExiste);
    EXPECT_EQ(Contenido(Ruta("carrera.trv")), "el otro\r\n");
    QStringList esperadas = antes + QStringList{"carrera.trv"};
    QStringList entradas = Entradas(dir.path());
    esperadas.sort();
    entradas.sort();
    EXPECT_EQ(entradas, esperadas) << "no temporary left";

    ASSERT_EQ(EscribirValores(Ruta("libre.trv"), c, QDate(2026, 1, 2), ArchivoSeguro::Modo::Nuevo),
              FalloArchivo::Ninguno);
    Calculo leido;
    InicializarCalculo(leido);
    EXPECT_EQ(LeerValores(Ruta("libre.trv"), leido), FalloArchivo::Ninguno);
    EXPECT_TRUE(leido.Personal == c.Personal);
}

// The reference data are read-only to every writer: a reference file by its
// name in any case or through a link named like a calculation, and anything
// in a protected folder or below it, by its own path or through a linked
// folder. Each is refused before a byte is written: the files keep their
// bytes and no name or temporary appears; a calculation beside them saves.
TEST_F(Grabacion, LosDatosDeReferenciaNoSeEscribenNunca)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Baremario/Viejos")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Mios")));
    Guardar(Ruta("Baremario/Furgoneta.brm"), "referencia\r\n");
    Guardar(Ruta("Baremario/Viejos/antiguo.trv"), "antiguo\r\n");
    Guardar(Ruta("Mios/Copia.BRM"), "copia\r\n");
    ASSERT_EQ(::symlink("Copia.BRM", RutaNativa(Ruta("Mios/enlace.trv")).constData()), 0);
    ASSERT_EQ(::symlink("../Baremario", RutaNativa(Ruta("Mios/atajo")).constData()), 0);
    ProtegerCarpeta(Ruta("Baremario"));
    const QDate fecha = c.Personal.Fecha;
    const QStringList antesBaremario = Entradas(Ruta("Baremario")), antesViejos = Entradas(Ruta("Baremario/Viejos")),
                      antesMios = Entradas(Ruta("Mios"));
    const struct {
        const char* nombre;
        ArchivoSeguro::Modo modo;
    } casos[] = {
        {"Mios/Copia.BRM", ArchivoSeguro::Modo::Reemplazar},  // the user's copy, by its name
        {"Mios/nuevo.brm", ArchivoSeguro::Modo::Nuevo},       // a new one, never created
        {"Mios/enlace.trv", ArchivoSeguro::Modo::Reemplazar}, // a calculation's name leading to one
        {"Baremario/Furgoneta.brm", ArchivoSeguro::Modo::Reemplazar},
        {"Baremario/Mio.trv", ArchivoSeguro::Modo::Nuevo},                 // a calculation in their folder
        {"Baremario/Viejos/antiguo.trv", ArchivoSeguro::Modo::Reemplazar}, // below it
        {"Mios/atajo/Mio.trv", ArchivoSeguro::Modo::Nuevo},                // through a linked folder
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.nombre);
        EXPECT_EQ(EscribirValores(Ruta(k.nombre), c, QDate(2026, 1, 2), k.modo), FalloArchivo::DatosDeReferencia);
        ArchivoSeguro pdf(Ruta(k.nombre)); // any other writer, a PDF or a CSV
        EXPECT_EQ(pdf.Abrir(), FalloArchivo::DatosDeReferencia);
    }
    EXPECT_EQ(Contenido(Ruta("Baremario/Furgoneta.brm")), "referencia\r\n");
    EXPECT_EQ(Contenido(Ruta("Baremario/Viejos/antiguo.trv")), "antiguo\r\n");
    EXPECT_EQ(Contenido(Ruta("Mios/Copia.BRM")), "copia\r\n");
    EXPECT_EQ(Entradas(Ruta("Baremario")), antesBaremario);
    EXPECT_EQ(Entradas(Ruta("Baremario/Viejos")), antesViejos);
    EXPECT_EQ(Entradas(Ruta("Mios")), antesMios);
    EXPECT_EQ(c.Personal.Fecha, fecha) << "a refused save leaves the calculation as it was";

    EXPECT_EQ(EscribirValores(Ruta("Mios/Furgoneta.trv"), c, QDate(2026, 1, 2), ArchivoSeguro::Modo::Nuevo),
              FalloArchivo::Ninguno);
    const QString aviso = MensajeEscritura(FalloArchivo::DatosDeReferencia, Ruta("Mios/Copia.BRM"));
    EXPECT_TRUE(aviso.startsWith("Los datos de referencia (los ficheros .brm y la carpeta Baremario) no se modifican: "
                                 "el archivo «" +
                                 Ruta("Mios/Copia.BRM") + "» no se ha modificado."))
        << aviso.toStdString();
    EXPECT_TRUE(aviso.endsWith("Grábelo con otro nombre, fuera de la carpeta Baremario."));
}

// A save killed after its temporary got a name leaves it beside the file; the
// next good save of that file removes it. A temporary whose save is still
// going (its lock held), one of another file and the user's own hidden files
// stay.
TEST_F(Grabacion, LosRestosDeUnaGrabacionInterrumpidaSeBorran)
{
    const QString ruta = Ruta("camion.trv");
    Guardar(ruta, "viejo\r\n");
    const QByteArray prefijo = PrefijoTemporal(RutaNativa(ruta));
    const QString muerto = Ruta(QString::fromUtf8(prefijo) + "abc.tmp");
    const QString vivo = Ruta(QString::fromUtf8(prefijo) + "def.tmp");
    const QString ajeno = Ruta(QString::fromUtf8(PrefijoTemporal(RutaNativa(Ruta("otro.trv")))) + "abc.tmp");
    for (const QString& r : {muerto, vivo, ajeno, Ruta(".mio.tmp")})
        Guardar(r, "a medias");

    // Another process holds the live one's lock, as a save in progress does.
    int tubo[2];
    ASSERT_EQ(::pipe(tubo), 0);
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        const int fd = ::open(RutaNativa(vivo).constData(), O_RDONLY);
        const char bloqueado = ::flock(fd, LOCK_EX) == 0 ? 'y' : 'n';
        (void)!::write(tubo[1], &bloqueado, 1);
        ::pause();
        _exit(0);
    }
    char listo = 0;
    ASSERT_EQ(::read(tubo[0], &listo, 1), 1);
    ASSERT_EQ(listo, 'y');

    ASSERT_EQ(EscribirValores(ruta, c, QDate(2026, 1, 2)), FalloArchivo::Ninguno);
    ::kill(hijo, SIGKILL);
    ::waitpid(hijo, nullptr, 0);
    ::close(tubo[0]);
    ::close(tubo[1]);
    EXPECT_FALSE(QFile::exists(muerto));
    EXPECT_TRUE(QFile::exists(vivo));
    EXPECT_TRUE(QFile::exists(ajeno));
    EXPECT_TRUE(QFile::exists(Ruta(".mio.tmp")));
}

// A name right at the system's limit saves, replaces and opens: the temporary
// beside it has a short name of its own.
TEST_F(Grabacion, NombresEnElLimiteDelSistema)
{
    for (const int largo : {NAME_MAX - 4, NAME_MAX - 14}) {
        const QString ruta = Ruta(QString(largo, u'n') + ".trv");
        SCOPED_TRACE(largo);
        ASSERT_EQ(EscribirValores(ruta, c, QDate(2026, 1, 2)), FalloArchivo::Ninguno);
        ASSERT_EQ(EscribirValores(ruta, c, QDate(2026, 1, 3)), FalloArchivo::Ninguno);
        Calculo leido;
        InicializarCalculo(leido);
        EXPECT_EQ(LeerValores(ruta, leido), FalloArchivo::Ninguno);
        EXPECT_EQ(leido.Personal.Fecha, QDate(2026, 1, 3));
    }
    EXPECT_EQ(EscribirValores(Ruta(QString(NAME_MAX - 3, u'n') + ".trv"), c, QDate(2026, 1, 2)),
              FalloArchivo::NombreNoValido);
}

// What each refusal of the disk is called, and what the user reads: the
// cause, and that the file that was there is intact (or that none was made).
TEST(MensajesDeEscritura, CausaYArchivoIntacto)
{
    QTemporaryDir dir;
    const QString existe = dir.filePath("existe.trv");
    Guardar(existe, "x");
    const QString nuevo = dir.filePath("nuevo.trv");
    const struct {
        int error;
        FalloArchivo fallo;
        QString causa;
    } casos[] = {
        {ENOSPC, FalloArchivo::SinEspacio, "No queda espacio en el disco"},
        {EFBIG, FalloArchivo::ErrorES, "Error de lectura o escritura en el disco"},
        {EDQUOT, FalloArchivo::CuotaExcedida, "Se ha superado la cuota de disco"},
        {EROFS, FalloArchivo::SoloLectura, "El disco es de solo lectura"},
        {EACCES, FalloArchivo::AccesoDenegado, "No tiene permiso para escribir ahí"},
        {EPERM, FalloArchivo::AccesoDenegado, "No tiene permiso para escribir ahí"},
        {EIO, FalloArchivo::ErrorES, "Error de lectura o escritura en el disco"},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.error);
        EXPECT_EQ(FalloDeEscritura(k.error, existe), k.fallo);
        EXPECT_EQ(MensajeEscritura(k.fallo, existe), k.causa + ": el archivo «" + existe + "» no se ha modificado.");
        EXPECT_EQ(MensajeEscritura(k.fallo, nuevo), k.causa + ": no se ha creado el archivo «" + nuevo + "».");
    }
    EXPECT_EQ(FalloDeEscritura(EEXIST, existe), FalloArchivo::YaExiste);
    EXPECT_EQ(MensajeEscritura(FalloArchivo::YaExiste, existe), "Este fichero ya existe.");
    EXPECT_EQ(FalloDeEscritura(ENOENT, dir.filePath("no/hay.trv")), FalloArchivo::DirectorioNoExiste);
    EXPECT_EQ(MensajeEscritura(FalloArchivo::DirectorioNoExiste, nuevo), "El subdirectorio no existe.");
    EXPECT_TRUE(MensajeEscritura(FalloArchivo::SinConfirmar, existe)
                    .startsWith("El disco no ha confirmado la grabación: puede que el archivo «" + existe));
    // A file that cannot be read is still "en mal estado"; one that could not be written never is.
    EXPECT_EQ(MensajeArchivo(FalloArchivo::MalEstado), "Archivo en mal estado.");
    EXPECT_EQ(MensajeArchivo(FalloArchivo::SinEspacio), "No queda espacio en el disco.");
}

// The name on a command line, by its bytes: a Latin-1 "café" stays itself.
TEST(LineaDeOrdenes, PrimerNombrePorSusBytes)
{
    const struct {
        std::vector<const char*> argumentos;
        QByteArray nombre;
    } casos[] = {
        {{"tarvia"}, ""},
        {{"tarvia", "caf\xe9.trv"}, "caf\xe9.trv"},
        {{"tarvia", "--algo", "a.trv", "b.trv"}, "a.trv"},
        {{"tarvia", "--", "-raro.trv"}, "-raro.trv"},
    };
    for (const auto& k : casos) {
        std::vector<char*> argv;
        for (const char* a : k.argumentos)
            argv.push_back(const_cast<char*>(a));
        const QString nombre = PrimerNombreDeLaLinea(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(RutaNativa(nombre), k.nombre);
    }
    const QString relativa = RutaDesdeNativa("caf\xe9.trv");
    EXPECT_EQ(RutaNativa(RutaAbsoluta(relativa)), QFile::encodeName(QDir::currentPath()) + "/caf\xe9.trv");
    EXPECT_EQ(RutaNativa(RutaAbsoluta(RutaDesdeNativa("/a/./b/../caf\xe9.trv"))), "/a/caf\xe9.trv");
}
