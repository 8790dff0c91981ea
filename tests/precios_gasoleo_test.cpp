// The diesel price table, the impact indices' periods and the revision by
// dates, against figures worked out by hand.
#include "engine/precios_gasoleo.h"
#include "presentacion/analisis.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvia {
namespace {

const QString kIndices = QStringLiteral(TARVIA_BIN_DIR "/Baremario/indices_repercusion.tsv");
const QString kPreciosOficiales = QStringLiteral(TARVIA_BIN_DIR "/Baremario/precios_gasoleo.tsv");

QByteArray Contenido(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Escribir(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// The shipped periods, on each side of every boundary and at each mass limit.
TEST(PreciosGasoleo, PeriodosDeIndicesEnSusLimites)
{
    const TablaIndices t = LeerIndices(kIndices);
    ASSERT_TRUE(t.aviso.isEmpty()) << t.aviso.toStdString();
    const struct {
        QDate fecha;
        double ligero, medio, pesado;
    } periodos[] = {
        {QDate(2012, 9, 25), 0.10, 0.20, 0.30}, {QDate(2022, 6, 30), 0.10, 0.20, 0.30},
        {QDate(2022, 7, 1), 0.20, 0.30, 0.40},  {QDate(2022, 9, 15), 0.20, 0.30, 0.40},
        {QDate(2023, 6, 30), 0.20, 0.30, 0.40}, {QDate(2023, 7, 1), 0.10, 0.20, 0.30},
        {QDate(2026, 3, 20), 0.10, 0.20, 0.30},
    };
    for (const auto& p : periodos) {
        SCOPED_TRACE(p.fecha.toString(Qt::ISODate).toStdString());
        const struct {
            double mma;
            bool obra;
            double indice;
        } masas[] = {
            {3500, false, p.ligero},  {3501, false, p.medio}, {19999, false, p.medio}, {20000, false, p.pesado},
            {44000, false, p.pesado}, {44000, true, p.medio}, {3500, true, p.ligero},
        };
        for (const auto& m : masas)
            EXPECT_EQ(IndiceRepercusion(t, m.mma, m.obra, p.fecha), m.indice) << m.mma << (m.obra ? " obra" : "");
    }
}

TEST(PreciosGasoleo, MesesYFechasComoSeEscriben)
{
    const struct {
        const char* texto;
        int anio, mes; // 0: not a month
    } meses[] = {
        {"2026-03", 2026, 3},
        {"03/2026", 2026, 3},
        {"3/2026", 2026, 3},
        {"marzo 2026", 2026, 3},
        {"Marzo de 2026", 2026, 3},
        {"mar-2026", 2026, 3},
        {"setiembre 2025", 2025, 9},
        {"Febrero/2024", 2024, 2},
        {"2026-13", 0, 0},
        {"13/2026", 0, 0},
        {"marzos 2026", 0, 0},
        {"1999-12", 0, 0},
        {"2026", 0, 0},
        {"", 0, 0},
    };
    for (const auto& m : meses) {
        const auto leido = LeerMes(QString::fromUtf8(m.texto));
        if (m.anio == 0)
            EXPECT_FALSE(leido) << m.texto;
        else
            EXPECT_EQ(leido, (Mes{m.anio, m.mes})) << m.texto;
    }
    const struct {
        const char* texto;
        QDate fecha; // invalid: refused
    } fechas[] = {
        {"20/03/2026", QDate(2026, 3, 20)},
        {"2026-03-20", QDate(2026, 3, 20)},
        {"1/7/2022", QDate(2022, 7, 1)},
        {"31/02/2026", QDate()},
        {"2026-3-20", QDate()},
        {"20-03-2026", QDate()},
        {"20/03/26", QDate()},
    };
    for (const auto& f : fechas) {
        const auto leida = LeerFechaEscrita(QString::fromUtf8(f.texto));
        EXPECT_EQ(leida.value_or(QDate()), f.fecha) << f.texto;
    }
    EXPECT_EQ(NombreMes({2026, 3}), QStringLiteral("marzo de 2026"));
}

TablaGasoleo TablaDePrueba()
{
    TablaGasoleo t;
    t.oficiales[{2022, 6}] = {2.000, 3};
    t.oficiales[{2022, 7}] = {2.100, 3};
    t.oficiales[{2023, 6}] = {1.500, 3};
    t.oficiales[{2023, 7}] = {1.600, 3};
    t.oficiales[{2023, 9}] = {1.700, 3};
    // August 2023 is missing.
    return t;
}

// Contracts and services on both sides of every period boundary and of a
// missing month: the prices come from the months of the two dates, the index
// from the contract date.
TEST(PreciosGasoleo, RevisionPorFechasAAmbosLadosDeCadaLimite)
{
    const TablaIndices indices = LeerIndices(kIndices);
    const TablaGasoleo precios = TablaDePrueba();
    const struct {
        QDate contrato, servicio;
        double g, indice, incremento; // P = 1.000 €, 44 t, not works
        const char* falta;            // the message, when a month is missing
    } casos[] = {
        // 2,000 → 2,100: +5,00 %; contract on the last day of the old period: IR 0,30, ΔP = 5 × 1000 × 0,30 / 100.
        {QDate(2022, 6, 30), QDate(2022, 7, 1), 5.00, 0.30, 15.00, nullptr},
        // A contract the next day: the temporary 0,40 though the price is the same month's.
        {QDate(2022, 7, 1), QDate(2022, 7, 31), 0.00, 0.40, 0.00, nullptr},
        // 2,100 → 1,500: −28,57 % (−0,6 / 2,1 = −0,285714); IR 0,40: −114,28.
        {QDate(2022, 7, 15), QDate(2023, 6, 30), -28.57, 0.40, -114.28, nullptr},
        // 1,500 → 1,600: +6,67 %; last day of the temporary period: 0,40 → 26,68.
        {QDate(2023, 6, 30), QDate(2023, 7, 1), 6.67, 0.40, 26.68, nullptr},
        // 1,600 → 1,700: +6,25 %; the first day back: 0,30 → 18,75.
        {QDate(2023, 7, 1), QDate(2023, 9, 1), 6.25, 0.30, 18.75, nullptr},
        // 1,500 → 1,700: +13,33 %, contract under 0,40: 53,32.
        {QDate(2023, 6, 1), QDate(2023, 9, 30), 13.33, 0.40, 53.32, nullptr},
        {QDate(2023, 7, 31), QDate(2023, 8, 1), 0, 0, 0,
         "Falta el precio medio del gasóleo de agosto de 2023: añádalo en «Precios oficiales del gasóleo…» con "
         "la cifra publicada."},
        {QDate(2023, 8, 1), QDate(2023, 9, 1), 0, 0, 0,
         "Falta el precio medio del gasóleo de agosto de 2023: añádalo en «Precios oficiales del gasóleo…» con "
         "la cifra publicada."},
        {QDate(2023, 8, 1), QDate(2023, 10, 1), 0, 0, 0,
         "Faltan los precios medios del gasóleo de agosto de 2023 y de octubre de 2023: añádalos en «Precios "
         "oficiales del gasóleo…» con las cifras publicadas."},
        {QDate(2023, 9, 2), QDate(2023, 9, 1), 0, 0, 0,
         "La fecha del servicio (01/09/2023) es anterior a la del contrato (02/09/2023)."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.contrato.toString(Qt::ISODate).toStdString() + " → " +
                     c.servicio.toString(Qt::ISODate).toStdString());
        const RevisionPorFechas r =
            RevisarPorFechas(indices, precios, 1000, c.contrato, c.servicio, 5, 44000, false, 30);
        if (c.falta) {
            EXPECT_FALSE(r.revision);
            EXPECT_EQ(r.error, QString::fromUtf8(c.falta));
            continue;
        }
        ASSERT_TRUE(r.revision) << r.error.toStdString();
        EXPECT_EQ(r.precios.mesContrato, Mes::De(c.contrato));
        EXPECT_EQ(r.precios.mesServicio, Mes::De(c.servicio));
        EXPECT_DOUBLE_EQ(r.revision->variacionPct, c.g);
        EXPECT_DOUBLE_EQ(r.revision->indice, c.indice);
        EXPECT_DOUBLE_EQ(r.revision->incremento, c.incremento);
        EXPECT_DOUBLE_EQ(r.revision->precioRevisado, 1000 + c.incremento);
    }
}

TEST(PreciosGasoleo, LosMesesDelUsuarioMandanMesAMes)
{
    QTemporaryDir dir;
    Escribir(dir.filePath(QStringLiteral("oficial.tsv")), "# oficial\n2026-01\t1,441\n2026-02\t1,500\n");
    Escribir(dir.filePath(QStringLiteral("usuario.tsv")), "2026-02\t1,5125\n2026-03\t1,645\n");
    TablaGasoleo t =
        CargarPreciosGasoleo(dir.filePath(QStringLiteral("oficial.tsv")), dir.filePath(QStringLiteral("usuario.tsv")));
    EXPECT_TRUE(t.avisos.isEmpty());
    const struct {
        Mes mes;
        double euros;
        PrecioGasoleo::Origen origen;
    } casos[] = {
        {{2026, 1}, 1.441, PrecioGasoleo::Origen::Oficial},
        {{2026, 2}, 1.5125, PrecioGasoleo::Origen::Usuario},
        {{2026, 3}, 1.645, PrecioGasoleo::Origen::Usuario},
    };
    for (const auto& c : casos) {
        const auto p = t.Precio(c.mes);
        ASSERT_TRUE(p) << ClaveMes(c.mes).toStdString();
        EXPECT_EQ(p->euros, c.euros);
        EXPECT_EQ(p->origen, c.origen);
    }
    EXPECT_EQ(t.Todos().size(), 3U);
    // Taking the user's month away gives the shipped one back; an unknown month stays unknown.
    QuitarPrecio(t, {2026, 2});
    EXPECT_EQ(t.Precio({2026, 2})->euros, 1.500);
    EXPECT_FALSE(t.Precio({2026, 4}));
    // Bad figures are refused with their reason and change nothing.
    for (const char* malo : {"0", "14,59", "145,9", "1,4590001", "uno", "-1,4", "1.234,5"})
        EXPECT_FALSE(FijarPrecio(t, {2026, 4}, QString::fromUtf8(malo)).isEmpty()) << malo;
    EXPECT_FALSE(t.Precio({2026, 4}));
    EXPECT_FALSE(FijarPrecio(t, {1999, 4}, QStringLiteral("1,2")).isEmpty());
    EXPECT_TRUE(FijarPrecio(t, {2026, 4}, QStringLiteral("1.7000")).isEmpty());
    // Saved with the decimals as typed, read back the same.
    ASSERT_EQ(GuardarPreciosDelUsuario(t, QDateTime(QDate(2026, 4, 2), QTime(9, 0))).fallo, FalloArchivo::Ninguno);
    const TablaGasoleo otra =
        CargarPreciosGasoleo(dir.filePath(QStringLiteral("oficial.tsv")), dir.filePath(QStringLiteral("usuario.tsv")));
    EXPECT_TRUE(Contenido(t.rutaUsuario).contains("\n2026-04\t1,7000\n"));
    ASSERT_EQ(otra.usuario.size(), 2U);
    EXPECT_EQ(otra.usuario.at({2026, 4}).decimales, 4);
    EXPECT_EQ(otra.usuario.at({2026, 3}).euros, 1.645);
}

// A damaged user file is named and ignored, and kept as a copy, byte for
// byte, before a save replaces it; the shipped months still work.
TEST(PreciosGasoleo, FicheroDelUsuarioDanadoSeAvisaYSeGuardaUnaCopia)
{
    QTemporaryDir dir;
    const QString usuario = dir.filePath(QStringLiteral("TARVIA/precios_gasoleo.tsv"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("TARVIA"))));
    const QByteArray danado = "2026-01\t1,441\n2026-02\tmil\n";
    Escribir(usuario, danado);
    TablaGasoleo t = CargarPreciosGasoleo(kPreciosOficiales, usuario);
    ASSERT_EQ(t.avisos.size(), 1);
    EXPECT_TRUE(t.avisos[0].contains(QStringLiteral("mal estado (línea 2)"))) << t.avisos[0].toStdString();
    EXPECT_TRUE(t.usuario.empty());
    EXPECT_EQ(t.Precio({2015, 11})->euros, 1.0592); // the shipped table

    ASSERT_TRUE(FijarPrecio(t, {2026, 3}, QStringLiteral("1,645")).isEmpty());
    const GuardadoPrecios g = GuardarPreciosDelUsuario(t, QDateTime(QDate(2026, 3, 31), QTime(18, 5, 7)));
    ASSERT_EQ(g.fallo, FalloArchivo::Ninguno) << g.mensaje.toStdString();
    EXPECT_EQ(g.copiaDelDanado, usuario + QStringLiteral(".danado-20260331-180507"));
    EXPECT_EQ(Contenido(g.copiaDelDanado), danado);
    const TablaGasoleo despues = CargarPreciosGasoleo(kPreciosOficiales, usuario);
    EXPECT_TRUE(despues.avisos.isEmpty());
    EXPECT_EQ(despues.Precio({2026, 3})->euros, 1.645);
    // A good file is not copied again.
    EXPECT_TRUE(GuardarPreciosDelUsuario(despues, QDateTime(QDate(2026, 4, 1), QTime(8, 0))).copiaDelDanado.isEmpty());

    // A pipe where the file should be: read at once with a warning, never replaced.
    const QString tuberia = dir.filePath(QStringLiteral("tuberia.tsv"));
    ASSERT_EQ(mkfifo(QFile::encodeName(tuberia).constData(), 0644), 0);
    TablaGasoleo p = CargarPreciosGasoleo(kPreciosOficiales, tuberia);
    ASSERT_EQ(p.avisos.size(), 1);
    EXPECT_TRUE(p.avisos[0].contains(QStringLiteral("no es un fichero normal")));
    ASSERT_TRUE(FijarPrecio(p, {2026, 3}, QStringLiteral("1,645")).isEmpty());
    EXPECT_NE(GuardarPreciosDelUsuario(p, QDateTime::currentDateTime()).fallo, FalloArchivo::Ninguno);
    struct stat st {};
    ASSERT_EQ(lstat(QFile::encodeName(tuberia).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// A save the disk refuses part-way (past the kernel's file-size limit, as on
// a full disk) leaves the previous file as it was.
TEST(PreciosGasoleo, UnaGrabacionFallidaDejaElFicheroAnterior)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("precios_gasoleo.tsv"));
    const QByteArray viejo = "2026-01\t1,441\n";
    Escribir(ruta, viejo);
    TablaGasoleo t = CargarPreciosGasoleo(kPreciosOficiales, ruta);
    for (int k = 1; k <= 60; ++k)
        ASSERT_TRUE(FijarPrecio(t, {2020 + k / 12, k % 12 + 1}, QStringLiteral("1,%1").arg(400 + k)).isEmpty());
    const pid_t hijo = fork();
    if (hijo == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit r{100, 100};
        if (setrlimit(RLIMIT_FSIZE, &r) != 0)
            _exit(100);
        _exit(static_cast<int>(GuardarPreciosDelUsuario(t, QDateTime::currentDateTime()).fallo));
    }
    int estado = 0;
    ASSERT_EQ(waitpid(hijo, &estado, 0), hijo);
    ASSERT_TRUE(WIFEXITED(estado));
    ASSERT_NE(WEXITSTATUS(estado), 100);
    EXPECT_NE(static_cast<FalloArchivo>(WEXITSTATUS(estado)), FalloArchivo::Ninguno);
    EXPECT_EQ(Contenido(ruta), viejo);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // no temporary left
}

TEST(PreciosGasoleo, ImportacionCsvConSusErroresPorLinea)
{
    const QByteArray csv = "\xEF\xBB\xBFMes;Precio medio (EUR/l)\r\n"
                           "2026-01;1,441\r\n"
                           "febrero de 2026;1.5125\r\n"
                           "\r\n"
                           "# una nota\r\n"
                           "03/2026;\"1,645\"\r\n"
                           "2026-13;1,7\r\n"
                           "abril 2026;149,16\r\n"
                           "2026-01;1,45\r\n"
                           "2026-05\r\n"
                           "junio 2026\t1,600\n"
                           "2026-07,1.61\n";
    const ImportacionPrecios r = ImportarPreciosCsv(csv);
    const struct {
        int linea;
        const char* campo;
        const char* contiene;
    } errores[] = {
        {7, "mes", "«2026-13» no es un mes"},
        {8, "precio", "no en céntimos"},
        {9, "mes", "enero de 2026 ya está en una línea anterior"},
        {10, "línea", "falta el precio"},
    };
    ASSERT_EQ(r.errores.size(), std::size(errores));
    for (size_t k = 0; k < std::size(errores); ++k) {
        EXPECT_EQ(r.errores[k].linea, errores[k].linea);
        EXPECT_EQ(r.errores[k].campo, QString::fromUtf8(errores[k].campo));
        EXPECT_TRUE(r.errores[k].mensaje.contains(QString::fromUtf8(errores[k].contiene)))
            << r.errores[k].mensaje.toStdString();
    }
    const struct {
        Mes mes;
        double euros;
        int decimales;
    } leidos[] = {
        {{2026, 1}, 1.441, 3}, {{2026, 2}, 1.5125, 4}, {{2026, 3}, 1.645, 3},
        {{2026, 6}, 1.600, 3}, {{2026, 7}, 1.61, 2},
    };
    ASSERT_EQ(r.precios.size(), std::size(leidos));
    for (const auto& l : leidos) {
        ASSERT_TRUE(r.precios.count(l.mes)) << ClaveMes(l.mes).toStdString();
        EXPECT_EQ(r.precios.at(l.mes).euros, l.euros);
        EXPECT_EQ(r.precios.at(l.mes).decimales, l.decimales);
    }
    TablaGasoleo t;
    t.oficiales[{2026, 1}] = {1.440, 3};
    EXPECT_EQ(AplicarImportacion(t, r), 5);
    EXPECT_EQ(t.Precio({2026, 1})->origen, PrecioGasoleo::Origen::Usuario);

    // A file that is not one is a single error, read at once.
    const ImportacionPrecios d = ImportarPreciosCsvDe(QStringLiteral("/dev/zero"));
    ASSERT_EQ(d.errores.size(), 1U);
    EXPECT_EQ(d.errores[0].linea, 0);
    EXPECT_TRUE(d.precios.empty());
}

} // namespace
} // namespace tarvia
