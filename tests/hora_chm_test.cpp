// The time chmcmd stamps into a help file, replaced by the sources' date:
// real files from the real compiler, read back with chmlib.
#include "help/hora_chm.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <chm_lib.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

using tarvia::FijarHoraChm;

const QByteArray kPagina = "<html><head><title>Carretera</title></head><body>Coste por kilómetro</body></html>";

// Compiles a one-page project; each call stamps the time it ran.
QByteArray Compilar(const QString& carpeta)
{
    QFile proyecto(carpeta + QStringLiteral("/p.hhp"));
    QFile pagina(carpeta + QStringLiteral("/a.htm"));
    if (!proyecto.open(QIODevice::WriteOnly) || !pagina.open(QIODevice::WriteOnly))
        return {};
    proyecto.write("[OPTIONS]\nCompiled file=p.chm\nDefault topic=a.htm\nTitle=Prueba\nLanguage=0xc0a Spanish\n\n"
                   "[FILES]\na.htm\n");
    pagina.write(kPagina);
    proyecto.close();
    pagina.close();
    QProcess chmcmd;
    chmcmd.setWorkingDirectory(carpeta);
    chmcmd.start(QStringLiteral(TARVIA_CHMCMD), {QStringLiteral("p.hhp")});
    if (!chmcmd.waitForFinished(60000) || chmcmd.exitCode() != 0)
        return {};
    QFile chm(carpeta + QStringLiteral("/p.chm"));
    return chm.open(QIODevice::ReadOnly) ? chm.readAll() : QByteArray();
}

quint32 Numero(const QByteArray& b, qsizetype pos, bool grandeAlPrincipio)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i) {
        const auto byte = static_cast<quint32>(static_cast<unsigned char>(b[pos + (grandeAlPrincipio ? i : 3 - i)]));
        v = (v << 8) | byte;
    }
    return v;
}

// The page as chmlib reads it from a file on disk.
QByteArray PaginaLeida(const QString& ruta)
{
    chmFile* f = chm_open(QFile::encodeName(ruta).constData());
    if (!f)
        return {};
    chmUnitInfo ui;
    QByteArray contenido;
    if (chm_resolve_object(f, "/a.htm", &ui) == CHM_RESOLVE_SUCCESS) {
        contenido.resize(static_cast<qsizetype>(ui.length));
        const auto leidos = chm_retrieve_object(f, &ui, reinterpret_cast<unsigned char*>(contenido.data()), 0,
                                                static_cast<LONGINT64>(ui.length));
        contenido.truncate(static_cast<qsizetype>(leidos));
    }
    chm_close(f);
    return contenido;
}

class HoraChm : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QByteArrayLiteral(TARVIA_CHMCMD).isEmpty())
            GTEST_SKIP() << "sin chmcmd no hay ficheros de ayuda que probar";
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("uno")) && QDir(dir_.path()).mkpath(QStringLiteral("dos")));
        uno_ = Compilar(dir_.filePath(QStringLiteral("uno")));
        dos_ = Compilar(dir_.filePath(QStringLiteral("dos")));
        ASSERT_GT(uno_.size(), 0x200);
        ASSERT_GT(dos_.size(), 0x200);
    }
    QTemporaryDir dir_;
    QByteArray uno_, dos_;
};

// Two compilations differ only by their stamps; with the same date they are
// the same bytes, chmlib still reads the page, and both stamps hold the date.
TEST_F(HoraChm, DosCompilacionesConLaMismaFechaSonIguales)
{
    ASSERT_NE(uno_, dos_) << "chmcmd ya no escribe su hora: esta corrección sobra";
    const std::int64_t fecha = 1796601600 + 3723; // 01:02:03 UTC
    ASSERT_EQ(FijarHoraChm(uno_, fecha), QString());
    ASSERT_EQ(FijarHoraChm(dos_, fecha), QString());
    EXPECT_EQ(uno_, dos_);
    EXPECT_EQ(Numero(uno_, 0x10, true), 3723000u);
    EXPECT_EQ(uno_.count(QByteArray("\x0a\x00\x04\x00\xf8\xce\x38\x00", 8)), 1) << "la entrada 10 de /#SYSTEM";

    const QString ruta = dir_.filePath(QStringLiteral("fijado.chm"));
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(uno_);
    f.close();
    EXPECT_EQ(PaginaLeida(ruta), kPagina);
}

// The time of day of the date is what goes in, whatever the day: a day
// earlier is the same file, a second later is not.
TEST_F(HoraChm, SoloCuentaLaHoraDelDia)
{
    const struct {
        std::int64_t segundos;
        quint32 ms;
    } casos[] = {
        {0, 0},
        {86399, 86399000},              // the last second of a day
        {1796601600 + 86400, 0},        // a midnight
        {1796601600 + 45296, 45296000}, // 12:34:56
        {-1, 86399000},                 // before 1970: still a time of day
    };
    for (const auto& c : casos) {
        QByteArray chm = uno_;
        ASSERT_EQ(FijarHoraChm(chm, c.segundos), QString()) << c.segundos;
        EXPECT_EQ(Numero(chm, 0x10, true), c.ms) << c.segundos;
        QByteArray otroDia = dos_;
        ASSERT_EQ(FijarHoraChm(otroDia, c.segundos - 86400 * 400), QString());
        EXPECT_EQ(otroDia, chm) << c.segundos;
        ASSERT_EQ(FijarHoraChm(otroDia, c.segundos + 1), QString());
        EXPECT_NE(otroDia, chm) << c.segundos;
    }
}

// A file that is not what chmcmd writes is refused with the reason and left
// as it was: the build stops instead of packing a file it could not fix.
TEST_F(HoraChm, UnFicheroQueNoSeEntiendeQuedaIntacto)
{
    const auto directorio = static_cast<qsizetype>(Numero(uno_, 0x48, false)); // below 4 GB
    const auto sistema = uno_.indexOf("/#SYSTEM");
    ASSERT_GT(sistema, directorio);
    const auto hora =
        uno_.indexOf(QByteArray("\x0a\x00\x04\x00", 4), static_cast<qsizetype>(Numero(uno_, 0x58, false)));
    ASSERT_GT(hora, 0);
    const struct {
        const char* caso;
        std::function<void(QByteArray&)> estropear;
        const char* motivo;
    } casos[] = {
        {"vacío", [](QByteArray& b) { b.clear(); }, "ITSF"},
        {"sin firma", [](QByteArray& b) { b[0] = 'X'; }, "ITSF"},
        {"otra versión", [](QByteArray& b) { b[4] = 2; }, "versión"},
        {"cortado tras la cabecera", [](QByteArray& b) { b.truncate(0x60); }, "directorio"},
        {"directorio fuera del fichero", [](QByteArray& b) { b[0x4d] = 0x7f; }, "directorio"},
        {"sin /#SYSTEM", [sistema](QByteArray& b) { b[sistema + 7] = 'X'; }, "/#SYSTEM"},
        {"cortado dentro de /#SYSTEM", [hora](QByteArray& b) { b.truncate(hora + 2); }, "/#SYSTEM"},
        {"sin la entrada de la hora", [hora](QByteArray& b) { b[hora] = 0x0b; }, "hora"},
        {"hora de otro largo", [hora](QByteArray& b) { b[hora + 2] = 0x02; }, "/#SYSTEM"},
    };
    for (const auto& c : casos) {
        QByteArray chm = uno_;
        c.estropear(chm);
        const QByteArray antes = chm;
        const QString motivo = FijarHoraChm(chm, 1796601600);
        EXPECT_TRUE(motivo.contains(QString::fromUtf8(c.motivo))) << c.caso << ": " << motivo.toStdString();
        EXPECT_EQ(chm, antes) << c.caso;
    }
}

} // namespace
