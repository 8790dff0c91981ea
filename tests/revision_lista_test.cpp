// A month of invoices revised at once: every good row computed as by hand,
// every bad one named by its line and field.
#include "presentacion/revision_lista.h"

#include "core/csv.h"

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

} // namespace
} // namespace tarvia
