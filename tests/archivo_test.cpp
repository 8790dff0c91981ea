#include "bytes_prueba.h"
#include "core/archivo.h"
#include "core/archivo_bytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cfloat>
#include <clocale>
#include <csignal>
#include <functional>
#include <random>

using namespace tarvia;
namespace ar = tarvia::archivo;
using Clase = ar::ValorArchivo::Clase;

namespace {

QString Dato(const char* nombre) { return QStringLiteral(TARVIA_TEST_DATA "/") + nombre; }

using prueba::Contenido;
using prueba::Guardar;

QList<QByteArray> Lineas(const QByteArray& bytes)
{
    QList<QByteArray> l = bytes.split('\n');
    if (!l.isEmpty() && l.back().isEmpty())
        l.pop_back();
    for (QByteArray& x : l)
        if (x.endsWith('\r'))
            x.chop(1);
    return l;
}

QByteArray Unir(const QList<QByteArray>& lineas) { return lineas.join("\r\n") + "\r\n"; }

// The reference fixture with line n (one-based) replaced.
QByteArray ConLinea(int n, const QByteArray& nueva)
{
    QList<QByteArray> l = Lineas(Contenido(Dato("articulado_cp1252.trv")));
    l[n - 1] = nueva;
    return Unir(l);
}

Calculo Nuevo()
{
    Calculo c;
    InicializarCalculo(c);
    return c;
}

void EsperarIntacto(const Calculo& antes, const Calculo& ahora)
{
    EXPECT_TRUE(antes.Personal == ahora.Personal);
    EXPECT_TRUE(antes.Referencia == ahora.Referencia);
    EXPECT_TRUE(antes.Grabado == ahora.Grabado);
}

class Archivo : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Ruta(const QString& nombre) const { return dir.filePath(nombre); }
    // A calculation loaded from the fixture, with a personal edit on top.
    Calculo Cargado()
    {
        Calculo c = Nuevo();
        EXPECT_EQ(LeerValores(Dato("articulado_cp1252.trv"), c), FalloArchivo::Ninguno);
        c.Personal.C(7) = Valor(99000.0);
        return c;
    }
};

} // namespace

// --- Reading ------------------------------------------------------------

TEST_F(Archivo, CargaAmbasColumnasYCopiaLaPersonalEnGrabado)
{
    Calculo c = Nuevo();
    ASSERT_EQ(LeerValores(Dato("articulado_cp1252.trv"), c), FalloArchivo::Ninguno);
    EXPECT_EQ(c.Personal.C(1), Valor(QStringLiteral("Vehículo articulado de carga general")));
    EXPECT_EQ(c.Personal.C(6), Valor(QStringLiteral("Explotación nacional, 1,5 € por km")));
    EXPECT_EQ(c.Personal.C(19), Valor(19.5));
    EXPECT_EQ(c.Personal.F1(1), Valor(false));
    EXPECT_EQ(c.Referencia.F1(1), Valor(true));
    EXPECT_EQ(c.Referencia.C(1), Valor(QStringLiteral("Articulado carga general (año base)")));
    EXPECT_EQ(c.Personal.Fecha, QDate(2025, 11, 3));
    EXPECT_EQ(c.Referencia.Fecha, QDate(2024, 1, 15));
    EXPECT_TRUE(c.Personal.C(9).esVacio()); // derived fields are not in the file
    EXPECT_TRUE(c.Personal == c.Grabado);   // the date included
    EXPECT_EQ(c.Grabado.Fecha, c.Personal.Fecha);
    EXPECT_FALSE(HayCambios(c));
}

// Files that are odd but readable: one line of the fixture changed, or what
// follows its last line. How a line reads is ArchivoBytes.LeerValorDeUnaLinea's;
// here, what it becomes in the calculation.
TEST_F(Archivo, RarezasQueSeAceptan)
{
    const QByteArray fijo = Contenido(Dato("articulado_cp1252.trv"));
    const QByteArray largo = '"' + QByteArray(ar::kLargoMaximoTexto, 'x') + '"';
    const struct {
        const char* caso;
        QByteArray bytes;
        int linea; // C(3) is line 3, C(1) line 1
        Valor esperado;
        qint64 tamano = 0; // sparse, when not 0
    } casos[] = {
        {"demasiado grande: texto", ConLinea(3, "1e999"), 3, Valor("1e999")},
        {"vacio", ConLinea(3, ""), 3, Valor()},
        {"una fecha", ConLinea(3, "#2020-02-29#"), 3, Valor(QDate(2020, 2, 29))},
        {"el texto mas largo", ConLinea(1, largo), 1, Valor(QString(ar::kLargoMaximoTexto, u'x'))},
        {"sin fin de linea tras la ultima", fijo.chopped(2), 3, Valor(40000.0)},
        {"100 MB tras las 256 lineas: la lectura para antes", fijo + "basura", 3, Valor(40000.0), 100 << 20},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.caso);
        Guardar(Ruta("raro.trv"), k.bytes);
        if (k.tamano) {
            ASSERT_TRUE(QFile::resize(Ruta("raro.trv"), k.tamano));
        }
        Calculo c = Nuevo();
        ASSERT_EQ(LeerValores(Ruta("raro.trv"), c), FalloArchivo::Ninguno);
        EXPECT_EQ(k.linea == 1 ? c.Personal.C(1) : c.Personal.C(3), k.esperado);
        EXPECT_EQ(c.Referencia.Fecha, QDate(2024, 1, 15)); // the last line
    }
}

// The same calculation saved in UTF-8 with LF ends, with or without a
// byte-order mark, reads as the Windows-1252 fixture with CR LF.
TEST_F(Archivo, Utf8ConOSinMarcaLeeLoMismoQueWindows1252)
{
    const QByteArray utf8 = Contenido(Dato("articulado_utf8_lf.trv"));
    Calculo cp1252 = Nuevo();
    ASSERT_EQ(LeerValores(Dato("articulado_cp1252.trv"), cp1252), FalloArchivo::Ninguno);
    for (const QByteArray& bytes : {utf8, "\xEF\xBB\xBF" + utf8}) {
        Guardar(Ruta("utf8.trv"), bytes);
        Calculo c = Nuevo();
        ASSERT_EQ(LeerValores(Ruta("utf8.trv"), c), FalloArchivo::Ninguno);
        EsperarIntacto(cp1252, c);
    }
}

// Refused files: MalEstado, and the calculation stays exactly as it was.
TEST_F(Archivo, ArchivosRechazadosNoTocanElCalculo)
{
    const QList<QByteArray> todas = Lineas(Contenido(Dato("articulado_cp1252.trv")));
    std::mt19937 azar(7);
    QByteArray basura(1 << 16, '\0');
    for (char& b : basura)
        b = static_cast<char>(azar());
    const struct {
        const char* caso;
        QByteArray bytes;
        qint64 tamano = 0; // sparse, when not 0
    } casos[] = {
        {"200 lineas", Unir(todas.mid(0, 200))},
        {"255 lineas", Unir(todas.mid(0, 255))},
        {"vacio", {}},
        {"fecha personal sin #", ConLinea(128, "2025-11-03")},
        {"fecha de referencia logica", ConLinea(256, "#TRUE#")},
        {"fecha de referencia vacia", ConLinea(256, "")},
        {"fecha imposible", ConLinea(128, "#2025-02-30#")},
        {"# sin fecha en un valor", ConLinea(10, "#hola#")},
        {"basura binaria", basura},
        {"linea de dos millones", ConLinea(1, QByteArray(2'000'000, 'x'))},
        {"texto demasiado largo", ConLinea(1, QByteArray(ar::kLargoMaximoTexto + 1, 'x'))},
        {"300 MB de ceros: ningun fin de linea en lo que se lee", {}, qint64{300} << 20},
    };
    const Calculo antes = Cargado();
    for (const auto& k : casos) {
        SCOPED_TRACE(k.caso);
        Guardar(Ruta("malo.trv"), k.bytes);
        if (k.tamano) {
            ASSERT_TRUE(QFile::resize(Ruta("malo.trv"), k.tamano));
        }
        Calculo c = antes;
        EXPECT_EQ(LeerValores(Ruta("malo.trv"), c), FalloArchivo::MalEstado);
        EsperarIntacto(antes, c);
    }
}

// --- Writing ------------------------------------------------------------

// Saved with Spain's locale set, as a Spanish desktop runs: the file is still
// written with decimal points and no grouping.
TEST_F(Archivo, GrabarYVolverALeerDaLosMismosValores)
{
    struct LocaleEspanol {
        const QLocale previo;
        LocaleEspanol()
        {
            QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
            std::setlocale(LC_ALL, "es_ES.UTF-8"); // may be missing; Qt's default still changes
        }
        ~LocaleEspanol()
        {
            QLocale::setDefault(previo);
            std::setlocale(LC_ALL, "C");
        }
    } espanol;
    Calculo c = Nuevo();
    ASSERT_EQ(LeerValores(Dato("articulado_cp1252.trv"), c), FalloArchivo::Ninguno);
    const QDate hoy(2026, 12, 5);
    ASSERT_EQ(EscribirValores(Ruta("copia.trv"), c, hoy), FalloArchivo::Ninguno);
    EXPECT_EQ(c.Personal.Fecha, hoy);
    EXPECT_EQ(c.Grabado.Fecha, hoy);

    // The fixture is written as the program writes: only line 128 differs.
    const QByteArray escrito = Contenido(Ruta("copia.trv"));
    EXPECT_EQ(escrito, ConLinea(128, "#2026-12-05#"));
    const QList<QByteArray> l = Lineas(escrito);
    EXPECT_EQ(l[11], "19.5");                                        // C(19)
    EXPECT_EQ(l[128], "\"Articulado carga general (a\xF1o base)\""); // reference C(1)

    Calculo d = Nuevo();
    ASSERT_EQ(LeerValores(Ruta("copia.trv"), d), FalloArchivo::Ninguno);
    EsperarIntacto(c, d);
}

TEST_F(Archivo, ValoresRarosDelCalculoSobrevivenAlViaje)
{
    Calculo c = Nuevo();
    c.Personal.C(1) = Valor(QStringLiteral("El \"Pegaso\" 中\nnuevo"));
    c.Personal.C(6) = Valor(QString());
    c.Personal.C(2) = Valor(QStringLiteral("12")); // a text stays a text
    c.Personal.C(3) = Valor(1.0 / 3);
    c.Personal.C(4) = Valor();
    c.Personal.C(5) = Valor(1e300);
    c.Personal.F2(13) = Valor(false);
    c.Referencia.Fecha = QDate(); // the empty date
    ASSERT_EQ(EscribirValores(Ruta("raro.trv"), c, QDate(2026, 1, 2)), FalloArchivo::Ninguno);
    EXPECT_EQ(Lineas(Contenido(Ruta("raro.trv")))[255], "#1899-12-30#");

    Calculo d = Nuevo();
    ASSERT_EQ(LeerValores(Ruta("raro.trv"), d), FalloArchivo::Ninguno);
    EXPECT_EQ(d.Personal.C(1), Valor("El 'Pegaso' ? nuevo"));
    c.Personal.C(1) = c.Grabado.C(1) = d.Personal.C(1);
    EsperarIntacto(c, d);
    EXPECT_FALSE(d.Referencia.Fecha.isValid());
}

namespace {
// A save file whose disk fills up after `limite` bytes.
class ArchivoQueFalla : public ArchivoSeguro {
public:
    ArchivoQueFalla(const QString& ruta, qint64 limite) : ArchivoSeguro(ruta), limite_(limite) {}

protected:
    qint64 writeData(const char* datos, qint64 n) override
    {
        const qint64 cabe = std::min(n, limite_ - escritos_);
        if (cabe <= 0) {
            Fallo(ENOSPC);
            return -1;
        }
        const qint64 r = ArchivoSeguro::writeData(datos, cabe);
        escritos_ += r;
        return r;
    }

private:
    qint64 limite_;
    qint64 escritos_ = 0;
};

// Runs `accion` in a child process and returns what it gave back, so that the
// child may change limits or give up root (when `sinRoot`) without touching
// the test; the tests run as root here, who may read and write anywhere.
FalloArchivo EnUnHijo(const std::function<FalloArchivo()>& accion, bool sinRoot = false)
{
    if (sinRoot && geteuid() != 0)
        return accion();
    const pid_t hijo = fork();
    if (hijo == 0) {
        if (sinRoot && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(100);
        _exit(static_cast<int>(accion()));
    }
    int estado = 0;
    if (hijo < 0 || waitpid(hijo, &estado, 0) != hijo || !WIFEXITED(estado) || WEXITSTATUS(estado) == 100)
        ADD_FAILURE() << "el proceso hijo no pudo preparar la prueba";
    return static_cast<FalloArchivo>(WEXITSTATUS(estado));
}
} // namespace

// A save that fails part-way, on a device that stops taking bytes or past the
// kernel's file-size limit (EFBIG, as on a full disk): the old file keeps
// every byte, no temporary is left, the calculation is untouched.
TEST_F(Archivo, UnaGrabacionFallidaDejaElArchivoYElCalculoIntactos)
{
    const QByteArray viejo = Contenido(Dato("articulado_utf8_lf.trv"));
    for (bool nucleo : {false, true})
        for (qint64 limite : {0, 1, 100, 1700}) {
            SCOPED_TRACE(::testing::Message() << (nucleo ? "limite del nucleo " : "dispositivo lleno ") << limite);
            Guardar(Ruta("viejo.trv"), viejo);
            Calculo c = Cargado();
            const Calculo antes = c;
            const auto grabar = [&] {
                if (!nucleo) {
                    ArchivoQueFalla f(Ruta("viejo.trv"), limite);
                    return EscribirValoresEn(f, c, QDate(2026, 1, 2));
                }
                return EnUnHijo([&] {
                    std::signal(SIGXFSZ, SIG_IGN);
                    const rlimit r{static_cast<rlim_t>(limite), static_cast<rlim_t>(limite)};
                    if (setrlimit(RLIMIT_FSIZE, &r) != 0)
                        return static_cast<FalloArchivo>(100);
                    return EscribirValores(Ruta("viejo.trv"), c, QDate(2026, 1, 2));
                });
            };
            const FalloArchivo fallo = grabar();
            // The kernel's limit is EFBIG; the device takes part of a write, then says ENOSPC.
            EXPECT_EQ(fallo, !nucleo && limite == 0 ? FalloArchivo::SinEspacio : FalloArchivo::ErrorES);
            EXPECT_EQ(Contenido(Ruta("viejo.trv")), viejo);
            EsperarIntacto(antes, c);
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // no temporary left
        }
}

// A name that is not UTF-8 (Latin-1 "café") is read and written under its
// own bytes.
TEST_F(Archivo, NombresQueNoSonUtf8)
{
    const QByteArray nativa = QFile::encodeName(dir.path()) + "/caf\xe9.trv";
    const QString ruta = RutaDesdeNativa(nativa);
    EXPECT_EQ(RutaNativa(ruta), nativa);
    Calculo c = Cargado();
    ASSERT_EQ(EscribirValores(ruta, c, QDate(2026, 1, 2)), FalloArchivo::Ninguno);
    struct stat st {};
    EXPECT_EQ(stat(nativa.constData(), &st), 0) << "written under its real bytes";
    Calculo leido = Nuevo();
    EXPECT_EQ(LeerValores(ruta, leido), FalloArchivo::Ninguno);
    EXPECT_TRUE(c.Personal == leido.Personal);
    EXPECT_EQ(ArchivosDe(dir.path(), "trv"), QStringList{RutaDesdeNativa("caf\xe9.trv")});
    unlink(nativa.constData()); // Qt could not remove it with the directory
}

// A directory the user may not write into: the old file stays as it was and
// no new file appears; a file the user may not read gives the same message.
TEST_F(Archivo, SinPermisoParaLeerOEscribir)
{
    const QByteArray viejo = Contenido(Dato("articulado_utf8_lf.trv"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("solo_lectura"));
    const QString carpeta = Ruta("solo_lectura");
    Guardar(carpeta + "/viejo.trv", viejo);
    Guardar(Ruta("ilegible.trv"), viejo);
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(carpeta).constData(), 0555), 0);
    ASSERT_EQ(chmod(QFile::encodeName(Ruta("ilegible.trv")).constData(), 0), 0);
    Calculo c = Cargado();
    const Calculo antes = c;
    const auto grabar = [&](const char* nombre) {
        return EnUnHijo([&] { return EscribirValores(carpeta + "/" + nombre, c, QDate(2026, 1, 2)); }, true);
    };
    EXPECT_EQ(grabar("viejo.trv"), FalloArchivo::AccesoDenegado);
    EXPECT_EQ(grabar("nuevo.trv"), FalloArchivo::AccesoDenegado);
    Calculo leido = Nuevo();
    EXPECT_EQ(EnUnHijo([&] { return LeerValores(Ruta("ilegible.trv"), leido); }, true), FalloArchivo::AccesoDenegado);
    chmod(QFile::encodeName(carpeta).constData(), 0755); // so the temporary directory can go
    EXPECT_EQ(Contenido(carpeta + "/viejo.trv"), viejo);
    EXPECT_EQ(QDir(carpeta).entryList(QDir::Files), QStringList{"viejo.trv"});
    EsperarIntacto(antes, c);
}

// Each failure from a real path, reading and writing; a refused write
// changes neither the calculation nor what is on disk. Only a regular file is
// replaced: a pipe, a device or a directory is no name to save under.
TEST_F(Archivo, CadaFalloDesdeUnaRutaReal)
{
    Guardar(Ruta("fichero"), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir("carpeta"));
    ASSERT_EQ(mkfifo(QFile::encodeName(Ruta("tuberia")).constData(), 0644), 0);
    ASSERT_EQ(symlink("bucle.trv", QFile::encodeName(Ruta("bucle.trv")).constData()), 0);
    // A pipe whose writer keeps it open with a whole calculation in it.
    ASSERT_EQ(mkfifo(QFile::encodeName(Ruta("tuberia.brm")).constData(), 0644), 0);
    const int escritor = ::open(QFile::encodeName(Ruta("tuberia.brm")).constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(escritor, 0);
    const QByteArray entero = Contenido(Dato("articulado_utf8_lf.trv"));
    ASSERT_EQ(::write(escritor, entero.constData(), static_cast<size_t>(entero.size())), entero.size());
    const auto no = FalloArchivo::NoEncontrado, sinDir = FalloArchivo::DirectorioNoExiste,
               nombre = FalloArchivo::NombreNoValido, acceso = FalloArchivo::AccesoDenegado,
               mal = FalloArchivo::MalEstado;
    const struct {
        QString ruta;
        FalloArchivo lectura, escritura;
    } casos[] = {
        {Ruta("no_existe.trv"), no, FalloArchivo::Ninguno},
        {Ruta("no_existe/a.trv"), sinDir, sinDir},
        {Ruta("fichero/a.trv"), sinDir, sinDir},
        {QString(), nombre, nombre},
        {Ruta(QString("a") + QChar(u'\0') + "b.trv"), nombre, nombre},
        {Ruta(QString(300, u'n') + ".trv"), nombre, nombre},
        {Ruta("carpeta"), acceso, nombre},
        {Ruta("fichero"), mal, FalloArchivo::Ninguno},
        {Ruta("tuberia"), mal, nombre},                              // read without waiting for a writer
        {Ruta("tuberia.brm"), mal, FalloArchivo::DatosDeReferencia}, // by its name, before what it is
        {QStringLiteral("/dev/null"), mal, nombre},
        {QStringLiteral("/dev/zero"), mal, nombre},
        {Ruta("bucle.trv"), acceso, acceso}, // a link that leads to itself
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.ruta.toStdString());
        Calculo c = Cargado();
        const Calculo antes = c;
        EXPECT_EQ(LeerValores(k.ruta, c), k.lectura);
        if (k.escritura != FalloArchivo::Ninguno) {
            EXPECT_EQ(EscribirValores(k.ruta, c, QDate(2026, 1, 2)), k.escritura);
            EsperarIntacto(antes, c);
        }
    }
    ::close(escritor);
    EXPECT_EQ(Contenido(Ruta("fichero")), "x");
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(Ruta("tuberia")).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_TRUE(QFileInfo(Ruta("carpeta")).isDir());
}

TEST(ArchivoMensajes, TextosDeCadaDialogo)
{
    const QString cola = "\r\n\r\nLos datos del Baremario deben estar en este subdirectorio.";
    EXPECT_EQ(MensajeArchivo(FalloArchivo::NombreNoValido), "El nombre de archivo no es válido.");
    EXPECT_EQ(MensajeArchivo(FalloArchivo::AccesoDenegado), "Error de acceso a la ruta o al archivo.");
    EXPECT_EQ(MensajeArchivo(FalloArchivo::DirectorioNoExiste), "El subdirectorio no existe.");
    EXPECT_EQ(MensajeBaremario(FalloArchivo::NoEncontrado),
              "Archivo no encontrado en el subdirectorio .../Baremario." + cola);
    EXPECT_EQ(MensajeBaremario(FalloArchivo::DirectorioNoExiste), "No existe el subdirectorio .../Baremario." + cola);
    EXPECT_EQ(MensajeBaremario(FalloArchivo::AccesoDenegado), "Archivo en mal estado.");
}

// --- Byte level ---------------------------------------------------------

// Whatever the reader takes, the writer gives back within the reader's limit:
// every line as long as it may be, as texts without quotes and LF ends (the
// writer adds quotes and CR), numbers that grow when written in full.
TEST(ArchivoBytes, LoQueSeLeeSeGrabaYSeVuelveALeer)
{
    for (const std::string& valor : {std::string(ar::kLargoMaximoTexto, 'x'), std::string("9e14")}) {
        std::string bytes;
        for (int n = 1; n <= ar::kLineasArchivo; ++n)
            bytes += (n == ar::kLineaFechaPersonal || n == ar::kLineaFechaReferencia ? "#2026-1-2#" : valor) + '\n';
        const auto leidos = ar::LeerArchivo(bytes);
        ASSERT_TRUE(leidos);
        const std::string escrito = ar::EscribirArchivo(*leidos);
        EXPECT_LE(escrito.size(), ar::kBytesMaximos);
        const auto otra = ar::LeerArchivo(escrito);
        ASSERT_TRUE(otra);
        EXPECT_EQ(*otra, *leidos);
    }
}

TEST(ArchivoBytes, LeerValorDeUnaLinea)
{
    const struct {
        const char* linea;
        std::optional<ar::ValorArchivo> esperado;
    } casos[] = {
        {"", ar::ValorArchivo{}},
        {"  \t ", ar::ValorArchivo{}},
        {"1500", ar::ValorArchivo::Numero(1500)},
        {"  -.5", ar::ValorArchivo::Numero(-0.5)},
        {"+5", ar::ValorArchivo::Numero(5)},
        {"1E-2", ar::ValorArchivo::Numero(0.01)},
        {"12 ,5", ar::ValorArchivo::Numero(12)},
        {"inf", ar::ValorArchivo::Texto("inf")},
        {"nan", ar::ValorArchivo::Texto("nan")},
        {"0x10", ar::ValorArchivo::Texto("0x10")},
        {"+-5", ar::ValorArchivo::Texto("+-5")},
        {"abc def  ", ar::ValorArchivo::Texto("abc def")},
        {"\"a, b\" y mas", ar::ValorArchivo::Texto("a, b")},
        {"\"sin cierre", ar::ValorArchivo::Texto("sin cierre")},
        {"#TRUE#", ar::ValorArchivo::Logico(true)},
        {"#false#", ar::ValorArchivo::Logico(false)},
        {"#2024-2-9#", ar::ValorArchivo::Fecha({2024, 2, 9})},
        {"#2000-02-29#", ar::ValorArchivo::Fecha({2000, 2, 29})}, // divisible by 400: a leap year
        {"#1900-02-29#", std::nullopt},                           // by 100: not
        {"#2023-02-29#", std::nullopt},
        {"#2024-13-01#", std::nullopt},
        {"#hola#", std::nullopt},
        {"#2024-01-01", std::nullopt},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.linea);
        EXPECT_EQ(ar::LeerValor(k.linea), k.esperado);
    }
}

TEST(ArchivoBytes, LosNumerosSeLeenComoSeEscribieron)
{
    for (double x :
         {0.0, 1500.0, 1234.5, 0.5, 12.75, -0.1, 1.0 / 3, 123456789012.34, 1e-7, 1e20, 5e-324, DBL_MAX, -DBL_MIN}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(ar::LeerNumero(ar::EscribirNumero(x)), x);
    }
    EXPECT_EQ(ar::EscribirNumero(1234.5), "1234.5");
    EXPECT_EQ(ar::EscribirNumero(0.0001), "0.0001");
    EXPECT_EQ(ar::EscribirNumero(1500), "1500");
}

TEST(ArchivoBytes, Windows1252)
{
    EXPECT_EQ(ar::Cp1252AUtf8("\x80\x93\x9F\xE1\x81"), "€“Ÿá\xC2\x81");
    EXPECT_EQ(ar::Utf8ACp1252("€“Ÿá\xC2\x81 中\xFF"), "\x80\x93\x9F\xE1\x81 ??");
    EXPECT_EQ(ar::EscribirValor(ar::ValorArchivo::Texto("año \"€\"")), "\"a\xF1o '\x80'\"");
    EXPECT_FALSE(ar::EsUtf8Valido("\xC0\xAF"));     // overlong "/"
    EXPECT_FALSE(ar::EsUtf8Valido("\xED\xA0\x80")); // surrogate
    EXPECT_TRUE(ar::EsUtf8Valido("año €"));
}

// What the text boxes and tarvia-calc let into a text field: a character
// passes only if the file gives it back, and controls never pass.
TEST(ArchivoBytes, CaracteresQueElFicheroGuarda)
{
    const struct {
        char32_t cp;
        bool guardable;
    } casos[] = {
        {U'A', true},    {U' ', true},    {U'~', true},    {U'\'', true},    {U'#', true},  {U',', true},
        {U'é', true},    {U'ñ', true},    {U'ü', true},    {U'€', true},     {U'…', true},  {U'“', true},
        {U'Œ', true},    {U'ž', true},    {U'ƒ', true},    {0xA0, true},     {0xAD, true},  {U'ÿ', true},
        {U'Ł', false},   {U'ź', false},   {U'東', false},  {0x1F600, false}, // an emoji
        {0xFFFD, false}, {0x2028, false}, {0x200D, false},                   // replacement, line separator, joiner
        {U'"', false},                                                       // it would end the text
        {0x00, false},   {U'\t', false},  {U'\n', false},  {U'\r', false},   {0x1F, false}, {0x7F, false},
        {0x80, false},   {0x85, false},   {0x9F, false},                                    // C1 controls
        {0x81, false},   {0x8D, false},   {0x8F, false},   {0x90, false},    {0x9D, false}, // the bytes cp1252 leaves undefined
    };
    for (const auto& c : casos)
        EXPECT_EQ(ar::EsCaracterGuardable(c.cp), c.guardable) << std::hex << static_cast<unsigned>(c.cp);

    EXPECT_EQ(ar::CaracteresNoGuardables(U"Transportes Łódź 東京, Łódź \"1\""),
              (std::vector<char32_t>{U'Ł', U'ź', U'東', U'京', U'"'}));
    EXPECT_TRUE(ar::CaracteresNoGuardables(U"Camión de 3 ejes – 40 t €").empty());
    EXPECT_TRUE(ar::CaracteresNoGuardables(U"").empty());
}

// Every character the predicate lets through comes back from the file as it
// went in, and every one it stops that is no control would come back changed.
TEST(ArchivoBytes, LoGuardableVuelveIgualYLoDemasNo)
{
    for (char32_t cp = 1; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        std::string texto = "a";
        ar::AnadirUtf8(texto, cp);
        texto += "b";
        const std::string linea = ar::EscribirValor(ar::ValorArchivo::Texto(texto));
        const auto leido = ar::LeerValor(ar::Cp1252AUtf8(linea));
        const bool vuelve = leido && leido->texto == texto;
        const bool control = cp < 0x20 || (cp >= 0x7F && cp < 0xA0);
        if (ar::EsCaracterGuardable(cp)) {
            ASSERT_TRUE(vuelve) << std::hex << static_cast<unsigned>(cp);
        } else if (!control) {
            ASSERT_FALSE(vuelve) << std::hex << static_cast<unsigned>(cp);
        }
    }
}

// Windows-1252 bytes that are valid UTF-8 would make the reader take the
// file as UTF-8 and give back another text: such a file is written in UTF-8
// (a file with one damaged line once came back changed after a save). The
// file here holds nothing else, as a calculation with ASCII texts would.
TEST(ArchivoBytes, TextosQueSeLeerianComoUtf8)
{
    const struct {
        const char* texto;
        std::optional<std::string> leido;
    } casos[] = {
        {"CamiÃ³n", "Camión"},
        {"Â·", "·"},
        {"PERÚ»", "PER\xDA\xBB"},         // Ú and » are the two bytes of U+06BB
        {"Camión", std::nullopt},         // "ó" then "n" is no UTF-8
        {"Ã", std::nullopt},              // a lead byte alone
        {"Reparto urbano", std::nullopt}, // ASCII reads the same either way
        {"Reparto – 24 h €", std::nullopt},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(ar::LeidoComoUtf8(c.texto), c.leido);
        std::vector<ar::ValorArchivo> valores(ar::kLineasArchivo);
        valores[0] = ar::ValorArchivo::Texto(c.texto);
        for (int n : {ar::kLineaFechaPersonal, ar::kLineaFechaReferencia})
            valores[static_cast<std::size_t>(n - 1)] = ar::ValorArchivo::Fecha({2026, 12, 7});
        // Whatever it would read as, the file written gives it back as it is.
        const auto leidos = ar::LeerArchivo(ar::EscribirArchivo(valores));
        ASSERT_TRUE(leidos);
        EXPECT_EQ((*leidos)[0].texto, c.texto);
    }
}
