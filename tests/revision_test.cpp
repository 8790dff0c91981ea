// The fuel-price revision of a transport's price and the quotation, against
// figures worked out by hand.
#include "engine/revision.h"

#include "core/redondear.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tarvia {
namespace {

TEST(Revision, IndicePorMasaYVehiculoDeObra)
{
    const TablaIndices t = IndicesPorDefecto();
    const QDate hoy(2026, 12, 1);
    const struct {
        double mma;
        bool obra;
        double indice;
    } casos[] = {
        {3500, false, 0.10},  {3501, false, 0.20}, {19999, false, 0.20}, {20000, false, 0.30},
        {40000, false, 0.30}, {40000, true, 0.20}, {3500, true, 0.10},
    };
    for (const auto& c : casos)
        EXPECT_EQ(IndiceRepercusion(t, c.mma, c.obra, hoy), c.indice) << c.mma << (c.obra ? " obra" : "");
}

TEST(Revision, UmbralSubidasYBajadas)
{
    // P = 1.000 €, IR 0,30, own fuel share 29,8 %.
    const struct {
        double contrato, servicio;
        double g;
        bool aplica;
        double incremento, revisado, propio;
    } casos[] = {
        {1.40, 1.54, 10.00, true, 30.00, 1030.00, 29.80},   // 10 × 1.000 × 0,30 / 100
        {1.00, 1.0499, 4.99, false, 0, 1000.00, 14.87},     // below 5 %: no revision
        {1.00, 1.05, 5.00, true, 15.00, 1015.00, 14.90},    // exactly 5 %: it applies
        {1.50, 1.35, -10.00, true, -30.00, 970.00, -29.80}, // falling prices lower the price
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.servicio);
        const Revision r = RevisarPrecio(1000, c.contrato, c.servicio, 5, 0.30, 29.8);
        EXPECT_DOUBLE_EQ(r.variacionPct, c.g);
        EXPECT_EQ(r.aplica, c.aplica);
        EXPECT_DOUBLE_EQ(r.incremento, c.incremento);
        EXPECT_DOUBLE_EQ(r.precioRevisado, c.revisado);
        EXPECT_DOUBLE_EQ(r.incrementoCuotaPropia, c.propio);
    }
}

// G is rounded on the prices as decimals: a variation of exactly x,xx5 % goes
// up in size whichever way diesel moved, and decides the threshold so.
TEST(Revision, VariacionExactaEnLosDosSentidos)
{
    const struct {
        double contrato, servicio, g;
        bool aplica;
    } casos[] = {
        {2, 2.0999, 5.00, true},     {2, 1.9001, -5.00, true},   // ±4,995 %
        {1, 1.04994, 4.99, false},   {1, 0.95006, -4.99, false}, // ±4,994 %
        {1, 1.05, 5.00, true},       {1, 0.95, -5.00, true},     // ±5 %
        {1.4, 1.47007, 5.01, true},  {0.8, 0.83996, 5.00, true}, // 5,005 % and 4,995 %
        {1.234, 1.234, 0.00, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.contrato << " → " << c.servicio);
        const Revision r = RevisarPrecio(1000, c.contrato, c.servicio, 5, 0.30, 30);
        EXPECT_DOUBLE_EQ(r.variacionPct, c.g);
        EXPECT_EQ(r.aplica, c.aplica);
        EXPECT_DOUBLE_EQ(r.incremento, c.aplica ? c.g * 3 : 0); // G × 1.000 × 0,30 / 100
    }
    // Every variation of k × 0,005 % from 2 €/l, up and down: the same size,
    // rounded half away from zero ((k + 1) / 2 hundredths for odd k).
    for (int k = 1; k < 4000; k += 2) {
        const double d = k * 0.0001;
        const Revision sube = RevisarPrecio(1000, 2, 2 + d, 5, 0.30, 30);
        const Revision baja = RevisarPrecio(1000, 2, 2 - d, 5, 0.30, 30);
        ASSERT_DOUBLE_EQ(sube.variacionPct, (k + 1) / 2 / 100.0) << k;
        ASSERT_DOUBLE_EQ(baja.variacionPct, -sube.variacionPct) << k;
        ASSERT_EQ(sube.aplica, baja.aplica) << k;
        ASSERT_EQ(sube.aplica, k >= 999) << k;
    }
}

// The law makes the revision compulsory from 5 %: only a lower threshold may
// be agreed, and the one agreed decides at its edge.
TEST(Revision, UmbralQueLaLeyPermite)
{
    for (const double u : {0.0, 0.01, 2.5, 4.99, 5.0})
        EXPECT_TRUE(MotivoUmbralNoValido(u).isEmpty()) << u;
    for (const double u : {5.01, 5.0000001, 7.0, 100.0, -0.01, -5.0, std::nan("")})
        EXPECT_FALSE(MotivoUmbralNoValido(u).isEmpty()) << u;
    EXPECT_TRUE(MotivoUmbralNoValido(7).contains(QStringLiteral("5 %")));
    EXPECT_TRUE(RevisarPrecio(1000, 1, 1.0499, 4.99, 0.30, 30).aplica);
    EXPECT_FALSE(RevisarPrecio(1000, 1, 1.0498, 4.99, 0.30, 30).aplica);
    EXPECT_TRUE(RevisarPrecio(1000, 1, 1.0001, 0, 0.30, 30).aplica);
    EXPECT_TRUE(RevisarPrecio(1000, 1, 1, 0, 0.30, 30).aplica); // no variation: revised by nothing
}

TEST(Revision, FicheroDeIndicesConPeriodosDanadoOAusente)
{
    QTemporaryDir dir;
    const auto escribir = [&](const char* nombre, const QByteArray& bytes) {
        QFile f(dir.filePath(QString::fromLatin1(nombre)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    // A temporary change for heavy vehicles in 2022: the last period covering the date wins.
    const TablaIndices t = LeerIndices(escribir("bien.tsv", "# comentario\n"
                                                            "2012-01-01\t9999-12-31\t0,10\t0,20\t0,30\n"
                                                            "2022-03-01\t2022-12-31\t0.15\t0.25\t0.40\n"));
    EXPECT_TRUE(t.aviso.isEmpty());
    EXPECT_EQ(IndiceRepercusion(t, 40000, false, QDate(2022, 6, 1)), 0.40);
    EXPECT_EQ(IndiceRepercusion(t, 40000, false, QDate(2023, 1, 1)), 0.30);

    for (const QString& ruta : {escribir("mal.tsv", "2012-01-01\t9999-12-31\t0,10\tveinte\t0,30\n"),
                                escribir("vacio.tsv", "# nada\n"), dir.filePath(QStringLiteral("no_existe.tsv"))}) {
        const TablaIndices d = LeerIndices(ruta);
        EXPECT_FALSE(d.aviso.isEmpty()) << ruta.toStdString();
        EXPECT_EQ(IndiceRepercusion(d, 40000, false, QDate(2026, 1, 1)), 0.30); // the built-in table
    }
}

// What stands at the table's place is judged before it is read: a pipe (a
// read would wait for a writer for ever), a device, a directory or a huge file
// give the built-in table at once, and the warning says why.
TEST(Revision, FicheroDeIndicesQueNoSePuedeLeer)
{
    QTemporaryDir dir;
    const auto ruta = [&](const char* nombre) { return dir.filePath(QString::fromLatin1(nombre)); };
    ASSERT_EQ(mkfifo(QFile::encodeName(ruta("tuberia.tsv")).constData(), 0644), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("carpeta.tsv")));
    {
        // One good period and then a line of 300 MB, sparse.
        QFile f(ruta("enorme.tsv"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("2012-01-01\t9999-12-31\t0,15\t0,25\t0,35\n");
        ASSERT_TRUE(f.resize(qint64{300} << 20));
    }
    const QString cola =
        QStringLiteral(" Se usan los índices de repercusión de la Orden FOM/1882/2012 (0,10, 0,20 y 0,30).");
    const struct {
        QString ruta;
        const char* motivo;
    } casos[] = {
        {ruta("tuberia.tsv"), "El fichero de índices de repercusión no es un fichero normal."},
        {QStringLiteral("/dev/zero"), "El fichero de índices de repercusión no es un fichero normal."},
        {ruta("carpeta.tsv"), "El fichero de índices de repercusión es una carpeta, no un fichero."},
        {ruta("enorme.tsv"), "El fichero de índices de repercusión es demasiado grande (más de 256 KB)."},
        {ruta("no_existe.tsv"), "No se encuentra el fichero de índices de repercusión."},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.ruta.toStdString());
        const TablaIndices t = LeerIndices(k.ruta);
        EXPECT_EQ(t.aviso, QString::fromUtf8(k.motivo) + cola);
        EXPECT_EQ(IndiceRepercusion(t, 40000, false, QDate(2026, 1, 1)), 0.30);
    }
}

TEST(Presupuesto, RedondeoAlCentimoYMargenDeUnPrecio)
{
    ValoresColumna p;
    p.S(7) = 461.86; // service 1 priced on kilometres and hours
    p.S(6) = 600.0;  // on hours
    const auto q = PresupuestarServicio(p, 1, BaseCoste::Ambos, 15);
    ASSERT_TRUE(q);
    EXPECT_DOUBLE_EQ(q->precio, 531.14); // 461,86 × 1,15 = 531,139
    EXPECT_DOUBLE_EQ(q->iva, 111.54);    // 21 % of 531,14 = 111,5394
    EXPECT_DOUBLE_EQ(q->total, 642.68);
    EXPECT_DOUBLE_EQ(PresupuestarServicio(p, 1, BaseCoste::Horas, 0)->precio, 600);
    EXPECT_FALSE(PresupuestarServicio(p, 1, BaseCoste::Kilometros, 15)); // no cost on that basis
    EXPECT_FALSE(PresupuestarServicio(p, 6, BaseCoste::Ambos, 15));
    // A target price gives back its margin.
    EXPECT_DOUBLE_EQ(MargenDePrecio(461.86, 531.14), 15.00);
    EXPECT_DOUBLE_EQ(MargenDePrecio(400, 500), 25);
    // A target price is the price, to the cent, whatever margin it takes; a
    // margin rounded to 2 decimals would miss some by a cent.
    for (const double objetivo : {1150.0, 1500.0, 600.0, 2000.0, 1234.56}) {
        SCOPED_TRACE(objetivo);
        const auto r = PresupuestarAPrecio(p, 1, BaseCoste::Ambos, objetivo);
        ASSERT_TRUE(r);
        EXPECT_DOUBLE_EQ(r->precio, objetivo);
        EXPECT_DOUBLE_EQ(r->total, Redondear(objetivo + Redondear(objetivo * 0.21, 2), 2));
        EXPECT_NEAR(r->coste * (1 + r->margenPct / 100), objetivo, 1e-9);
    }
    EXPECT_FALSE(PresupuestarAPrecio(p, 1, BaseCoste::Kilometros, 1000));
}

} // namespace
} // namespace tarvia
