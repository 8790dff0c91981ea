#include "engine/abrir.h"
#include "engine/repartir.h"
#include "presentacion/documento.h"

#include "core/catalogo.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace tarvia;

namespace {

const QString kFijo = QStringLiteral(TARVIA_TEST_DATA "/articulado_cp1252.trv");

// The fixture: a rented tractor against a bought one in the reference column.
class RepartirTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InicializarCalculo(doc.calculo);
        ASSERT_EQ(LeerValores(kFijo, doc.calculo), FalloArchivo::Ninguno);
    }

    const Caja& Box(Columna c, Hoja h, int i) { return doc.pantalla.caja(h, c, i); }

    Documento doc;
};

TEST_F(RepartirTest, RotulosConDescripcionYFechas)
{
    RepartirValores(doc);
    const Pantalla& p = doc.pantalla;
    EXPECT_EQ(p.titulo(Hoja::F1), "Vehículo de Tracción     (Vehículo articulado de carga general)");
    EXPECT_EQ(p.titulo(Hoja::R), "Resultados     (Vehículo articulado de carga general)");
    for (Hoja h : TodasLasHojas)
        EXPECT_EQ(p.marcoPersonal(h), "Cálculo Personalizado (03/11/2025)") << Codigo(h).data();
    EXPECT_EQ(p.marcoReferencia(Hoja::C), "Baremario de Costes (15/01/2024)");
    EXPECT_EQ(p.marcoReferencia(Hoja::R), "Baremario de Costes (15/01/2024)");
    EXPECT_TRUE(p.marcoReferencia(Hoja::S).isEmpty());

    // Loading again does not extend the captions twice.
    RepartirValores(doc);
    EXPECT_EQ(p.marcoPersonal(Hoja::C), "Cálculo Personalizado (03/11/2025)");
}

TEST_F(RepartirTest, LasOpcionesSiguenLoCargado)
{
    doc.calculo.Referencia.I(1) = false;
    RepartirValores(doc);
    const Pantalla& p = doc.pantalla;
    EXPECT_EQ(p.opcion(Hoja::F1, Columna::S, 1), 2);
    EXPECT_EQ(p.opcion(Hoja::F1, Columna::O, 1), 1);
    EXPECT_TRUE(p.marcoVisible(Marco::F1CosteAnual, Columna::S));
    EXPECT_FALSE(p.marcoVisible(Marco::F1CosteAnual, Columna::O));
    for (int g : {2, 9, 19})
        EXPECT_EQ(p.opcion(Hoja::F3, Columna::S, g), 1) << g;
    EXPECT_EQ(p.opcion(Hoja::I, Columna::O, 1), 2);
    EXPECT_FALSE(Box(Columna::O, Hoja::I, 2).visible);
    EXPECT_TRUE(Box(Columna::S, Hoja::I, 2).visible);
    EXPECT_FALSE(Box(Columna::S, Hoja::I, 5).habilitado);
    EXPECT_FALSE(Box(Columna::S, Hoja::F3, 8).habilitado);
    EXPECT_TRUE(Box(Columna::S, Hoja::F3, 3).habilitado);
}

TEST(PantallaTest, EstadoAlCrear)
{
    const Pantalla p;
    EXPECT_TRUE(p.caja(Hoja::C, Columna::S, 7).habilitado);
    EXPECT_EQ(p.caja(Hoja::C, Columna::S, 7).fondo, Fondo::Editable);
    EXPECT_EQ(p.caja(Hoja::C, Columna::S, 9).fondo, Fondo::SoloLectura);
    EXPECT_FALSE(p.caja(Hoja::C, Columna::O, 7).habilitado);
    EXPECT_FALSE(p.caja(Hoja::C, Columna::O, 19).visible);
    EXPECT_FALSE(p.caja(Hoja::R, Columna::O, 54).visible);
    EXPECT_TRUE(p.caja(Hoja::R, Columna::S, 54).visible);
    EXPECT_FALSE(p.marcoVisible(Marco::F2EquipoCosteAnual, Columna::S));
    EXPECT_TRUE(p.marcoVisible(Marco::F1Carrozado, Columna::O));
    EXPECT_EQ(p.marcoReferencia(Hoja::R), "Baremario de Costes");
    EXPECT_EQ(p.comentario(Columna::O), "Comentario");
}

TEST(AbrirTest, GrabarPoneLaFechaEnLosMarcosYReabreIgual)
{
    Documento doc;
    InicializarCalculo(doc.calculo);
    ASSERT_EQ(LeerArchivo(doc, kFijo), FalloArchivo::Ninguno);
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString ruta = tmp.filePath(QStringLiteral("prueba.trv"));
    ASSERT_EQ(EscribirArchivo(doc, ruta, QDate(2026, 12, 4)), FalloArchivo::Ninguno);
    for (Hoja h : TodasLasHojas)
        EXPECT_EQ(doc.pantalla.marcoPersonal(h), "Cálculo Personalizado (04/12/2026)");

    Documento otro;
    InicializarCalculo(otro.calculo);
    ASSERT_EQ(LeerArchivo(otro, ruta), FalloArchivo::Ninguno);
    EXPECT_FALSE(HayCambios(otro.calculo));
    EXPECT_TRUE(otro.calculo.Personal == doc.calculo.Personal);
    EXPECT_EQ(otro.pantalla.marcoReferencia(Hoja::I), "Baremario de Costes (15/01/2024)");
}

TEST(AbrirTest, UnFalloNoMuestraNadaComoCargado)
{
    Documento doc;
    InicializarCalculo(doc.calculo);
    EXPECT_NE(LeerArchivo(doc, QStringLiteral("/no/existe/nada.trv")), FalloArchivo::Ninguno);
    EXPECT_EQ(doc.pantalla.titulo(Hoja::C), "Características Técnicas y de Explotación");
    EXPECT_EQ(doc.pantalla.marcoPersonal(Hoja::C), "Cálculo Personalizado");
}

} // namespace
