// A month of invoices revised at once: every good row computed as by hand,
// every bad one named by its line and field.
#include "presentacion/revision_lista.h"

#include "core/csv.h"
#include "presentacion/informes.h"

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

namespace tarvia {
namespace {

const QString kIndices = QStringLiteral(TARVIA_BIN_DIR "/Baremario/indices_repercusion.tsv");

TablaGasoleo Precios()
{
    TablaGasoleo t;
    t.oficiales[{2026, 1}] = {1.441, 3};
    t.oficiales[{2026, 2}] = {1.500, 3};
    t.oficiales[{2026, 3}] = {1.645, 3};
    return t;
}

TEST(RevisionLista, QuinientasLineasConCincoMalas)
{
    // Line 1 is the header; the bad lines by their line in the file.
    const struct {
        int linea;
        QString texto;
        const char* campo;
    } malas[] = {
        {38, QStringLiteral("F-38;31/02/2026;20/03/2026;1000"), "fecha de contrato"},
        {101, QStringLiteral("F-101;15/01/2026;20/03/2026;mil"), "precio pactado"},
        {250, QStringLiteral("F-250;15/01/2026;02/04/2026;1000"), "fecha de servicio"}, // April has no price
        {377, QStringLiteral("F-377;15/01/2026;20/03/2026;1000;44 t"), "MMA"},
        {499, QStringLiteral("F-499;15/01/2026;20/03/2026;1000;;quizá"), "obra"},
    };
    QString csv = QStringLiteral("Referencia;Fecha de contrato;Fecha de servicio;Precio;MMA;Obra\r\n");
    // G from 1,441 (January) to 1,645 (March): 0,204 / 1,441 = 14,1568 % → 14,16 %;
    // from February (1,500): 0,145 / 1,5 = 9,6667 % → 9,67 %.
    double pactado = 0, incremento = 0;
    for (int linea = 2; linea <= 501; ++linea) {
        const auto mala =
            std::find_if(std::begin(malas), std::end(malas), [&](const auto& m) { return m.linea == linea; });
        if (mala != std::end(malas)) {
            csv += mala->texto + QStringLiteral("\r\n");
            continue;
        }
        const double precio = 900 + linea + (linea % 4) * 0.25;
        const bool febrero = linea % 3 == 0;
        // Every seventh a van (IR 0,10), every eleventh a works vehicle (0,20), else the calculation's 44 t (0,30).
        const QString masa = linea % 7 == 0 ? QStringLiteral("3500") : QString();
        const QString obra = linea % 11 == 0 ? QStringLiteral("sí") : linea % 5 == 0 ? QStringLiteral("no") : QString();
        const double ir = linea % 7 == 0 ? 0.10 : linea % 11 == 0 ? 0.20 : 0.30;
        const double g = febrero ? 9.67 : 14.16;
        csv += QStringLiteral("F-%1;%2;2026-03-%3;%4;%5;%6\r\n")
                   .arg(linea)
                   .arg(febrero ? QStringLiteral("3/2/2026") : QStringLiteral("15/01/2026"))
                   .arg(1 + linea % 28, 2, 10, QLatin1Char('0'))
                   .arg(QString::number(precio, 'f', 2).replace(u'.', u','))
                   .arg(masa, obra);
        pactado += precio;
        incremento += std::round(g * precio * ir) / 100; // ΔP to the cent
    }
    CondicionesDeLista c;
    c.calculo = {44000, 30.9};
    const RevisionDeLista r = RevisarLista(csv.toUtf8(), c, LeerIndices(kIndices), Precios());

    EXPECT_EQ(r.filas.size(), 495U);
    ASSERT_EQ(r.errores.size(), std::size(malas));
    for (size_t k = 0; k < std::size(malas); ++k) {
        EXPECT_EQ(r.errores[k].linea, malas[k].linea);
        EXPECT_EQ(r.errores[k].campo, QString::fromUtf8(malas[k].campo)) << r.errores[k].mensaje.toStdString();
    }
    EXPECT_TRUE(r.errores[2].mensaje.contains(QStringLiteral("abril de 2026")));
    EXPECT_EQ(LineaDeError(r.errores[0]),
              QStringLiteral("línea 38, fecha de contrato: «31/02/2026» no es una fecha (dd/mm/aaaa)"));
    EXPECT_NEAR(r.totalPactado, pactado, 1e-6);
    EXPECT_NEAR(r.totalIncremento, incremento, 1e-6);
    EXPECT_NEAR(r.totalRevisado, pactado + incremento, 1e-6);

    // One row by hand: line 14, a van contracted in January: 14,16 × 914,50 × 0,10 / 100 = 12,949 → 12,95.
    const auto f14 =
        std::find_if(r.filas.begin(), r.filas.end(), [](const FilaRevisada& f) { return f.servicio.linea == 14; });
    ASSERT_NE(f14, r.filas.end());
    EXPECT_EQ(f14->servicio.referencia, QStringLiteral("F-14"));
    EXPECT_EQ(f14->mma, 3500);
    EXPECT_DOUBLE_EQ(f14->revision.indice, 0.10);
    EXPECT_DOUBLE_EQ(f14->revision.incremento, 12.95);
    EXPECT_DOUBLE_EQ(f14->revision.precioRevisado, 927.45);

    // The CSV: a header, one row per service revised, the total; plain figures with a decimal comma.
    const QStringList lineas = RevisionDeListaCsv(r).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lineas.size(), 1 + 495 + 1);
    const QStringList fila14 = LeerFilaCsv(lineas[13]);
    EXPECT_EQ(fila14, QStringList({QStringLiteral("F-14"), QStringLiteral("15/01/2026"), QStringLiteral("15/03/2026"),
                                   QStringLiteral("914,50"), QStringLiteral("3500"), QStringLiteral("no"),
                                   QStringLiteral("2026-01"), QStringLiteral("1,441"), QStringLiteral("2026-03"),
                                   QStringLiteral("1,645"), QStringLiteral("14,16"), QStringLiteral("0,10"),
                                   QStringLiteral("12,95"), QStringLiteral("927,45")}));
    const QStringList total = LeerFilaCsv(lineas.back());
    EXPECT_EQ(total.value(0), QStringLiteral("Total"));
    EXPECT_EQ(total.value(3), QString::number(pactado, 'f', 2).replace(u'.', u','));
    EXPECT_FALSE(total.value(3).contains(u'.')); // no thousands points
    EXPECT_EQ(total.value(13), QString::number(pactado + incremento, 'f', 2).replace(u'.', u','));
}

TEST(RevisionLista, FilasIncompletasOSobrantes)
{
    CondicionesDeLista c;
    c.calculo = {44000, 30.9};
    c.obra = true; // the default for rows without the flag
    const RevisionDeLista r = RevisarLista("A;15/01/2026;20/03/2026\n"
                                           "B;15/01/2026;20/03/2026;100;44000;no;sobra\n"
                                           "C\t2026-01-15\t2026-03-20\t1.234,56\n"
                                           "\"D; con punto y coma\";15/01/2026;20/03/2026;100;;no\n",
                                           c, LeerIndices(kIndices), Precios());
    ASSERT_EQ(r.errores.size(), 2U);
    EXPECT_EQ(r.errores[0].linea, 1);
    EXPECT_EQ(r.errores[0].campo, QStringLiteral("línea"));
    EXPECT_EQ(r.errores[1].linea, 2);
    ASSERT_EQ(r.filas.size(), 2U);
    EXPECT_EQ(r.filas[0].servicio.precio, 1234.56);
    EXPECT_TRUE(r.filas[0].obra);
    EXPECT_DOUBLE_EQ(r.filas[0].revision.indice, 0.20);
    EXPECT_EQ(r.filas[1].servicio.referencia, QStringLiteral("D; con punto y coma"));
    EXPECT_FALSE(r.filas[1].obra);
    EXPECT_DOUBLE_EQ(r.filas[1].revision.indice, 0.30);
}

// The cells of the report's table titled `titulo`, row by row, the caption first.
std::vector<QStringList> Tabla(const Informe& inf, const QString& titulo)
{
    std::vector<QStringList> filas;
    for (const BloqueInforme& b : inf.bloques)
        if (const auto* t = std::get_if<TablaInforme>(&b); t && t->titulo == titulo)
            for (const TablaInforme::Fila& f : t->filas)
                filas.push_back(QStringList{f.rotulo} + f.celdas);
    return filas;
}

QStringList Parrafos(const Informe& inf)
{
    QStringList p;
    for (const BloqueInforme& b : inf.bloques)
        if (const auto* t = std::get_if<ParrafoInforme>(&b))
            p << t->texto;
    return p;
}

// By dates the report shows the prices as published (a fourth decimal is not
// rounded away), the transport's date and the months with their origin; typed
// by hand it stays as it was, three decimals and no months.
TEST(RevisionLista, InformeDeUnaRevisionPorFechas)
{
    PreciosPorFechas f;
    f.mesContrato = {2011, 5};
    f.mesServicio = {2026, 3};
    f.contrato = PrecioGasoleo{1.2568, 4, PrecioGasoleo::Origen::Oficial};
    f.servicio = PrecioGasoleo{1.645, 3, PrecioGasoleo::Origen::Usuario};
    PreciosPorFechas incompleto = f;
    incompleto.servicio.reset();
    const struct {
        const char* caso;
        std::optional<PreciosPorFechas> porFechas;
        QString contrato, servicio;
        bool conMeses;
    } casos[] = {
        {"a mano", std::nullopt, QStringLiteral("1,257"), QStringLiteral("1,645"), false},
        {"por fechas", f, QStringLiteral("1,2568"), QStringLiteral("1,645"), true},
        // Never reaches a report with figures, but must not show half a lookup.
        {"mes que falta", incompleto, QStringLiteral("1,257"), QStringLiteral("1,645"), false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        PedidoRevisionInforme pedido;
        pedido.descripcion = QStringLiteral("Articulado");
        pedido.precio = 1260;
        pedido.gasoleoContrato = 1.2568;
        pedido.gasoleoServicio = 1.645;
        pedido.fechaContrato = QDate(2011, 5, 20);
        pedido.fechaServicio = QDate(2026, 3, 10);
        pedido.mma = 44000;
        pedido.porFechas = c.porFechas;
        const Informe inf = InformeRevision(pedido, Revision{}, QDate(2026, 12, 7), Localizacion{});
        const auto datos = Tabla(inf, QStringLiteral("Datos"));
        ASSERT_GE(datos.size(), 3u);
        EXPECT_EQ(datos[1].value(1), c.contrato);
        EXPECT_EQ(datos[2].value(1), c.servicio);
        const bool conFecha = std::any_of(datos.begin(), datos.end(), [](const QStringList& fila) {
            return fila == QStringList{QStringLiteral("Fecha del transporte"), QStringLiteral("10/03/2026")};
        });
        EXPECT_EQ(conFecha, c.conMeses);
        const QString meses = Parrafos(inf).filter(QStringLiteral("mayo de 2011")).join(u' ');
        EXPECT_EQ(meses.contains(QStringLiteral("mayo de 2011 (tabla oficial)")) &&
                      meses.contains(QStringLiteral("marzo de 2026 (sus precios)")),
                  c.conMeses)
            << meses.toStdString();
    }
}

// The list's report: a row per service revised and the total, each month's
// price once with its decimals, and every bad line named after them.
TEST(RevisionLista, InformeDeLaLista)
{
    TablaGasoleo precios = Precios();
    precios.usuario[{2026, 3}] = {1.6452, 4, PrecioGasoleo::Origen::Usuario};
    CondicionesDeLista c;
    c.calculo = {44000, 30};
    const QByteArray csv = "Referencia;Contrato;Servicio;Precio\n"
                           "F-1;15/01/2026;20/03/2026;1000\n"
                           "F-2;31/02/2026;20/03/2026;1000\n"
                           "F-3;03/02/2026;02/03/2026;1.250,50\n"
                           "F-4;15/01/2026;02/04/2026;900\n"
                           "F-5;15/01/2026;20/02/2026;800;3500\n";
    const RevisionDeLista r = RevisarLista(csv, c, LeerIndices(kIndices), precios);
    ASSERT_EQ(r.filas.size(), 3u);
    ASSERT_EQ(r.errores.size(), 2u);
    const Informe inf = InformeRevisionLista({QStringLiteral("Articulado"), {}, {}}, r, QDate(2026, 12, 7), {});
    const auto filas = Tabla(inf, QStringLiteral("Servicios revisados"));
    ASSERT_EQ(filas.size(), 4u);
    // G from 1,441 to 1,6452: 0,2042 / 1,441 = 14,17 %; IR 0,30: 1000 × 14,17 % × 0,30 = 42,51.
    EXPECT_EQ(filas[0], (QStringList{"F-1", "15/01/2026", "20/03/2026", "01/2026 → 03/2026", "14,17", "0,30",
                                     "1.000,00", "42,51", "1.042,51"}));
    // From February (1,500) to March: 9,68 %; 1.250,50 × 9,68 % × 0,30 = 36,31.
    EXPECT_EQ(filas[1], (QStringList{"F-3", "03/02/2026", "02/03/2026", "02/2026 → 03/2026", "9,68", "0,30", "1.250,50",
                                     "36,31", "1.286,81"}));
    // A van from January to February: 4,09 %, below the threshold.
    EXPECT_EQ(filas[2].mid(0, 5), (QStringList{"F-5", "15/01/2026", "20/02/2026", "01/2026 → 02/2026", "4,09"}));
    EXPECT_EQ(filas[2].value(8), QStringLiteral("800,00"));
    EXPECT_EQ(filas[3], (QStringList{"Total", "", "", "", "", "", "3.050,50", "78,82", "3.129,32"}));
    EXPECT_EQ(Tabla(inf, QStringLiteral("Precios medios del gasóleo usados")),
              (std::vector<QStringList>{{"enero de 2026", "1,441", "Tabla oficial"},
                                        {"febrero de 2026", "1,500", "Tabla oficial"},
                                        {"marzo de 2026", "1,6452", "Sus precios"}}));
    const QStringList parrafos = Parrafos(inf);
    EXPECT_TRUE(parrafos.contains(QStringLiteral("3 servicios revisados; 2 líneas no revisadas.")));
    const auto errores = parrafos.indexOf(QStringLiteral("Líneas no revisadas (2)"));
    ASSERT_GE(errores, 0);
    EXPECT_TRUE(parrafos.value(errores + 1).startsWith(QStringLiteral("línea 3, fecha de contrato: ")));
    EXPECT_TRUE(parrafos.value(errores + 2).startsWith(QStringLiteral("línea 5, fecha de servicio: Falta")));
}

} // namespace
} // namespace tarvia
